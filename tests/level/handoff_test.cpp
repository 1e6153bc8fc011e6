// The level's ways out and the campaign files they leave behind.
#include "level/handoff.h"

#include <gtest/gtest.h>

#include <sstream>

#include "level/level_fixture.h"

namespace valorne {
namespace {

using testing::ReadText;
using testing::TempDir;
using testing::TestGame;
using testing::WriteText;

std::vector<std::string> Started(const HeadlessServices& services) {
  std::vector<std::string> names;
  for (const auto& p : services.started) names.push_back(p.filename().string());
  return names;
}

TEST(CompleteLevel, TheCampaignMovesOnUnlessItIsAhead) {
  struct Case {
    const char* camp_before;  // nullptr: no file
    const char* camp_after;
    const char* levelinfo_after;
  };
  const Case cases[] = {
      {"9\r\n", "10\r\n", "10\r\n"}, {"3\n", "10\r\n", "10\r\n"},   {"10\r\n", "10\r\n", "9\r\n"},
      {"12\r\n", "12\r\n", "9\r\n"}, {nullptr, "10\r\n", "10\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.camp_before ? c.camp_before : "no camp.rx");
    TempDir dir;
    TestGame t(dir.path());
    t.game.state.LevelNumber = 9;
    testing::MakeGameFolder(dir.path());
    WriteText(dir / "LGame.rx", "1\r\n");
    if (c.camp_before) {
      WriteText(dir / "camp.rx", c.camp_before);
    } else {
      std::filesystem::remove(dir / "camp.rx");
    }
    HeadlessServices services;
    std::ostringstream warnings;
    CompleteLevel(t.game, services, warnings);
    EXPECT_EQ(ReadText(dir / "camp.rx"), c.camp_after);
    EXPECT_EQ(ReadText(dir / "levelinfo.rx"), c.levelinfo_after);
    EXPECT_EQ(ReadText(dir / "LGame.rx"), "0\r\n");
    EXPECT_EQ(Started(services), (std::vector<std::string>{"splash.rx", "introdata.rx"}));
    EXPECT_EQ(services.started.front().parent_path(), dir.path());
    EXPECT_TRUE(t.game.live.ProgramEnding);
    EXPECT_EQ(warnings.str().empty(), c.camp_before != nullptr) << warnings.str();
  }
}

// A platform on which no program can be started.
struct NothingStarts : HeadlessServices {
  bool StartProgram(const std::filesystem::path& program) override {
    HeadlessServices::StartProgram(program);
    return false;
  }
};

TEST(ExitRoutes, MenuDesktopAndConfirmation) {
  TempDir dir;
  struct Case {
    const char* what;
    std::function<void(Game&, PlatformServices&)> act;
    std::vector<std::string> started;
  };
  const Case cases[] = {
      {"to the menu",
       [](Game& g, PlatformServices& s) { ExitToMenu(g, s); },
       {"splash.rx", "menudata.rx"}},
      {"to the desktop", [](Game& g, PlatformServices&) { ExitProgram(g); }, {}},
      {"confirmed exit to the title",
       [](Game& g, PlatformServices& s) {
         g.live.MessageKind = kExitToTitleKind;
         ConfirmExit(g, s);
       },
       {"splash.rx", "menudata.rx"}},
      {"confirmed exit to the desktop",
       [](Game& g, PlatformServices& s) {
         g.live.MessageKind = kExitToDesktopKind;
         ConfirmExit(g, s);
       },
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestGame t(dir.path());
    NothingStarts services;
    c.act(t.game, services);
    EXPECT_EQ(Started(services), c.started);
    EXPECT_TRUE(t.game.live.ProgramEnding) << "the level ends even when nothing started";
  }
}

}  // namespace
}  // namespace valorne
