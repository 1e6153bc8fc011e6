// The real battle program in a game folder of its own: what it leaves for
// the level after a battle, and what it refuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "military/battle_exchange.h"
#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::ReadText;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteText;

struct ProgramRun {
  int code = -1;
  std::string err;
};

ProgramRun RunBattleData(const TempDir& game, const std::string& arguments = "--headless") {
  const auto err = game / "stderr.txt";
  const std::string command = "'" + std::string(VALORNE_BATTLEDATA) + "' " + arguments +
                              " --app-path '" + game.path().string() + "' 2> '" + err.string() +
                              "'";
  const int status = std::system(command.c_str());
  ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(err)};
  std::filesystem::remove(err);
  return run;
}

BattleSide Side(std::string name, int team, bool short_list,
                std::initializer_list<std::pair<int, int>> troops) {
  BattleSide side{
      std::move(name), kSideColours[team % 4], static_cast<std::uint8_t>(team), 45, short_list, {}};
  for (auto [slot, count] : troops) side.troops[slot] = static_cast<Integer>(count);
  return side;
}

BattleInput Battle(std::string map, std::uint8_t kind, std::vector<BattleSide> sides) {
  BattleInput in;
  in.map_name = std::move(map);
  in.battle_kind = kind;
  in.sides = std::move(sides);
  return in;
}

TEST(BattleProgram, FightsTheBattleAndLeavesTheSurvivorsForEverySide) {
  struct Case {
    const char* what;
    BattleInput battle;
  };
  const Case cases[] = {
      {"an outlaw band with a short list",
       Battle("\\level9\\field2_winter.cbf", kFieldBattle,
              {Side("Ist Valorne", 0, false, {{kSlotSwordMen, 400}, {kSlotLongBowmen, 120}}),
               Side("Viking army", 1, true, {{kSlotClubMen, 300}, {kSlotArchers, 80}})})},
      {"four sides on two teams", Battle("\\level9\\field1.cbf", kFieldBattle,
                                         {Side("The Lions", 0, false, {{kSlotCavalry, 500}}),
                                          Side("Enemy army", 1, false, {{kSlotPaladins, 450}}),
                                          Side("Allied army", 0, false, {{kSlotHelebarders, 300}}),
                                          Side("Enemy army", 1, true, {{kSlotTemplars, 350}})})},
      {"empty sides", Battle("\\level9\\cave1.cbf", kFieldBattle,
                             {Side("The Dragons", 0, true, {}), Side("Enemy army", 1, false, {}),
                              Side("", 2, false, {{kSlotArchers, 10}})})},
      {"a castle storm with engineers",
       Battle("\\level9\\fort1_low.cbf", kCastleAssault,
              {Side("Ist Valorne", 0, false, {{kSlotTwoHanders, 900}, {kSlotEngineers, 24}}),
               Side("Viking army", 1, true, {{kSlotSwordMen, 400}, {kSlotArchers, 200}})})},
  };
  for (const Case& c : cases) {
    TempDir game;
    ASSERT_TRUE(WriteFightIn(game.path(), c.battle).ok());
    ASSERT_TRUE(WriteFightStatus(game.path(), kFightStatusStarted).ok());
    const ProgramRun first = RunBattleData(game);
    ASSERT_EQ(first.code, 0) << c.what << ": " << first.err;
    EXPECT_EQ(ReadText(game / "fight_status.rx"), "2\r\n") << c.what;
    BattleOutput out;
    ASSERT_TRUE(ReadFightOut(game.path(), out).ok()) << c.what;
    EXPECT_FALSE(OutputMismatch(c.battle, out).has_value()) << c.what;
    long our_dead = 0;
    for (std::size_t s = 0; s < out.sides.size(); ++s) {
      for (int k = 0; k < kBattleSlots; ++k) {
        EXPECT_GE(out.sides[s].survivors[k], 0) << c.what;
        EXPECT_LE(out.sides[s].survivors[k], c.battle.sides[s].troops[k])
            << c.what << ": side " << s << " slot " << k;
        if (s == 0) our_dead += c.battle.sides[s].troops[k] - out.sides[s].survivors[k];
      }
    }
    EXPECT_EQ(out.our_dead, our_dead) << c.what;

    // Fought again, the same battle ends the same way.
    const std::string first_bytes = ReadText(game / "Fight_out.rx");
    std::filesystem::remove(game / "Fight_out.rx");
    ASSERT_EQ(RunBattleData(game).code, 0) << c.what;
    EXPECT_EQ(ReadText(game / "Fight_out.rx"), first_bytes) << c.what;
  }
}

TEST(BattleProgram, TheAutomaticCalculationNeedsNoWindow) {
  TempDir game;
  BattleInput battle = Battle("\\level9\\village1.cbf", kFieldBattle,
                              {Side("Ist Valorne", 0, false, {{kSlotSwordMen, 100}}),
                               Side("Viking army", 1, true, {{kSlotTemplars, 50}})});
  battle.auto_calc = kAutoCalcValue;
  ASSERT_TRUE(WriteFightIn(game.path(), battle).ok());
  const ProgramRun run = RunBattleData(game, "");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(ReadText(game / "fight_status.rx"), "2\r\n");
}

TEST(BattleProgram, RefusesAMissingOrDamagedBattleAndWritesNothing) {
  const std::string good = EncodeBattleInput(
      Battle("\\level9\\field3.cbf", kFieldBattle,
             {Side("Ist Valorne", 0, false, {{kSlotArchers, 10}}), Side("x", 1, true, {})}));
  BattleInput negative_troops = Battle("m", kFieldBattle, {Side("a", 0, false, {{3, -4}})});
  std::string five_sides = good;
  five_sides[1 + 18 + 16] = 5;  // the side count after the 18-letter map name
  struct Case {
    const char* what;
    std::optional<std::string> bytes;  // none: no file at all
    const char* message;
  };
  const Case cases[] = {
      {"missing", std::nullopt, "cannot be opened"},
      {"cut short", good.substr(0, good.size() - 5), "ends before"},
      {"a byte too many", good + "!", "follow the last side"},
      {"five sides", five_sides, "side count is 5"},
      {"a negative troop count", EncodeBattleInput(negative_troops), "-4 soldiers"},
      {"empty", std::string(), "ends before"},
  };
  for (const Case& c : cases) {
    TempDir game;
    if (c.bytes) WriteText(game / "Fight_in.rx", *c.bytes);
    WriteText(game / "fight_status.rx", "1\r\n");
    const ProgramRun run = RunBattleData(game);
    EXPECT_EQ(run.code, 2) << c.what;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << ": " << run.err;
    EXPECT_FALSE(std::filesystem::exists(game / "Fight_out.rx")) << c.what;
    EXPECT_EQ(ReadText(game / "fight_status.rx"), "1\r\n") << c.what << ": the status is kept";
  }
}

TEST(BattleProgram, ABadCommandLineIsRefused) {
  TempDir game;
  EXPECT_EQ(RunBattleData(game, "--loud").code, 3);
  EXPECT_EQ(RunBattleData(game, "--shot-at soon --headless").code, 3);
}

}  // namespace
}  // namespace valorne
