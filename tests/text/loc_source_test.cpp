// The text compiler: readable sources to ".loc" files the game reads.
#include "make_loc/loc_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "text/text_tables.h"

namespace valorne {
namespace {

using loc::LocError;
using loc::ParseLocSource;
using testing::TempDir;

TEST(LocSource, RefusesBadSourcesNamingFileAndLine) {
  const std::string too_long = "0\t" + std::string(loc::kMaxCodesPerText + 1, 'a') + "\n";
  struct Case {
    const char* what;
    std::string source;
    std::string expected;  // part of the message, after "texts.txt:"
  };
  const std::vector<Case> cases = {
      {"duplicate id", "# c\n3\ta\n\n3\tb\n", "4: id 3 already given on line 2"},
      {"id at the table size", "10\tx\n", "1: id 10 outside 0..9"},
      {"huge id", "2\tok\n99999999999\tx\n", "2: id 99999999999 outside 0..9"},
      {"negative id", "-1\tx\n", "1: id \"-1\" is not a whole number"},
      {"no tab", "1 text\n", "1: expected \"ID<TAB>text\""},
      {"no id", "\ttext\n", "1: missing id"},
      {"letters in the id", "1a\tx\n", "1: id \"1a\""},
      {"text too long", too_long, "1: text of 2050 glyph codes"},
      {"beyond 16 bits", "1\tsmile \xF0\x9F\x98\x80\n", "1: character beyond U+FFFF"},
      {"broken UTF-8", "1\tok\n2\tbad \xC3(\n", "2: invalid UTF-8 sequence at column 7"},
      {"unknown escape", "1\tC:\\temp\n", "1: unknown escape at column 5"},
      {"control character", "1\ta\tb\n", "1: control character 9 at column 4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      ParseLocSource(c.source, "texts.txt", 10);
      ADD_FAILURE() << "the source was accepted";
    } catch (const LocError& e) {
      std::string message = e.what();
      EXPECT_EQ(message.rfind("texts.txt:", 0), 0u) << message;
      EXPECT_NE(message.find("texts.txt:" + c.expected), std::string::npos) << message;
    }
  }
}

TEST(LocSource, EncodesCountLengthsAndCodes) {
  // Comments, blank lines, a BOM, CRLF line ends and escapes; id 1 left out.
  const std::string source = "\xEF\xBB\xBF# title\r\n\r\n2\tA\\nb\\\\\r\n0\t\xC3\xA9\r\n   \n3\t\n";
  loc::LocTexts texts = ParseLocSource(source, "s.txt", 4);
  const std::vector<unsigned char> expected = {
      4, 0,                                   // count: highest id 3, plus one
      1, 0, 0xE9, 0,                          // 0: e acute
      0, 0,                                   // 1: absent
      4, 0, 'A',  0, 10, 0, 'b', 0, '\\', 0,  // 2: "A", line break, "b", backslash
      0, 0,                                   // 3: empty text
  };
  EXPECT_EQ(loc::EncodeLoc(texts), expected);
  // The limits themselves are allowed: the last id of the table, the longest text.
  loc::LocTexts edge =
      ParseLocSource("3\t" + std::string(loc::kMaxCodesPerText, 'a') + "\n", "s.txt", 4);
  ASSERT_EQ(edge.texts.size(), 4u);
  EXPECT_EQ(edge.texts[3].size(), static_cast<std::size_t>(loc::kMaxCodesPerText));
  EXPECT_EQ(loc::EncodeLoc(ParseLocSource("# nothing\n", "s.txt", 4)),
            (std::vector<unsigned char>{0, 0}));
}

TEST(LocSource, RoundTripThroughTheGameReader) {
  TempDir dir;
  const std::string source =
      "0\tNot enough resources.\n"
      "5\tGrüße aus Valorne \xE2\x80\x94 ½ Ærø\n"
      "7\tFirst line\\nsecond line\n";
  testing::WriteText(dir / "src.txt", source);
  loc::LocTexts texts = loc::ReadLocSource(dir / "src.txt", 8);
  loc::WriteFileAtomically(dir / "out" / "t.loc", loc::EncodeLoc(texts));
  EXPECT_FALSE(std::filesystem::exists(dir / "out" / "t.loc.tmp"));

  TextTable table(8);
  ReadTextFile(dir / "out" / "t.loc", table);
  EXPECT_EQ(GlyphsToUtf8(table.Text(0)), "Not enough resources.");
  EXPECT_EQ(GlyphsToUtf8(table.Text(5)), "Grüße aus Valorne \xE2\x80\x94 ½ Ærø");
  EXPECT_EQ(GlyphsToUtf8(table.Text(7)), "First line\nsecond line");
  for (int id : {1, 2, 3, 4, 6}) EXPECT_TRUE(table.Text(id).empty()) << id;
}

TEST(LocSource, FileProblemsAreReported) {
  TempDir dir;
  try {
    loc::ReadLocSource(dir / "absent.txt", 5);
    ADD_FAILURE() << "a missing source was accepted";
  } catch (const LocError& e) {
    EXPECT_NE(std::string(e.what()).find("absent.txt"), std::string::npos);
  }
  // Writing over an existing file replaces it whole.
  testing::WriteBytes(dir / "t.loc", std::vector<unsigned char>(100, 0xAA));
  loc::WriteFileAtomically(dir / "t.loc", {1, 0, 0, 0});
  EXPECT_EQ(testing::ReadBytes(dir / "t.loc"), (std::vector<unsigned char>{1, 0, 0, 0}));
  // A folder where the file should go is refused, and nothing is left behind.
  std::filesystem::create_directories(dir / "taken.loc" / "inside");
  EXPECT_THROW(loc::WriteFileAtomically(dir / "taken.loc", {0, 0}), LocError);
  EXPECT_FALSE(std::filesystem::exists(dir / "taken.loc.tmp"));
  EXPECT_THROW(ParseLocSource("", "s.txt", 0), LocError);
}

}  // namespace
}  // namespace valorne
