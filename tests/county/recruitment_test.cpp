#include "county/recruitment.h"

#include <gtest/gtest.h>

#include <vector>

#include "county/unit_catalogue.h"

namespace valorne {
namespace {

using Row = ArmouryRow;

// A county with barracks and stables, a pious lord, many idle people and a
// full armoury.
struct RecruitingCounty {
  Game game;
  Recruiting recruiting;
  explicit RecruitingCounty(long stock = 10000, Long idle = 20000) {
    GameState& s = game.state;
    game.Difficulty = 2;
    s.BuildingBuilt[2] = kTrue;
    s.BuildingBuilt[3] = kTrue;
    s.LordReligion = 95;
    s.Population = idle + 1000;
    s.IdlePeople = idle;
    std::array<long, kArmouryRows> stocks{};
    stocks.fill(stock);
    SetArmouryStocks(s, stocks);
    recruiting = BeginRecruiting(s, kRecruitPlaceCastle);
  }
  Outcome Choose(int type) { return ChooseUnitType(game, recruiting, type); }
  Outcome Raise() { return RaiseOneSoldier(game, recruiting); }
  int RaiseMany(int n) {
    int raised = 0;
    while (raised < n && Raise().accepted) ++raised;
    return raised;
  }
};

TEST(Recruitment, EachTypeTakesItsEquipmentAndGivesItBack) {
  struct Case {
    int type;
    std::vector<ArmouryRow> takes;
    int army_slot;
  };
  const Case cases[] = {
      {1, {Row::Crosses}, 1},
      {2, {Row::Bows}, 2},
      {3, {Row::Clubs}, 3},
      {4, {Row::Swords, Row::Shields, Row::PlateArmours}, 4},
      {5, {Row::Helebards, Row::ChainMails}, 5},
      {6, {Row::TwoHandSwords, Row::ChainMails}, 6},
      {7, {Row::Swords, Row::ChainMails}, 7},
      {8, {Row::Maces, Row::Shields, Row::PlateArmours}, 8},
      {9, {Row::Pikes, Row::Shields, Row::PlateArmours}, 9},
      {10, {Row::TwoHandSwords, Row::PlateArmours}, 10},
      {11, {Row::Swords, Row::PlateArmours}, 11},
      {12, {Row::Engineers}, 14},
      {13, {Row::LongBows}, 12},
      {14, {Row::Warlords}, 13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "type " << c.type);
    RecruitingCounty county(200);
    const Long gold = county.game.state.Gold = 777;
    ASSERT_TRUE(county.Choose(c.type).accepted);
    ASSERT_TRUE(county.Raise().accepted);
    const auto after = ArmouryStocks(county.game.state);
    for (int row = 0; row < kArmouryRows; ++row) {
      bool taken = false;
      for (ArmouryRow t : c.takes) taken = taken || static_cast<int>(t) == row;
      EXPECT_EQ(after[static_cast<std::size_t>(row)], taken ? 199 : 200) << "row " << row;
    }
    EXPECT_EQ(county.recruiting.RaisedSoldiers.Get(c.army_slot), 1);
    EXPECT_EQ(county.recruiting.RaisedSoldiers.Total(), 1);
    EXPECT_EQ(county.recruiting.RaisedTotal, 1);
    EXPECT_EQ(county.game.state.Gold, gold);  // soldiers cost no gold

    ASSERT_TRUE(ReleaseOneSoldier(county.game, county.recruiting).accepted);
    for (long stock : ArmouryStocks(county.game.state)) EXPECT_EQ(stock, 200);
    EXPECT_EQ(county.recruiting.RaisedTotal, 0);
    EXPECT_FALSE(ReleaseOneSoldier(county.game, county.recruiting).accepted);
  }
}

TEST(Recruitment, RaisingStopsAtEachLimit) {
  struct Case {
    const char* name;
    int type;
    long stock;
    Long idle;
    int tries;
    int raised;
    TextRef hint;
  };
  const Case cases[] = {
      {"sixth monk", 1, 100, 1000, 10, 5, {4, 18}},
      {"second warlord", 14, 100, 1000, 10, 1, {4, 18}},
      {"no more idle people", 2, 1000, 150, 200, 150, {4, 20}},
      {"army of 4000", 2, 5000, 20000, 4100, 4000, {4, 21}},
      {"out of bows", 2, 30, 1000, 100, 30, {4, 18}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecruitingCounty county(c.stock, c.idle);
    ASSERT_TRUE(county.Choose(c.type).accepted);
    EXPECT_EQ(county.RaiseMany(c.tries), c.raised);
    const auto before = ArmouryStocks(county.game.state);
    const Outcome refused = county.Raise();
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(refused.hint, c.hint);
    EXPECT_EQ(county.recruiting.RaisedTotal, c.raised);
    EXPECT_EQ(ArmouryStocks(county.game.state), before);
  }
}

TEST(Recruitment, SwordsmanNeedsEveryPiece) {
  RecruitingCounty county;
  county.game.state.Shields = 0;
  ASSERT_TRUE(county.Choose(4).accepted);
  EXPECT_EQ(county.Raise().hint, (TextRef{4, 18}));
  EXPECT_EQ(county.game.state.Swords, 10000);
  EXPECT_EQ(county.game.state.PlateArmours, 10000);
}

TEST(Recruitment, ChoosingATypeChecksItsCondition) {
  struct Case {
    const char* name;
    int type;
    int difficulty;
    Integer religion;
    bool stables;
    bool accepted;
    TextRef hint;
  };
  const Case cases[] = {
      {"monk, easy, 55", 1, 1, 55, true, true, {}},
      {"monk, easy, 54", 1, 1, 54, true, false, {}},
      {"monk, normal, 69", 1, 2, 69, true, false, {}},
      {"monk, hard, 90", 1, 3, 90, true, true, {}},
      {"monk, hard, 89", 1, 3, 89, true, false, {}},
      {"cavalry without stables", 7, 2, 100, false, false, kBuildingMissing},
      {"heavy cavalry without stables", 8, 2, 100, false, false, kBuildingMissing},
      {"champion without stables", 9, 2, 100, false, false, kBuildingMissing},
      {"champion with stables", 9, 2, 0, true, true, {}},
      {"templar, 49", 10, 2, 49, true, false, {}},
      {"paladin, 50", 11, 2, 50, true, true, {}},
      {"archer, no religion", 2, 3, 0, false, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecruitingCounty county;
    county.game.Difficulty = static_cast<Byte>(c.difficulty);
    county.game.state.LordReligion = c.religion;
    county.game.state.BuildingBuilt[3] = ToBoolean(c.stables);
    county.recruiting.SelectedUnitType = 5;
    const Outcome o = county.Choose(c.type);
    EXPECT_EQ(o.accepted, c.accepted);
    EXPECT_EQ(o.hint, c.hint);
    EXPECT_EQ(county.recruiting.SelectedUnitType, c.accepted ? c.type : 5);
  }
}

TEST(Recruitment, FormsIntoTheFirstFreeArmy) {
  struct Case {
    std::array<bool, 3> exist;
    Byte place;
    int army;  // 0: no free slot
  };
  const Case cases[] = {
      {{false, false, false}, kRecruitPlaceCastle, 1},
      {{true, false, false}, kRecruitPlaceCastle, 2},
      {{true, false, true}, kRecruitPlaceOutpost, 2},
      {{false, true, true}, kRecruitPlaceOutpost, 1},
      {{true, true, false}, kRecruitPlaceCastle, 3},
      {{true, true, true}, kRecruitPlaceCastle, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.exist[0] << c.exist[1] << c.exist[2]);
    RecruitingCounty county;
    GameState& s = county.game.state;
    s.Morale = 60;
    for (int a = 1; a <= 3; ++a) {
      if (c.exist[static_cast<std::size_t>(a - 1)]) {
        s.ArmyExists[a] = kTrue;
        s.ArmySizes[a] = 500;
        s.ArmySoldiers[a].Archers = 500;
        s.ArmyWaypointNos[a] = 30;
      }
    }
    county.recruiting.RecruitPlace = c.place;
    EXPECT_EQ(CanFormAnotherArmy(s), c.army != 0);
    EXPECT_EQ(FirstFreeArmy(s), c.army);
    ASSERT_TRUE(county.Choose(13).accepted);
    ASSERT_EQ(county.RaiseMany(40), 40);
    ASSERT_TRUE(county.Choose(12).accepted);
    ASSERT_EQ(county.RaiseMany(10), 10);
    ASSERT_TRUE(county.Choose(14).accepted);
    ASSERT_EQ(county.RaiseMany(1), 1);
    ASSERT_TRUE(county.Choose(2).accepted);
    ASSERT_EQ(county.RaiseMany(49), 49);
    const Long people = s.Population;
    const Long idle = s.IdlePeople;

    const Outcome o = FormArmy(county.game, county.recruiting);
    if (c.army == 0) {
      EXPECT_FALSE(o.accepted);
      EXPECT_EQ(s.Population, people);
      continue;
    }
    ASSERT_TRUE(o.accepted);
    const int a = c.army;
    EXPECT_TRUE(IsTrue(s.ArmyExists[a]));
    EXPECT_EQ(s.ArmySizes[a], 100);
    EXPECT_EQ(s.ArmySoldiers[a].LongBowmen, 40);
    EXPECT_EQ(s.ArmySoldiers[a].Engineers, 10);
    EXPECT_EQ(s.ArmySoldiers[a].Warlords, 1);
    EXPECT_EQ(s.ArmySoldiers[a].Archers, 49);
    EXPECT_EQ(s.ArmyWaypointNos[a],
              c.place == kRecruitPlaceOutpost ? kOutpostWaypoint : kCastleGateWaypoint);
    EXPECT_EQ(s.ArmyMovesLeft[a], 2);
    EXPECT_EQ(s.Population, people - 100);
    EXPECT_EQ(s.IdlePeople, idle - 100);
    EXPECT_EQ(county.recruiting.RaisedTotal, 0);
    EXPECT_EQ(county.recruiting.SelectedUnitType, 0);
    EXPECT_EQ(county.recruiting.RaisedSoldiers.Total(), 0);
    for (int other = 1; other <= 3; ++other) {
      if (other == a) continue;
      EXPECT_EQ(s.ArmySizes[other], c.exist[static_cast<std::size_t>(other - 1)] ? 500 : 0);
    }
  }
}

TEST(Recruitment, NinetyNineSoldiersAreNoArmy) {
  RecruitingCounty county;
  ASSERT_TRUE(county.Choose(3).accepted);
  ASSERT_EQ(county.RaiseMany(99), 99);
  const Outcome o = FormArmy(county.game, county.recruiting);
  EXPECT_FALSE(o.accepted);
  EXPECT_EQ(o.hint, (TextRef{4, 19}));
  EXPECT_FALSE(IsTrue(county.game.state.ArmyExists[1]));
  EXPECT_EQ(county.recruiting.RaisedTotal, 99);
}

TEST(Recruitment, CancellingRestoresEveryStockAndPool) {
  RecruitingCounty county(300);
  GameState& s = county.game.state;
  s.WarlordsAvailable = 2;
  s.EngineersAvailable = 7;
  county.recruiting = BeginRecruiting(s, kRecruitPlaceCastle);
  const auto on_opening = ArmouryStocks(s);
  const GameState before = s;
  for (int type = 1; type <= kUnitTypes; ++type) {
    ASSERT_TRUE(county.Choose(type).accepted);
    county.RaiseMany(3);
  }
  EXPECT_NE(ArmouryStocks(s), on_opening);
  EXPECT_EQ(s.WarlordsAvailable, 1);
  EXPECT_EQ(s.EngineersAvailable, 4);
  CancelRecruiting(county.game, county.recruiting);
  EXPECT_EQ(s, before);
  EXPECT_EQ(county.recruiting.RaisedTotal, 0);
  EXPECT_EQ(county.recruiting.RaisedSoldiers.Total(), 0);
}

TEST(Recruitment, OpeningNeedsTheBarracksAndAHeldOutpost) {
  GameState s;
  s.OutpostState = 100;
  EXPECT_EQ(CanOpenRecruiting(s, kRecruitPlaceCastle).hint, kBuildingMissing);
  s.BuildingBuilt[2] = kTrue;
  EXPECT_TRUE(CanOpenRecruiting(s, kRecruitPlaceCastle).accepted);
  const Outcome outpost = CanOpenRecruiting(s, kRecruitPlaceOutpost);
  EXPECT_FALSE(outpost.accepted);
  EXPECT_FALSE(outpost.HasHint());
  s.OutpostState = 200;
  EXPECT_TRUE(CanOpenRecruiting(s, kRecruitPlaceOutpost).accepted);
}

TEST(Recruitment, FiguresOfTheChosenType) {
  RecruitingCounty county(50);
  ASSERT_TRUE(county.Choose(9).accepted);  // champion
  county.RaiseMany(2);
  const RecruitFigures f = RecruitingFigures(county.game, county.recruiting);
  EXPECT_EQ(f.Attack, "6 (13)");
  EXPECT_EQ(f.Speed, "10");
  EXPECT_EQ(f.NeedsWeapon, "1");
  EXPECT_EQ(f.NeedsShield, "1");
  EXPECT_EQ(f.NeedsChainMail, "0");
  EXPECT_EQ(f.NeedsPlate, "1");
  EXPECT_EQ(f.Weapon, "48");
  EXPECT_EQ(f.ChainMail, "50");
  EXPECT_EQ(f.Raised, "2");
  EXPECT_EQ(f.Name, (TextRef{4, 68}));
  EXPECT_EQ(f.Hint, (TextRef{1, 28}));
  EXPECT_EQ(f.Portrait, "sold9res");
  ASSERT_TRUE(county.Choose(14).accepted);
  EXPECT_EQ(RecruitingFigures(county.game, county.recruiting).NeedsWeapon, "0");
}

}  // namespace
}  // namespace valorne
