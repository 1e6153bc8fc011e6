// The county a new level begins with, per difficulty.
#include "state/start_values.h"

#include <gtest/gtest.h>

namespace valorne {
namespace {

struct Stores {
  Long gold, wood, stone, ore, grain, meat, people;
  Integer happiness, health;
  Single morale;
  Integer bows, clubs, swords, crosses, plate, shields;
  Integer leadership, nobility, diplomacy, religion;
};

Stores StoresOf(const GameState& s) {
  return {s.Gold,      s.WoodStock,      s.StoneStock,   s.OreStock,      s.GrainStock,
          s.MeatStock, s.Population,     s.Happiness,    s.Health,        s.Morale,
          s.Bows,      s.Clubs,          s.Swords,       s.Crosses,       s.PlateArmours,
          s.Shields,   s.LordLeadership, s.LordNobility, s.LordDiplomacy, s.LordReligion};
}

void ExpectStores(const Stores& got, const Stores& want) {
  EXPECT_EQ(got.gold, want.gold);
  EXPECT_EQ(got.wood, want.wood);
  EXPECT_EQ(got.stone, want.stone);
  EXPECT_EQ(got.ore, want.ore);
  EXPECT_EQ(got.grain, want.grain);
  EXPECT_EQ(got.meat, want.meat);
  EXPECT_EQ(got.people, want.people);
  EXPECT_EQ(got.happiness, want.happiness);
  EXPECT_EQ(got.health, want.health);
  EXPECT_EQ(got.morale, want.morale);
  EXPECT_EQ(got.bows, want.bows);
  EXPECT_EQ(got.clubs, want.clubs);
  EXPECT_EQ(got.swords, want.swords);
  EXPECT_EQ(got.crosses, want.crosses);
  EXPECT_EQ(got.plate, want.plate);
  EXPECT_EQ(got.shields, want.shields);
  EXPECT_EQ(got.leadership, want.leadership);
  EXPECT_EQ(got.nobility, want.nobility);
  EXPECT_EQ(got.diplomacy, want.diplomacy);
  EXPECT_EQ(got.religion, want.religion);
}

TEST(StartValues, StoresByDifficulty) {
  // Expected values worked out by hand from the draws, e.g. with every draw
  // 0.5: Gold = Int(0.5 * 3000 + 1000) = 2500, doubled on easy, halved on
  // hard; hard ore is Int(0.5 * 500 + 100) / 4 = 87.5, which rounds to even 88.
  // With every draw 0.005, hard halves odd numbers: Gold 1015 / 2 = 507.5 -> 508,
  // Wood 505 / 2 = 252.5 -> 252, Meat 101 / 2 = 50.5 -> 50, Ore 102 / 4 = 25.5
  // -> 26, people 2015 / 2 = 1007.5 -> 1008.
  struct Case {
    int difficulty;
    double draw;
    Stores want;
  };
  const Case cases[] = {
      {1, 0.5, {5000, 2000, 700, 700, 13000, 500, 3500, 70, 70, 50,
                200,  100,  50,  2,   50,    60,  25,   1,  50, 70}},
      {2, 0.5, {2500, 1000, 350, 350, 6500, 250, 3500, 70, 70, 25,
                145,  60,   42,  1,   12,   40,  25,   1,  50, 55}},
      {3, 0.5, {1250, 500, 175, 88, 6500, 125, 1750, 70, 70, 10,
                10,   10,  10,  1,  10,   10,  5,    1,  25, 50}},
      {3, 0.005, {508, 252, 51, 26, 4025, 50, 1008, 40, 40, 10,
                  10,  10,  10, 1,  10,   10, 5,    1,  25, 50}},
      {1, 0.0, {2000, 1000, 200, 200, 8000, 200, 2000, 40, 40, 50,
                200,  100,  50,  2,   50,   60,  25,   1,  50, 70}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("difficulty " + std::to_string(c.difficulty) + ", draw " + std::to_string(c.draw));
    Game game;
    game.Difficulty = static_cast<Byte>(c.difficulty);
    game.rng = Random::Constant(c.draw);
    SetStartValues(game);
    ExpectStores(StoresOf(game.state), c.want);
    const GameState& s = game.state;
    EXPECT_EQ(s.PreviousGold, s.Gold);
    EXPECT_EQ(s.PreviousOre, s.OreStock);
    EXPECT_EQ(s.PreviousPopulation, s.Population);
    EXPECT_EQ(s.PreviousHealth, s.Health);
    EXPECT_EQ(s.IdlePeople, s.Population);
  }
}

TEST(StartValues, DrawsAreTakenInTheirOrder) {
  // The stores first (gold, wood, stone, ore, grain, meat, people, happiness,
  // health), then archers, club men, swordsmen of outlaw band 4, then of band 5.
  Random replay = Random::Seeded(99);
  std::vector<double> r;
  for (int i = 0; i < 15; ++i) r.push_back(replay.Rnd());
  Game game;
  game.Difficulty = 2;
  game.rng = Random::Seeded(99);
  SetStartValues(game);
  const GameState& s = game.state;
  EXPECT_EQ(s.Gold, static_cast<Long>(Int(r[0] * 3000 + 1000)));
  EXPECT_EQ(s.WoodStock, static_cast<Long>(Int(r[1] * 1000 + 500)));
  EXPECT_EQ(s.StoneStock, static_cast<Long>(Int(r[2] * 500 + 100)));
  EXPECT_EQ(s.OreStock, static_cast<Long>(Int(r[3] * 500 + 100)));
  EXPECT_EQ(s.GrainStock, static_cast<Long>(Int(r[4] * 5000 + 4000)));
  EXPECT_EQ(s.MeatStock, static_cast<Long>(Int(r[5] * 300 + 100)));
  EXPECT_EQ(s.Population, static_cast<Long>(Int(r[6] * 3000 + 2000)));
  EXPECT_EQ(s.Happiness, static_cast<Integer>(Int(r[7] * 60 + 40)));
  EXPECT_EQ(s.Health, static_cast<Integer>(Int(r[8] * 60 + 40)));
  EXPECT_EQ(s.Outlaws.Archers[4], static_cast<Integer>(Int(r[9] * 300 + 100)));
  EXPECT_EQ(s.Outlaws.ClubMen[4], static_cast<Integer>(Int(r[10] * 300 + 100)));
  EXPECT_EQ(s.Outlaws.SwordMen[4], static_cast<Integer>(Int(r[11] * 300 + 100)));
  EXPECT_EQ(s.Outlaws.Archers[5], static_cast<Integer>(Int(r[12] * 500 + 200)));
  EXPECT_EQ(s.Outlaws.ClubMen[5], static_cast<Integer>(Int(r[13] * 500 + 200)));
  EXPECT_EQ(s.Outlaws.SwordMen[5], static_cast<Integer>(Int(r[14] * 500 + 200)));
}

TEST(StartValues, FixedValuesOfTheLevel) {
  Game game;
  game.Difficulty = 2;
  game.rng = Random::Constant(0.5);
  game.state.ReservedByte = 7;  // never set by the game: kept as it was
  SetStartValues(game);
  const GameState& s = game.state;
  EXPECT_EQ(s.LevelNumber, 9);
  EXPECT_EQ(s.PlayerUndefeated, kTrue);
  EXPECT_EQ(s.Turn, 1);
  EXPECT_EQ(s.Season, 1);
  EXPECT_EQ(s.TaxRate, 10);
  EXPECT_EQ(s.TitheDemand, 500);
  EXPECT_EQ(s.FarmingResearchTurns, 200);
  EXPECT_EQ(s.GuardResearchTurns, 200);
  EXPECT_EQ(s.ConstructionTurns, 200);
  EXPECT_EQ(s.ArmySizes[1], 1010);
  EXPECT_EQ(s.ArmySoldiers[1].Total(), 1010) << "army 1's size is the sum of its soldiers";
  EXPECT_EQ(s.ArmyWaypointNos[1], 2);
  EXPECT_EQ(s.ArmyMovesLeft[1], 2);
  EXPECT_EQ(s.ArmyExists[1], kTrue);
  EXPECT_EQ(s.ArmyExists[2], kFalse);
  EXPECT_EQ(s.BuildingBuilt[4], kTrue) << "the market stands";
  EXPECT_EQ(s.CastleStageBuilt[3], kTrue) << "and the fort";
  EXPECT_EQ(s.VillageStates[1], 200);
  EXPECT_EQ(s.VillageStates[2], 100);
  EXPECT_EQ(s.WindmillStates[3], 100);
  EXPECT_EQ(s.OutpostState, 100);
  EXPECT_EQ(s.SpareFlag, 200);
  EXPECT_EQ(s.GuardMissions[1], 200);
  EXPECT_EQ(s.GuardMissions[3], 1);
  EXPECT_EQ(s.ReservedByte, 7);
  EXPECT_EQ(s.Rival1Standing, kTrue);
  EXPECT_EQ(s.Rival2Standing, kFalse);
  EXPECT_EQ(s.Rivals[1].People, 2000);
  EXPECT_EQ(s.Rivals[1].Happiness, 60);
  EXPECT_EQ(s.Rivals[1].GuardTurns, 200);
  EXPECT_EQ(s.Rivals[2].People, 4100);
  EXPECT_EQ(s.Rivals[2].TaxRate, 50);
  EXPECT_EQ(s.CampArmies[1].ClubMen, 723);
  EXPECT_EQ(s.CampArmies[1].Engineers, 5);
  EXPECT_EQ(s.CampArmies[2], CampComposition{});
  EXPECT_EQ(s.GoalFlags[1], kTrue);
  EXPECT_EQ(s.Outlaws.Cavalry[2], 544);
  EXPECT_EQ(s.Outlaws.Archers[4], 250);
  EXPECT_EQ(s.Outlaws.SwordMen[5], 450);
  EXPECT_EQ(s.Outlaws.Band(0), CampComposition{}) << "the battle working copy starts empty";
  EXPECT_EQ(game.params.TradeDiplomacyMin, 80);
  EXPECT_EQ(game.live.ScrollSpeed, 1.0f);
  EXPECT_EQ(game.live.Village1Waypoint, 9);
}

TEST(StartValues, AnUnknownDifficultySetsNoneOfItsFields) {
  Game game;
  game.Difficulty = 4;
  game.rng = Random::Constant(0.5);
  SetStartValues(game);
  EXPECT_EQ(game.state.Gold, 0);
  EXPECT_EQ(game.state.Bows, 0);
  EXPECT_EQ(game.state.Morale, 0.0f);
  EXPECT_EQ(game.state.TaxRate, 10) << "the fixed values are set all the same";
  EXPECT_EQ(game.state.Outlaws.Archers[4], 250);
}

}  // namespace
}  // namespace valorne
