// Save games: their files, their names, and the game's own saves.
#include "level/saves.h"

#include <gtest/gtest.h>

#include "level/level_fixture.h"
#include "level/save_actions.h"
#include "level/save_names.h"
#include "state/start_values.h"

namespace valorne {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::TestGame;
using testing::WriteBytes;
using testing::WriteText;

// A game at its start, with its folder in `dir`.
struct SaveTest : ::testing::Test {
  TempDir dir;
  TestGame t{dir.path()};
  Game& game = t.game;
  void SetUp() override {
    game.rng = Random::Constant(0.5);
    SetStartValues(game);
  }
  std::filesystem::path SaveFile(const std::string& name) {
    return dir.path() / "Save Game" / (name + ".s9_");
  }
};

TEST_F(SaveTest, ASaveIsOneRecordAndLoadsBackWhatWasSaved) {
  game.state.Gold = 31337;
  game.state.Maces = 5;
  ASSERT_TRUE(SaveToFile(game, "Before the battle").ok());
  const auto bytes = ReadBytes(SaveFile("Before the battle"));
  ASSERT_EQ(bytes.size(), 792u);
  Record packed{};
  PackGameState(game.state, packed);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), packed.begin()));

  // Rival county 2 does not stand yet: a load brings it back empty.
  GameState saved = game.state;
  saved.Rivals[2] = RivalCounty{};
  game.state.Gold = 1;
  game.state.Maces = 0;
  game.params = LevelParams{};
  const LoadResult loaded = LoadFromFile(game, "Before the battle");
  EXPECT_EQ(loaded.outcome, LoadOutcome::Loaded) << loaded.message;
  EXPECT_EQ(game.state, saved);
  EXPECT_EQ(game.PrevLevelNumber, 9);
  EXPECT_EQ(game.params.TradeDiplomacyMin, 80) << "the level's tables are set up again";
}

TEST_F(SaveTest, SaveNamesAreExact) {
  game.state.Gold = 100;
  ASSERT_TRUE(SaveToFile(game, "QuickSave").ok());
  game.state.Gold = 200;
  ASSERT_TRUE(SaveToFile(game, "quicksave").ok());
  EXPECT_EQ(ListSaves(game), (std::vector<std::string>{"QuickSave", "quicksave"}));
  ASSERT_EQ(LoadFromFile(game, "QuickSave").outcome, LoadOutcome::Loaded);
  EXPECT_EQ(game.state.Gold, 100);
  EXPECT_EQ(LoadFromFile(game, "QUICKSAVE").outcome, LoadOutcome::Failed);
}

TEST_F(SaveTest, NamesAFileCannotCarryAreRefused) {
  struct Case {
    std::string name;
    bool allowed;
  };
  const Case cases[] = {
      {"Save and Exit", true},
      {"AutoSave", true},
      {"My county, year 2", true},
      {".hidden", true},
      {"a..b", true},
      {std::string(64, 'x'), true},
      {"", false},
      {".", false},
      {"..", false},
      {"../outside", false},
      {"a/b", false},
      {"a\\b", false},
      {"tab\there", false},
      {"bell\a", false},
      {std::string(65, 'x'), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(!SaveNameProblem(c.name).has_value(), c.allowed);
    const FileResult result = SaveToFile(game, c.name);
    EXPECT_EQ(result.ok(), c.allowed) << result.message;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "outside.s9_"));
  EXPECT_EQ(ListSaves(game).size(), 6u);
  EXPECT_TRUE(IsProtectedSaveName("QuickSave"));
  EXPECT_TRUE(IsProtectedSaveName("FirstSave"));
  EXPECT_FALSE(IsProtectedSaveName("firstsave"));
  EXPECT_FALSE(IsProtectedSaveName("AutoSave"));
}

TEST_F(SaveTest, FilesThatAreNoSaveAreRefusedAndChangeNothing) {
  std::filesystem::create_directories(dir / "Save Game");
  WriteBytes(SaveFile("short"), std::vector<unsigned char>(791, 9));
  WriteBytes(SaveFile("long"), std::vector<unsigned char>(793, 9));
  WriteBytes(SaveFile("empty"), {});
  std::filesystem::create_directories(SaveFile("folder"));
  const GameState before = game.state;
  for (const char* name : {"short", "long", "empty", "folder", "missing"}) {
    SCOPED_TRACE(name);
    game.PrevLevelNumber = 0;
    const LoadResult result = LoadFromFile(game, name);
    EXPECT_EQ(result.outcome, LoadOutcome::Failed);
    EXPECT_NE(result.message.find(name), std::string::npos) << result.message;
    EXPECT_EQ(game.state, before);
    EXPECT_EQ(game.PrevLevelNumber, 0);
  }
}

TEST_F(SaveTest, AFailedSaveKeepsTheOldOne) {
  ASSERT_TRUE(SaveToFile(game, "Mine").ok());
  const auto old_bytes = ReadBytes(SaveFile("Mine"));
  // A folder in the way of the save's file.
  std::filesystem::create_directories(SaveFile("Blocked") / "x");
  game.state.Gold = 1;
  const FileResult blocked = SaveToFile(game, "Blocked");
  EXPECT_EQ(blocked.status, FileStatus::WriteFailed);
  EXPECT_NE(blocked.message.find("Blocked"), std::string::npos) << blocked.message;
  EXPECT_EQ(ReadBytes(SaveFile("Mine")), old_bytes);

  // A file in the way of the save folder.
  TempDir other;
  TestGame u(other.path());
  WriteText(other / "Save Game", "not a folder");
  const FileResult no_folder = SaveToFile(u.game, "Mine");
  EXPECT_EQ(no_folder.status, FileStatus::WriteFailed);
  EXPECT_NE(no_folder.message.find("Save Game"), std::string::npos) << no_folder.message;
  EXPECT_EQ(testing::ReadText(other / "Save Game"), "not a folder");
}

TEST_F(SaveTest, TheSaveFolderIsFoundInAnyLetterCase) {
  std::filesystem::create_directories(dir / "save game");
  ASSERT_TRUE(SaveToFile(game, "x").ok());
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "save game" / "x.s9_"));
  EXPECT_FALSE(std::filesystem::exists(dir / "Save Game"));
}

TEST_F(SaveTest, ListingShowsSavesOnlyInNameOrder) {
  for (const char* name : {"b", "A", "c", "AutoSave"}) ASSERT_TRUE(SaveToFile(game, name).ok());
  WriteText(dir.path() / "Save Game" / "notes.txt", "");
  WriteText(dir.path() / "Save Game" / "old.s8_", "");
  std::filesystem::create_directories(dir.path() / "Save Game" / "folder.s9_");
  EXPECT_EQ(ListSaves(game), (std::vector<std::string>{"A", "AutoSave", "b", "c"}));
  TempDir empty;
  TestGame u(empty.path());
  EXPECT_TRUE(ListSaves(u.game).empty());
}

TEST_F(SaveTest, QuickKeys) {
  game.state.Gold = 500;
  ASSERT_TRUE(QuickSave(game).ok());
  game.state.Gold = 600;
  const LoadResult loaded = QuickLoad(game);
  EXPECT_EQ(loaded.outcome, LoadOutcome::Loaded);
  EXPECT_EQ(game.state.Gold, 500);
  EXPECT_EQ(t.ui.events, (std::vector<std::string>{"message 1/126", "message 1/130"}));

  // Ignored while an army walks.
  t.ui.events.clear();
  game.live.ArmyWalking = true;
  game.state.Gold = 700;
  EXPECT_TRUE(QuickSave(game).ok());
  EXPECT_EQ(QuickLoad(game).outcome, LoadOutcome::Ignored);
  EXPECT_EQ(game.state.Gold, 700);
  EXPECT_TRUE(t.ui.events.empty());
  game.live.ArmyWalking = false;
  ASSERT_EQ(QuickLoad(game).outcome, LoadOutcome::Loaded);
  EXPECT_EQ(game.state.Gold, 500) << "the walking army's F6 wrote nothing";
}

TEST_F(SaveTest, QuickLoadOfAnotherLevelsSaveChangesNothing) {
  GameState other = game.state;
  other.LevelNumber = 8;
  other.Gold = 1;
  Record record{};
  PackGameState(other, record);
  std::filesystem::create_directories(dir / "Save Game");
  WriteBytes(SaveFile("QuickSave"), std::vector<unsigned char>(record.begin(), record.end()));
  const GameState before = game.state;
  EXPECT_EQ(QuickLoad(game).outcome, LoadOutcome::OtherLevel);
  EXPECT_EQ(game.state, before);
  EXPECT_EQ(game.PrevLevelNumber, 9);
  EXPECT_EQ(t.ui.events, (std::vector<std::string>{"message 1/131"}));

  t.ui.events.clear();
  std::filesystem::remove(SaveFile("QuickSave"));
  const LoadResult none = QuickLoad(game);
  EXPECT_EQ(none.outcome, LoadOutcome::Failed);
  EXPECT_FALSE(none.message.empty());
  EXPECT_TRUE(t.ui.events.empty());
}

TEST_F(SaveTest, SaveAndExitAndTheReplay) {
  GameState start = game.state;
  start.Rivals[2] = RivalCounty{};  // it does not stand yet: loaded empty
  ASSERT_TRUE(SaveToFile(game, "FirstSave").ok());
  game.state.Gold = 5;
  ASSERT_TRUE(SaveAndExit(game).ok());
  EXPECT_TRUE(game.live.ProgramEnding);
  EXPECT_EQ(ReadBytes(SaveFile("Save and Exit")).size(), 792u);

  game.live.ProgramEnding = false;
  game.live.ArmyWalking = true;
  EXPECT_EQ(ReplayFromFirstSave(game).outcome, LoadOutcome::Ignored);
  EXPECT_EQ(game.state.Gold, 5);
  game.live.ArmyWalking = false;
  EXPECT_EQ(ReplayFromFirstSave(game).outcome, LoadOutcome::Loaded);
  EXPECT_EQ(game.state, start);
  EXPECT_TRUE(t.ui.events.empty());

  // A save that cannot be written does not end the program.
  std::filesystem::remove(SaveFile("Save and Exit"));
  std::filesystem::create_directories(SaveFile("Save and Exit") / "x");
  EXPECT_FALSE(SaveAndExit(game).ok());
  EXPECT_FALSE(game.live.ProgramEnding);
}

}  // namespace
}  // namespace valorne
