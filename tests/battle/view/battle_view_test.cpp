// The battle window's playback: the formations thin out as the fight
// recorded them, the player can skip to the summary, and the window ends.
#include "battle/view/battle_view.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "screens/toolkit/recording_canvas.h"

namespace valorne {
namespace {

FightReport SwordsmenBattle() {
  BattleInput in;
  in.map_name = "\\level9\\bailey2_winter.cbf";
  in.battle_kind = kCastleDefence;
  BattleSide ours{"Ist Valorne", kSideColours[0], 0, 60, false, {}};
  ours.troops[kSlotSwordMen] = 700;
  BattleSide theirs{"Enemy army", kSideColours[1], 1, 40, true, {}};
  theirs.troops[kSlotSwordMen] = 700;
  in.sides = {ours, theirs};
  return FightBattle(in);
}

int FigureCount(const RecordingCanvas& canvas, const std::string& picture) {
  return static_cast<int>(std::count_if(canvas.calls.begin(), canvas.calls.end(), [&](auto& c) {
    return c.rfind("picture " + picture + " ", 0) == 0;
  }));
}

bool Shows(const RecordingCanvas& canvas, const std::string& text) {
  return std::any_of(canvas.calls.begin(), canvas.calls.end(),
                     [&](auto& c) { return c.find(text) != std::string::npos; });
}

TEST(BattleView, FormationsThinOutAsTheFightWasRecorded) {
  const FightReport report = SwordsmenBattle();
  BattleView view(report);
  std::vector<int> figures;
  for (int at : {0, view.PlayLengthMs() / 2, view.PlayLengthMs()}) {
    view.SetTime(at);
    RecordingCanvas canvas;
    view.Draw(canvas);
    EXPECT_TRUE(Shows(canvas, "picture battle_bailey2_winter 0,0 800x600"));
    figures.push_back(FigureCount(canvas, "BattleFigureRes1") +
                      FigureCount(canvas, "BattleFigureRes2"));
    EXPECT_EQ(Shows(canvas, "Walls standing"), true) << "a castle battle shows its walls";
  }
  EXPECT_EQ(figures[0], 28) << "two full rows of fourteen figures";
  EXPECT_LT(figures[1], figures[0]);
  EXPECT_LE(figures[2], figures[1]);
  EXPECT_TRUE(view.showing_summary());
  RecordingCanvas last;
  view.Draw(last);
  EXPECT_TRUE(Shows(last, "frame 408,80 376x454 #00ff00"))
      << "defenders stand before their castle, on the right";
  for (int s = 0; s < 2; ++s) {
    EXPECT_EQ(view.AliveNow(s, kSlotSwordMen), report.output.sides[s].survivors[kSlotSwordMen])
        << "the summary shows what the level is told";
  }
}

TEST(BattleView, SkippingAndClosing) {
  const FightReport report = SwordsmenBattle();
  struct Step {
    const char* what;
    void (*act)(BattleView&);
    bool summary, finished;
  };
  const Step steps[] = {
      {"a key the window does not use", [](BattleView& v) { v.Key("A"); }, false, false},
      {"a click beside the button",
       [](BattleView& v) {
         v.Click({10, 10});
       },
       false, false},
      {"the skip button", [](BattleView& v) { v.Click(v.skip_button().Centre()); }, true, false},
      {"Space on the summary", [](BattleView& v) { v.Key("Space"); }, true, true},
  };
  BattleView view(report);
  view.SetTime(100);
  for (const Step& step : steps) {
    step.act(view);
    EXPECT_EQ(view.showing_summary(), step.summary) << step.what;
    EXPECT_EQ(view.finished(), step.finished) << step.what;
  }
  RecordingCanvas canvas;
  view.Draw(canvas);
  const char* title = report.output.outcome == kOutcomeDefeat ? "Defeat" : "ictory";
  EXPECT_TRUE(Shows(canvas, title));
  EXPECT_TRUE(Shows(canvas, "Our losses: " + std::to_string(report.output.our_dead)));

  BattleView left_alone(report);
  left_alone.Key("Escape");
  left_alone.SetTime(5000);
  EXPECT_FALSE(left_alone.finished());
  left_alone.SetTime(60000);
  EXPECT_TRUE(left_alone.finished()) << "the summary closes on its own";
}

}  // namespace
}  // namespace valorne
