#include <gtest/gtest.h>

#include <functional>

#include "battle_bytes.h"
#include "military/battle_forces.h"
#include "military/battle_start.h"
#include "state/start_values.h"
#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::Bytes;
using testing::ReadBytes;
using testing::TempDir;

// A normal county at the start of the level whose game folder is a scratch
// folder; without screens a battle writes its files and starts nothing.
struct BattleCounty {
  TempDir dir;
  Game game;
  BattleCounty() {
    game.rng = Random::Constant(0.5);
    SetStartValues(game);
    game.AppPath = dir.path();
    game.state.ArmySoldiers[1] = {5, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 2, 30};
  }
  std::vector<unsigned char> FightIn() const { return ReadBytes(dir / "Fight_in.rx"); }
};

struct GoldenCase {
  const char* name;
  std::function<void(Game&)> start;  // sets the county up and starts the battle
  Bytes expected;
};

// Army 1's record as the battle's slots 0..13 (30 engineers go as 24).
Bytes& Army1Slots(Bytes& b) {
  return b.u16s({100, 103, 101, 102, 104, 105, 106, 107, 108, 109, 24, 110, 2, 5});
}

Bytes OutlawBandInWinter() {
  Bytes b;
  b.u8(29).text("\\level9\\field2_low_winter.cbf");
  b.u16(505).u16(0);
  b.u8(1)     // farming level 6
      .u8(7)  // the copied performance byte
      .u8(2)  // winter
      .u8(1)
      .u8(2)
      .u8(1)
      .u8(1)
      .u8(75)  // music at -2500
      .u8(0)   // sound at -10000
      .u8(1)
      .u8(0)  // map animations on, tooltips off
      .u8(0)
      .u8(2);
  b.u8(11).text("Ist Valorne").u32(0x0000FF00).u8(0).u16(42).u8(0);
  Army1Slots(b);
  b.u8(11).text("Viking army").u32(0x000000FF).u8(1).u16(35).u8(1);
  b.u16s({200, 131, 123, 342, 230, 0, 0, 0, 0, 0, 3});  // outlaw band 1, short list
  return b;
}

Bytes RebelMobInSpring() {
  Bytes b;
  b.u8(20).text("\\level9\\village2.cbf");
  b.u16(0).u16(0);
  b.u8(0).u8(0).u8(1).u8(1).u8(0).u8(1).u8(1).u8(0).u8(0).u8(1).u8(1).u8(0).u8(2);
  b.u8(9).text("The Lions").u32(0x0000FF00).u8(0).u16(0).u8(0);
  b.u16s({0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0});
  b.u8(11).text("Viking army").u32(0x000000FF).u8(1).u16(35).u8(1);
  b.u16s({0, 0, 0, 0, 0, 0, 0, 0, 3, 5, 0});  // 8 rebels: 3 templars, 5 paladins
  return b;
}

Bytes CastleDefence() {
  Bytes b;
  b.u8(21).text("\\level9\\fort1_low.cbf");
  b.u16(0).u16(0);
  b.u8(0)
      .u8(0)
      .u8(2)  // the season byte of the battle before
      .u8(1)
      .u8(4)
      .u8(1)
      .u8(1)
      .u8(100)
      .u8(100)
      .u8(1)
      .u8(1)
      .u8(2)
      .u8(2);
  b.u8(11).text("Ist Valorne").u32(0x0000FF00).u8(0).u16(100).u8(0);
  Army1Slots(b);
  b.u8(10).text("Enemy army").u32(0x000000FF).u8(1).u16(57).u8(0);
  b.u16s({7, 0, 9, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0});  // camp 2 in full
  return b;
}

class GoldenInputTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenInputTest, WritesTheBytesLaidOutByHand) {
  BattleCounty county;
  GetParam().start(county.game);
  EXPECT_EQ(county.FightIn(), GetParam().expected.b);
  EXPECT_EQ(testing::ReadText(county.dir / "fight_status.rx"), "1\r\n");
}

INSTANTIATE_TEST_SUITE_P(Callers, GoldenInputTest,
                         ::testing::Values(GoldenCase{"OutlawBandShortList",
                                                      [](Game& g) {
                                                        g.state.Season = 2;
                                                        g.state.FarmingLevel = 6;
                                                        g.state.Morale = 42.7f;
                                                        g.display.DisplaySetting11 = 7;
                                                        g.options.AutoCalcOption = kTrue;
                                                        g.options.TooltipOption = kFalse;
                                                        g.options.MusicVolume = -2500;
                                                        g.options.SoundVolume = -10000;
                                                        g.state.SelectedArmy = 1;
                                                        g.live.BattleTarget = 1;
                                                        StartBattle(g, kFieldBattleMode);
                                                      },
                                                      OutlawBandInWinter()},
                                           GoldenCase{"RebelMobSplitOnVillage2",
                                                      [](Game& g) {
                                                        g.state.Season = 1;
                                                        g.display.DisplaySetting4 = 1;
                                                        g.SoundOn = false;
                                                        g.live.ScrollSpeed = 0.5f;
                                                        g.state.Morale = -20;  // sent as 0
                                                        g.state.ArmySoldiers[2] = {};
                                                        g.state.ArmySoldiers[2].ClubMen = 40;
                                                        g.state.ArmySoldiers[2].Engineers = 10;
                                                        g.state.RebelBandStrengths[1] = 8;
                                                        g.state.SelectedArmy = 2;
                                                        g.live.BattleTarget = 5;
                                                        StartBattle(g, kFieldBattleMode);
                                                      },
                                                      RebelMobInSpring()},
                                           GoldenCase{
                                               "CastleDefenceKeepsTheSeasonByte",
                                               [](Game& g) {
                                                 g.state.Season = 2;
                                                 g.display.DisplaySetting1 =
                                                     1;  // the season byte is not renewed
                                                 g.live.BattleSeason = 2;
                                                 g.state.Season = 3;
                                                 g.live.ScrollSpeed = 2.0f;
                                                 g.state.Morale = 100;
                                                 g.state.CastleStageBuilt = {0, 0, kTrue, kTrue, 0};
                                                 g.state.CampArmies[2] = {};
                                                 g.state.CampArmies[2].Archers = 7;
                                                 g.state.CampArmies[2].ClubMen = 9;
                                                 g.state.CampArmies[2].Engineers = 4;
                                                 g.state.Rivals[1].Morale = 57.9f;
                                                 g.state.SelectedArmy = 1;
                                                 g.live.BattleTarget = 8;
                                                 StartCastleDefence(g, 1);
                                               },
                                               CastleDefence()}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

// The map file name of each battle, and the battles that are none.
TEST(BattleMapTest, NamesTheMapOrStartsNothing) {
  struct Case {
    const char* name;
    std::function<void(Game&)> start;
    std::string map;  // empty: no battle, no file
  };
  const Case cases[] = {
      {"CaveWithoutTheLowGrounds",
       [](Game& g) {
         g.display.DisplaySetting4 = 1;
         g.live.BattleTarget = kTargetCave;
         StartBattle(g, kFieldBattleMode);
       },
       "\\level9\\cave1.cbf"},
      {"StormOfRival1Stronghold",
       [](Game& g) {
         g.live.BattleTarget = kTargetRival1Castle;
         StartBattle(g, kCastleAssaultMode);
       },
       "\\level9\\stronghold1_low.cbf"},
      {"StormOfRival2KeepInWinter",
       [](Game& g) {
         g.state.Season = 2;
         g.state.Rivals[2].CastleStage = {kTrue, 0, 0, 0, kTrue};
         g.live.BattleTarget = kTargetRival2Castle;
         StartBattle(g, kCastleAssaultMode);
       },
       "\\level9\\keep2_low_winter.cbf"},
      {"FieldModeAgainstACamp",
       [](Game& g) {
         g.live.BattleTarget = 7;
         StartBattle(g, kFieldBattleMode);
       },
       ""},
      {"FieldModeAgainstCamp2",
       [](Game& g) {
         g.live.BattleTarget = 8;
         StartBattle(g, kFieldBattleMode);
       },
       ""},
      {"StormOfACastleWithNoStage",
       [](Game& g) {
         g.state.Rivals[1].CastleStage = {};
         g.live.BattleTarget = kTargetRival1Castle;
         StartBattle(g, kCastleAssaultMode);
       },
       ""},
      {"DefenceOfAFallenCastle",
       [](Game& g) {
         g.state.PlayerUndefeated = kFalse;
         StartCastleDefence(g, 1);
       },
       ""},
  };
  for (const Case& c : cases) {
    BattleCounty county;
    county.game.state.SelectedArmy = 1;
    c.start(county.game);
    const bool written = std::filesystem::exists(county.dir / "Fight_in.rx");
    EXPECT_EQ(written, !c.map.empty()) << c.name;
    if (!written || c.map.empty()) continue;
    const std::vector<unsigned char> bytes = county.FightIn();
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 1 + bytes[0]), c.map) << c.name;
  }
}

TEST(BattleForcesTest, RebelTemplarsAreTheNearestThird) {
  const std::pair<long, long> cases[] = {{0, 0}, {1, 0}, {2, 1}, {7, 2}, {8, 3}, {300, 100}};
  for (const auto& [strength, templars] : cases) {
    EXPECT_EQ(RebelTemplars(strength), templars) << strength;
  }
}

// Four sides: the allies' names and teams by the ally kind, the short lists
// by the enemy kind, and two morale draws for sides 2 and 3.
TEST(BattleInputTest, FourSidesTakeTheirTeamsAndShortLists) {
  BattleCounty county;
  Game& g = county.game;
  g.rng = Random::Constant(0.9);
  g.state.SelectedArmy = 1;
  const BattleInput input = BuildBattleInput(g, {.map = "field1",
                                                 .side_count = 4,
                                                 .ally_kind = 2,
                                                 .army = 1,
                                                 .target = 8,
                                                 .enemy_kind = 3,
                                                 .enemy_morale = 10});
  ASSERT_EQ(input.sides.size(), 4u);
  EXPECT_EQ(input.sides[2].name, "Allied army");
  EXPECT_EQ(input.sides[3].name, "Enemy army");
  EXPECT_EQ(input.sides[2].team, 0);
  EXPECT_EQ(input.sides[3].team, 1);
  EXPECT_EQ(input.sides[2].morale, 47);
  EXPECT_EQ(input.sides[3].colour, 0x0000FFFFu);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(input.sides[i].short_list, i > 0) << i;
  // An enemy kind outside the table keeps the flags of the battle before.
  const BattleInput next = BuildBattleInput(g, {.map = "field1", .army = 1, .enemy_kind = 9});
  EXPECT_TRUE(next.sides[1].short_list);
}

}  // namespace
}  // namespace valorne
