#include "military/guard_frm.h"

#include <gtest/gtest.h>

#include "county/management_frm_fixture.h"

namespace valorne {
namespace {

using testing::ManageScreens;

TEST(GuardFrmTest, TheScreenIsSound) {
  ManageScreens s;
  RegisterGuardScreens(s.registry);
  GuardFrm screen(s.game, s.ui);
  EXPECT_EQ(s.Problems(screen), std::vector<std::string>{});
}

// A service under way cannot be bought again: the buttons go grey and the
// page tells the turns to go; a county that does not stand cannot be chosen.
TEST(GuardFrmTest, AServiceUnderWayShowsItsTurnsAndTakesNoOrder) {
  ManageScreens s;
  RegisterGuardScreens(s.registry);
  GameState& st = s.game.state;
  st.Gold = 99999;
  st.AssassinTurns() = 3;
  st.ScoutTurns() = 0;  // back with the next end of turn
  s.Click("AssassinBtn");
  s.Look([&] {
    EXPECT_FALSE(s.Enabled("OkAniBtn"));
    EXPECT_FALSE(s.Enabled("AssassinLst"));
    EXPECT_EQ(s.Read("StatusLbl"), "Under way: 3 turns to go.");
    EXPECT_EQ(s.Read("Helper"), s.Words(kMissionUnderWay));
  });
  s.Click("ScoutBtn");
  s.Look([&] { EXPECT_EQ(s.Read("StatusLbl"), "Under way: 1 turn to go."); });
  s.Click("GuardBtn");
  s.Look([&] {
    EXPECT_TRUE(s.Enabled("OkAniBtn"));
    EXPECT_EQ(s.Read("GoldLbl"), "700");
  });
  s.Click("OkAniBtn");
  s.Look([&] {
    EXPECT_EQ(st.GuardResearchTurns, kGuardTrainingTurns);
    EXPECT_FALSE(s.Enabled("OkAniBtn"));
  });
  s.Click("AssassinBtn");
  s.Look([&] { EXPECT_FALSE(s.Enabled("AssassinLst2")); });  // the second county: not yet
  s.Click("Noanibtn");
  s.Run("GuardFrm");
  EXPECT_EQ(st.Gold, 99999 - 700);
}

}  // namespace
}  // namespace valorne
