#include "military/guard_missions.h"

#include <gtest/gtest.h>

#include "military/guard.h"
#include "state/start_values.h"
#include "turn/recording_ui.h"

namespace valorne {
namespace {

using testing::Ids;

// A county at its start with the draws fixed at `rnd`.
struct County {
  explicit County(double rnd = 0.5) {
    game.rng = Random::Constant(rnd);
    SetStartValues(game);
  }
  Game game;
  testing::RecordingUi ui{game};
};

// The ends of turn until the scouts' report arrives, for each place.
TEST(ScoutMissionTest, TheReportComesTheEndOfTurnAfterTheJourney) {
  struct Case {
    Byte target;
    int report_on;  // the end of turn that brings the report
  };
  for (const Case c : {Case{kScoutDolmen, 2}, Case{kScoutStatue, 3}, Case{kScoutChapel, 5}}) {
    County county;
    GameState& s = county.game.state;
    s.Gold = 2600;
    s.ScoutTarget() = c.target;
    ASSERT_TRUE(BuyService(county.game, GuardService::Scout).accepted);
    int ends = 0;
    while (county.game.reports.count == 0 && ends < 10) {
      ResolveScouts(county.game);
      ++ends;
    }
    EXPECT_EQ(ends, c.report_on) << int{c.target};
    EXPECT_EQ(s.ScoutTurns(), kIdle);
    EXPECT_EQ(s.ScoutTarget(), 0);
  }
}

TEST(ScoutMissionTest, ADrawOf130FindsThePlace) {
  struct Case {
    double rnd;  // draws Int(100 x rnd + 100)
    int report;
    Byte discovered;
    Byte movie;
  };
  for (const Case c : {Case{0.29, 86, 0, 4}, Case{0.30, 85, 1, 3}, Case{0.99, 85, 1, 3}}) {
    County county(c.rnd);
    GameState& s = county.game.state;
    s.ScoutTurns() = 0;
    s.ScoutTarget() = kScoutStatue;
    ResolveScouts(county.game);
    EXPECT_EQ(Ids(county.game.reports), std::vector<int>{c.report}) << c.rnd;
    EXPECT_EQ(county.game.live.StatueDiscovered, c.discovered) << c.rnd;
    EXPECT_EQ(county.game.live.DolmenDiscovered, 0);
    EXPECT_EQ(county.game.live.PendingMovies[0], c.movie) << c.rnd;
  }
}

// The lord dies only when his guard is weaker than our assassins; his
// county falls with him.
TEST(AssassinMissionTest, TheMurderNeedsAWeakerGuard) {
  struct Case {
    Byte county, guard, assassins;
    bool murdered;
  };
  const Case cases[] = {
      {1, 2, 3, true}, {1, 3, 3, false}, {1, 4, 3, false}, {2, 0, 1, true}, {2, 1, 1, false}};
  for (const Case& c : cases) {
    County county;
    GameState& s = county.game.state;
    s.Rival2Standing = kTrue;
    s.Rivals[c.county].Guard = c.guard;
    s.AssassinLevel() = c.assassins;
    s.AssassinTarget() = c.county;
    s.AssassinKind() = kMurderLord;
    s.AssassinTurns() = 1;
    ResolveAssassins(county.game);
    const Boolean standing = c.county == 1 ? s.Rival1Standing : s.Rival2Standing;
    EXPECT_EQ(standing, c.murdered ? kFalse : kTrue) << int{c.county} << " " << int{c.guard};
    EXPECT_EQ(Ids(county.game.reports), std::vector<int>{c.murdered ? 83 : 84});
    EXPECT_EQ(county.game.live.PendingMovies[0], c.murdered ? 5 : 2);
    EXPECT_EQ(s.AssassinTurns(), kIdle);
    EXPECT_EQ(s.AssassinKind(), 0);
  }
}

// A strike at morale hits from a draw of 150 on, for either county.
TEST(AssassinMissionTest, TheMoraleStrikeHitsFrom150) {
  struct Case {
    double rnd;
    bool hit;
  };
  for (Byte target : {1, 2}) {
    for (const Case c : {Case{0.40, false}, Case{0.49, false}, Case{0.50, true}}) {
      County county(c.rnd);
      GameState& s = county.game.state;
      const Single morale = s.Rivals[target].Morale;
      s.AssassinTarget() = target;
      s.AssassinKind() = kStrikeMorale;
      s.AssassinTurns() = 0;
      ResolveAssassins(county.game);
      EXPECT_EQ(s.Rivals[target].Morale, c.hit ? morale - 25 : morale) << c.rnd;
      EXPECT_EQ(Ids(county.game.reports), std::vector<int>{c.hit ? 83 : 84}) << c.rnd;
      EXPECT_EQ(county.game.live.PendingMovies[0], c.hit ? 1 : 2);
    }
  }
}

TEST(AssassinMissionTest, TheStrikeComesWhenTheCountdownReachesNought) {
  County county;
  GameState& s = county.game.state;
  s.Gold = 4150;
  s.AssassinKind() = kMurderLord;
  s.AssassinTarget() = 1;
  s.AssassinLevel() = 5;
  ASSERT_TRUE(BuyService(county.game, GuardService::Assassin).accepted);
  for (int end = 1; end <= 3; ++end) {
    ResolveAssassins(county.game);
    EXPECT_EQ(county.game.reports.count, 0) << end;
  }
  ResolveAssassins(county.game);
  EXPECT_EQ(Ids(county.game.reports), std::vector<int>{83});
  EXPECT_EQ(s.Rival1Standing, kFalse);
}

}  // namespace
}  // namespace valorne
