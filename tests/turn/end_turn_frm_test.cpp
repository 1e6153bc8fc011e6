// The end of turn through the real screens: the fade and its timing, the
// question answered by a click, the message screen, and the same county
// afterwards as when the rules run alone with the same answers.
#include "turn/end_turn_frm.h"

#include <gtest/gtest.h>

#include "state/start_values.h"
#include "turn/end_turn.h"
#include "turn/recording_ui.h"
#include "turn/turn_screens_fixture.h"

namespace valorne {
namespace {

using testing::Ids;
using testing::TurnScreens;

// A normal game on the turn before the thirteenth, which brings the question
// of the merchants' caravan (kind 8) and nothing else to answer.
void CaravanTurn(Game& game) {
  game.rng = Random::Constant(0.5);
  game.Difficulty = 2;
  SetStartValues(game);
  game.state.Turn = 12;
  game.options.AutoSaveOption = kFalse;
}

double Opacity(const TurnScreens& s) {
  return s.Top()["FadeImg"].opacity();
}

TEST(EndTurnFrmTest, AWholeTurnThroughTheScreensEndsAsTheRulesSay) {
  for (bool fades_off : {true, false}) {
    // The rules alone, the caravan refused.
    Game expected;
    CaravanTurn(expected);
    testing::RecordingUi rules(expected);
    rules.answers[8] = false;
    expected.display.FadesOff = kTrue;
    EndTurnClick(expected);
    ASSERT_EQ(rules.Only("ask"), std::vector<std::string>{"ask 8/115"});

    TurnScreens s;
    CaravanTurn(s.game);
    s.game.display.FadesOff = ToBoolean(fades_off);
    std::vector<std::string> seen;
    auto note = [&] { s.Then([&] { seen.push_back(s.TopName()); }); };
    if (!fades_off) {
      note();
      s.Then([&] {
        EXPECT_FALSE(s.pointer.shown) << "the pointer hides while the picture fades";
        EXPECT_EQ(s.game.state.Turn, 12) << "the turn ends after the fade";
      });
      s.Advance(5000);
    }
    note();
    s.Then([&] {
      EXPECT_EQ(s.Text("MsgLbl"), s.GameText(1, 115));
      EXPECT_EQ(s.game.state.Turn, 13);
    });
    s.Click("Noanibtn");
    note();
    s.Click("OkAniBtn");
    EndTurnClick(s.game);

    EXPECT_TRUE(s.steps.steps.empty());
    EXPECT_TRUE(s.ui.stack().empty());
    EXPECT_EQ(seen, fades_off ? (std::vector<std::string>{"MsgFrm", "MessagesFrm"})
                              : (std::vector<std::string>{"EndTurnFrm", "MsgFrm", "MessagesFrm"}));
    EXPECT_EQ(s.game.state, expected.state) << "fades off: " << fades_off;
    EXPECT_EQ(Ids(s.game.news), Ids(expected.news));
    EXPECT_EQ(Ids(s.game.reports), Ids(expected.reports));
    EXPECT_EQ(s.game.live.FadePhase, 0);
    EXPECT_TRUE(s.pointer.shown);
  }
}

TEST(EndTurnFrmTest, TheFadeRisesAndFallsInItsStepsBeforeTheTurnEnds) {
  struct Case {
    Boolean light_fades;
    int ticks;  // up to 255 and back down to 0
  };
  for (const Case& c : {Case{kFalse, 426}, Case{kTrue, 170}}) {
    TurnScreens s;
    s.game.rng = Random::Constant(0.5);
    SetStartValues(s.game);
    s.game.options.AutoSaveOption = kFalse;
    s.game.ShowMessagesOption = false;
    s.game.display.FadeSurfacesOff = c.light_fades;
    const double step = FadeStepFor(s.game.display);
    const Byte turn = s.game.state.Turn;
    s.Advance(kFadeTickMs * 10);
    s.Then([&] { EXPECT_NEAR(dynamic_cast<EndTurnFrm&>(s.Top()).blend(), 10 * step, 1e-9); });
    s.Advance(kFadeTickMs * (c.ticks / 2 - 10));
    s.Then([&] { EXPECT_EQ(Opacity(s), 255); });
    s.Advance(kFadeTickMs * (c.ticks - c.ticks / 2 - 1));
    s.Then([&] {
      EXPECT_EQ(s.TopName(), "EndTurnFrm");
      EXPECT_GT(Opacity(s), 0);
      EXPECT_LT(Opacity(s), 4);
      EXPECT_EQ(s.game.state.Turn, turn);
      EXPECT_EQ(s.game.live.FadePhase, 1);
    });
    s.Advance(kFadeTickMs);
    EndTurnClick(s.game);
    EXPECT_TRUE(s.steps.steps.empty()) << "the turn ended on the last step of the fade";
    EXPECT_EQ(s.game.state.Turn, turn + 1);
    EXPECT_EQ(s.game.live.FadePhase, 0);
    EXPECT_TRUE(s.pointer.shown);
  }
}

TEST(EndTurnFrmTest, ABattleFadeOnlyRisesAndWaitsBeforeItCloses) {
  for (Boolean automatic : {kFalse, kTrue}) {
    TurnScreens s;
    s.game.options.AutoCalcOption = automatic;
    s.game.live.FadePhase = 2;
    const Byte turn = s.game.state.Turn;
    const int wait = IsTrue(automatic) ? kAutoBattleFadeMs : kBattleFadeMs;
    s.Advance(kFadeTickMs * 213);
    s.Then([&] {
      EXPECT_EQ(Opacity(s), 255);
      EXPECT_TRUE(s.pointer.shown);
      EXPECT_EQ(s.ui.timer("BattleFadeTimer").interval(), wait);
    });
    s.Advance(wait - 1);
    s.Then([&] { EXPECT_EQ(Opacity(s), 255) << "the picture stays until the timer fires"; });
    s.Advance(1);
    s.ui.Open("EndTurnFrm");
    EXPECT_TRUE(s.steps.steps.empty());
    EXPECT_FALSE(s.ui.timer("BattleFadeTimer").enabled());
    EXPECT_FALSE(s.ui.timer("BattleFadeTimer").has_handler());
    EXPECT_EQ(s.game.state.Turn, turn) << "a battle's fade ends no turn";
  }
}

TEST(EndTurnFrmTest, WithoutAFadeToServeTheScreenClosesAtOnce) {
  TurnScreens s;
  s.game.live.FadePhase = 0;
  s.ui.Open("EndTurnFrm");
  EXPECT_TRUE(s.pointer.shown);
  EXPECT_TRUE(s.ui.stack().empty());
}

}  // namespace
}  // namespace valorne
