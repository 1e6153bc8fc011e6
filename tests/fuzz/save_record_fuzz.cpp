// A save shared by another player: read, loaded into a game and shown as the
// dump shows it. A save that loads is saved again; that save loads back to
// the very same county (loading's own rules, such as a fallen rival county
// coming back cleared, have already been applied once).
#include <algorithm>
#include <cstdlib>

#include "fuzz/fuzz_files.h"
#include "level/saves.h"
#include "state/record.h"

namespace {

valorne::LoadOutcome LoadShared(valorne::Game& game, const std::uint8_t* data, std::size_t size) {
  game.AppPath = valorne::fuzz::ScratchFolder();
  valorne::fuzz::WriteInput("Save Game/Shared" + game.SaveExtension, data, size);
  return valorne::LoadFromFile(game, "Shared").outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valorne;
  Game game;
  if (LoadShared(game, data, size) == LoadOutcome::Loaded) {
    Record once{}, twice{};
    PackGameState(game.state, once);
    Game again;
    if (LoadShared(again, once.data(), once.size()) != LoadOutcome::Loaded) std::abort();
    PackGameState(again.state, twice);
    if (once != twice) std::abort();
  }
  (void)RecordToJson(game.state);
  return 0;
}
