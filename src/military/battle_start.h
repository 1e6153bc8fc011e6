// Starting a battle: the player's attack confirmed on the question box, the
// storm of a besieged castle, the meeting of a rival army from the
// battlefield panel, and a rival's army at the player's castle. Each caller
// gives what the battle is fought on and against; WriteBattleInput writes
// the battle's files and hands over to the battle program.
#pragma once

#include "military/battle_input.h"
#include "state/game.h"

namespace valorne {

// The two ways the player starts a battle on the question box.
inline constexpr int kFieldBattleMode = 1;    // the target chosen by `BattleTarget`
inline constexpr int kCastleAssaultMode = 2;  // the storm of a rival's castle

// Writes the status file (1) and "Fight_in.rx" for `request`, then starts
// the battle program (behind the battle fade unless fades are off). A file
// that cannot be written ends the battle before it starts, as a battle the
// battle program could not fight.
void WriteBattleInput(Game& game, const BattleRequest& request);

// Mode 1: a field battle against `BattleTarget` 1..6, 12 or 13 (any other
// target does nothing) with `SelectedArmy`. Mode 2: the storm of the castle
// of rival county 1 (target 7) or 2 (target 10) at its standing stage; a
// castle with no stage standing is no battle.
void StartBattle(Game& game, int mode);

// A rival county's army (county 1 or 2) has reached the player's castle: the
// battle at the castle's standing stage, with `BattleTarget` and
// `SelectedArmy` already set by the caller. No battle when the castle has
// already fallen, no army stands in it, or no castle stage stands.
void StartCastleDefence(Game& game, int county);

// The battlefield panel's OK: our `SelectedArmy` meets the first rival army
// that is at war in the field (camp 2, camp 3, then camp 5), on "field1".
// Answers whether a battle started.
bool StartFieldMeeting(Game& game);

}  // namespace valorne
