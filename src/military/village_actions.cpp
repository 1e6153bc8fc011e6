#include "military/village_actions.h"

namespace valorne {

namespace {

// A burnt village stands again after five ends of turn: its state counts
// down 6, 5, .. 1 and the repair ends at 1.
constexpr Byte kVillageBurnt = 6;

}  // namespace

void BurnVillage(Game& game, int village) {
  if (village < 1 || village > 3) return;
  game.state.VillageStates[village] = kVillageBurnt;
}

}  // namespace valorne
