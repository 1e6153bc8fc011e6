// The two rival counties' turn, run by the end of turn after the seasons and
// before the final clamps: their economy, their armies, their raids and the
// market's offers.
#pragma once

#include "state/game.h"

namespace valorne {

void CalcRivals(Game& game);

}  // namespace valorne
