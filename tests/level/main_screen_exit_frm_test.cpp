// The exit confirmation, reached from the game menu's two ways out.
#include <gtest/gtest.h>

#include "level/game_files.h"
#include "level/level_screens_fixture.h"

namespace valorne {
namespace {

using testing::LevelScreens;

TEST(MainScreenExit, YesLeavesByTheWayTheMenuAskedFor) {
  struct Case {
    std::string entry;
    Byte kind;
    std::string title;
    std::vector<std::string> started;
  };
  const Case cases[] = {
      {"ExitTitlelbl", 106, "Exit to the title", {"\\splash.rx", "\\menudata.rx"}},
      {"ExitLbl", 105, "Exit to the desktop", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    LevelScreens s;
    s.Click(c.entry);
    s.Look([&] {
      EXPECT_EQ(s.TopName(), "MainScreenExit");
      EXPECT_EQ(s.game.live.MessageKind, c.kind);
      EXPECT_EQ(s.Read("TitleLbl"), c.title);
      EXPECT_TRUE(s.services.started.empty());
    });
    s.Click("OkAniBtn");
    s.Run("MenuFrm");  // the level ends: every screen closes
    EXPECT_TRUE(s.game.live.ProgramEnding);
    std::vector<std::filesystem::path> expected;
    for (const std::string& program : c.started) expected.push_back(GamePath(s.game, program));
    EXPECT_EQ(s.services.started, expected);
  }
}

TEST(MainScreenExit, NoGoesBackToTheMenu) {
  for (const char* entry : {"ExitTitlelbl", "ExitLbl"}) {
    SCOPED_TRACE(entry);
    LevelScreens s;
    s.Click(entry);
    s.Key("Escape");
    s.Look([&] {
      EXPECT_EQ(s.TopName(), "MenuFrm");
      EXPECT_EQ(s.game.live.MessageKind, 0);
    });
    s.Click(entry);
    s.Click("Noanibtn");
    s.Click("ResumeLbl");
    s.Run("MenuFrm");
    EXPECT_FALSE(s.game.live.ProgramEnding);
    EXPECT_TRUE(s.services.started.empty());
  }
}

}  // namespace
}  // namespace valorne
