#include <gtest/gtest.h>

#include "rivals/rival_rules.h"
#include "rivals/rivals_fixture.h"
#include "turn/movie_frm.h"

namespace valorne {
namespace {

using testing::Ids;
using testing::RivalsGame;

TEST(RivalAssassinsTest, StrikesOnTheirTurns) {
  struct Case {
    const char* what;
    int county;
    Byte turn;
    double rnd;
    Byte guard;
    std::vector<int> reports;
    Single morale_after;  // from 50
    bool lost;
    Byte movie;
  };
  const Case cases[] = {
      {"county 1 strikes the camp", 1, 20, 0.5, 9, {103}, 25, false, 1},
      {"county 1 fails at the camp", 1, 20, 0.49, 9, {105}, 50, false, 2},
      {"county 1's assassins stopped by the guard", 1, 24, 0.5, 9, {105}, 50, false, 2},
      {"county 1 murders the lord", 1, 24, 0.5, 1, {}, 50, true, 0},
      {"county 2 strikes the camp", 2, 27, 0.5, 9, {103}, 25, false, 1},
      {"county 2 murders the lord", 2, 45, 0.5, 0, {}, 50, true, 0},
      {"county 1 strikes at county 2's lord", 1, 18, 0.5, 9, {104}, 50, false, 0},
      {"a quiet turn", 1, 19, 0.5, 1, {}, 50, false, 0},
  };
  for (const Case& c : cases) {
    RivalsGame g(c.rnd);
    g.s().Turn = c.turn;
    g.s().Morale = 50;
    g.s().GuardLevel = c.guard;
    g.rival(2).Assassins = 1;
    RivalAssassins(g.game, ProfileOf(c.county), g.rival(c.county));
    EXPECT_EQ(Ids(g.game.reports), c.reports) << c.what;
    EXPECT_EQ(g.s().Morale, c.morale_after) << c.what;
    EXPECT_EQ(IsTrue(g.s().PlayerUndefeated), !c.lost) << c.what;
    EXPECT_EQ(g.game.live.PendingMovies[kRivalAssassinMovie], c.movie) << c.what;
    // County 1's murder comes as a question; county 2's by the objectives
    // screen alone.
    const bool asked = c.lost && c.county == 1;
    EXPECT_EQ(g.ui.Only("ask"),
              asked ? std::vector<std::string>{"ask 22/93"} : std::vector<std::string>{})
        << c.what;
    if (c.lost) {
      EXPECT_EQ(g.game.live.DefeatText, (TextRef{1, 93})) << c.what;
    }
  }
}

TEST(RivalRebellionTest, AMobRisesForOneTurnUnlessAnArmyIsThere) {
  RivalsGame g;
  RivalCounty& r = g.rival(1);
  r.Happiness = 19;
  r.Gold = 10000;
  r.People = 2000;
  RivalRebellion(g.game, ProfileOf(1), r);  // rises at 0.5: 45 strong
  EXPECT_EQ(g.game.live.RivalMobs[1], 45);
  EXPECT_EQ(r.Gold, 10000 - 45);
  r.Happiness = 50;
  RivalRebellion(g.game, ProfileOf(1), r);  // put down
  EXPECT_EQ(g.game.live.RivalMobs[1], 0);
  EXPECT_EQ(r.Gold, 10000 - 45 - 3000);
  EXPECT_EQ(r.People, 1700);

  r.Happiness = 19;
  g.s().ArmyExists[2] = kTrue;
  g.s().ArmyWaypointNos[2] = 56;  // the player's army in the rival's land
  RivalRebellion(g.game, ProfileOf(1), r);
  EXPECT_EQ(g.game.live.RivalMobs[1], 0);
  EXPECT_EQ(r.Happiness, 14);
}

}  // namespace
}  // namespace valorne
