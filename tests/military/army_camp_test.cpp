// The army camp's rules: what an army carries, disbanding, the split and
// the combine.
#include "military/army_camp.h"

#include <gtest/gtest.h>

#include "state/start_values.h"

namespace valorne {
namespace {

ArmyComposition ArmyOf(std::initializer_list<std::pair<Unit, int>> counts) {
  ArmyComposition a;
  for (const auto& [unit, count] : counts) a.Set(unit, count);
  return a;
}

void PutArmy(Game& game, int army, const ArmyComposition& troops, int at) {
  GameState& s = game.state;
  s.ArmyExists[army] = kTrue;
  s.ArmySoldiers[army] = troops;
  s.ArmySizes[army] = static_cast<Integer>(troops.Total());
  s.ArmyWaypointNos[army] = static_cast<Byte>(at);
}

TEST(ArmyCamp, EquipmentCarriedByTheFiveFormulas) {
  const ArmyComposition a = ArmyOf({{Unit::Monks, 1},
                                    {Unit::SwordMen, 2},
                                    {Unit::Helebarders, 3},
                                    {Unit::TwoHanders, 4},
                                    {Unit::Cavalry, 5},
                                    {Unit::HeavyCavalry, 6},
                                    {Unit::Champions, 7},
                                    {Unit::Templars, 8},
                                    {Unit::Paladins, 9},
                                    {Unit::LongBowmen, 10},
                                    {Unit::Warlords, 11},
                                    {Unit::Engineers, 12}});
  const EquipmentCarried e = EquipmentOf(a, a.Total());
  EXPECT_EQ(e.Weapons, 78 - 11 - 10 - 12);
  EXPECT_EQ(e.Shields, 7 + 6 + 5 + 2);
  EXPECT_EQ(e.ChainMails, 5 + 4 + 2 + 3);
  EXPECT_EQ(e.Plates, 11 + 9 + 8 + 7 + 6);
  EXPECT_EQ(e.Horses, 7 + 6 + 5);
}

TEST(ArmyCamp, DisbandingReturnsPeopleEquipmentAndPools) {
  struct Case {
    const char* what;
    ArmyComposition troops;
    std::function<void(GameState&)> returned;
  };
  const Case cases[] = {
      {"a warlord, long-bowmen and archers",
       ArmyOf({{Unit::Warlords, 1}, {Unit::LongBowmen, 10}, {Unit::Archers, 100}}),
       [](GameState& s) {
         s.Population += 100;
         s.IdlePeople += 100;
         s.Bows += 100;
         s.LongBows += 10;
         s.WarlordsAvailable += 1;
         s.PlateArmours += 1;
       }},
      {"templars keep their swords", ArmyOf({{Unit::Templars, 10}}),
       [](GameState& s) {
         s.Population += 10;
         s.IdlePeople += 10;
         s.PlateArmours += 10;
       }},
      {"horsemen and swordsmen",
       ArmyOf({{Unit::Cavalry, 3},
               {Unit::HeavyCavalry, 5},
               {Unit::SwordMen, 7},
               {Unit::Champions, 2},
               {Unit::Paladins, 4},
               {Unit::Monks, 1},
               {Unit::Engineers, 6}}),
       [](GameState& s) {
         s.Population += 28;
         s.IdlePeople += 28;
         s.Swords += 4 + 3 + 7;
         s.ChainMails += 3;
         s.Shields += 2 + 5 + 3 + 7;
         s.PlateArmours += 2 + 5 + 4 + 7;
         s.Maces += 5;
         s.Pikes += 2;
         s.Crosses += 1;
         s.EngineersAvailable += 6;
       }},
  };
  for (const Case& c : cases) {
    Game game;
    SetStartValues(game);
    PutArmy(game, 2, c.troops, 7);
    game.state.GarrisonedArmy = 2;
    GameState expected = game.state;
    c.returned(expected);
    expected.GarrisonedArmy = 0;
    expected.ArmyExists[2] = kFalse;
    expected.ArmySizes[2] = 0;
    expected.ArmySoldiers[2] = {};
    expected.ArmyWaypointNos[2] = 0;
    DisbandArmy(game, 2);
    EXPECT_EQ(game.state, expected) << c.what;
  }
}

TEST(ArmyCamp, SplitNeedsAHundredOnEachSideAndGivesTheMovesTwoAndOne) {
  struct Case {
    int detach;
    bool done;
  };
  for (const Case c : {Case{100, true}, Case{150, true}, Case{90, false}, Case{151, false}}) {
    Game game;
    SetStartValues(game);
    PutArmy(game, 1, ArmyOf({{Unit::Archers, 200}, {Unit::Warlords, 1}, {Unit::Engineers, 49}}),
            12);
    game.state.ArmyMovesLeft[1] = 3;
    game.state.SelectedArmy = 1;
    game.live.ArmyClickMode = 1;
    SplitColumns cols = BeginSplit(game.state, 1);
    EXPECT_EQ(cols.RaisedTotal, 250);
    // Entries 12 and 13 of the kind list are the warlord and the engineers.
    EXPECT_EQ(SplitUnitType(12), 14);
    EXPECT_EQ(SplitUnitType(13), 12);
    EXPECT_TRUE(DetachOne(cols, SplitUnitType(12)));
    EXPECT_FALSE(DetachOne(cols, SplitUnitType(12)));
    while (cols.DetachedTotal < c.detach && DetachOne(cols, SplitUnitType(1))) {
    }
    EXPECT_TRUE(ReturnOne(cols, SplitUnitType(1)));
    EXPECT_FALSE(ReturnOne(cols, SplitUnitType(2)));
    DetachOne(cols, SplitUnitType(1));
    const TextRef hint = FinishSplit(game, cols);
    const GameState& s = game.state;
    if (!c.done) {
      EXPECT_EQ(hint, kArmyTooSmall) << c.detach;
      EXPECT_FALSE(IsTrue(s.ArmyExists[2]));
      EXPECT_EQ(s.ArmySizes[1], 250);
      continue;
    }
    EXPECT_EQ(hint.category, 0);
    EXPECT_EQ(s.ArmySizes[1], 250 - c.detach);
    EXPECT_EQ(s.ArmySizes[2], c.detach);
    EXPECT_EQ(s.ArmySoldiers[2].Warlords, 1);
    EXPECT_EQ(s.ArmySoldiers[1].Warlords, 0);
    EXPECT_EQ(s.ArmyWaypointNos[2], 12);
    EXPECT_EQ(s.ArmyMovesLeft[2], 2);
    EXPECT_EQ(s.ArmyMovesLeft[1], 1);
    EXPECT_EQ(game.live.ArmyClickMode, 0);
  }
}

TEST(ArmyCamp, SplitIsRefusedWithThreeArmies) {
  Game game;
  SetStartValues(game);
  for (int army = 1; army <= 3; ++army) PutArmy(game, army, ArmyOf({{Unit::Archers, 200}}), 5);
  EXPECT_EQ(BeginSplitOrder(game), kNoFreeArmySlot);
  EXPECT_EQ(game.live.ArmyClickMode, 0);
  ParkArmy(game.state, 2);
  EXPECT_EQ(BeginSplitOrder(game).category, 0);
  EXPECT_EQ(game.live.ArmyClickMode, 1);
}

TEST(ArmyCamp, CombineUpTo4000IntoTheLowestArmy) {
  struct Case {
    std::array<bool, 3> ticked;
    int a1, a2, a3;
    std::array<int, 3> sizes;  // after
  };
  const Case cases[] = {
      {{true, false, false}, 2000, 2000, 0, {4000, 0, 0}},
      {{true, false, false}, 2000, 2001, 0, {2000, 2001, 0}},
      {{false, false, true}, 0, 1500, 700, {0, 2200, 0}},
      {{true, true, true}, 1000, 1000, 1000, {3000, 0, 0}},
      {{true, true, true}, 2000, 1000, 1001, {2000, 1000, 1001}},
      {{false, true, true}, 100, 200, 300, {400, 200, 0}},
      {{false, false, false}, 100, 200, 300, {100, 200, 300}},
  };
  for (const Case& c : cases) {
    Game game;
    SetStartValues(game);
    const int sizes[] = {c.a1, c.a2, c.a3};
    for (int army = 1; army <= 3; ++army) {
      if (sizes[army - 1] > 0) {
        PutArmy(game, army, ArmyOf({{Unit::ClubMen, sizes[army - 1] - 1}, {Unit::Monks, 1}}), 9);
        game.state.ArmyMovesLeft[army] = 2;
      } else {
        ParkArmy(game.state, army);
      }
    }
    const TextRef hint = CombineArmies(game, c.ticked);
    const bool refused = c.sizes == std::array<int, 3>{c.a1, c.a2, c.a3};
    const bool nothing_ticked = c.ticked == std::array<bool, 3>{};
    EXPECT_EQ(hint == kArmyTooLarge, refused && !nothing_ticked);
    for (int army = 1; army <= 3; ++army) {
      EXPECT_EQ(game.state.ArmySizes[army], c.sizes[static_cast<std::size_t>(army - 1)]);
      EXPECT_EQ(game.state.ArmySoldiers[army].Total(), c.sizes[static_cast<std::size_t>(army - 1)]);
      EXPECT_EQ(IsTrue(game.state.ArmyExists[army]),
                c.sizes[static_cast<std::size_t>(army - 1)] > 0);
    }
    if (!refused) {
      const int kept = c.sizes[0] > 0 ? 1 : 2;
      EXPECT_EQ(game.state.ArmyMovesLeft[kept], 0);
      for (int army = 1; army <= 3; ++army) {  // an absorbed army keeps its number
        if (sizes[army - 1] > 0) {
          EXPECT_EQ(game.state.ArmyWaypointNos[army], 9);
        }
      }
    }
  }
}

TEST(ArmyCamp, CombinablePairsStandOnOneWaypoint) {
  Game game;
  SetStartValues(game);
  PutArmy(game, 1, ArmyOf({{Unit::Archers, 200}}), 5);
  PutArmy(game, 2, ArmyOf({{Unit::Archers, 200}}), 6);
  PutArmy(game, 3, ArmyOf({{Unit::Archers, 200}}), 5);
  EXPECT_EQ(CombinablePairs(game.state), (std::array<bool, 3>{false, true, false}));
  ParkArmy(game.state, 3);
  EXPECT_EQ(CombinablePairs(game.state), (std::array<bool, 3>{}));
}

}  // namespace
}  // namespace valorne
