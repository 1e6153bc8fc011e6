// The splash and the closing page as programs: how each ends, what the
// closing page tells, and which program each hands over to.
#include <gtest/gtest.h>

#include "support/campaign_run.h"

namespace valorne {
namespace {

using testing::GameFolder;
using testing::Outcome;
using testing::RunCampaignProgram;
using testing::WriteText;

TEST(CampaignPrograms, EndAsThePlayerOrTheClockDecides) {
  struct Case {
    std::string program;
    std::optional<std::string> script;
    int code;
    std::vector<std::string> lines;
    std::string err;  // a part of standard error; empty: none at all
  };
  const Case cases[] = {
      // Handed over by a headless level: no script, nothing shown.
      {"splash.rx", std::nullopt, 0, {}, ""},
      {"introdata.rx", std::nullopt, 0, {}, ""},
      {"menudata.rx", std::nullopt, 0, {}, ""},
      // The splash stays for four seconds, and no longer.
      {"splash.rx", "advance 3999\nforms\nadvance 1\n", 0, {R"(["SplashFrm"])"}, ""},
      {"splash.rx", "advance 3999\n", 4, {}, "the script ended while SplashFrm is open"},
      {"splash.rx", "click SplashFrm\n", 0, {}, ""},
      {"splash.rx", "key Escape up\n", 0, {}, ""},
      // The closing page goes back to the title, or out of the game.
      {"introdata.rx", "click IntroFrm.MenuBtn\n", 0, {}, "introdata.rx: started menudata.rx"},
      {"introdata.rx", "click IntroFrm.QuitBtn\n", 0, {}, ""},
      {"introdata.rx", "click IntroFrm.Nowhere\n", 3, {}, "IntroFrm has no control named Nowhere"},
      {"splash.rx", "quit\n", 0, {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program + ": " + c.script.value_or("no input"));
    GameFolder folder;
    WriteText(folder.game() / "camp.rx", "9\r\n");
    const Outcome o = RunCampaignProgram(folder, c.program, c.script);
    EXPECT_EQ(o.code, c.code) << o.err;
    EXPECT_EQ(o.lines, c.lines);
    if (c.err.empty()) {
      EXPECT_EQ(o.err, "");
    } else {
      EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
    }
  }
}

TEST(CampaignPrograms, TheClosingPageTellsWhereTheCampaignGoesOn) {
  const std::pair<std::string, std::string> cases[] = {
      {"10\r\n", "The campaign goes on at level 10."},
      {"12\r\n", "The campaign goes on at level 12."},
      {"garbage", "The campaign goes on beyond Valorne."},
  };
  for (const auto& [camp, told] : cases) {
    GameFolder folder;
    WriteText(folder.game() / "camp.rx", camp);
    const Outcome o = RunCampaignProgram(folder, "introdata.rx", "show IntroFrm\nquit\n");
    ASSERT_EQ(o.lines.size(), 1u) << o.err;
    EXPECT_NE(o.lines[0].find(told), std::string::npos) << o.lines[0];
    EXPECT_NE(o.lines[0].find("Valorne is won"), std::string::npos);
  }
}

TEST(CampaignPrograms, BadCommandLinesAreRefused) {
  GameFolder folder;
  for (const std::string program : {"menudata.rx", "splash.rx", "introdata.rx"}) {
    const Outcome o = RunCampaignProgram(folder, program, "quit\n", "--fast");
    EXPECT_EQ(o.code, 3);
    EXPECT_NE(o.err.find(program + ": unknown argument --fast"), std::string::npos) << o.err;
  }
}

}  // namespace
}  // namespace valorne
