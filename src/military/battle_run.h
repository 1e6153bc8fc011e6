// The battle program at work: started behind the battle fade (or at once
// with fades off), the campaign map disabled and quiet meanwhile, and the
// status file polled by `BattleTimer` until the battle program reports the
// end; then the results screen. A battle program that cannot be started,
// ends without finishing, or leaves an outcome that cannot be read ends the
// battle with a message box and changes nothing.
#pragma once

#include <string>

#include "state/game.h"

namespace valorne {

class Ui;

inline constexpr int kBattlePollMs = 250;
inline constexpr std::string_view kBattleProgram = "\\battledata.rx";

// After the battle input is written: the battle fade, which runs the battle
// program, or with fades off the battle program at once.
void LaunchBattle(Game& game, Ui& ui);

// Disables and quiets the map, starts `BattleTimer` and the battle program.
void RunBattleProgram(Game& game, Ui& ui);

// One tick of `BattleTimer`.
void PollBattle(Game& game, Ui& ui);

// Ends a battle that could not be fought: says why on standard error, deletes
// the exchange files, sets the status file to 0, gives the map back and shows
// the message box. Armies and forces stay as they were.
void FailBattle(Game& game, Ui& ui, const std::string& reason);

}  // namespace valorne
