#include <gtest/gtest.h>

#include "state/level_params.h"
#include "turn/economy.h"
#include "turn/recording_ui.h"

namespace valorne {
namespace {

using testing::Ids;

struct ForgeCase {
  const char* name;
  Byte item;
  Long wood, ore;
  Long wood_after, ore_after;
  long made;  // pieces added to the item's stock
  bool goes_on;
};

long StockOf(const GameState& s, int item) {
  const Integer stocks[] = {0,           s.Bows,          s.Clubs,        s.Swords,
                            s.Helebards, s.TwoHandSwords, s.Maces,        s.Pikes,
                            s.Crosses,   s.ChainMails,    s.PlateArmours, s.Shields};
  return stocks[item];
}

class ForgeTest : public ::testing::TestWithParam<ForgeCase> {};

TEST_P(ForgeTest, OneTurnOfTheSmithy) {
  const ForgeCase& c = GetParam();
  Game game;
  SetUpLevelParams(game.params, 2);
  GameState& s = game.state;
  s.ForgeOrder = c.item;
  s.WoodStock = c.wood;
  s.OreStock = c.ore;
  const long before = StockOf(s, c.item);
  CalcBlacksmith(game);
  EXPECT_EQ(StockOf(s, c.item) - before, c.made);
  EXPECT_EQ(s.WoodStock, c.wood_after);
  EXPECT_EQ(s.OreStock, c.ore_after);
  EXPECT_EQ(s.ForgeOrder, c.goes_on ? c.item : 0);
  EXPECT_EQ(Ids(game.news), c.goes_on ? std::vector<int>{} : std::vector<int>{68});
}

INSTANTIATE_TEST_SUITE_P(Items, ForgeTest,
                         ::testing::Values(
                             // Swords need no wood, even when the wood store is below zero.
                             ForgeCase{"SwordsWithoutWood", 3, -40, 500, -40, 0, 20, true},
                             ForgeCase{"SwordsShortOfOre", 3, 5000, 499, 5000, 499, 0, false},
                             ForgeCase{"BowsNeedNoOre", 1, 500, -1, 0, -1, 30, true},
                             ForgeCase{"ClubsNeedBoth", 2, 300, 199, 300, 199, 0, false},
                             ForgeCase{"Clubs", 2, 1000, 1000, 700, 800, 40, true},
                             ForgeCase{"OneCrossATurn", 8, 0, 100, 0, 0, 1, true},
                             ForgeCase{"Shields", 11, 400, 100, 0, 0, 40, true},
                             ForgeCase{"PikesShortOfWood", 7, 999, 5000, 999, 5000, 0, false},
                             ForgeCase{"PlateArmour", 10, 0, 1000, 0, 0, 35, true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ForgeTest, NoOrderDoesNothing) {
  for (Byte order : {0, 12, 255}) {
    Game game;
    SetUpLevelParams(game.params, 2);
    game.state.ForgeOrder = order;
    game.state.WoodStock = game.state.OreStock = 5000;
    const GameState before = game.state;
    CalcBlacksmith(game);
    EXPECT_EQ(game.state, before);
  }
}

TEST(ConstructionTest, ABuildingNeedsItsTurnsAndOneMore) {
  Game game;
  GameState& s = game.state;
  s.ConstructionBuilding = 3;  // stables, one turn
  s.ConstructionTurns = 1;
  CalcConstruction(game);
  EXPECT_EQ(s.ConstructionTurns, 0);
  EXPECT_FALSE(IsTrue(s.BuildingBuilt[3]));
  CalcConstruction(game);
  EXPECT_TRUE(IsTrue(s.BuildingBuilt[3]));
  EXPECT_EQ(s.ConstructionBuilding, 0);
  EXPECT_EQ(s.ConstructionTurns, 200);
  EXPECT_EQ(Ids(game.news), std::vector<int>{72});
  CalcConstruction(game);  // idle now
  EXPECT_EQ(s.ConstructionTurns, 200);
}

TEST(ConstructionTest, OnlyTheNewestCastleStageStands) {
  struct Case {
    int building;
    OneBased<Boolean, 5> before, after;
  };
  const Case cases[] = {
      {10, {kTrue, 0, kTrue, kTrue, 0}, {0, 0, 0, 0, kTrue}},
      {6, {0, 0, kTrue, 0, 0}, {kTrue, 0, kTrue, 0, 0}},  // a lower stage leaves higher ones
      {8, {kTrue, kTrue, 0, 0, 0}, {0, 0, kTrue, 0, 0}},
  };
  for (const Case& c : cases) {
    Game game;
    game.state.CastleStageBuilt = c.before;
    game.state.ConstructionBuilding = static_cast<Byte>(c.building);
    game.state.ConstructionTurns = 0;
    CalcConstruction(game);
    EXPECT_EQ(game.state.CastleStageBuilt, c.after) << "building " << c.building;
    EXPECT_EQ(game.state.BuildingBuilt, (OneBased<Boolean, 5>{}));
  }
}

TEST(ConstructionTest, NothingBuildsWithoutABuilding) {
  for (Byte building : {0, 11}) {
    Game game;
    game.state.ConstructionBuilding = building;
    game.state.ConstructionTurns = 0;
    CalcConstruction(game);
    EXPECT_EQ(game.state.ConstructionTurns, 0);
    EXPECT_EQ(game.news.count, 0);
  }
}

TEST(RepairTest, VillagesAndWindmillsStandAgain) {
  struct Case {
    OneBased<Byte, 3> villages, windmills;
    OneBased<Byte, 3> villages_after, windmills_after;
    std::vector<int> news, reports;
  };
  const Case cases[] = {
      {{200, 100, 100}, {200, 100, 100}, {200, 100, 100}, {200, 100, 100}, {}, {}},
      {{6, 2, 7}, {3, 4, 2}, {5, 1, 7}, {2, 4, 1}, {}, {}},
      {{1, 1, 1}, {1, 1, 1}, {200, 100, 100}, {200, 100, 100}, {73}, {71}},
      {{3, 100, 1}, {200, 1, 100}, {2, 100, 100}, {200, 100, 100}, {}, {}},
  };
  for (const Case& c : cases) {
    Game game;
    game.state.VillageStates = c.villages;
    game.state.WindmillStates = c.windmills;
    CalcConstruction(game);
    EXPECT_EQ(game.state.VillageStates, c.villages_after);
    EXPECT_EQ(game.state.WindmillStates, c.windmills_after);
    EXPECT_EQ(Ids(game.news), c.news);
    EXPECT_EQ(Ids(game.reports), c.reports);
  }
}

}  // namespace
}  // namespace valorne
