// The load dialog used as the player uses it.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "level/level_screens_fixture.h"
#include "level/save_dialogs.h"
#include "level/saves.h"

namespace valorne {
namespace {

using testing::LevelScreens;

constexpr TextRef kLoaded{1, 130};
constexpr TextRef kReserved{1, 132};

TEST(LoadGameFrm, ChoosingASaveShowsItsNameAndDate) {
  LevelScreens s;
  ASSERT_TRUE(SaveToFile(s.game, "Harvest").ok());
  ASSERT_TRUE(SaveToFile(s.game, "Winter").ok());
  s.Look([&] {
    EXPECT_EQ(s.Top().Get<ListBox>("FileLst").items(),
              (std::vector<std::string>{"Harvest", "Winter"}));
    EXPECT_EQ(s.Read("FileDateLbl"), "");
  });
  s.Choose("FileLst", "Winter");
  s.Look([&] {
    EXPECT_EQ(s.Read("FileNameTxt"), "Winter");
    EXPECT_TRUE(std::regex_match(s.Read("FileDateLbl"), std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d)")))
        << s.Read("FileDateLbl");
    EXPECT_EQ(s.Read("FileDateLbl"), SaveFileDate(s.game, "Winter"));
  });
  s.Click("CancelAniBtn");
  s.Run("LoadGameFrm");
}

TEST(LoadGameFrm, LoadingFromTheMenuRestoresTheStateAndClosesBoth) {
  LevelScreens s;
  s.game.state.Gold = 1500;
  s.game.state.Turn = 7;
  ASSERT_TRUE(SaveToFile(s.game, "Spring").ok());
  s.game.state.Gold = 20;
  s.game.state.Turn = 30;
  s.Click("LoadGameLbl");
  s.Choose("FileLst", "Spring");
  s.Click("OkAniBtn");
  s.CloseMessage(kLoaded);
  s.Run("MenuFrm");
  EXPECT_EQ(s.game.state.Gold, 1500);
  EXPECT_EQ(s.game.state.Turn, 7);
}

TEST(LoadGameFrm, AMissingOrBrokenSaveIsToldOnTheHintLine) {
  struct Case {
    std::string name;
    std::size_t bytes;  // of the file made beforehand; 0 for none
  };
  for (const Case& c : {Case{"Nowhere", 0}, Case{"Short", 100}}) {
    SCOPED_TRACE(c.name);
    LevelScreens s;
    s.game.state.Gold = 55;
    if (c.bytes > 0) {
      std::filesystem::create_directories(s.SaveFile(c.name).parent_path());
      testing::WriteBytes(s.SaveFile(c.name), std::vector<unsigned char>(c.bytes, 1));
    }
    s.Type("FileNameTxt", c.name);
    s.Click("OkAniBtn");
    s.Look([&] {
      EXPECT_EQ(s.TopName(), "LoadGameFrm");
      EXPECT_NE(s.Read("Helper"), "");
      EXPECT_NE(s.Read("Helper").find(c.name), std::string::npos) << s.Read("Helper");
    });
    s.Click("CancelAniBtn");
    s.Run("LoadGameFrm");
    EXPECT_EQ(s.game.state.Gold, 55);
  }
}

TEST(LoadGameFrm, DeleteRefusesTheProtectedSaves) {
  struct Case {
    std::string save;
    bool reserved;
  };
  for (const Case& c : {Case{"QuickSave", true}, Case{"FirstSave", true}, Case{"AutoSave", false},
                        Case{"quicksave", false}}) {
    SCOPED_TRACE(c.save);
    LevelScreens s;
    for (const char* name : {"FirstSave", "QuickSave", "AutoSave", "quicksave"}) {
      ASSERT_TRUE(SaveToFile(s.game, name).ok());
    }
    s.Choose("FileLst", c.save);
    s.Click("DeleteBtn");
    if (c.reserved) s.CloseMessage(kReserved);
    s.Look([&] {
      const auto& items = s.Top().Get<ListBox>("FileLst").items();
      EXPECT_EQ(std::find(items.begin(), items.end(), c.save) != items.end(), c.reserved);
      EXPECT_EQ(s.Read("FileNameTxt"), c.reserved ? c.save : "");
      EXPECT_EQ(s.Read("FileDateLbl").empty(), !c.reserved);
    });
    s.Click("CancelAniBtn");
    s.Run("LoadGameFrm");
    EXPECT_EQ(std::filesystem::exists(s.SaveFile(c.save)), c.reserved);
    EXPECT_EQ(ListSaves(s.game).size(), c.reserved ? 4u : 3u);
  }
}

TEST(LoadGameFrm, NothingChosenIsSaidAndNothingHappens) {
  LevelScreens s;
  ASSERT_TRUE(SaveToFile(s.game, "AutoSave").ok());
  for (const char* button : {"OkAniBtn", "DeleteBtn"}) {
    s.Click(button);
    s.Look([&] { EXPECT_EQ(s.Read("Helper"), "Nothing has been chosen."); });
  }
  s.Key("Escape");
  s.Run("LoadGameFrm");
  EXPECT_EQ(ListSaves(s.game), std::vector<std::string>{"AutoSave"});
}

}  // namespace
}  // namespace valorne
