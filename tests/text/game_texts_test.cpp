// The five text files of the built game folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "text/text_tables.h"

namespace valorne {
namespace {

TEST(GameTexts, AllFiveFilesLoadWithTheTextsTheGameNeeds) {
  TextTables texts;
  ASSERT_NO_THROW(texts.ReadAll(VALORNE_GAME_DIR));
  struct Ref {
    int category;
    int id;
  };
  const Ref needed[] = {
      {4, 17},  {4, 22}, {4, 23},  {1, 99},  {5, 84},  {5, 85},  {5, 86}, {5, 87}, {5, 88},
      {5, 89},  {2, 18}, {2, 28},  {3, 84},  {3, 85},  {3, 86},  {3, 87}, {3, 88}, {3, 89},
      {4, 137}, {1, 94}, {1, 117}, {1, 126}, {4, 112}, {4, 158}, {4, 0},  {4, 13},
  };
  for (const Ref& r : needed) {
    SCOPED_TRACE(std::to_string(r.category) + "/" + std::to_string(r.id));
    TextRef ref{static_cast<std::uint8_t>(r.category), static_cast<std::int16_t>(r.id)};
    EXPECT_FALSE(texts.Text(ref).empty());
  }
  EXPECT_EQ(texts.Utf8({4, 17}), "Not enough resources.");
  // The army list holds the three army names, one per line.
  EXPECT_EQ(texts.Utf8({4, 158}),
            texts.Utf8({4, 112}) + "\n" + texts.Utf8({4, 113}) + "\n" + texts.Utf8({4, 114}));
  // Texts the level never shows stay empty; category 6 has no file.
  EXPECT_TRUE(texts.Text({1, 0}).empty());
  EXPECT_TRUE(texts.Text({6, 0}).empty());
}

TEST(GameTexts, EveryTextFitsItsTable) {
  for (const auto& f : TextTables::kFiles) {
    SCOPED_TRACE(f.path);
    auto file = std::filesystem::path(VALORNE_GAME_DIR) / f.path;
    ASSERT_TRUE(std::filesystem::exists(file));
    // The count leads the file; the game's table for the category must hold it.
    TextTables texts;
    ASSERT_NO_THROW(ReadTextFile(file, texts.Category(f.category)));
  }
}

}  // namespace
}  // namespace valorne
