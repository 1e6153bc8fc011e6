// Every text the code posts, asks or shows by a literal reference has words
// in the English set, so no message line, hint or caption comes out blank.
// The sources are read as text (comments removed) and three forms are taken:
// a braced pair {category, id} (category 1..5) on a line that speaks of a
// text (a TextRef, a hint, a caption, a title, a string beside it: numeric
// tables of pairs are not texts), PostNews/PostReport(game, category, id),
// and Ask(game, kind, id), whose question is text 1/id.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

#include "support/source_text.h"
#include "text/text_tables.h"

namespace valorne {
namespace {

namespace fs = std::filesystem;

struct UsedText {
  int category;
  int id;
  std::string where;
};

std::vector<UsedText> TextsUsedIn(const std::string& text, const std::string& file) {
  static const std::regex kPair(R"(\{\s*([1-5])\s*,\s*(\d+)\s*\})");
  static const std::regex kPost(R"(Post(?:News|Report)\s*\(\s*\w+\s*,\s*(\d+)\s*,\s*(\d+)\s*\))");
  static const std::regex kAsk(R"(\bAsk\s*\(\s*\w+\s*,\s*\d+\s*,\s*(\d+)\s*\))");
  std::vector<UsedText> used;
  auto line_of = [&](const std::smatch& m) {
    return file + ":" +
           std::to_string(std::count(text.begin(), text.begin() + m.position(0), '\n') + 1);
  };
  static const std::regex kTextContext(
      R"re(TextRef|Text|Helper|Info|[Hh]int|[Cc]aption|Refused|Accepted|Title|Heading|Section|")re");
  auto line_around = [&](const std::smatch& m) {
    const auto at = static_cast<std::size_t>(m.position(0));
    const std::size_t begin = text.rfind('\n', at);
    const std::size_t end = text.find('\n', at);
    const std::size_t from = begin == std::string::npos ? 0 : begin + 1;
    return text.substr(from, end == std::string::npos ? std::string::npos : end - from);
  };
  for (const std::regex* form : {&kPair, &kPost}) {
    for (auto it = std::sregex_iterator(text.begin(), text.end(), *form);
         it != std::sregex_iterator(); ++it) {
      if (form == &kPair && !std::regex_search(line_around(*it), kTextContext)) continue;
      used.push_back({std::stoi((*it)[1]), std::stoi((*it)[2]), line_of(*it)});
    }
  }
  for (auto it = std::sregex_iterator(text.begin(), text.end(), kAsk); it != std::sregex_iterator();
       ++it) {
    used.push_back({1, std::stoi((*it)[1]), line_of(*it)});
  }
  return used;
}

TEST(TextIdsInCode, EveryTextTheGameUsesHasWords) {
  TextTables texts;
  ASSERT_NO_THROW(texts.ReadAll(VALORNE_GAME_DIR));
  std::map<std::string, std::string> blank;  // "category/id" -> first place that uses it
  int checked = 0;
  for (const fs::path& file : GameSourceFiles()) {
    const std::string name = fs::relative(file, fs::path(VALORNE_SOURCE_DIR) / "src").string();
    for (const UsedText& t : TextsUsedIn(SourceWithoutComments(file), name)) {
      ++checked;
      const TextRef ref{static_cast<std::uint8_t>(t.category), static_cast<std::int16_t>(t.id)};
      if (texts.Text(ref).empty()) {
        blank.emplace(std::to_string(t.category) + "/" + std::to_string(t.id), t.where);
      }
    }
  }
  EXPECT_GT(checked, 100) << "the scan found too few texts; is the source folder right?";
  std::string list;
  for (const auto& [ref, where] : blank) list += "\n  " + ref + "  (" + where + ")";
  EXPECT_TRUE(blank.empty()) << blank.size() << " texts used in the code are empty:" << list;
}

TEST(TextIdsInCode, TheScanTakesEachFormOfReference) {
  const std::string sample =
      "g.live.Helper = {4, 23};\n"
      "PostReport(game, 1, 71); PostNews(game, 1, 73);\n"
      "Ask(game, 14, 117);\n"
      "int pair[] = {10, 20}; Ask(game, q.kind, q.text);\n"
      "constexpr Limit kLimits[] = {{1, 400}, {2, 600}};\n"
      "{\"death.rx\", {1, 93}}, Title(\"TitleLbl\", 8, {3, 56}),\n";
  std::vector<std::pair<int, int>> got;
  for (const UsedText& t : TextsUsedIn(sample, "sample.cpp")) got.emplace_back(t.category, t.id);
  std::sort(got.begin(), got.end());
  const std::vector<std::pair<int, int>> want = {{1, 71},  {1, 73}, {1, 93},
                                                 {1, 117}, {3, 56}, {4, 23}};
  EXPECT_EQ(got, want);
}

}  // namespace
}  // namespace valorne
