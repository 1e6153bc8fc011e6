// What happens to a village of the map: the village menu's actions, also
// carried out by the calamities of the turn.
#pragma once

#include "state/game.h"

namespace valorne {

// The village menu's second action (`Village2Pic`) on village 1..3: the
// village is burnt and stands again five ends of turn later. A rebel mob that
// rises burns village 1 this way, a rival's mob village 2.
void BurnVillage(Game& game, int village);

}  // namespace valorne
