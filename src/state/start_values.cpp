#include "state/start_values.h"

namespace valorne {

namespace {

// Int(Rnd x range + base), the start stores' draw.
long Draw(Random& rng, int range, int base) {
  return static_cast<long>(Int(rng.Rnd() * range + base));
}

// The start stores by difficulty: easy doubles the draw, hard halves it
// (rounding half to even), except where the table says otherwise.
void DrawStartStores(GameState& s, Random& rng, int difficulty) {
  auto scaled = [&](int range, int base, double hard_divisor, bool hard_keeps = false) -> Long {
    long v = Draw(rng, range, base);
    switch (difficulty) {
      case 1:
        return ToLong(2.0 * static_cast<double>(v));
      case 2:
        return ToLong(static_cast<double>(v));
      default:
        return hard_keeps ? ToLong(static_cast<double>(v))
                          : ToLong(static_cast<double>(v) / hard_divisor);
    }
  };
  s.Gold = scaled(3000, 1000, 2);
  s.WoodStock = scaled(1000, 500, 2);
  s.StoneStock = scaled(500, 100, 2);
  s.OreStock = scaled(500, 100, 4);
  s.GrainStock = scaled(5000, 4000, 1, true);
  s.MeatStock = scaled(300, 100, 2);
  const long people = Draw(rng, 3000, 2000);
  s.Population = difficulty == 3 ? ToLong(static_cast<double>(people) / 2.0) : people;
  s.Happiness = ToInteger(static_cast<double>(Draw(rng, 60, 40)));
  s.Health = ToInteger(static_cast<double>(Draw(rng, 60, 40)));
}

void SetDifficultyValues(GameState& s, int d) {
  struct Row {
    Single morale;
    Integer bows, clubs, swords, crosses, plate, shields;
    Integer leadership, nobility, diplomacy, religion;
  };
  constexpr Row rows[3] = {
      {50, 200, 100, 50, 2, 50, 60, 25, 1, 50, 70},
      {25, 145, 60, 42, 1, 12, 40, 25, 1, 50, 55},
      {10, 10, 10, 10, 1, 10, 10, 5, 1, 25, 50},
  };
  const Row& r = rows[d - 1];
  s.Morale = r.morale;
  s.Bows = r.bows;
  s.Clubs = r.clubs;
  s.Swords = r.swords;
  s.Crosses = r.crosses;
  s.PlateArmours = r.plate;
  s.Shields = r.shields;
  s.LordLeadership = r.leadership;
  s.LordNobility = r.nobility;
  s.LordDiplomacy = r.diplomacy;
  s.LordReligion = r.religion;
}

void SetRivals(GameState& s) {
  s.Rival1Standing = kTrue;
  s.Rival2Standing = kFalse;
  RivalCounty& c1 = s.Rivals[1];
  c1 = RivalCounty{};
  c1.Gold = 5000;
  c1.TaxRate = 0;
  c1.Morale = 50;
  c1.Happiness = 60;
  c1.People = 2000;
  c1.Leadership = 30;
  c1.Nobility = 20;
  c1.Diplomacy = 10;
  c1.Religion = 30;
  c1.Assassins = 1;
  c1.Guard = 1;
  c1.GuardTurns = kIdle;
  c1.CastleStage = {0, 0, 0, kTrue, 0};
  c1.ArmyRaised = {kTrue, 0, 0};
  c1.CampStates = {1, 0, 0};

  RivalCounty& c2 = s.Rivals[2];
  c2 = RivalCounty{};
  c2.Gold = 2000;
  c2.TaxRate = 50;
  c2.Morale = 60;
  c2.Happiness = 74;
  c2.People = 4100;

  for (int c = 1; c <= 5; ++c) s.CampArmies[c].Clear();
  CampComposition& camp1 = s.CampArmies[1];
  camp1.Archers = 420;
  camp1.ClubMen = 723;
  camp1.SwordMen = 400;
  camp1.Helebarders = 450;
  camp1.TwoHanders = 650;
  camp1.Cavalry = 1;
  camp1.HeavyCavalry = 15;
  camp1.Champions = 1;
  camp1.Engineers = 5;
}

void SetOutlaws(GameState& s, Random& rng) {
  OutlawArmies& o = s.Outlaws;
  o = OutlawArmies{};
  o.Monks = {0, 0, 1, 0, 1, 3};
  o.Archers = {0, 200, 600, 87, 0, 0};
  o.ClubMen = {0, 123, 214, 275, 0, 0};
  o.SwordMen = {0, 342, 32, 0, 0, 0};
  o.Helebarders = {0, 131, 40, 30, 0, 0};
  o.TwoHanders = {0, 230, 10, 0, 0, 0};
  o.Cavalry = {0, 0, 544, 0, 0, 0};
  o.Paladins = {0, 0, 200, 0, 0, 0};
  o.Engineers = {0, 3, 0, 2, 0, 0};
  // Bands 4 and 5 are drawn: archers, club men, swordsmen of band 4, then of band 5.
  o.Archers[4] = static_cast<Integer>(Draw(rng, 300, 100));
  o.ClubMen[4] = static_cast<Integer>(Draw(rng, 300, 100));
  o.SwordMen[4] = static_cast<Integer>(Draw(rng, 300, 100));
  o.Archers[5] = static_cast<Integer>(Draw(rng, 500, 200));
  o.ClubMen[5] = static_cast<Integer>(Draw(rng, 500, 200));
  o.SwordMen[5] = static_cast<Integer>(Draw(rng, 500, 200));
}

}  // namespace

void SetStartValues(Game& game) {
  GameState& s = game.state;
  const int d = game.Difficulty;
  const bool known_difficulty = d >= 1 && d <= 3;
  // Every field not named below starts at 0; the reserved bytes keep theirs.
  const Byte reserved = s.ReservedByte;
  const auto spare = s.SpareBytes;
  s = GameState{};
  s.ReservedByte = reserved;
  s.SpareBytes = spare;

  s.LevelNumber = kLevelNumber;
  s.PlayerUndefeated = kTrue;
  s.Turn = 1;
  s.Season = 1;
  s.RivalStatus = {kIdle, kIdle, kIdle};
  s.RivalStatus4 = kIdle;

  game.rng.Randomize();
  if (known_difficulty) {
    DrawStartStores(s, game.rng, d);
    SetDifficultyValues(s, d);
  }

  s.TaxRate = 10;
  s.TitheDemand = 500;
  s.FarmingLevel = 1;
  s.FarmingResearchTurns = kIdle;
  s.GuardLevel = 1;
  s.GuardResearchTurns = kIdle;
  s.EatMeat = kTrue;
  s.EatGrain = kTrue;
  s.ArmyWaypointNos = {2, 0, 0};
  s.SelectedArmy = 1;
  s.ArmySizes = {1010, 0, 0};
  s.ArmyExists = {kTrue, 0, 0};
  s.ArmyMovesLeft = {2, 0, 0};
  s.GuardMissions = {kIdle, 0, 1, kIdle, 0, 0};
  ArmyComposition& army1 = s.ArmySoldiers[1];
  army1.Monks = 5;
  army1.Archers = 100;
  army1.ClubMen = 100;
  army1.SwordMen = 100;
  army1.Helebarders = 100;
  army1.TwoHanders = 100;
  army1.Cavalry = 300;
  army1.HeavyCavalry = 100;
  army1.Templars = 50;
  army1.Paladins = 50;
  army1.Engineers = 5;
  s.ConstructionTurns = kIdle;
  s.BuildingBuilt = {0, 0, 0, kTrue, 0};     // the market stands
  s.CastleStageBuilt = {0, 0, kTrue, 0, 0};  // and the fort
  s.VillageStates = {200, 100, 100};
  s.WindmillStates = {200, 100, 100};
  s.OutpostState = 100;
  s.SpareState = 100;
  s.SellGood = 1;
  s.BuyGood = 1;
  s.SpareFlag = kIdle;
  SetRivals(s);
  s.GoalFlags = {kTrue, 0, 0};
  SetOutlaws(s, game.rng);

  KeepPreviousValues(s);
  s.IdlePeople = s.Population;

  game.live = LiveState{};
  SetUpLevelParams(game.params, d);
}

void KeepPreviousValues(GameState& s) {
  s.PreviousGold = s.Gold;
  s.PreviousWood = s.WoodStock;
  s.PreviousStone = s.StoneStock;
  s.PreviousOre = s.OreStock;
  s.PreviousGrain = s.GrainStock;
  s.PreviousMeat = s.MeatStock;
  s.PreviousPopulation = s.Population;
  s.PreviousHappiness = s.Happiness;
  s.PreviousHealth = s.Health;
}

}  // namespace valorne
