// The save and load dialogs' actions.
#include "level/save_dialogs.h"

#include <gtest/gtest.h>

#include "level/level_fixture.h"
#include "level/saves.h"
#include "state/start_values.h"

namespace valorne {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::TestGame;

struct DialogTest : ::testing::Test {
  TempDir dir;
  TestGame t{dir.path()};
  Game& game = t.game;
  void SetUp() override {
    game.rng = Random::Constant(0.5);
    SetStartValues(game);
    for (const char* name : {"FirstSave", "QuickSave", "AutoSave"}) SaveToFile(game, name);
  }
  bool Exists(const std::string& name) {
    return std::filesystem::exists(dir.path() / "Save Game" / (name + ".s9_"));
  }
};

TEST_F(DialogTest, SaveOk) {
  struct Case {
    std::string name;
    bool closes;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {"QuickSave", false, {"message 1/132"}},
      {"FirstSave", false, {"message 1/132"}},
      {"", false, {}},
      {"a/b", false, {}},
      {"quicksave", true, {"message 1/126"}},
      {"Winter", true, {"message 1/126"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    t.ui.events.clear();
    SaveDialogFields fields{c.name, "rename"};
    const DialogResult result = SaveDialogOk(game, fields);
    EXPECT_EQ(result.close, c.closes);
    EXPECT_EQ(t.ui.events, c.events);
    EXPECT_EQ(fields.FileNameTxt.empty(), c.closes || c.name.empty());
    EXPECT_EQ(result.problem.empty(), c.name != "a/b");
  }
  EXPECT_EQ(ListSaves(game), (std::vector<std::string>{"AutoSave", "FirstSave", "QuickSave",
                                                       "quicksave", "Winter"}));
}

TEST_F(DialogTest, Rename) {
  struct Case {
    std::string from, to;
    bool renamed;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {"FirstSave", "Mine", false, {"message 1/132"}},
      {"QuickSave", "Mine", false, {"message 1/132"}},
      {"AutoSave", "QuickSave", false, {"message 1/132"}},
      {"AutoSave", "", false, {}},
      {"Nothing", "Mine", false, {}},
      {"AutoSave", "bad/name", false, {}},
      {"AutoSave", "Kept", true, {}},
      {"Kept", "firstsave", true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from + " -> " + c.to);
    t.ui.events.clear();
    SaveDialogFields fields{c.from, c.to};
    const bool had = Exists(c.from);
    const bool had_target = Exists(c.to);
    const DialogResult result = SaveDialogRename(game, fields);
    EXPECT_FALSE(result.close);
    EXPECT_EQ(t.ui.events, c.events);
    EXPECT_EQ(Exists(c.to), had_target || c.renamed);
    EXPECT_EQ(Exists(c.from), had && !c.renamed);
    EXPECT_EQ(fields.FileNameTxt.empty(), c.renamed);
  }
  // An existing save is not replaced by a rename.
  SaveDialogFields fields{"firstsave", "AutoSave"};
  SaveToFile(game, "AutoSave");
  EXPECT_FALSE(SaveDialogRename(game, fields).problem.empty());
  EXPECT_TRUE(Exists("firstsave"));
}

TEST_F(DialogTest, LoadDialogSelectDeleteAndOk) {
  LoadDialogFields fields;
  LoadDialogSelect(game, fields, "AutoSave");
  EXPECT_EQ(fields.FileNameTxt, "AutoSave");
  EXPECT_EQ(fields.FileDateLbl.size(), 16u) << fields.FileDateLbl;  // "YYYY-MM-DD HH:MM"
  EXPECT_EQ(fields.FileDateLbl[4], '-');

  // Deleting the game's own saves is refused, whichever field names them.
  for (const char* name : {"FirstSave", "QuickSave"}) {
    t.ui.events.clear();
    LoadDialogFields f;
    LoadDialogSelect(game, f, name);
    LoadDialogDelete(game, f);
    EXPECT_TRUE(Exists(name));
    EXPECT_EQ(t.ui.events, (std::vector<std::string>{"message 1/132"}));
    f.FileNameTxt = "typed over";
    LoadDialogDelete(game, f);
    EXPECT_TRUE(Exists(name));
  }
  t.ui.events.clear();
  EXPECT_TRUE(LoadDialogDelete(game, fields).problem.empty());
  EXPECT_FALSE(Exists("AutoSave"));
  EXPECT_TRUE(fields.FileNameTxt.empty());
  EXPECT_TRUE(t.ui.events.empty());

  // OK loads and confirms; a missing save keeps the dialog open.
  game.state.Gold = 3;
  LoadDialogFields load{"FirstSave", "", ""};
  EXPECT_TRUE(LoadDialogOk(game, load).close);
  EXPECT_EQ(game.state.Gold, 2500);
  EXPECT_EQ(t.ui.events, (std::vector<std::string>{"message 1/130"}));
  LoadDialogFields missing{"AutoSave", "", ""};
  const DialogResult refused = LoadDialogOk(game, missing);
  EXPECT_FALSE(refused.close);
  EXPECT_FALSE(refused.problem.empty());
  EXPECT_EQ(missing.FileNameTxt, "AutoSave");
}

TEST_F(DialogTest, LoadDialogConfirmsEvenASaveOfAnotherLevel) {
  GameState other = game.state;
  other.LevelNumber = 3;
  Record record{};
  PackGameState(other, record);
  testing::WriteBytes(dir.path() / "Save Game" / "Level3.s9_",
                      std::vector<unsigned char>(record.begin(), record.end()));
  game.state.Gold = 42;
  LoadDialogFields fields{"Level3", "", ""};
  EXPECT_TRUE(LoadDialogOk(game, fields).close);
  EXPECT_EQ(game.state.Gold, 42);
  EXPECT_EQ(t.ui.events, (std::vector<std::string>{"message 1/130"}));
}

}  // namespace
}  // namespace valorne
