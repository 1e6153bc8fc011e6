// The church screen in its two questions: the tithe paid or refused, a
// tithe the treasury cannot pay, and the burning at the stake.
#include "county/religion_frm.h"

#include <gtest/gtest.h>

#include "turn/church_tournament_turn.h"
#include "turn/recording_ui.h"
#include "turn/turn_screens_fixture.h"

namespace valorne {
namespace {

using testing::Ids;
using testing::TurnScreens;

void Prepare(Game& game) {
  game.state.Gold = 2000;
  game.state.Population = 3000;
  game.state.GrainStock = 1000;
  game.state.MeatStock = 50;
  game.state.Happiness = 60;
  game.state.LordReligion = 30;
  game.state.LordNobility = 20;
}

TEST(ReligionFrmTest, EachAnswerDoesWhatTheChurchRulesSay) {
  struct Case {
    bool tithe;
    const char* seal;
    ChurchAnswer (*rule)(Game&);
  };
  const Case cases[] = {
      {true, "TaxOkAniBtn", &PayTithe},
      {true, "TaxNoAniBtn", &RefuseTithe},
      {false, "StakeOkAniBtn", &AgreeToBurning},
      {false, "StakeNoAniBtn", &RefuseBurning},
  };
  for (const Case& c : cases) {
    Game expected;
    Prepare(expected);
    {
      testing::RecordingUi rules(expected);
      c.tithe ? AskTithe(expected) : AskStake(expected);
      c.rule(expected);
    }

    TurnScreens s;
    Prepare(s.game);
    s.Then([&] {
      Form& church = s.Top();
      EXPECT_EQ(s.Text("QuestionLbl"), s.GameText(1, c.tithe ? 95 : 96));
      EXPECT_EQ(church["TitheTitleLbl"].visible(), c.tithe);
      EXPECT_EQ(church["StakeTitleLbl"].visible(), !c.tithe);
      EXPECT_EQ(church["TaxOkAniBtn"].visible(), c.tithe);
      EXPECT_EQ(church["StakeNoAniBtn"].visible(), !c.tithe);
      EXPECT_FALSE(church["OkAniBtn"].visible()) << "a question must be answered";
      if (c.tithe) {
        EXPECT_EQ(s.Text("AmountLbl"), "1200");  // two fifths of the people
      } else {
        EXPECT_EQ(s.Text("HappinessLbl"), "- 22");
      }
    });
    s.Click(c.seal);
    c.tithe ? AskTithe(s.game) : AskStake(s.game);
    EXPECT_TRUE(s.steps.steps.empty()) << c.seal << " closes the screen";
    EXPECT_EQ(s.game.state, expected.state) << c.seal;
    EXPECT_EQ(Ids(s.game.news), Ids(expected.news));
  }
}

TEST(ReligionFrmTest, ATitheTheTreasuryCannotPayIsRefused) {
  TurnScreens s;
  Prepare(s.game);
  s.game.state.Gold = 1199;
  s.Click("TaxOkAniBtn");
  s.Then([&] {
    EXPECT_EQ(s.TopName(), "ReligionFrm");
    EXPECT_EQ(s.Text("Helper"), s.GameText(4, 17));
    EXPECT_EQ(s.game.state.Gold, 1199);
    EXPECT_EQ(s.game.news.count, 0);
  });
  s.Click("TaxNoAniBtn");  // the church takes food instead
  AskTithe(s.game);
  EXPECT_EQ(s.game.state.Gold, 1199);
  EXPECT_EQ(s.game.state.GrainStock, 700);
  EXPECT_EQ(s.game.state.MeatStock, 40);
  EXPECT_EQ(s.game.state.Happiness, 50);
  EXPECT_EQ(Ids(s.game.news), std::vector<int>{63});
}

TEST(ReligionFrmTest, WithoutAQuestionOnlyTheTickShows) {
  TurnScreens s;
  s.game.live.ReligionMode = 0;
  s.Then([&] {
    for (const char* seal : {"TaxOkAniBtn", "TaxNoAniBtn", "StakeOkAniBtn", "StakeNoAniBtn"}) {
      EXPECT_FALSE(s.Top()[seal].visible()) << seal;
    }
  });
  s.Click("OkAniBtn");
  s.ui.Open("ReligionFrm");
  EXPECT_TRUE(s.steps.steps.empty());
}

}  // namespace
}  // namespace valorne
