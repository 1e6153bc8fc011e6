// Packing and unpacking the save record: every field comes back as it went
// in, each named field reads the bytes at its own place in the file, and the
// rules of loading (another level, fallen rivals, the battle copy) hold.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <functional>
#include <type_traits>
#include <utility>

#include "state/record.h"

namespace valorne {
namespace {

// A record whose every byte differs from its neighbours, that belongs to
// level 9, in which both rival counties stand and whose reals are numbers.
Record PatternedRecord() {
  Record r{};
  for (std::size_t i = 0; i < r.size(); ++i) r[i] = static_cast<std::uint8_t>(i * 37 + 11);
  r[0] = 9;
  auto put_real = [&](int offset, float value) {
    auto bits = std::bit_cast<std::uint32_t>(value);
    for (int b = 0; b < 4; ++b)
      r[static_cast<std::size_t>(offset + b)] = static_cast<std::uint8_t>(bits >> (8 * b));
  };
  put_real(98, 12.5f);     // Morale
  put_real(380, -3.25f);   // rival county 1's morale
  put_real(504, 61.75f);   // rival county 2's morale
  r[373] = r[374] = 0xFF;  // Rival1Standing
  r[497] = r[498] = 0xFF;  // Rival2Standing
  return r;
}

double Stored(const Record& r, int offset, int width, bool is_signed, bool is_real) {
  std::uint32_t v = 0;
  for (int i = 0; i < width; ++i)
    v |= std::uint32_t{r[static_cast<std::size_t>(offset + i)]} << (8 * i);
  if (is_real) return std::bit_cast<float>(v);
  if (!is_signed) return v;
  if (width == 2) return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
  if (width == 4) return static_cast<std::int32_t>(v);
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(v));
}

struct NamedField {
  const char* name;
  int offset;
  int width;
  bool is_signed;
  bool is_real;
  std::function<double(GameState&)> get;
};

#define FIELD_W(expr, offset, width)                                                           \
  NamedField {                                                                                 \
#expr, offset, width,                                                                      \
        std::is_signed_v < std::remove_cvref_t < decltype(std::declval <GameState&>().expr)>>, \
        std::is_floating_point_v < std::remove_cvref_t <                                       \
            decltype(std::declval <GameState&>().expr)>>,                                      \
        [](GameState & s) { return static_cast<double>(s.expr); }                              \
  }
#define FIELD(expr, offset) \
  FIELD_W(expr, offset, static_cast<int>(sizeof(std::declval<GameState&>().expr)))

const std::vector<NamedField>& NamedFields() {
  static const std::vector<NamedField> fields = {
      FIELD(LevelNumber, 0),
      FIELD(PlayerUndefeated, 1),
      FIELD(Turn, 3),
      FIELD(WarMarchTurns[2], 5),
      FIELD(Season, 6),
      FIELD(WarCountdown[1], 7),
      FIELD(WarCountdown[2], 8),
      FIELD(RivalStatus[3], 11),
      FIELD(RivalStatus4, 12),
      FIELD(Gold, 13),
      FIELD(WoodStock, 17),
      FIELD(StoneStock, 21),
      FIELD(OreStock, 25),
      FIELD(GrainStock, 29),
      FIELD(MeatStock, 33),
      FIELD(Population, 37),
      FIELD(Happiness, 41),
      FIELD(Health, 43),
      FIELD(TaxRate, 45),
      FIELD_W(TitheDemand, 46, 2),
      FIELD(FarmingLevel, 48),
      FIELD(FarmingResearchTurns, 49),
      FIELD(GuardLevel, 50),
      FIELD(GuardResearchTurns, 51),
      FIELD(PreviousGold, 52),
      FIELD(PreviousWood, 56),
      FIELD(PreviousStone, 60),
      FIELD(PreviousOre, 64),
      FIELD(PreviousGrain, 68),
      FIELD(PreviousMeat, 72),
      FIELD(PreviousPopulation, 76),
      FIELD(PreviousHappiness, 80),
      FIELD(PreviousHealth, 82),
      FIELD(IdlePeople, 84),
      FIELD(CropsWorkers, 88),
      FIELD(CattleWorkers, 90),
      FIELD(CropYieldPerField, 92),
      FIELD(CattleYieldPerField, 94),
      FIELD(WolvesLoss, 96),
      FIELD(BirdsLoss, 97),
      FIELD(Morale, 98),
      FIELD(EatMeat, 102),
      FIELD(EatGrain, 104),
      FIELD(TournamentHeld, 106),
      FIELD(TournamentPrize, 108),
      FIELD(ThievesIncome[4], 113),
      FIELD(TradeRepeatKey, 114),
      FIELD(GarrisonedArmy, 115),
      FIELD(LeasedFields, 116),
      FIELD(ArmyWaypointNos[3], 119),
      FIELD(ArmyFacing, 120),
      FIELD(SpareBytes[1], 121),
      FIELD(SpareBytes[2], 122),
      FIELD(SelectedArmy, 123),
      FIELD(WoodWorkers, 124),
      FIELD(WoodSlotsUsed, 126),
      FIELD(WoodSlots[5], 132),
      FIELD(StoneWorkers, 133),
      FIELD(StoneSlotsUsed, 135),
      FIELD(StoneSlots[1], 137),
      FIELD(OreWorkers, 142),
      FIELD(OreSlotsUsed, 144),
      FIELD(OreSlots[5], 150),
      FIELD(ForgeOrder, 151),
      FIELD(Bows, 152),
      FIELD(LongBows, 154),
      FIELD(WarlordsAvailable, 156),
      FIELD(EngineersAvailable, 157),
      FIELD(Clubs, 159),
      FIELD(Swords, 161),
      FIELD(Helebards, 163),
      FIELD(TwoHandSwords, 165),
      FIELD(Maces, 167),
      FIELD(Pikes, 169),
      FIELD(Crosses, 171),
      FIELD(ChainMails, 173),
      FIELD(PlateArmours, 175),
      FIELD(Shields, 177),
      FIELD(ArmySizes[3], 183),
      FIELD(ArmyExists[2], 187),
      FIELD(ArmyMovesLeft[3], 193),
      FIELD(GuardMissions[6], 199),
      FIELD(ArmySoldiers[1].Monks, 200),
      FIELD(ArmySoldiers[1].Archers, 201),
      FIELD(ArmySoldiers[2].ClubMen, 229),
      FIELD(ArmySoldiers[2].SwordMen, 231),
      FIELD(ArmySoldiers[2].Helebarders, 233),
      FIELD(ArmySoldiers[2].TwoHanders, 235),
      FIELD(ArmySoldiers[2].Cavalry, 237),
      FIELD(ArmySoldiers[2].HeavyCavalry, 239),
      FIELD(ArmySoldiers[3].Champions, 267),
      FIELD(ArmySoldiers[3].Templars, 269),
      FIELD(ArmySoldiers[3].Paladins, 271),
      FIELD(ArmySoldiers[3].LongBowmen, 273),
      FIELD(ArmySoldiers[3].Warlords, 275),
      FIELD(ArmySoldiers[3].Engineers, 276),
      FIELD(ConstructionTurns, 278),
      FIELD(ConstructionBuilding, 279),
      FIELD(BuildingBuilt[5], 288),
      FIELD(CastleStageBuilt[1], 290),
      FIELD(SitesHeld[10], 309),
      FIELD(MapObjectValues[2], 312),
      FIELD(VillageStates[1], 314),
      FIELD(WindmillStates[3], 319),
      FIELD(OutpostState, 320),
      FIELD(SpareState, 321),
      FIELD(ChestStates[2], 323),
      FIELD(FieldStates[10], 334),
      FIELD(ReservedByte, 335),
      FIELD(LordLeadership, 336),
      FIELD(LordNobility, 338),
      FIELD(LordDiplomacy, 340),
      FIELD(LordReligion, 342),
      FIELD(SellPercent, 344),
      FIELD(BuyPercent, 345),
      FIELD(SellGood, 346),
      FIELD(BuyGood, 347),
      FIELD(MarketWood, 348),
      FIELD(MarketStone, 352),
      FIELD(MarketOre, 356),
      FIELD(SpareFlag, 360),
      FIELD(CountyStance[10], 370),
      FIELD(RivalStance[2], 372),
      FIELD(Rival1Standing, 373),
      FIELD(Rivals[1].Gold, 375),
      FIELD(Rivals[1].TaxRate, 379),
      FIELD(Rivals[1].Morale, 380),
      FIELD(Rivals[1].Happiness, 384),
      FIELD(Rivals[1].People, 388),
      FIELD(Rivals[1].Leadership, 392),
      FIELD(Rivals[1].Nobility, 394),
      FIELD(Rivals[1].Diplomacy, 396),
      FIELD(Rivals[1].Religion, 398),
      FIELD(Rivals[1].Assassins, 400),
      FIELD(Rivals[1].Guard, 401),
      FIELD(Rivals[1].GuardTurns, 402),
      FIELD(Rivals[1].CastleStage[1], 403),
      FIELD(Rivals[1].ArmyRaised[1], 413),
      FIELD(Rivals[1].CampStates[1], 419),
      FIELD(Rivals[1].CampStates[3], 421),
      FIELD(CampArmies[1].Monks, 422),
      FIELD(CampArmies[2].Archers, 448),
      FIELD(CampArmies[3].Engineers, 496),
      FIELD(Rival2Standing, 497),
      FIELD(Rivals[2].Gold, 499),
      FIELD(Rivals[2].Morale, 504),
      FIELD(Rivals[2].Happiness, 508),
      FIELD(Rivals[2].People, 512),
      FIELD(Rivals[2].GuardTurns, 526),
      FIELD(Rivals[2].CastleStage[5], 535),
      FIELD(Rivals[2].ArmyRaised[2], 539),
      FIELD(Rivals[2].CampStates[2], 542),
      FIELD(CampArmies[4].Monks, 543),
      FIELD(CampArmies[5].Warlords, 591),
      FIELD(CampArmies[5].Engineers, 592),
      FIELD(RebelsActive, 593),
      FIELD(RebelValues[2], 597),
      FIELD(RebelStrength[1], 599),
      FIELD(RebelBandStrengths[2], 605),
      FIELD(GoalFlags[3], 611),
      FIELD(Outlaws.Monks[0], 613),
      FIELD(Outlaws.Archers[1], 621),
      FIELD(Outlaws.ClubMen[2], 635),
      FIELD(Outlaws.SwordMen[3], 649),
      FIELD(Outlaws.Helebarders[4], 663),
      FIELD(Outlaws.TwoHanders[5], 677),
      FIELD(Outlaws.Cavalry[0], 679),
      FIELD(Outlaws.HeavyCavalry[1], 693),
      FIELD(Outlaws.Champions[2], 707),
      FIELD(Outlaws.Templars[3], 721),
      FIELD(Outlaws.Paladins[4], 735),
      FIELD(Outlaws.LongBowmen[5], 749),
      FIELD(Outlaws.Warlords[1], 752),
      FIELD(Outlaws.Engineers[5], 762),
      FIELD(GoalCounters[1], 763),
      FIELD(GoalCounters[2], 765),
  };
  return fields;
}

TEST(RecordRoundTrip, EachNamedFieldReadsTheBytesAtItsPlace) {
  const Record record = PatternedRecord();
  GameState state;
  state.LevelNumber = 9;
  Byte prev = 0;
  ASSERT_EQ(UnpackGameState(record, state, prev), UnpackResult::Applied);
  for (const NamedField& f : NamedFields()) {
    SCOPED_TRACE(f.name);
    EXPECT_EQ(f.get(state), Stored(record, f.offset, f.width, f.is_signed, f.is_real));
  }
}

TEST(RecordRoundTrip, UnpackThenPackGivesBackEveryByteButTheBattleCopy) {
  const Record record = PatternedRecord();
  GameState state;
  state.LevelNumber = 9;
  state.BattleArmy.Archers = 4321;
  Byte prev = 0;
  ASSERT_EQ(UnpackGameState(record, state, prev), UnpackResult::Applied);
  EXPECT_EQ(state.BattleArmy.Archers, 4321) << "the battle copy is not read back";
  Record again{};
  PackGameState(state, again);
  for (std::size_t i = 0; i < 767; ++i) {
    ASSERT_EQ(again[i], record[i]) << "byte " << i;
  }
  EXPECT_EQ(again[768] | (again[769] << 8), 4321) << "the battle copy is written on save";
}

TEST(RecordRoundTrip, PackThenUnpackKeepsFieldsThatSitSideBySide) {
  GameState saved;
  saved.LevelNumber = 9;
  saved.Rival1Standing = kTrue;
  saved.Rival2Standing = kTrue;
  saved.TwoHandSwords = 11;
  saved.Maces = 22;
  saved.Rivals[1].Happiness = 33;
  saved.Rivals[1].People = 44;
  saved.ReservedByte = 0x5C;
  saved.SpareBytes = {0x12, 0x34};
  saved.TitheDemand = 1234;
  Record record{};
  PackGameState(saved, record);
  GameState loaded;
  loaded.LevelNumber = 9;
  Byte prev = 0;
  ASSERT_EQ(UnpackGameState(record, loaded, prev), UnpackResult::Applied);
  EXPECT_EQ(loaded, saved);
}

TEST(RecordRoundTrip, TitheDemandKeepsItsLow16BitsSignExtended) {
  const std::pair<Long, Long> cases[] = {
      {500, 500}, {32767, 32767}, {32768, -32768}, {40000, -25536}, {65535, -1},
      {65536, 0}, {70000, 4464},  {-1, -1},        {-32769, 32767},
  };
  for (const auto& [live, loaded] : cases) {
    SCOPED_TRACE(live);
    GameState state;
    state.LevelNumber = 9;
    state.TitheDemand = live;
    Record record{};
    PackGameState(state, record);
    Byte prev = 0;
    ASSERT_EQ(UnpackGameState(record, state, prev), UnpackResult::Applied);
    EXPECT_EQ(state.TitheDemand, loaded);
  }
}

TEST(RecordRoundTrip, AnotherLevelsRecordLeavesTheStateUntouched) {
  Record record = PatternedRecord();
  record[0] = 8;
  GameState state;
  state.LevelNumber = 9;
  state.Gold = 1234;
  state.Rivals[1].People = 99;
  const GameState before = state;
  Byte prev = 0;
  EXPECT_EQ(UnpackGameState(record, state, prev), UnpackResult::OtherLevel);
  EXPECT_EQ(state, before);
  EXPECT_EQ(prev, 9);
}

TEST(RecordRoundTrip, ARivalCountyThatDoesNotStandComesBackEmpty) {
  struct Case {
    bool county1_stands;
    bool county2_stands;
  };
  for (const Case c : {Case{true, false}, Case{false, true}, Case{false, false}}) {
    SCOPED_TRACE(std::to_string(c.county1_stands) + std::to_string(c.county2_stands));
    Record record = PatternedRecord();
    record[373] = record[374] = c.county1_stands ? 0xFF : 0;
    record[497] = record[498] = c.county2_stands ? 0xFF : 0;
    GameState state;
    state.LevelNumber = 9;
    Byte prev = 0;
    ASSERT_EQ(UnpackGameState(record, state, prev), UnpackResult::Applied);
    EXPECT_EQ(state.Rivals[1] == RivalCounty{}, !c.county1_stands);
    EXPECT_EQ(state.Rivals[2] == RivalCounty{}, !c.county2_stands);
    for (int camp = 1; camp <= 5; ++camp) {
      const bool stands = camp <= 3 ? c.county1_stands : c.county2_stands;
      EXPECT_EQ(state.CampArmies[camp] == CampComposition{}, !stands) << "camp " << camp;
    }
    EXPECT_EQ(state.Gold, Stored(record, 13, 4, true, false)) << "the rest is loaded";
  }
}

}  // namespace
}  // namespace valorne
