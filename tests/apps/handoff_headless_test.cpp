// The level's ways out through the real program: a won level records the
// campaign's progress and hands over to the splash and the closing page;
// leaving for the title hands over to the splash and the menu; leaving for
// the desktop, or saving and leaving, starts nothing; a lost level replayed
// from its first save goes on.
#include <gtest/gtest.h>

#include "support/campaign_run.h"
#include "support/prepared_save.h"

namespace valorne {
namespace {

using testing::GameFolder;
using testing::Outcome;
using testing::PrepareSave;
using testing::ReadText;
using testing::StartedPrograms;
using testing::WriteText;

const std::string kToTheMap = "advance 1000\nclick TipsFrm.Image1\nadvance 400\n";

std::string Load(const std::string& save) {
  return kToTheMap + "load " + save + "\nclick MsgBoxFrm.OkAniBtn\nadvance 1000\n";
}

TEST(LevelHandOff, WaysOutThroughTheRealProgram) {
  // The victory is found at the end of a turn, after its messages.
  const std::string won = Load("Won") +
                          "click Camp1Frm.EndTurnBtn\nadvance 3000\nclick MessagesFrm.OkAniBtn\n"
                          "advance 400\nforms\nclick TipsFrm.NextLbl\n";
  const std::string menu = kToTheMap + "click Camp1Frm.MenuBtn\n";
  struct Case {
    const char* what;
    std::string camp_before;
    std::string script;
    std::vector<std::string> lines;
    std::string camp_after, levelinfo_after;
    std::vector<std::string> started;
    std::string save_left = {};  // a save the way out leaves behind
  };
  const Case cases[] = {
      {"won: the campaign moves on",
       "9\r\n",
       won,
       {R"(["Camp1Frm", "EndTurnFrm", "TipsFrm"])"},
       "10\r\n",
       "10\r\n",
       {"splash.rx", "introdata.rx"}},
      {"won with the campaign already at level 12",
       "12\r\n",
       won,
       {R"(["Camp1Frm", "EndTurnFrm", "TipsFrm"])"},
       "12\r\n",
       "9\r\n",
       {"splash.rx", "introdata.rx"}},
      {"lost: back to the menu",
       "9\r\n",
       Load("Lost") + "click Camp1Frm.Image1\nclick TipsFrm.Image4\n",
       {},
       "9\r\n",
       "9\r\n",
       {"splash.rx", "menudata.rx"}},
      {"exit to the title",
       "9\r\n",
       menu + "click MenuFrm.ExitTitlelbl\nclick MainScreenExit.OkAniBtn\n",
       {},
       "9\r\n",
       "9\r\n",
       {"splash.rx", "menudata.rx"}},
      {"lost: replayed from the first save",
       "9\r\n",
       Load("Lost") + "click Camp1Frm.Image1\nclick TipsFrm.Image3\nadvance 400\nforms\nquit\n",
       {R"(["Camp1Frm"])"},
       "9\r\n",
       "9\r\n",
       {}},
      {"save and exit",
       "9\r\n",
       menu + "click MenuFrm.SaveExitLbl\n",
       {},
       "9\r\n",
       "9\r\n",
       {},
       "Save and Exit.s9_"},
      {"exit to the desktop",
       "9\r\n",
       menu + "click MenuFrm.ExitLbl\nclick MainScreenExit.OkAniBtn\n",
       {},
       "9\r\n",
       "9\r\n",
       {}},
  };
  GameFolder first;
  ASSERT_EQ(first.Run("quit\n").code, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameFolder folder;
    std::filesystem::create_directories(folder.game() / "Save Game");
    std::filesystem::copy_file(first.game() / "Save Game" / "FirstSave.s9_",
                               folder.game() / "Save Game" / "FirstSave.s9_");
    PrepareSave(folder, "Won", {"Rival1Standing=0", "FarmingLevel=10", "Morale=95"});
    PrepareSave(folder, "Lost", {"PlayerUndefeated=0"});
    WriteText(folder.game() / "camp.rx", c.camp_before);
    const Outcome o = folder.Run(c.script, "--seed 1");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.lines, c.lines) << o.err;
    EXPECT_EQ(ReadText(folder.game() / "camp.rx"), c.camp_after);
    EXPECT_EQ(ReadText(folder.game() / "levelinfo.rx"), c.levelinfo_after);
    EXPECT_EQ(ReadText(folder.game() / "LGame.rx"), "0\r\n");
    EXPECT_EQ(StartedPrograms(o.err), c.started) << o.err;
    if (!c.save_left.empty()) {
      EXPECT_TRUE(std::filesystem::exists(folder.game() / "Save Game" / c.save_left));
    }
  }
}

}  // namespace
}  // namespace valorne
