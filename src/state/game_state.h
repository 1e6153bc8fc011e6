// The live state of the level: every field that a save keeps, under the
// names the rules use. One GameState belongs to the game object; screens and
// rules read and write it directly. The save file is its 792-byte image
// (see record.h).
#pragma once

#include <array>

#include "state/indexed.h"
#include "state/troops.h"
#include "state/values.h"

namespace valorne {

inline constexpr Byte kLevelNumber = 9;
inline constexpr Byte kIdle = 200;  // a countdown byte that holds 200 runs nothing

// One rival county. County 1 has three armies, county 2 two; the arrays are
// sized for three and a save keeps only the armies the county has.
struct RivalCounty {
  Long Gold = 0;
  Byte TaxRate = 0;
  Single Morale = 0;
  Long Happiness = 0;
  Long People = 0;
  Integer Leadership = 0;
  Integer Nobility = 0;
  Integer Diplomacy = 0;
  Integer Religion = 0;
  Byte Assassins = 0;
  Byte Guard = 0;
  Byte GuardTurns = 0;
  OneBased<Boolean, 5> CastleStage;
  OneBased<Boolean, 3> ArmyRaised;
  OneBased<Byte, 3> CampStates;  // Rival1CampStates or Rival2CampStates

  friend bool operator==(const RivalCounty&, const RivalCounty&) = default;
};

// The five outlaw bands of the map and, in entry 0, the working copy of the
// opponent of the battle being prepared. Kept column-wise: one array of six
// per unit kind.
struct OutlawArmies {
  std::array<Byte, 6> Monks{};
  std::array<Integer, 6> Archers{};
  std::array<Integer, 6> ClubMen{};
  std::array<Integer, 6> SwordMen{};
  std::array<Integer, 6> Helebarders{};
  std::array<Integer, 6> TwoHanders{};
  std::array<Integer, 6> Cavalry{};
  std::array<Integer, 6> HeavyCavalry{};
  std::array<Integer, 6> Champions{};
  std::array<Integer, 6> Templars{};
  std::array<Integer, 6> Paladins{};
  std::array<Integer, 6> LongBowmen{};
  std::array<Byte, 6> Warlords{};
  std::array<Byte, 6> Engineers{};

  // Band 0..5 as a troop list, and back.
  CampComposition Band(int band) const;
  void SetBand(int band, const CampComposition& troops);

  friend bool operator==(const OutlawArmies&, const OutlawArmies&) = default;
};

struct GameState {
  Byte LevelNumber = 0;
  Boolean PlayerUndefeated = 0;
  Byte Turn = 0;
  OneBased<Byte, 2> WarMarchTurns;
  Byte Season = 0;
  OneBased<Byte, 2> WarCountdown;
  OneBased<Byte, 3> RivalStatus;
  Byte RivalStatus4 = 0;
  Long Gold = 0;
  Long WoodStock = 0;
  Long StoneStock = 0;
  Long OreStock = 0;
  Long GrainStock = 0;
  Long MeatStock = 0;
  Long Population = 0;
  Integer Happiness = 0;
  Integer Health = 0;
  Byte TaxRate = 0;
  Long TitheDemand = 0;  // a Long while playing; a save keeps its low 16 bits
  Byte FarmingLevel = 0;
  Byte FarmingResearchTurns = 0;
  Byte GuardLevel = 0;
  Byte GuardResearchTurns = 0;
  Long PreviousGold = 0;
  Long PreviousWood = 0;
  Long PreviousStone = 0;
  Long PreviousOre = 0;
  Long PreviousGrain = 0;
  Long PreviousMeat = 0;
  Long PreviousPopulation = 0;
  Integer PreviousHappiness = 0;
  Integer PreviousHealth = 0;
  Long IdlePeople = 0;
  Integer CropsWorkers = 0;
  Integer CattleWorkers = 0;
  Integer CropYieldPerField = 0;
  Integer CattleYieldPerField = 0;
  Byte WolvesLoss = 0;
  Byte BirdsLoss = 0;
  Single Morale = 0;
  Boolean EatMeat = 0;
  Boolean EatGrain = 0;
  Boolean TournamentHeld = 0;
  Integer TournamentPrize = 0;
  OneBased<Byte, 4> ThievesIncome;  // gold, wood, stone, ore
  Byte TradeRepeatKey = 0;
  Byte GarrisonedArmy = 0;
  Byte LeasedFields = 0;
  OneBased<Byte, 3> ArmyWaypointNos;
  Byte ArmyFacing = 0;
  OneBased<Byte, 2> SpareBytes;
  Byte SelectedArmy = 0;
  Integer WoodWorkers = 0;
  Integer WoodSlotsUsed = 0;
  OneBased<Byte, 5> WoodSlots;
  Integer StoneWorkers = 0;
  Integer StoneSlotsUsed = 0;
  OneBased<Byte, 5> StoneSlots;
  Integer OreWorkers = 0;
  Integer OreSlotsUsed = 0;
  OneBased<Byte, 5> OreSlots;
  Byte ForgeOrder = 0;
  Integer Bows = 0;
  Integer LongBows = 0;
  Byte WarlordsAvailable = 0;
  Integer EngineersAvailable = 0;
  Integer Clubs = 0;
  Integer Swords = 0;
  Integer Helebards = 0;
  Integer TwoHandSwords = 0;
  Integer Maces = 0;
  Integer Pikes = 0;
  Integer Crosses = 0;
  Integer ChainMails = 0;
  Integer PlateArmours = 0;
  Integer Shields = 0;
  OneBased<Integer, 3> ArmySizes;
  OneBased<Boolean, 3> ArmyExists;
  OneBased<Byte, 3> ArmyMovesLeft;
  // The guard screen's six bytes, in this order: assassin countdown, assassin
  // kind, assassin target, scout countdown, scout target, assassin level.
  OneBased<Byte, 6> GuardMissions;
  OneBased<ArmyComposition, 3> ArmySoldiers;
  Byte ConstructionTurns = 0;
  Byte ConstructionBuilding = 0;
  OneBased<Boolean, 5> BuildingBuilt;     // blacksmith, barracks, stables, market, thieves' den
  OneBased<Boolean, 5> CastleStageBuilt;  // keep, bailey, fort, bunker, castle
  OneBased<Byte, 10> SitesHeld;
  OneBased<Integer, 2> MapObjectValues;
  OneBased<Byte, 3> VillageStates;
  OneBased<Byte, 3> WindmillStates;
  Byte OutpostState = 0;
  Byte SpareState = 0;
  OneBased<Byte, 3> ChestStates;
  OneBased<Byte, 10> FieldStates;  // 0 fallow, 1 crops, 2 cattle, 3 flooded, 4 leased
  Byte ReservedByte = 0;
  Integer LordLeadership = 0;
  Integer LordNobility = 0;
  Integer LordDiplomacy = 0;
  Integer LordReligion = 0;
  Byte SellPercent = 0;
  Byte BuyPercent = 0;
  Byte SellGood = 0;
  Byte BuyGood = 0;
  Long MarketWood = 0;
  Long MarketStone = 0;
  Long MarketOre = 0;
  Byte SpareFlag = 0;
  OneBased<Byte, 10> CountyStance;
  OneBased<Byte, 2> RivalStance;
  Boolean Rival1Standing = 0;
  Boolean Rival2Standing = 0;
  OneBased<RivalCounty, 2> Rivals;
  OneBased<CampComposition, 5> CampArmies;  // 1..3 rival county 1, 4..5 rival county 2
  Boolean RebelsActive = 0;
  OneBased<Integer, 2> RebelValues;
  OneBased<Integer, 2> RebelStrength;
  OneBased<Integer, 2> RebelBandStrengths;
  OneBased<Boolean, 3> GoalFlags;
  OutlawArmies Outlaws;
  OneBased<Integer, 2> GoalCounters;
  CampComposition BattleArmy;

  // Named views of the guard screen's bytes.
  Byte& AssassinTurns() { return GuardMissions[1]; }
  Byte& AssassinKind() { return GuardMissions[2]; }
  Byte& AssassinTarget() { return GuardMissions[3]; }
  Byte& ScoutTurns() { return GuardMissions[4]; }
  Byte& ScoutTarget() { return GuardMissions[5]; }
  Byte& AssassinLevel() { return GuardMissions[6]; }

  friend bool operator==(const GameState&, const GameState&) = default;
};

}  // namespace valorne
