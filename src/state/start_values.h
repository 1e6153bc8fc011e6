// The state a new level of level 9 begins with.
#pragma once

#include "state/game.h"

namespace valorne {

// Gives every field of the game state its start value for game.Difficulty:
// the fixed values, the drawn start stores (in their order of draws), the
// rival counties, the outlaw bands and the parameter tables. Draws come from
// game.rng. A difficulty outside 1..3 leaves the fields that depend on it 0.
void SetStartValues(Game& game);

// The stores, people, happiness and health as they stand now become the
// "last turn" figures the screens compare with.
void KeepPreviousValues(GameState& s);

}  // namespace valorne
