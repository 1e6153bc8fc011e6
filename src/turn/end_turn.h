// The end of turn: what happens between the click on `EndTurnBtn` and the
// moment the map takes input again. The order of the steps is a rule of the
// game: every step sees what the earlier ones left.
#pragma once

#include "state/game.h"

namespace valorne {

// The rule part of the `EndTurnBtn` click: the click sound, the automatic
// save (the state before the turn), then either the end of turn at once
// followed by the message screen (when the option is on) and the victory
// check, or, with fades on, the fade screen `EndTurnFrm`, which calls
// EndTurnAfterFade when its fade is done. The map's hint line is cleared at
// the end. The map screen then starts its busy animation.
void EndTurnClick(Game& game);

// Called by `EndTurnFrm` when the fade of an end of turn has finished: the
// end of turn, the message screen (when the option is on), the victory check.
void EndTurnAfterFade(Game& game);

// The end of turn in its sixteen steps.
void EndTurn(Game& game);

// New moves for every army that exists: 1 below morale 50, 2 from 50, 3
// from 75. Armies that do not exist keep what they had.
void ResetMovesForTurn(Game& game);

// Stores the soldiers of the three armies (`ArmyTotal`) and, when the four
// objectives of the level hold, opens the objectives screen on its victory.
void CheckVictory(Game& game);

// The name of the automatic save.
inline constexpr const char* kAutoSaveName = "AutoSave";

}  // namespace valorne
