// Starting a battle that the player has confirmed on the question box: an
// attack on an enemy force in front of an army, or the storm of a besieged
// castle.
#pragma once

#include "state/game.h"

namespace valorne {

// Starts the battle against `target` (the battle target: 1..6 outlaws and
// rebels, 7 and 10 the storm of a besieged castle, 12 and 13 the cave and the
// ruins) with `SelectedArmy`.
void StartBattle(Game& game, int target);

}  // namespace valorne
