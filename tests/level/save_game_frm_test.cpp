// The save dialog used as the player uses it.
#include <gtest/gtest.h>

#include "level/level_screens_fixture.h"
#include "level/saves.h"
#include "state/start_values.h"

namespace valorne {
namespace {

using testing::LevelScreens;
using testing::ReadBytes;

constexpr TextRef kSaved{1, 126};
constexpr TextRef kReservedName{1, 132};

TEST(SaveGameFrm, SavingFromTheMenuWritesOneRecordAndClosesBoth) {
  LevelScreens s;
  s.game.state.Gold = 4321;
  s.Click("SaveGameLbl");
  s.Look([&] { EXPECT_EQ(s.TopName(), "SaveGameFrm"); });
  s.Type("FileNameTxt", "Before the siege");
  s.Click("OkAniBtn");
  s.CloseMessage(kSaved);
  s.Run("MenuFrm");  // the dialog and the menu are both gone
  EXPECT_EQ(ReadBytes(s.SaveFile("Before the siege")).size(), 792u);
  Game loaded;
  SetStartValues(loaded);
  loaded.AppPath = s.dir.path();
  ASSERT_EQ(LoadFromFile(loaded, "Before the siege").outcome, LoadOutcome::Loaded);
  EXPECT_EQ(loaded.state.Gold, 4321);
}

TEST(SaveGameFrm, NamesTheDialogRefusesOrTakes) {
  struct Case {
    std::string name;
    bool saved;          // the dialog saves and closes
    bool reserved;       // the reserved-name message shows
    std::string helper;  // the hint line afterwards, when the dialog stays
  };
  const Case cases[] = {
      {"QuickSave", false, true, ""},
      {"FirstSave", false, true, ""},
      {"quicksave", true, false, ""},
      {"Firstsave", true, false, ""},
      {"", false, false, "Nothing has been chosen."},
      {"a/b", false, false, "a save's name cannot hold \"/\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LevelScreens s;
    ASSERT_TRUE(SaveToFile(s.game, "QuickSave").ok());
    const auto quick_before = ReadBytes(s.SaveFile("QuickSave"));
    s.game.state.Gold = 777;
    if (!c.name.empty()) s.Type("FileNameTxt", c.name);
    s.Click("OkAniBtn");
    if (c.reserved) s.CloseMessage(kReservedName);
    if (c.saved) s.CloseMessage(kSaved);
    if (!c.saved) {
      s.Look([&] {
        EXPECT_EQ(s.TopName(), "SaveGameFrm");
        EXPECT_EQ(s.Read("FileNameTxt"), c.name);
        if (c.helper.empty()) {
          EXPECT_EQ(s.Read("Helper"), "");
        } else {
          EXPECT_NE(s.Read("Helper").find(c.helper), std::string::npos) << s.Read("Helper");
        }
      });
      s.Click("CancelAniBtn");
    }
    s.Run("SaveGameFrm");
    EXPECT_EQ(ReadBytes(s.SaveFile("QuickSave")), quick_before) << "the quick save is untouched";
    const auto saves = ListSaves(s.game);
    EXPECT_EQ(saves.size(), c.saved ? 2u : 1u);
    if (c.saved) {
      EXPECT_EQ(ReadBytes(s.SaveFile(c.name)).size(), 792u);
    }
  }
}

TEST(SaveGameFrm, ChoosingASaveFillsTheNameAndOkOverwritesIt) {
  LevelScreens s;
  ASSERT_TRUE(SaveToFile(s.game, "Harvest").ok());
  s.game.state.Gold = 999;
  s.Choose("FileLst", "Harvest");
  s.Look([&] { EXPECT_EQ(s.Read("FileNameTxt"), "Harvest"); });
  s.Click("OkAniBtn");
  s.CloseMessage(kSaved);
  s.Run("SaveGameFrm");
  Game loaded;
  SetStartValues(loaded);
  loaded.AppPath = s.dir.path();
  ASSERT_EQ(LoadFromFile(loaded, "Harvest").outcome, LoadOutcome::Loaded);
  EXPECT_EQ(loaded.state.Gold, 999);
}

TEST(SaveGameFrm, EnterInTheRenameFieldRenames) {
  struct Case {
    std::string from;
    std::string to;
    bool reserved;
    std::vector<std::string> after;
  };
  const Case cases[] = {
      {"AutoSave", "Spring", false, {"FirstSave", "QuickSave", "Spring"}},
      {"FirstSave", "Spring", true, {"AutoSave", "FirstSave", "QuickSave"}},
      {"AutoSave", "QuickSave", true, {"AutoSave", "FirstSave", "QuickSave"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from + " -> " + c.to);
    LevelScreens s;
    for (const char* name : {"FirstSave", "QuickSave", "AutoSave"}) {
      ASSERT_TRUE(SaveToFile(s.game, name).ok());
    }
    s.Choose("FileLst", c.from);
    s.Type("RenameTxt", c.to);
    s.Key("Return");
    if (c.reserved) s.CloseMessage(kReservedName);
    s.Look([&] {
      EXPECT_EQ(s.Top().Get<ListBox>("FileLst").items(), c.after);
      // A rename that went through empties both fields.
      EXPECT_EQ(s.Read("FileNameTxt"), c.reserved ? c.from : "");
      EXPECT_EQ(s.Read("RenameTxt"), c.reserved ? c.to : "");
    });
    s.Click("CancelAniBtn");
    s.Run("SaveGameFrm");
    EXPECT_EQ(ListSaves(s.game), c.after);
  }
}

TEST(SaveGameFrm, EnterWithAnEmptyNameFieldRenamesNothing) {
  LevelScreens s;
  ASSERT_TRUE(SaveToFile(s.game, "AutoSave").ok());
  s.Type("RenameTxt", "Spring");
  s.Key("Return");
  s.Look([&] { EXPECT_EQ(s.Read("RenameTxt"), "Spring"); });
  s.Key("Escape");
  s.Run("SaveGameFrm");
  EXPECT_EQ(ListSaves(s.game), std::vector<std::string>{"AutoSave"});
}

TEST(SaveGameFrm, TheArrowsPageThroughALongList) {
  LevelScreens s;
  for (int i = 10; i < 40; ++i) ASSERT_TRUE(SaveToFile(s.game, "Save " + std::to_string(i)).ok());
  int rows = 0;
  s.Look([&] {
    const auto& list = s.Top().Get<ListBox>("FileLst");
    rows = list.ListCount();
    // Thirty saves make three pages.
    EXPECT_GE(rows, 10);
    EXPECT_LT(rows, 15);
    EXPECT_EQ(list.List(0), "Save 10");
    EXPECT_FALSE(s.Top()["FileUpBtn"].enabled());
  });
  s.Choose("FileLst", "Save 11");
  s.Click("FileDownBtn");
  s.Look([&] {
    const auto& list = s.Top().Get<ListBox>("FileLst");
    EXPECT_EQ(list.List(0), "Save " + std::to_string(10 + rows));
    EXPECT_EQ(list.ListIndex(), -1) << "the chosen save is off the page";
  });
  s.Click("FileDownBtn");  // the last page
  s.Look([&] {
    const auto& list = s.Top().Get<ListBox>("FileLst");
    EXPECT_EQ(list.List(list.ListCount() - 1), "Save 39");
    EXPECT_FALSE(s.Top()["FileDownBtn"].enabled());
    EXPECT_TRUE(s.Top()["FileUpBtn"].enabled());
  });
  s.Choose("FileLst", "Save 39");
  s.Look([&] { EXPECT_EQ(s.Read("FileNameTxt"), "Save 39"); });
  s.Click("FileUpBtn");
  s.Click("FileUpBtn");
  s.Look([&] {
    const auto& list = s.Top().Get<ListBox>("FileLst");
    EXPECT_EQ(list.List(0), "Save 10");
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_FALSE(s.Top()["FileUpBtn"].enabled());
  });
  s.Click("CancelAniBtn");
  s.Run("SaveGameFrm");
}

}  // namespace
}  // namespace valorne
