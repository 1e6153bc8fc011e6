// The battle program's fight: who wins, what is left, and that a battle
// always ends the same way.
#include "battle/fight.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <numeric>
#include <utility>

#include "battle/battle_map.h"
#include "battle/unit_figures.h"

namespace valorne {
namespace {

using Troops = std::initializer_list<std::pair<int, int>>;  // slot, count

BattleSide Side(int team, int morale, Troops troops, bool short_list = false) {
  BattleSide side;
  side.team = static_cast<std::uint8_t>(team);
  side.morale = static_cast<std::uint16_t>(morale);
  side.short_list = short_list;
  for (auto [slot, count] : troops) side.troops[slot] = static_cast<Integer>(count);
  return side;
}

BattleInput Battle(std::vector<BattleSide> sides, std::uint8_t kind = kFieldBattle,
                   std::string map = "\\level9\\field2.cbf") {
  BattleInput in;
  in.map_name = std::move(map);
  in.battle_kind = kind;
  in.sides = std::move(sides);
  return in;
}

long Sum(const BattleTroopList& t) {
  return std::accumulate(t.begin(), t.end(), 0L);
}

TEST(Fight, WhoWinsAsTheFiguresSay) {
  struct Case {
    const char* what;
    BattleInput battle;
    std::uint8_t outcome;
  };
  const Case cases[] = {
      {"heavy cavalry ride down club men",
       Battle({Side(0, 50, {{kSlotHeavyCavalry, 1000}}), Side(1, 50, {{kSlotClubMen, 600}})}),
       kOutcomeVictoryWithPlunder},
      {"a few archers against many swordsmen",
       Battle({Side(0, 50, {{kSlotArchers, 100}}), Side(1, 50, {{kSlotSwordMen, 2000}})}),
       kOutcomeDefeat},
      {"morale turns an even fight",
       Battle({Side(0, 95, {{kSlotSwordMen, 1000}}), Side(1, 10, {{kSlotSwordMen, 1000}})}),
       kOutcomeVictoryWithPlunder},
      {"an army that beats a band in the field",
       Battle({Side(0, 60, {{kSlotSwordMen, 800}}), Side(1, 40, {{kSlotSwordMen, 500}})}),
       kOutcomeVictoryWithPlunder},
      {"fails before the walls of a castle",
       Battle({Side(0, 60, {{kSlotSwordMen, 800}}), Side(1, 40, {{kSlotSwordMen, 500}})},
              kCastleAssault, "\\level9\\castle2.cbf"),
       kOutcomeDefeat},
      {"but takes a keep with engineers",
       Battle({Side(0, 60, {{kSlotSwordMen, 800}, {kSlotEngineers, 24}}),
               Side(1, 40, {{kSlotSwordMen, 500}})},
              kCastleAssault, "\\level9\\keep1_low.cbf"),
       kOutcomeVictoryWithPlunder},
      {"and the walls hold for the player defending them",
       Battle({Side(0, 40, {{kSlotSwordMen, 500}}), Side(1, 60, {{kSlotSwordMen, 800}})},
              kCastleDefence, "\\level9\\castle1.cbf"),
       kOutcomeVictoryWithPlunder},
  };
  for (const Case& c : cases) {
    const FightReport report = FightBattle(c.battle);
    EXPECT_EQ(report.output.outcome, c.outcome) << c.what;
  }
}

// Over twenty battles that differ only in their luck, an even fight is won
// about half the time, and dearly (a narrow victory); a warlord in the ranks
// wins nearly all of them.
TEST(Fight, AWarlordTipsAnEvenFight) {
  struct Tally {
    int won = 0, narrow = 0;
  };
  auto fight = [](BattleSide ours) {
    BattleInput battle = Battle({ours, Side(1, 50, {{kSlotSwordMen, 1000}})});
    Tally tally;
    for (std::uint8_t luck = 0; luck < 20; ++luck) {
      battle.sound_volume = luck;
      const std::uint8_t outcome = FightBattle(battle).output.outcome;
      tally.won += outcome != kOutcomeDefeat;
      tally.narrow += outcome == kOutcomeNarrowVictory;
    }
    return tally;
  };
  const Tally even = fight(Side(0, 50, {{kSlotSwordMen, 1000}}));
  EXPECT_GE(even.won, 4);
  EXPECT_LE(even.won, 16);
  EXPECT_GE(even.narrow * 2, even.won) << "most even fights are won dearly";
  EXPECT_GE(fight(Side(0, 50, {{kSlotSwordMen, 1000}, {kSlotWarlords, 1}})).won, 18);
}

TEST(Fight, FourSidesOnTwoTeams) {
  const BattleSide ours = Side(0, 50, {{kSlotSwordMen, 700}});
  const BattleSide ally = Side(0, 50, {{kSlotTwoHanders, 600}});
  const BattleSide enemy = Side(1, 50, {{kSlotPaladins, 500}});
  const BattleSide enemy2 = Side(1, 50, {{kSlotClubMen, 500}});
  EXPECT_EQ(FightBattle(Battle({ours, enemy, enemy2})).output.outcome, kOutcomeDefeat)
      << "alone against two";
  const FightReport report = FightBattle(Battle({ours, enemy, ally, enemy2}));
  EXPECT_NE(report.output.outcome, kOutcomeDefeat) << "the ally turns it";
  EXPECT_EQ(report.winning_team, 0);
  const BattleOutput& out = report.output;
  ASSERT_EQ(out.sides.size(), 4u);
  EXPECT_EQ(out.our_dead, 700 - Sum(out.sides[0].survivors));
  EXPECT_EQ(out.enemy_dead, 1000 - Sum(out.sides[1].survivors) - Sum(out.sides[3].survivors))
      << "the enemy dead count both enemy sides, not the ally";
}

TEST(Fight, SurvivorsNeverExceedTheTroopsSentAndAgreeWithTheDead) {
  const BattleInput battles[] = {
      Battle({Side(0, 80, {{kSlotArchers, 4000}}), Side(1, 20, {{kSlotArchers, 10}}, true)}),
      Battle({Side(0, 0, {{kSlotMonks, 5}, {kSlotEngineers, 24}}),
              Side(1, 100, {{kSlotWarlords, 1}})}),
      Battle({Side(0, 55, {{kSlotCavalry, 3000}, {kSlotChampions, 900}, {kSlotLongBowmen, 99}}),
              Side(1, 45, {{kSlotTemplars, 2500}, {kSlotHelebarders, 1400}}),
              Side(2, 30, {{kSlotClubMen, 4000}}), Side(3, 70, {{kSlotHeavyCavalry, 32767}})}),
      Battle({Side(0, 50, {{kSlotSwordMen, 1}}), Side(1, 50, {{kSlotSwordMen, 1}})}, kCastleDefence,
             "\\level9\\stronghold1_winter.cbf"),
  };
  for (const BattleInput& battle : battles) {
    const BattleOutput out = FightBattle(battle).output;
    ASSERT_EQ(out.sides.size(), battle.sides.size());
    long enemy_dead = 0;
    for (std::size_t s = 0; s < out.sides.size(); ++s) {
      EXPECT_EQ(out.sides[s].short_list, battle.sides[s].short_list);
      for (int k = 0; k < kBattleSlots; ++k) {
        EXPECT_GE(out.sides[s].survivors[k], 0);
        EXPECT_LE(out.sides[s].survivors[k], battle.sides[s].troops[k])
            << "side " << s << " slot " << k;
      }
      const long dead = Sum(battle.sides[s].troops) - Sum(out.sides[s].survivors);
      if (s == 0) {
        EXPECT_EQ(out.our_dead, dead);
      }
      if (s > 0 && battle.sides[s].team != battle.sides[0].team) enemy_dead += dead;
    }
    EXPECT_EQ(out.enemy_dead, std::min(enemy_dead, 65535L));
  }
}

TEST(Fight, EmptySides) {
  struct Case {
    const char* what;
    BattleInput battle;
    std::uint8_t outcome;
  };
  const Case cases[] = {
      {"nobody to fight: a victory without losses",
       Battle({Side(0, 50, {{kSlotArchers, 200}}), Side(1, 50, {})}), kOutcomeVictoryWithPlunder},
      {"an army of nobody cannot win", Battle({Side(0, 50, {}), Side(1, 50, {{kSlotClubMen, 9}})}),
       kOutcomeDefeat},
      {"nobody on either side is no victory", Battle({Side(0, 50, {}), Side(1, 50, {})}),
       kOutcomeDefeat},
      {"a lone side", Battle({Side(0, 50, {{kSlotPaladins, 300}})}), kOutcomeVictoryWithPlunder},
  };
  for (const Case& c : cases) {
    const FightReport report = FightBattle(c.battle);
    EXPECT_EQ(report.output.outcome, c.outcome) << c.what;
    EXPECT_EQ(report.output.our_dead, 0) << c.what;
    EXPECT_EQ(report.output.enemy_dead, 0) << c.what;
    EXPECT_EQ(report.output.sides.size(), c.battle.sides.size()) << c.what;
    EXPECT_EQ(report.output.sides[0].survivors, c.battle.sides[0].troops) << c.what;
  }
}

TEST(Fight, TheSameBattleEndsTheSameWayAndTheLuckComesFromTheInput) {
  BattleInput battle = Battle({Side(0, 50, {{kSlotSwordMen, 1000}, {kSlotArchers, 300}}),
                               Side(1, 50, {{kSlotSwordMen, 1000}, {kSlotArchers, 300}})});
  const std::string first = EncodeBattleOutput(FightBattle(battle).output);
  EXPECT_EQ(EncodeBattleOutput(FightBattle(battle).output), first);
  int differing = 0;
  for (std::uint8_t volume = 1; volume <= 10; ++volume) {
    battle.music_volume = volume;  // other bytes of the file, other luck
    if (EncodeBattleOutput(FightBattle(battle).output) != first) ++differing;
  }
  EXPECT_GT(differing, 5);
}

TEST(Fight, BattlesTheProgramRefuses) {
  BattleInput good = Battle({Side(0, 50, {{kSlotArchers, 1}}), Side(1, 100, {})});
  EXPECT_FALSE(UnfightableBattle(good).has_value());
  BattleInput negative = good;
  negative.sides[1].troops[kSlotMonks] = -3;
  BattleInput morale = good;
  morale.sides[0].morale = 101;
  BattleInput kind = good;
  kind.battle_kind = 3;
  for (const BattleInput& bad : {negative, morale, kind}) {
    EXPECT_TRUE(UnfightableBattle(bad).has_value());
  }
  const BattleOutput out = FightBattle(negative).output;
  EXPECT_EQ(out.sides[1].survivors[kSlotMonks], -3) << "a count below 0 comes back unchanged";
}

TEST(BattleMap, GroundStageAndSeasonFromTheMapName) {
  struct Case {
    const char* name;
    const char* picture;
    int stage;
  };
  const Case cases[] = {
      {"\\level9\\field2.cbf", "battle_field", 0},
      {"\\level9\\village3_low_winter.cbf", "battle_village_winter", 0},
      {"\\LEVEL9\\Cave1.cbf", "battle_cave", 0},
      {"\\level9\\ruins1_winter.cbf", "battle_ruins_winter", 0},
      {"\\level9\\keep1.cbf", "battle_keep1", 1},
      {"\\level9\\bailey2_low.cbf", "battle_bailey2", 2},
      {"\\level9\\fort1_winter.cbf", "battle_fort1_winter", 3},
      {"\\level9\\stronghold2_low_winter.cbf", "battle_stronghold2_winter", 4},
      {"\\level9\\castle1.cbf", "battle_castle1", 5},
      {"", "battle_field", 0},
  };
  for (const Case& c : cases) {
    const BattleMap map = ReadBattleMap(c.name);
    EXPECT_EQ(GroundPicture(map), c.picture) << c.name;
    EXPECT_EQ(map.castle_stage, c.stage) << c.name;
  }
}

TEST(UnitFigures, TheCataloguesFiguresInBattleSlotOrder) {
  EXPECT_EQ(FiguresOfSlot(kSlotChampions).attack, 6);
  EXPECT_EQ(FiguresOfSlot(kSlotChampions).charge, 13);
  EXPECT_EQ(FiguresOfSlot(kSlotHeavyCavalry).defence, 10);
  EXPECT_EQ(FiguresOfSlot(kSlotCavalry).speed, 12);
  EXPECT_EQ(FiguresOfSlot(kSlotWarlords).attack, 60);
  EXPECT_EQ(FiguresOfSlot(kSlotLongBowmen).reach, Reach::Ranged);
  EXPECT_EQ(FiguresOfSlot(kSlotEngineers).reach, Reach::Rear);
  EXPECT_EQ(FiguresOfSlot(kSlotHelebarders).charge, 5);
}

}  // namespace
}  // namespace valorne
