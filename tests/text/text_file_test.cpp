// Reading the localized text files and putting texts on a control.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "text/text_tables.h"

namespace valorne {
namespace {

using testing::TempDir;
using testing::WriteBytes;

// Little-endian 16-bit numbers, as the text files hold them.
std::vector<unsigned char> Words(const std::vector<int>& values) {
  std::vector<unsigned char> bytes;
  for (int v : values) {
    auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
    bytes.push_back(static_cast<unsigned char>(u & 0xFF));
    bytes.push_back(static_cast<unsigned char>(u >> 8));
  }
  return bytes;
}

// A control that remembers what the show routine did to it.
class RecordingControl : public GlyphSink {
 public:
  void ClearText() override {
    ++clears;
    glyphs.clear();
  }
  void AppendGlyph(GlyphCode code) override { glyphs.push_back(code); }
  int clears = 0;
  std::vector<GlyphCode> glyphs;
};

std::vector<GlyphCode> Codes(const std::string& utf8) {
  return Utf8ToGlyphs(utf8);
}

TEST(ReadTextFile, ReadsTextsInOrderAndLeavesTheRestEmpty) {
  TempDir dir;
  // Three texts into a table of five: "Hi", "", "Ok".
  WriteBytes(dir / "t.loc", Words({3, 2, 'H', 'i', 0, 2, 'O', 'k'}));
  TextTable table(5);
  table.Set(4, Codes("stale"));
  ReadTextFile(dir / "t.loc", table);
  EXPECT_EQ(table.Text(0), Codes("Hi"));
  EXPECT_TRUE(table.Text(1).empty());
  EXPECT_EQ(table.Text(2), Codes("Ok"));
  EXPECT_TRUE(table.Text(3).empty());
  EXPECT_TRUE(table.Text(4).empty()) << "a reload replaces the whole table";
}

TEST(ReadTextFile, RefusesBadFilesAndKeepsTheTable) {
  std::vector<int> longest(1 + 1 + kMaxCodesPerText, 'a');
  longest[0] = 1;
  longest[1] = kMaxCodesPerText;
  std::vector<int> too_long = longest;
  too_long[1] = kMaxCodesPerText + 1;
  too_long.push_back('a');

  struct Case {
    const char* what;
    std::vector<int> words;  // empty: no file at all
    bool write_file;
    std::vector<std::string> message_parts;
  };
  const std::vector<Case> cases = {
      {"missing file", {}, false, {"cannot open", "bad.loc"}},
      {"empty file", {}, true, {"empty", "bad.loc"}},
      {"count above the table", {4, 0, 0, 0, 0}, true, {"bad.loc", "4 texts", "3"}},
      {"negative count", {-1}, true, {"bad.loc", "-1"}},
      {"length over the limit", too_long, true, {"bad.loc", "2050", "2049"}},
      {"negative length", {1, -5}, true, {"bad.loc", "-5"}},
      {"ends before a length", {2, 1, 'a'}, true, {"bad.loc", "ends before text 1"}},
      {"ends inside a text", {1, 3, 'a', 'b'}, true, {"bad.loc", "ends inside text 0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    if (c.write_file) WriteBytes(dir / "bad.loc", Words(c.words));
    TextTable table(3);
    table.Set(1, Codes("kept"));
    try {
      ReadTextFile(dir / "bad.loc", table);
      ADD_FAILURE() << "the file was accepted";
    } catch (const TextFileError& e) {
      std::string message = e.what();
      for (const std::string& part : c.message_parts)
        EXPECT_NE(message.find(part), std::string::npos) << message << " lacks " << part;
    }
    EXPECT_EQ(table.Text(1), Codes("kept"));
  }

  // The longest allowed text is read whole.
  TempDir dir;
  WriteBytes(dir / "ok.loc", Words(longest));
  TextTable table(1);
  ReadTextFile(dir / "ok.loc", table);
  EXPECT_EQ(table.Text(0).size(), static_cast<std::size_t>(kMaxCodesPerText));
}

TEST(ShowText, ClearsFirstAndAppendsTheCodesInOrder) {
  TextTables texts;
  texts.Category(4).Set(17, Codes("Not enough"));
  texts.Category(4).Set(23, Codes("Missing"));
  RecordingControl control;
  ShowText(control, 17, 4, texts);
  ShowText(control, 17, 4, texts);
  EXPECT_EQ(control.glyphs, Codes("Not enough")) << "showing twice is the same as once";
  ShowText(control, 23, 4, texts);
  EXPECT_EQ(control.glyphs, Codes("Missing"));
  EXPECT_EQ(control.clears, 3);
}

TEST(ShowText, EmptyTextsAndUnknownCategoriesLeaveTheControlEmpty) {
  TextTables texts;
  for (int category = 1; category <= 5; ++category) texts.Category(category).Set(3, Codes("x"));
  struct Case {
    int category;
    int id;
  };
  // Category 6 has a table that no file fills; 0, 7 and 255 are no category;
  // ids beyond a table and ids never filled have no text.
  const Case cases[] = {{6, 3}, {0, 3}, {7, 3}, {255, 3}, {1, 4}, {1, -1}, {3, 100}, {5, 30000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.category) + "/" + std::to_string(c.id));
    RecordingControl control;
    control.glyphs = Codes("old");
    ShowText(control, c.id, c.category, texts);
    EXPECT_EQ(control.clears, 1);
    EXPECT_TRUE(control.glyphs.empty());
  }
  EXPECT_EQ(texts.Find(6)->ids(), 66);
}

TEST(GlyphConversion, Utf8RoundTripAndMalformedInput) {
  const std::string sample = "Grüße, Ærø — ½ \xE2\x80\xA6";
  EXPECT_EQ(GlyphsToUtf8(Utf8ToGlyphs(sample)), sample);
  EXPECT_EQ(Utf8ToGlyphs("\xC3\xA9"), std::vector<GlyphCode>{0xE9});

  const auto R = static_cast<GlyphCode>(0xFFFD);
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<GlyphCode> codes;
  };
  const std::vector<Case> cases = {
      {"cut-off sequence keeps the next letter",
       "a\xC3"
       "b",
       {'a', R, 'b'}},
      {"stray continuation byte", "\x80x", {R, 'x'}},
      {"overlong form", "\xC0\xAF", {R, R}},
      {"beyond 16 bits", "\xF0\x9F\x98\x80", {R}},
      {"encoded surrogate", "\xED\xA0\x80", {R}},
      {"sequence cut at the end", "\xE2\x80", {R}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Utf8ToGlyphs(c.bytes), c.codes);
  }
  EXPECT_EQ(GlyphsToUtf8({static_cast<GlyphCode>(0xD800)}), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace valorne
