// A disk that refuses a write: every file the level writes keeps its old
// bytes, no temporary file is left, and the result says what went wrong. A
// run killed in the middle of a write leaves a temporary file the next start
// removes, without touching the player's own files.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "level/game_files.h"
#include "level/saves.h"
#include "level/settings_files.h"
#include "support/temp_dir.h"

namespace valorne {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

int EntriesIn(const fs::path& folder) {
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++entries;
  return entries;
}

// Lifts the injected fault however the test ends.
struct FaultyDisk {
  FaultyDisk() {
    SetWriteFaultForTesting([](const fs::path&) { return true; });
  }
  ~FaultyDisk() { SetWriteFaultForTesting({}); }
};

TEST(FailedWrite, EveryWriterKeepsTheOldFileAndLeavesNoTemporary) {
  struct Case {
    const char* what;
    fs::path relative;  // the file under the game folder
    std::function<FileResult(Game&)> write;
  };
  const Case cases[] = {
      {"a save", fs::path("Save Game") / "QuickSave.s9_",
       [](Game& g) { return SaveToFile(g, "QuickSave"); }},
      {"the in-level options", "Advanced.rx",
       [](Game& g) { return WriteAdvancedOptions(g.AppPath, g.options); }},
      {"the display settings", "Optim.rx",
       [](Game& g) { return WriteDisplaySettings(g.AppPath, g.display); }},
      {"a number file", "LGame.rx",
       [](Game& g) { return WriteNumberFile(g.AppPath, kLoadRequestFile, 7); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    Game game;
    game.AppPath = dir.path();
    game.SaveExtension = ".s9_";
    ASSERT_TRUE(c.write(game).ok());
    const fs::path file = dir.path() / c.relative;
    const std::string old_bytes = ReadText(file);
    const int entries = EntriesIn(file.parent_path());

    game.state.Gold = 4321;
    game.options.AutoSaveOption = kTrue;
    game.display.FadesOff = kTrue;
    FaultyDisk full;
    const FileResult result = c.write(game);
    EXPECT_EQ(result.status, FileStatus::WriteFailed);
    EXPECT_NE(result.message.find("the old file is kept"), std::string::npos) << result.message;
    EXPECT_EQ(ReadText(file), old_bytes);
    EXPECT_EQ(EntriesIn(file.parent_path()), entries) << "no temporary file is left";
  }
}

TEST(FailedWrite, TheFaultPicksItsFilesAndIsLifted) {
  TempDir dir;
  SetWriteFaultForTesting([](const fs::path& f) { return f.filename() == "Advanced.rx"; });
  EXPECT_FALSE(WriteFileReplacing(dir / "Advanced.rx", "x").ok());
  EXPECT_TRUE(WriteFileReplacing(dir / "Optim.rx", "x").ok());
  SetWriteFaultForTesting({});
  EXPECT_TRUE(WriteFileReplacing(dir / "Advanced.rx", "x").ok());
}

TEST(StaleTemporaries, OnlyOurOwnLeftoversAreRemoved) {
  TempDir dir;
  fs::create_directories(dir.path() / "Save Game");
  struct Case {
    fs::path relative;
    bool removed;
  };
  const Case cases[] = {
      {".Optim.rx.tmp-0a1b2c", true},
      {fs::path("Save Game") / ".QuickSave.s9_.tmp-ffffff", true},
      {fs::path("Save Game") / ".My save.s9_.tmp-000000", true},
      {"Optim.rx", false},
      {fs::path("Save Game") / "QuickSave.s9_", false},
      {fs::path("Save Game") / "x.tmp-0a1b2c", false},        // not hidden: the player's
      {fs::path("Save Game") / ".x.s9_.tmp-0A1B2C", false},   // not our digits
      {fs::path("Save Game") / ".x.s9_.tmp-0a1b2", false},    // too few digits
      {fs::path("Save Game") / ".x.s9_.tmp-0a1b2c3", false},  // too many
  };
  for (const Case& c : cases) WriteText(dir.path() / c.relative, "bytes");
  EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 3);
  for (const Case& c : cases) {
    EXPECT_EQ(fs::exists(dir.path() / c.relative), !c.removed) << c.relative;
  }
}

}  // namespace
}  // namespace valorne
