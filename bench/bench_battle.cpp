// A four-side battle of 4 x 4000 soldiers resolved without a window: the
// fight alone, and the battle program's whole work on the game folder
// (reading the battle, fighting it, writing the outcome and the status).
// The goal is well under 10 ms for the whole.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "battle/battle_files.h"
#include "battle/fight.h"

namespace {

using namespace valorne;

BattleInput FourArmies() {
  BattleInput in;
  in.map_name = "\\level9\\field1.cbf";
  const int teams[] = {0, 1, 0, 1};
  const int kinds[][4] = {{kSlotSwordMen, kSlotArchers, kSlotCavalry, kSlotEngineers},
                          {kSlotClubMen, kSlotTemplars, kSlotHeavyCavalry, kSlotLongBowmen},
                          {kSlotHelebarders, kSlotPaladins, kSlotChampions, kSlotMonks},
                          {kSlotTwoHanders, kSlotArchers, kSlotCavalry, kSlotWarlords}};
  for (int s = 0; s < 4; ++s) {
    BattleSide side{"Army", kSideColours[s], static_cast<std::uint8_t>(teams[s]), 50, false, {}};
    side.troops[kinds[s][0]] = 2000;
    side.troops[kinds[s][1]] = 1000;
    side.troops[kinds[s][2]] = 995;
    side.troops[kinds[s][3]] = 5;
    in.sides.push_back(side);
  }
  return in;
}

void BM_FightFourArmies(benchmark::State& bench) {
  const BattleInput battle = FourArmies();
  for (auto _ : bench) {
    FightReport report = FightBattle(battle);
    benchmark::DoNotOptimize(report.output.our_dead);
  }
}

void BM_BattleProgramWithoutWindow(benchmark::State& bench) {
  const auto folder = std::filesystem::temp_directory_path() / "valorne_bench_battle";
  std::filesystem::create_directories(folder);
  WriteFightIn(folder, FourArmies());
  for (auto _ : bench) {
    FightReport report;
    if (!LoadAndFightBattle(folder, report).ok() || !FinishBattle(folder, report).ok()) {
      bench.SkipWithError("the battle files could not be read or written");
      break;
    }
  }
  std::filesystem::remove_all(folder);
}

BENCHMARK(BM_FightFourArmies)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BattleProgramWithoutWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
