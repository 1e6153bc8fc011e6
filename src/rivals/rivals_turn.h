// The two rival counties' turn, run by the end of turn after the seasons and
// before the final clamps: their economy, their armies, their raids and the
// market's offers.
#pragma once

#include "state/game.h"

namespace valorne {

// The market's offers, rival county 1's turn and rival county 2's, the war
// countdowns and the marches, the clamps of the rivals' values, and a rival
// army's arrival at the castle.
void CalcRivals(Game& game);

}  // namespace valorne
