#include <gtest/gtest.h>

#include "rivals/rival_rules.h"
#include "rivals/rivals_fixture.h"
#include "rivals/rivals_turn.h"

namespace valorne {
namespace {

using testing::RivalsGame;

TEST(RivalTaxesTest, HappinessChoosesTheBand) {
  struct Case {
    Long happiness;
    Byte rate;
  };
  const Case cases[] = {{0, 0},   {10, 0},  {11, 10}, {30, 10}, {31, 50},
                        {60, 50}, {61, 60}, {75, 60}, {76, 80}, {100, 80}};
  for (const Case& c : cases) {
    RivalsGame g;
    RivalCounty& r = g.rival(1);
    r.Happiness = c.happiness;
    r.People = 2000;
    r.Gold = 100;
    RivalTaxes(g.game, r);
    EXPECT_EQ(r.TaxRate, c.rate) << "happiness " << c.happiness;
    EXPECT_EQ(r.Gold, 100 + c.rate * 20) << "happiness " << c.happiness;
    EXPECT_EQ(r.Happiness, c.happiness - c.rate / 4) << "happiness " << c.happiness;
  }
}

TEST(RivalPlagueTest, ThePlayersHealthReachesTheRival) {
  struct Case {
    Integer health;
    Long people, happiness;
  };
  // From 2000 people and happiness 50.
  const Case cases[] = {{51, 2100, 55}, {50, 1800, 47}, {31, 1800, 47}, {30, 1500, 50},
                        {21, 1500, 50}, {20, 1300, 38}, {0, 1300, 38}};
  for (const Case& c : cases) {
    GameState s;
    s.Health = c.health;
    RivalCounty r;
    r.People = 2000;
    r.Happiness = 50;
    PlagueReachesRival(s, r);
    EXPECT_EQ(r.People, c.people) << "health " << c.health;
    EXPECT_EQ(r.Happiness, c.happiness) << "health " << c.health;
  }
}

TEST(RivalChurchTest, TheTitheFollowsTheHolySites) {
  struct Case {
    int site;  // held by county 1; 0 none
    Long gold, gold_after;
    Integer religion_after;
  };
  // 1000 people: a tithe of 200, less 20 % for the cross, 10 % for the
  // chapel, 35 % for the great chapel, 20 % more for the tavern.
  const Case cases[] = {{0, 1000, 800, 32}, {3, 1000, 840, 32}, {4, 1000, 820, 32},
                        {5, 1000, 870, 32}, {9, 1000, 760, 32}, {0, 199, 199, 26},
                        {5, 130, 0, 32}};
  for (const Case& c : cases) {
    RivalsGame g;
    g.s().Turn = 8;
    if (c.site != 0) g.s().SitesHeld[c.site] = 2;
    RivalCounty& r = g.rival(1);
    r.People = 1000;
    r.Gold = c.gold;
    r.Religion = 30;
    RivalChurch(g.s(), ProfileOf(1), r);
    EXPECT_EQ(r.Gold, c.gold_after) << "site " << c.site << " gold " << c.gold;
    EXPECT_EQ(r.Religion, c.religion_after) << "site " << c.site << " gold " << c.gold;
  }
}

TEST(RivalGuardTest, TrainingStartsWhenPaidAndEndsAfterItsTurns) {
  RivalsGame g;
  RivalCounty& r = g.rival(1);
  r.Guard = 6;
  r.GuardTurns = kIdle;
  r.Gold = 6199;  // one short of 700 x 6 + 2000
  RivalGuardTraining(r);
  EXPECT_EQ(r.GuardTurns, kIdle);
  r.Gold = 6200;
  RivalGuardTraining(r);  // two turns of training, the first counted at once
  EXPECT_EQ(r.Gold, 2000);
  EXPECT_EQ(r.GuardTurns, 1);
  EXPECT_EQ(r.Guard, 6);
  const Integer nobility = r.Nobility;
  RivalGuardTraining(r);
  EXPECT_EQ(r.Guard, 7);
  EXPECT_EQ(r.Nobility, nobility + 2);
  EXPECT_EQ(r.GuardTurns, kIdle);
}

TEST(RivalFameTest, ToldOnceUntilTheAverageFalls) {
  for (int county : {1, 2}) {
    RivalsGame g;
    RivalCounty& r = g.rival(county);
    r.Leadership = r.Nobility = r.Diplomacy = r.Religion = 60;
    RivalLordFame(g.game, ProfileOf(county), r);
    RivalLordFame(g.game, ProfileOf(county), r);
    r.Leadership = r.Nobility = r.Diplomacy = r.Religion = 40;
    RivalLordFame(g.game, ProfileOf(county), r);
    r.Leadership = r.Nobility = r.Diplomacy = r.Religion = 60;
    RivalLordFame(g.game, ProfileOf(county), r);
    const std::string told = county == 1 ? "ask 2/107" : "ask 2/108";
    EXPECT_EQ(g.ui.Only("ask"), (std::vector<std::string>{told, told})) << "county " << county;
  }
}

TEST(RivalClampsTest, EveryValueEndsTheTurnInItsRange) {
  RivalsGame g;
  for (int county : {1, 2}) {
    RivalCounty& r = g.rival(county);
    r.People = 4990;
    r.Happiness = 400;
    r.Leadership = 100;
    r.Religion = 100;
    r.Nobility = -7;
    r.Morale = 99.5f;
  }
  g.s().Turn = 1;
  g.s().Health = 80;
  CalcRivals(g.game);
  for (int county : {1, 2}) {
    const RivalCounty& r = g.rival(county);
    EXPECT_EQ(r.People, 5000) << "county " << county;
    EXPECT_EQ(r.Happiness, 100) << "county " << county;
    EXPECT_EQ(r.Leadership, 100) << "county " << county;
    EXPECT_GE(r.Nobility, 0) << "county " << county;
    EXPECT_LE(r.Morale, 100.0f) << "county " << county;
  }
}

TEST(MarketOffersTest, EachGoodInItsOwnRange) {
  for (double rnd : {0.0, 0.5, 0.9999}) {
    RivalsGame g(rnd);
    CalcRivals(g.game);
    const long extra = static_cast<long>(rnd * 500);
    EXPECT_EQ(g.s().MarketWood, 6000 + extra) << rnd;
    EXPECT_EQ(g.s().MarketStone, 4000 + extra) << rnd;
    EXPECT_EQ(g.s().MarketOre, 2000 + extra) << rnd;
  }
}

}  // namespace
}  // namespace valorne
