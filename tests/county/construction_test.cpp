#include "county/construction.h"

#include <gtest/gtest.h>

namespace valorne {
namespace {

struct BuildingCounty {
  Game game;
  explicit BuildingCounty(Long gold = 100000, Long wood = 100000, Long stone = 100000) {
    SetUpLevelParams(game.params, 2);
    game.state.ConstructionTurns = kIdle;
    game.state.Gold = gold;
    game.state.WoodStock = wood;
    game.state.StoneStock = stone;
  }
};

TEST(Construction, OrderPaysTheBuildingsCostAndStartsItsCountdown) {
  struct Case {
    int building;
    Byte turns;
    Long gold, wood, stone;
  };
  const Case cases[] = {
      {1, 2, 5000, 800, 200},      {2, 2, 5000, 800, 1000},   {3, 1, 6000, 1500, 200},
      {4, 2, 5000, 1000, 750},     {5, 1, 3000, 800, 500},    {6, 3, 5000, 5000, 500},
      {7, 5, 7000, 8000, 1000},    {8, 8, 10000, 4000, 6000}, {9, 12, 12000, 11000, 18000},
      {10, 16, 20000, 7000, 9000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "building " << c.building);
    BuildingCounty county;
    ASSERT_TRUE(CanChooseBuilding(county.game.state, c.building));
    const ChosenBuildingFigures shown = BuildingFigures(county.game.params, c.building);
    EXPECT_EQ(shown.Gold, std::to_string(c.gold));
    EXPECT_EQ(shown.Turns, " -- " + std::to_string(c.turns));
    EXPECT_EQ(shown.Helper, (TextRef{1, static_cast<std::int16_t>(9 + c.building)}));

    EXPECT_TRUE(OrderBuilding(county.game, c.building).accepted);
    const GameState& s = county.game.state;
    EXPECT_EQ(s.ConstructionBuilding, c.building);
    EXPECT_EQ(s.ConstructionTurns, c.turns);
    EXPECT_EQ(s.Gold, 100000 - c.gold);
    EXPECT_EQ(s.WoodStock, 100000 - c.wood);
    EXPECT_EQ(s.StoneStock, 100000 - c.stone);
  }
}

TEST(Construction, RefusalsPayNothing) {
  struct Case {
    const char* name;
    int chosen;
    Long gold, wood, stone;
    TextRef hint;
  };
  // The bunker costs 12000 gold, 11000 wood and 18000 stone.
  const Case cases[] = {
      {"nothing chosen", 0, 99999, 99999, 99999, kNothingChosen},
      {"gold short", 9, 11999, 11000, 18000, kNotEnoughResources},
      {"wood short", 9, 12000, 10999, 18000, kNotEnoughResources},
      {"stone short", 9, 12000, 11000, 17999, kNotEnoughResources},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BuildingCounty county(c.gold, c.wood, c.stone);
    const Outcome o = OrderBuilding(county.game, c.chosen);
    EXPECT_FALSE(o.accepted);
    EXPECT_EQ(o.hint, c.hint);
    const GameState& s = county.game.state;
    EXPECT_EQ(s.ConstructionBuilding, 0);
    EXPECT_EQ(s.ConstructionTurns, kIdle);
    EXPECT_EQ(s.Gold, c.gold);
    EXPECT_EQ(s.WoodStock, c.wood);
    EXPECT_EQ(s.StoneStock, c.stone);
  }
}

TEST(Construction, ExactCostIsEnough) {
  BuildingCounty county(12000, 11000, 18000);
  EXPECT_TRUE(OrderBuilding(county.game, 9).accepted);
  EXPECT_EQ(county.game.state.Gold, 0);
  EXPECT_EQ(county.game.state.WoodStock, 0);
  EXPECT_EQ(county.game.state.StoneStock, 0);
}

TEST(Construction, SecondOrderOnlyClosesAndStopRefundsEverything) {
  BuildingCounty county(10000, 2000, 2000);
  ASSERT_TRUE(OrderBuilding(county.game, 3).accepted);  // stables
  EXPECT_FALSE(CanChooseBuilding(county.game.state, 1));
  const GameState during = county.game.state;
  EXPECT_TRUE(OrderBuilding(county.game, 1).accepted);
  EXPECT_EQ(county.game.state, during);

  county.game.state.ConstructionTurns = 0;  // one end of turn before it stands
  const Outcome stopped = StopConstruction(county.game);
  EXPECT_TRUE(stopped.accepted);
  EXPECT_EQ(stopped.hint, kNothingRunning);
  const GameState& s = county.game.state;
  EXPECT_EQ(s.Gold, 10000);
  EXPECT_EQ(s.WoodStock, 2000);
  EXPECT_EQ(s.StoneStock, 2000);
  EXPECT_EQ(s.ConstructionTurns, kIdle);
  EXPECT_EQ(s.ConstructionBuilding, 0);
  EXPECT_FALSE(StopConstruction(county.game).accepted);
  EXPECT_EQ(s.Gold, 10000);
}

TEST(Construction, CastleStagesCanBeBuiltInAnyOrder) {
  struct Case {
    int standing;  // castle stage built, 0 none
    std::array<bool, 5> choosable;
    std::string_view picture;
  };
  const Case cases[] = {
      {0, {true, true, true, true, true}, ""},
      {1, {false, true, true, true, true}, "KeepRes"},
      {3, {false, false, false, true, true}, "FortRes"},
      {4, {false, false, false, false, true}, "BunkerRes"},
      {5, {false, false, false, false, false}, "CastleRes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "stage " << c.standing);
    BuildingCounty county;
    if (c.standing > 0) county.game.state.CastleStageBuilt[c.standing] = kTrue;
    EXPECT_EQ(CastlePicture(county.game.state), c.picture);
    for (int stage = 1; stage <= 5; ++stage) {
      const BuildButtonState b = BuildButton(county.game.state, stage + 5);
      EXPECT_EQ(b.enabled, c.choosable[static_cast<std::size_t>(stage - 1)]) << stage;
      EXPECT_EQ(b.ticked, stage == c.standing) << stage;
      EXPECT_EQ(CanChooseBuilding(county.game.state, stage + 5), b.enabled);
    }
  }
}

TEST(Construction, FinishedWorkingBuildingsAreTickedAndLocked) {
  BuildingCounty county;
  county.game.state.BuildingBuilt[4] = kTrue;
  for (int b = 1; b <= 5; ++b) {
    const BuildButtonState button = BuildButton(county.game.state, b);
    EXPECT_EQ(button.enabled, b != 4) << b;
    EXPECT_EQ(button.ticked, b == 4) << b;
  }
}

TEST(Construction, BuildScreenOnOpening) {
  BuildingCounty county;
  BuildScreenView idle = BuildScreenOnOpening(county.game.state);
  EXPECT_FALSE(idle.under_construction);
  EXPECT_EQ(idle.Label4, kNothingRunning);
  EXPECT_FALSE(idle.show_cancel);
  EXPECT_EQ(idle.arrow_building, 0);
  EXPECT_EQ(BuildLineText(county.game.state), kNothingRunning);

  ASSERT_TRUE(OrderBuilding(county.game, 7).accepted);
  county.game.state.ConstructionTurns = 4;
  const BuildScreenView busy = BuildScreenOnOpening(county.game.state);
  EXPECT_TRUE(busy.under_construction);
  EXPECT_EQ(busy.Helper, (TextRef{4, 30}));
  EXPECT_EQ(busy.arrow_building, 7);
  EXPECT_EQ(busy.BuildingName, (TextRef{4, 79}));
  EXPECT_EQ(busy.Turns, "4");
  EXPECT_TRUE(busy.show_cancel);
  EXPECT_FALSE(busy.show_ok);
  EXPECT_EQ(BuildLineText(county.game.state), (TextRef{4, 79}));
}

TEST(Construction, CastleScreenFollowsTheStageAndTheGarrison) {
  BuildingCounty county;
  GameState& s = county.game.state;
  s.CastleStageBuilt[4] = kTrue;
  CastleFigures f = CastleScreenFigures(s);
  EXPECT_EQ(f.Name, (TextRef{4, 81}));
  EXPECT_EQ(f.Gold, "- 10%");
  EXPECT_EQ(f.Garison, "1500");
  EXPECT_EQ(f.ArmyName.category, 0);
  for (const std::string& count : f.Soldiers) EXPECT_EQ(count, "0");

  s.ArmySoldiers[2].Archers = 120;
  s.ArmySoldiers[2].Engineers = 7;
  s.GarrisonedArmy = 2;
  f = CastleScreenFigures(s);
  EXPECT_EQ(f.ArmyName, (TextRef{4, 113}));
  EXPECT_EQ(f.Soldiers[1], "120");
  EXPECT_EQ(f.Soldiers[13], "7");
  EXPECT_EQ(f.Soldiers[0], "0");
}

}  // namespace
}  // namespace valorne
