// The tournament screen: the prize raised only as far as the treasury
// reaches, lowered to nothing, the tournament held or refused.
#include "county/tournament_frm.h"

#include <gtest/gtest.h>

#include "turn/turn_screens_fixture.h"

namespace valorne {
namespace {

using testing::TurnScreens;

TEST(TournamentFrmTest, ThePrizeRisesOnlyWithinTheTreasury) {
  TurnScreens s;
  s.game.state.Gold = 3800;
  s.game.state.LordDiplomacy = 40;
  s.Then([&] {
    EXPECT_EQ(s.Text("CostLbl"), "3500");
    EXPECT_EQ(s.Text("PrizeLbl"), "0");
    EXPECT_EQ(s.Text("GoldLbl"), "3800");
    EXPECT_EQ(s.Text("Helper"), s.GameText(1, 97));
  });
  s.ClickTimes("UpAniBtn", 3);
  s.Then([&] {
    EXPECT_EQ(s.Text("PrizeLbl"), "300");
    EXPECT_EQ(s.Text("Helper"), s.GameText(1, 97)) << "no refusal yet";
  });
  s.Click("UpAniBtn");  // 3500 + 400 would be more than the treasury holds
  s.Then([&] {
    EXPECT_EQ(s.Text("PrizeLbl"), "300");
    EXPECT_EQ(s.Text("Helper"), s.GameText(4, 17));
  });
  s.Click("DownAniBtn");
  s.Then([&] { EXPECT_EQ(s.Text("PrizeLbl"), "200"); });
  s.Click("OkAniBtn");
  s.ui.Open("TournamentFrm");
  EXPECT_TRUE(s.steps.steps.empty());
  EXPECT_EQ(s.game.state.Gold, 100);
  EXPECT_EQ(s.game.state.TournamentPrize, 200);
  EXPECT_TRUE(IsTrue(s.game.state.TournamentHeld));
  EXPECT_EQ(s.game.state.LordDiplomacy, 43);
}

TEST(TournamentFrmTest, HoldingWithoutTheGoldIsRefusedAndRefusingClears) {
  TurnScreens s;
  s.game.state.Gold = 3499;
  s.game.state.TournamentPrize = 0;
  s.game.state.LordDiplomacy = 40;
  s.ClickTimes("DownAniBtn", 2);  // nothing to lower
  s.Click("UpAniBtn");
  s.Click("OkAniBtn");
  s.Then([&] {
    EXPECT_EQ(s.TopName(), "TournamentFrm");
    EXPECT_EQ(s.Text("Helper"), s.GameText(4, 17));
    EXPECT_EQ(s.Text("PrizeLbl"), "0");
    EXPECT_EQ(s.game.state.Gold, 3499);
  });
  s.Click("Noanibtn");
  s.ui.Open("TournamentFrm");
  EXPECT_TRUE(s.steps.steps.empty());
  EXPECT_EQ(s.game.state.Gold, 3499);
  EXPECT_FALSE(IsTrue(s.game.state.TournamentHeld));
  EXPECT_EQ(s.game.state.LordDiplomacy, 38);
}

}  // namespace
}  // namespace valorne
