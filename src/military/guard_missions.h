// The guard's missions as the end of turn resolves them: the scouts first,
// then the assassins. Between the two calls the end of turn raises the
// assassins' experience (`AssassinLevel`) on every 8th turn itself, so the
// assassin resolution starts with its countdown.
#pragma once

#include "state/game.h"

namespace valorne {

// The scouts' countdown (`ScoutTurns`) and their arrival.
void ResolveScouts(Game& game);

// The assassins' countdown (`AssassinTurns`) and their strike.
void ResolveAssassins(Game& game);

}  // namespace valorne
