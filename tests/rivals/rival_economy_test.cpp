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

}  // namespace
}  // namespace valorne
