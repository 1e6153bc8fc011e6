#include <gtest/gtest.h>

#include <functional>

#include "rivals/rival_rules.h"
#include "rivals/rivals_fixture.h"
#include "rivals/rivals_turn.h"

namespace valorne {
namespace {

using testing::Ids;
using testing::RivalsGame;

std::vector<long> Foot(const CampComposition& t) {
  return {t.Get(Unit::Archers), t.Get(Unit::ClubMen), t.Get(Unit::SwordMen),
          t.Get(Unit::Helebarders), t.Get(Unit::TwoHanders)};
}

TEST(RivalMusterTest, CountyOnesFirstMusterOnTurnTwelveWhateverThePlayerDoes) {
  const std::function<void(GameState&)> players[] = {
      [](GameState&) {},                               // idle
      [](GameState& s) { s.WarCountdown[1] = 3; },     // at war
      [](GameState& s) { s.ArmyWaypointNos[1] = 1; },  // in the castle
      [](GameState& s) { s.Rivals[1].Gold = -8000; },  // the rival penniless
  };
  for (const auto& player : players) {
    RivalsGame g;
    g.s().Turn = 12;
    player(g.s());
    RivalCounty& r = g.rival(1);
    const Long gold = r.Gold;
    RivalMusters(g.game, ProfileOf(1), r);
    EXPECT_EQ(Foot(g.s().CampArmies[1]), (std::vector<long>{240, 200, 50, 100, 100}));
    EXPECT_EQ(g.s().CampArmies[1].Total(), 690);
    EXPECT_EQ(r.Gold, gold - 2000);
    EXPECT_EQ(r.People, 1800);
  }
}

TEST(RivalPurchaseTest, TheTreasuryChoosesTheArmy) {
  struct Case {
    Long gold;
    bool second;  // the county has its second army already
    Long gold_after;
    int camp;  // the camp that gets the troops; 0 none
    std::vector<long> foot;
    Byte attack_after;
  };
  const Case cases[] = {
      {4000, false, -530, 3, {200, 200, 200, 250, 100}, 7},
      {7999, true, 3469, 3, {200, 200, 200, 250, 100}, 7},
      {8000, false, 150, 3, {450, 360, 300, 250, 300}, 7},
      {12000, false, 2630, 3, {460, 320, 186, 560, 400}, 7},
      {3999, false, 839, 2, {160, 120, 35, 0, 0}, 7},
      {100, false, -3060, 2, {160, 120, 35, 0, 0}, 7},
      {3999, true, 3999, 0, {}, kIdle},
  };
  for (const Case& c : cases) {
    RivalsGame g;
    g.s().WarCountdown[1] = 2;
    RivalCounty& r = g.rival(1);
    r.Gold = c.gold;
    if (c.second) {
      r.ArmyRaised[2] = kTrue;
      r.CampStates[2] = 1;
      g.s().CampArmies[2].Archers = 5;
    }
    g.s().RivalStatus[2] = 7;  // a stale countdown the lone army's readiness clears
    RivalPurchases(g.game, ProfileOf(1), r);
    EXPECT_EQ(r.Gold, c.gold_after) << c.gold;
    if (c.camp != 0) {
      EXPECT_EQ(Foot(g.s().CampArmies[c.camp]), c.foot) << c.gold;
      EXPECT_EQ(Ids(g.game.reports), std::vector<int>{92}) << c.gold;
    } else {
      EXPECT_TRUE(Ids(g.game.reports).empty()) << c.gold;
    }
    EXPECT_EQ(g.s().RivalStatus[2], c.attack_after) << c.gold;
  }
}

TEST(RivalMarchTest, EngineersDecideTheArrival) {
  const std::pair<long, int> cases[] = {{0, 6},  {10, 6}, {11, 4}, {20, 4},
                                        {21, 3}, {30, 3}, {31, 2}, {255, 2}};
  for (const auto& [engineers, turns] : cases) EXPECT_EQ(ArrivalTurns(engineers), turns);
}

TEST(RivalMarchTest, TheWarEndsAndTheArmySetsOutThreeTurnsLater) {
  struct Case {
    const char* what;
    bool second, third;
    Byte engineers_after;  // of the marching second army
    long total_after;
    Byte attack_after;  // set from the engineers, counted down once on the same turn
  };
  const Case cases[] = {
      {"the second alone", true, false, 20, 100 + 20, 3},
      {"the third alone", false, true, 20 + 10, 200 + 30, 2},
      {"both joined", true, true, 30, 300 + 30, 2},
  };
  for (const Case& c : cases) {
    RivalsGame g;
    RivalCounty& r = g.rival(1);
    if (c.second) {
      r.ArmyRaised[2] = kTrue;
      r.CampStates[2] = 1;
      g.s().CampArmies[2].Archers = 100;
      g.s().CampArmies[2].Engineers = 3;
    }
    if (c.third) {
      r.ArmyRaised[3] = kTrue;
      r.CampStates[3] = 1;
      g.s().CampArmies[3].ClubMen = 200;
      g.s().CampArmies[3].Engineers = 10;
    }
    g.s().Turn = 199;
    g.s().WarCountdown[1] = 1;
    WarCountdowns(g.game);
    EXPECT_EQ(g.s().WarCountdown[1], kIdle) << c.what;
    EXPECT_EQ(g.s().WarMarchTurns[1], 3) << c.what;  // 200, then 2, then 3
    for (Byte turn : {200, 2}) {
      g.s().Turn = turn;
      WarCountdowns(g.game);
      EXPECT_EQ(r.CampStates[2], c.second ? 1 : 0) << c.what;
    }
    g.s().Turn = 3;
    CalcRivals(g.game);
    EXPECT_EQ(g.s().WarCountdown[1], 0) << c.what;
    EXPECT_EQ(r.CampStates[2], 2) << c.what;
    EXPECT_EQ(g.s().CampArmies[2].Engineers, c.engineers_after) << c.what;
    EXPECT_EQ(g.s().CampArmies[2].Total(), c.total_after) << c.what;
    EXPECT_EQ(g.s().CampArmies[3].Total(), 0) << c.what;
    EXPECT_EQ(g.s().RivalStatus[2], c.attack_after) << c.what;
    EXPECT_EQ(g.ui.Only("ask 23"), std::vector<std::string>{"ask 23/91"}) << c.what;
  }
}

TEST(RivalAttackTest, TheCastleHeldOrFallen) {
  struct Case {
    const char* what;
    int county;
    int army_on_castle;  // 0: none
    Byte target;
    bool lost;
  };
  const Case cases[] = {
      {"county 1, army 2 in the castle", 1, 2, 8, false},
      {"county 2, army 3 in the castle", 2, 3, 11, false},
      {"county 1, the castle empty", 1, 0, 8, true},
      {"county 2, the castle empty", 2, 0, 11, true},
  };
  for (const Case& c : cases) {
    RivalsGame g;
    g.s().ArmyWaypointNos[1] = 2;  // army 1 before the gate does not hold the castle
    if (c.army_on_castle != 0) {
      g.s().ArmyExists[c.army_on_castle] = kTrue;
      g.s().ArmyWaypointNos[c.army_on_castle] = 1;
    }
    g.rival(c.county).ArmyRaised[2] = kTrue;
    g.rival(c.county).CampStates[2] = 2;
    g.s().RivalStatus[c.county + 1] = 1;
    CalcRivals(g.game);
    EXPECT_EQ(g.s().RivalStatus[c.county + 1], 201) << c.what;
    EXPECT_EQ(g.rival(c.county).CampStates[2], 3) << c.what;
    EXPECT_EQ(g.game.live.BattleTarget, c.target) << c.what;
    EXPECT_EQ(IsTrue(g.s().PlayerUndefeated), !c.lost) << c.what;
    if (c.lost) {
      EXPECT_EQ(g.ui.Only("open"), std::vector<std::string>{"open TipsFrm"}) << c.what;
      EXPECT_EQ(g.game.live.DefeatText, (TextRef{1, 94})) << c.what;
    } else {
      EXPECT_EQ(g.s().SelectedArmy, c.army_on_castle) << c.what;
      EXPECT_TRUE(g.ui.Only("open").empty()) << c.what;
    }
  }
}

}  // namespace
}  // namespace valorne
