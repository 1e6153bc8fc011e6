// The game folder's file layer: names matched without regard to case, and
// writes that never leave a half-written file.
#include "level/game_files.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

TEST(GamePath, FixedNamesFindTheFileInAnyLetterCase) {
  TempDir dir;
  WriteText(dir / "Fight_in.rx", "written by the level");
  std::filesystem::create_directories(dir.path() / "save game");
  std::filesystem::create_directories(dir.path() / "Localizations");
  WriteText(dir.path() / "Localizations" / "LEVELS.LOC", "texts");
  WriteText(dir / "both.rx", "lower");
  WriteText(dir / "Both.rx", "upper");
  struct Case {
    const char* name;
    std::filesystem::path expected;
  };
  const Case cases[] = {
      {"\\Fight_in.rx", dir / "Fight_in.rx"},
      {"\\fight_in.rx", dir / "Fight_in.rx"},
      {"\\FIGHT_IN.RX", dir / "Fight_in.rx"},
      {"/fight_in.rx", dir / "Fight_in.rx"},
      {"\\Save Game\\", dir / "save game"},
      {"\\Save Game\\x.s9_", dir.path() / "save game" / "x.s9_"},
      {"\\localizations\\levels.loc", dir.path() / "Localizations" / "LEVELS.LOC"},
      {"localizations/levels.loc", dir.path() / "Localizations" / "LEVELS.LOC"},
      {"\\Fight_out.rx", dir / "Fight_out.rx"},  // not there: as written
      {"\\both.rx", dir / "both.rx"},            // an exact match wins
      {"\\BOTH.rx", dir / "Both.rx"},            // else the first in name order
  };
  for (const Case& c : cases) EXPECT_EQ(GamePath(dir.path(), c.name), c.expected) << c.name;
}

TEST(WriteFileReplacing, ReplacesTheFileAndLeavesNothingElse) {
  TempDir dir;
  const auto file = dir / "camp.rx";
  WriteText(file, "9\r\n");
  ASSERT_TRUE(WriteFileReplacing(file, "10\r\n").ok());
  EXPECT_EQ(ReadText(file), "10\r\n");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1) << "no temporary file is left behind";
}

TEST(WriteFileReplacing, AFailedWriteKeepsTheOldFile) {
  TempDir dir;
  // A name so long that no temporary file can be made beside it.
  const auto long_name = dir / (std::string(245, 'n') + ".s9_");
  WriteText(long_name, "the old save");
  FileResult result = WriteFileReplacing(long_name, "the new save");
  EXPECT_EQ(result.status, FileStatus::WriteFailed);
  EXPECT_NE(result.message.find(long_name.string()), std::string::npos) << result.message;
  EXPECT_EQ(ReadText(long_name), "the old save");

  // A folder standing where the file should go.
  const auto blocked = dir / "blocked.rx";
  std::filesystem::create_directories(blocked / "inside");
  result = WriteFileReplacing(blocked, "data");
  EXPECT_EQ(result.status, FileStatus::WriteFailed);
  EXPECT_TRUE(std::filesystem::exists(blocked / "inside"));

  // A folder that is not there.
  result = WriteFileReplacing(dir.path() / "no such folder" / "x.rx", "data");
  EXPECT_EQ(result.status, FileStatus::WriteFailed);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2) << "no temporary file is left behind";
}

TEST(ReadFileBytes, ReadsUpToTheLimitAndSaysWhatWasWrong) {
  TempDir dir;
  WriteText(dir / "five", "12345");
  std::string bytes;
  EXPECT_TRUE(ReadFileBytes(dir / "five", 5, bytes).ok());
  EXPECT_EQ(bytes, "12345");
  EXPECT_EQ(ReadFileBytes(dir / "five", 4, bytes).status, FileStatus::TooLong);
  EXPECT_EQ(bytes, "1234");
  EXPECT_EQ(ReadFileBytes(dir / "none", 4, bytes).status, FileStatus::Missing);
  EXPECT_EQ(ReadFileBytes(dir.path(), 4, bytes).status, FileStatus::Missing) << "a folder";
}

}  // namespace
}  // namespace valorne
