// The save record, described once: every field of the game state in file
// order. Packing, unpacking, the layout table and the JSON dump all walk this
// one list, so they cannot drift apart.
//
// A visitor provides:
//   Scalar(name, field)                      Byte, Integer, Long or Single
//   Tithe(name, field)                       a Long kept in 16 bits
//   Array(name, OneBased<T, N>&)             elements in index order
//   Army(name, index, ArmyComposition&)      one element of a troop-list array
//   Camp(name, index, CampComposition&)      (index 0: a single troop list)
//   Rival(name, index, RivalCounty&, armies) a rival county with 3 or 2 armies
//   Outlaws(name, OutlawArmies&)
#pragma once

#include "state/game_state.h"

namespace valorne {

inline constexpr int kRecordSize = 792;

template <typename Visitor, typename State>
void VisitRecord(Visitor& v, State& s) {
  v.Scalar("LevelNumber", s.LevelNumber);
  v.Scalar("PlayerUndefeated", s.PlayerUndefeated);
  v.Scalar("Turn", s.Turn);
  v.Array("WarMarchTurns", s.WarMarchTurns);
  v.Scalar("Season", s.Season);
  v.Array("WarCountdown", s.WarCountdown);
  v.Array("RivalStatus", s.RivalStatus);
  v.Scalar("RivalStatus4", s.RivalStatus4);
  v.Scalar("Gold", s.Gold);
  v.Scalar("WoodStock", s.WoodStock);
  v.Scalar("StoneStock", s.StoneStock);
  v.Scalar("OreStock", s.OreStock);
  v.Scalar("GrainStock", s.GrainStock);
  v.Scalar("MeatStock", s.MeatStock);
  v.Scalar("Population", s.Population);
  v.Scalar("Happiness", s.Happiness);
  v.Scalar("Health", s.Health);
  v.Scalar("TaxRate", s.TaxRate);
  v.Tithe("TitheDemand", s.TitheDemand);
  v.Scalar("FarmingLevel", s.FarmingLevel);
  v.Scalar("FarmingResearchTurns", s.FarmingResearchTurns);
  v.Scalar("GuardLevel", s.GuardLevel);
  v.Scalar("GuardResearchTurns", s.GuardResearchTurns);
  v.Scalar("PreviousGold", s.PreviousGold);
  v.Scalar("PreviousWood", s.PreviousWood);
  v.Scalar("PreviousStone", s.PreviousStone);
  v.Scalar("PreviousOre", s.PreviousOre);
  v.Scalar("PreviousGrain", s.PreviousGrain);
  v.Scalar("PreviousMeat", s.PreviousMeat);
  v.Scalar("PreviousPopulation", s.PreviousPopulation);
  v.Scalar("PreviousHappiness", s.PreviousHappiness);
  v.Scalar("PreviousHealth", s.PreviousHealth);
  v.Scalar("IdlePeople", s.IdlePeople);
  v.Scalar("CropsWorkers", s.CropsWorkers);
  v.Scalar("CattleWorkers", s.CattleWorkers);
  v.Scalar("CropYieldPerField", s.CropYieldPerField);
  v.Scalar("CattleYieldPerField", s.CattleYieldPerField);
  v.Scalar("WolvesLoss", s.WolvesLoss);
  v.Scalar("BirdsLoss", s.BirdsLoss);
  v.Scalar("Morale", s.Morale);
  v.Scalar("EatMeat", s.EatMeat);
  v.Scalar("EatGrain", s.EatGrain);
  v.Scalar("TournamentHeld", s.TournamentHeld);
  v.Scalar("TournamentPrize", s.TournamentPrize);
  v.Array("ThievesIncome", s.ThievesIncome);
  v.Scalar("TradeRepeatKey", s.TradeRepeatKey);
  v.Scalar("GarrisonedArmy", s.GarrisonedArmy);
  v.Scalar("LeasedFields", s.LeasedFields);
  v.Array("ArmyWaypointNos", s.ArmyWaypointNos);
  v.Scalar("ArmyFacing", s.ArmyFacing);
  v.Array("SpareBytes", s.SpareBytes);
  v.Scalar("SelectedArmy", s.SelectedArmy);
  v.Scalar("WoodWorkers", s.WoodWorkers);
  v.Scalar("WoodSlotsUsed", s.WoodSlotsUsed);
  v.Array("WoodSlots", s.WoodSlots);
  v.Scalar("StoneWorkers", s.StoneWorkers);
  v.Scalar("StoneSlotsUsed", s.StoneSlotsUsed);
  v.Array("StoneSlots", s.StoneSlots);
  v.Scalar("OreWorkers", s.OreWorkers);
  v.Scalar("OreSlotsUsed", s.OreSlotsUsed);
  v.Array("OreSlots", s.OreSlots);
  v.Scalar("ForgeOrder", s.ForgeOrder);
  v.Scalar("Bows", s.Bows);
  v.Scalar("LongBows", s.LongBows);
  v.Scalar("WarlordsAvailable", s.WarlordsAvailable);
  v.Scalar("EngineersAvailable", s.EngineersAvailable);
  v.Scalar("Clubs", s.Clubs);
  v.Scalar("Swords", s.Swords);
  v.Scalar("Helebards", s.Helebards);
  v.Scalar("TwoHandSwords", s.TwoHandSwords);
  v.Scalar("Maces", s.Maces);
  v.Scalar("Pikes", s.Pikes);
  v.Scalar("Crosses", s.Crosses);
  v.Scalar("ChainMails", s.ChainMails);
  v.Scalar("PlateArmours", s.PlateArmours);
  v.Scalar("Shields", s.Shields);
  v.Array("ArmySizes", s.ArmySizes);
  v.Array("ArmyExists", s.ArmyExists);
  v.Array("ArmyMovesLeft", s.ArmyMovesLeft);
  v.Array("GuardMissions", s.GuardMissions);
  for (int a = 1; a <= 3; ++a) v.Army("ArmySoldiers", a, s.ArmySoldiers[a]);
  v.Scalar("ConstructionTurns", s.ConstructionTurns);
  v.Scalar("ConstructionBuilding", s.ConstructionBuilding);
  v.Array("BuildingBuilt", s.BuildingBuilt);
  v.Array("CastleStageBuilt", s.CastleStageBuilt);
  v.Array("SitesHeld", s.SitesHeld);
  v.Array("MapObjectValues", s.MapObjectValues);
  v.Array("VillageStates", s.VillageStates);
  v.Array("WindmillStates", s.WindmillStates);
  v.Scalar("OutpostState", s.OutpostState);
  v.Scalar("SpareState", s.SpareState);
  v.Array("ChestStates", s.ChestStates);
  v.Array("FieldStates", s.FieldStates);
  v.Scalar("ReservedByte", s.ReservedByte);
  v.Scalar("LordLeadership", s.LordLeadership);
  v.Scalar("LordNobility", s.LordNobility);
  v.Scalar("LordDiplomacy", s.LordDiplomacy);
  v.Scalar("LordReligion", s.LordReligion);
  v.Scalar("SellPercent", s.SellPercent);
  v.Scalar("BuyPercent", s.BuyPercent);
  v.Scalar("SellGood", s.SellGood);
  v.Scalar("BuyGood", s.BuyGood);
  v.Scalar("MarketWood", s.MarketWood);
  v.Scalar("MarketStone", s.MarketStone);
  v.Scalar("MarketOre", s.MarketOre);
  v.Scalar("SpareFlag", s.SpareFlag);
  v.Array("CountyStance", s.CountyStance);
  v.Array("RivalStance", s.RivalStance);
  v.Scalar("Rival1Standing", s.Rival1Standing);
  v.Rival("Rivals", 1, s.Rivals[1], 3);
  for (int c = 1; c <= 3; ++c) v.Camp("CampArmies", c, s.CampArmies[c]);
  v.Scalar("Rival2Standing", s.Rival2Standing);
  v.Rival("Rivals", 2, s.Rivals[2], 2);
  for (int c = 4; c <= 5; ++c) v.Camp("CampArmies", c, s.CampArmies[c]);
  v.Scalar("RebelsActive", s.RebelsActive);
  v.Array("RebelValues", s.RebelValues);
  v.Array("RebelStrength", s.RebelStrength);
  v.Array("RebelBandStrengths", s.RebelBandStrengths);
  v.Array("GoalFlags", s.GoalFlags);
  v.Outlaws("OutlawArmies", s.Outlaws);
  v.Array("GoalCounters", s.GoalCounters);
  v.Camp("BattleArmy", 0, s.BattleArmy);
}

// The members of one troop list, in unit order.
template <typename Visitor, typename TroopsT>
void VisitTroops(Visitor& v, TroopsT& t) {
  v.Scalar("Monks", t.Monks);
  v.Scalar("Archers", t.Archers);
  v.Scalar("ClubMen", t.ClubMen);
  v.Scalar("SwordMen", t.SwordMen);
  v.Scalar("Helebarders", t.Helebarders);
  v.Scalar("TwoHanders", t.TwoHanders);
  v.Scalar("Cavalry", t.Cavalry);
  v.Scalar("HeavyCavalry", t.HeavyCavalry);
  v.Scalar("Champions", t.Champions);
  v.Scalar("Templars", t.Templars);
  v.Scalar("Paladins", t.Paladins);
  v.Scalar("LongBowmen", t.LongBowmen);
  v.Scalar("Warlords", t.Warlords);
  v.Scalar("Engineers", t.Engineers);
}

// The members of one rival county; `armies` is 3 for county 1 and 2 for county 2.
template <typename Visitor, typename RivalT>
void VisitRival(Visitor& v, RivalT& r, int county, int armies) {
  v.Scalar("Gold", r.Gold);
  v.Scalar("TaxRate", r.TaxRate);
  v.Scalar("Morale", r.Morale);
  v.Scalar("Happiness", r.Happiness);
  v.Scalar("People", r.People);
  v.Scalar("Leadership", r.Leadership);
  v.Scalar("Nobility", r.Nobility);
  v.Scalar("Diplomacy", r.Diplomacy);
  v.Scalar("Religion", r.Religion);
  v.Scalar("Assassins", r.Assassins);
  v.Scalar("Guard", r.Guard);
  v.Scalar("GuardTurns", r.GuardTurns);
  v.Array("CastleStage", r.CastleStage);
  v.Prefix("ArmyRaised", r.ArmyRaised, armies);
  v.Prefix(county == 1 ? "Rival1CampStates" : "Rival2CampStates", r.CampStates, armies);
}

// The outlaw arrays, one per unit kind, each of entries 0..5.
template <typename Visitor, typename OutlawsT>
void VisitOutlaws(Visitor& v, OutlawsT& o) {
  v.Entries("OutlawMonks", o.Monks);
  v.Entries("OutlawArchers", o.Archers);
  v.Entries("OutlawClubMen", o.ClubMen);
  v.Entries("OutlawSwordMen", o.SwordMen);
  v.Entries("OutlawHelebarders", o.Helebarders);
  v.Entries("OutlawTwoHanders", o.TwoHanders);
  v.Entries("OutlawCavalry", o.Cavalry);
  v.Entries("OutlawHeavyCavalry", o.HeavyCavalry);
  v.Entries("OutlawChampions", o.Champions);
  v.Entries("OutlawTemplars", o.Templars);
  v.Entries("OutlawPaladins", o.Paladins);
  v.Entries("OutlawLongBowmen", o.LongBowmen);
  v.Entries("OutlawWarlords", o.Warlords);
  v.Entries("OutlawEngineers", o.Engineers);
}

}  // namespace valorne
