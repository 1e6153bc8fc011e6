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

// A rival county's army has reached the player's castle: the battle at the
// castle's standing stage against that county (1 or 2), with `BattleTarget`
// and `SelectedArmy` already set by the caller.
void StartCastleDefence(Game& game, int county);

}  // namespace valorne
