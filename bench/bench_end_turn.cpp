// Ends of turn per second, without drawing: a normal game is started and
// its turns are ended one after another, every question answered No and
// every screen left closed. A county that has run for a while is started
// afresh, so that the turns stay those of a living county. The goal is
// 100,000 ends of turn per second on one core, and 1,000,000 for the county
// beside both rival counties standing.
#include <benchmark/benchmark.h>

#include "state/start_values.h"
#include "turn/end_turn.h"

namespace {

using valorne::Game;
using valorne::GameState;

void StartGame(Game& game, double rnd, bool both_rivals) {
  game.rng = rnd < 0 ? valorne::Random::Seeded(9) : valorne::Random::Constant(rnd);
  game.Difficulty = 2;
  valorne::SetStartValues(game);
  if (both_rivals) game.state.Rival2Standing = valorne::kTrue;
}

void RunEndsOfTurn(benchmark::State& bench, double rnd, bool both_rivals = false) {
  Game game;
  StartGame(game, rnd, both_rivals);
  const GameState start = game.state;
  const valorne::LevelParams params = game.params;
  int turns = 0;
  for (auto _ : bench) {
    valorne::EndTurn(game);
    if (++turns == 60) {  // back to the start: the county at work again
      game.state = start;
      game.params = params;
      turns = 0;
    }
    benchmark::DoNotOptimize(game.state.Gold);
  }
  bench.SetItemsProcessed(bench.iterations());
  bench.SetLabel("items = ends of turn");
}

void BM_EndTurnDrawsAtHalf(benchmark::State& bench) {
  RunEndsOfTurn(bench, 0.5);
}
void BM_EndTurnSeededDraws(benchmark::State& bench) {
  RunEndsOfTurn(bench, -1);
}

// Both rival counties take their turns: musters, raids, grabs, a war and a
// march on the castle within the sixty turns.
void BM_EndTurnBothRivals(benchmark::State& bench) {
  RunEndsOfTurn(bench, -1, true);
}

BENCHMARK(BM_EndTurnDrawsAtHalf);
BENCHMARK(BM_EndTurnSeededDraws);
BENCHMARK(BM_EndTurnBothRivals);

}  // namespace

BENCHMARK_MAIN();
