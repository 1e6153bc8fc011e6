// The player's sieges of the rival castles: laid through the siege questions
// (kinds 12 and 13), counted down at each end of turn, and ending in the
// question whether to storm (kinds 14 and 15).
#pragma once

#include "state/game.h"

namespace valorne {

// Turns a siege lasts with `engineers` engineers in the besieging army:
// up to 10: 6 turns; 11..20: 4; 21..30: 3; more: 2.
Byte SiegeTurns(long engineers);

// Lays siege with the selected army: the countdown of the first siege
// (`RivalStatus`[1]) or, with `second`, of the second (`RivalStatus4`).
// Without a selected army nothing happens.
void LaySiege(Game& game, bool second);

// The storm of a besieged castle: the first army standing on the siege's
// waypoint becomes `SelectedArmy` and the battle starts (target 7 for the
// first siege, 10 for the second). With no army there nothing happens.
void StormCastle(Game& game, bool second);

// End of turn: both siege countdowns, the first, then the second; each at 0
// asks whether to storm.
void CountDownSieges(Game& game);

}  // namespace valorne
