#include <gtest/gtest.h>

#include "state/level_params.h"
#include "turn/economy.h"
#include "turn/recording_ui.h"

namespace valorne {
namespace {

using testing::Ids;

// A county whose values are all in range and above the warning limits.
void HealthyCounty(GameState& s) {
  s.Gold = s.WoodStock = s.StoneStock = s.OreStock = 5000;
  s.GrainStock = 1001;
  s.MeatStock = 301;
  s.Population = 301;
  s.Happiness = s.Health = 31;
  s.Morale = 0;
  s.LordLeadership = s.LordNobility = s.LordDiplomacy = s.LordReligion = 50;
}

TEST(CheckLimitsTest, ValuesAreClampedIntoTheirRanges) {
  Game game;
  SetUpLevelParams(game.params, 2);
  GameState& s = game.state;
  HealthyCounty(s);
  s.Gold = -1;
  s.WoodStock = -20;
  s.StoneStock = -3;
  s.OreStock = -4;
  s.GrainStock = -5000;
  s.MeatStock = -6;
  s.Population = -7;
  s.Happiness = 101;
  s.Health = -8;
  s.Morale = -100.5f;
  s.LordLeadership = -1;
  s.LordNobility = 101;
  s.LordDiplomacy = 100;
  s.LordReligion = 0;
  CheckLimits(game);
  EXPECT_EQ(s.Gold, 0);
  EXPECT_EQ(s.WoodStock, 0);
  EXPECT_EQ(s.StoneStock, 0);
  EXPECT_EQ(s.OreStock, 0);
  EXPECT_EQ(s.GrainStock, 0);
  EXPECT_EQ(s.MeatStock, 0);
  EXPECT_EQ(s.Population, 0);
  EXPECT_EQ(s.Happiness, 100);
  EXPECT_EQ(s.Health, 0);
  EXPECT_EQ(s.Morale, -100.0f);
  EXPECT_EQ(s.LordLeadership, 0);
  EXPECT_EQ(s.LordNobility, 100);
  EXPECT_EQ(s.LordDiplomacy, 100);
  EXPECT_EQ(s.LordReligion, 0);

  s.Morale = 150;
  CheckLimits(game);
  EXPECT_EQ(s.Morale, 100.0f);
}

TEST(CheckLimitsTest, LowStocksWarnAtTheirLimits) {
  struct Case {
    const char* name;
    void (*lower)(GameState&);
    bool LiveState::*label;
    int news;
  };
  const Case cases[] = {
      {"grain", [](GameState& s) { s.GrainStock = 1000; }, &LiveState::GrainLow, 77},
      {"meat", [](GameState& s) { s.MeatStock = 300; }, &LiveState::MeatLow, 77},
      {"people", [](GameState& s) { s.Population = 300; }, &LiveState::PeopleLow, 80},
      {"happiness", [](GameState& s) { s.Happiness = 30; }, &LiveState::HappinessLow, 78},
      {"health", [](GameState& s) { s.Health = 30; }, &LiveState::HealthLow, 79},
  };
  for (const Case& c : cases) {
    Game game;
    HealthyCounty(game.state);
    CheckLimits(game);  // just above every limit: no warning
    EXPECT_EQ(game.news.count, 0) << c.name;
    c.lower(game.state);
    CheckLimits(game);
    EXPECT_TRUE(game.live.*c.label) << c.name;
    EXPECT_EQ(Ids(game.news), std::vector<int>{c.news}) << c.name;
    HealthyCounty(game.state);  // above the limit the label is plain again
    CheckLimits(game);
    EXPECT_FALSE(game.live.*c.label) << c.name;
  }
}

TEST(CheckLimitsTest, WorkersAreReleasedUntilThePeopleSuffice) {
  struct Case {
    const char* name;
    Long people;
    OneBased<Byte, 5> wood_after, stone_after;
    OneBased<Byte, 10> fields_after;
  };
  // Wood places 1, 3, 5 (780 people), stone places 2, 4 (600), fields 2 crops,
  // 3 flooded, 4 cattle (145): 1525 workers.
  const Case cases[] = {
      {"EnoughPeople", 1525, {1, 0, 1, 0, 1}, {0, 1, 0, 1, 0}, {0, 1, 3, 2, 0, 0, 0, 0, 0, 0}},
      {"OneWoodPlace", 1524, {1, 0, 1, 0, 0}, {0, 1, 0, 1, 0}, {0, 1, 3, 2, 0, 0, 0, 0, 0, 0}},
      {"AllWoodAndAStonePlace",
       445,
       {0, 0, 0, 0, 0},
       {0, 1, 0, 0, 0},
       {0, 1, 3, 2, 0, 0, 0, 0, 0, 0}},
      {"FirstField", 45, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 3, 2, 0, 0, 0, 0, 0, 0}},
      {"Everything", 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    Game game;
    SetUpLevelParams(game.params, 2);
    GameState& s = game.state;
    HealthyCounty(s);
    s.Population = c.people;
    s.WoodSlots = {1, 0, 1, 0, 1};
    s.WoodSlotsUsed = 3;
    s.WoodWorkers = 780;
    s.StoneSlots = {0, 1, 0, 1, 0};
    s.StoneSlotsUsed = 2;
    s.StoneWorkers = 600;
    s.FieldStates = {0, 1, 3, 2, 0, 0, 0, 0, 0, 0};
    s.CropsWorkers = 100;
    s.CattleWorkers = 45;
    s.IdlePeople = 0;
    const long workers_before = 1525;
    CheckLimits(game);
    EXPECT_EQ(s.WoodSlots, c.wood_after) << c.name;
    EXPECT_EQ(s.StoneSlots, c.stone_after) << c.name;
    EXPECT_EQ(s.FieldStates, c.fields_after) << c.name;
    const long workers = CountWorkers(s);
    EXPECT_LE(workers, s.Population) << c.name;
    EXPECT_EQ(s.IdlePeople, workers_before - workers) << c.name;  // freed people are idle
    EXPECT_EQ(s.WoodSlotsUsed * 260, s.WoodWorkers) << c.name;
    EXPECT_EQ(s.StoneSlotsUsed * 300, s.StoneWorkers) << c.name;
  }
}

}  // namespace
}  // namespace valorne
