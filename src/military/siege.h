// The player's sieges of the rival castles as the siege screen sees them:
// which army besieges, and lifting the siege.
#pragma once

#include "state/game.h"

namespace valorne {

// The waypoint of siege 1 (rival county 1's castle) or 2.
Byte SiegeWaypointOf(const Game& game, int mode);
// The countdown of siege 1 (`RivalStatus`[1]) or 2 (`RivalStatus4`).
Byte& SiegeCountdownOf(GameState& s, int mode);

// Opening the siege screen for siege `mode`: the first army standing on the
// siege's waypoint becomes `SelectedArmy` (none there: unchanged).
void SelectBesiegingArmy(Game& game, int mode);

// Every army on the waypoint of siege `mode` goes back to the waypoint
// before it.
void WithdrawBesiegers(Game& game, int mode);

// Lifts siege `mode`: its countdown goes idle and the besiegers withdraw.
void LiftSiege(Game& game, int mode);

}  // namespace valorne
