#include "military/battle_start.h"

namespace valorne {

// The battles come with the battle exchange; until then a confirmed attack
// starts nothing.
void StartBattle(Game&, int) {}
void StartCastleDefence(Game&, int) {}

}  // namespace valorne
