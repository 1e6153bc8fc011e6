// The headless level's commands of the level itself: `dump` prints the live
// state, `save NAME` and `load NAME` act as the save and load dialogs' OK.
#pragma once

#include <string>

#include "screens/toolkit/script_commands.h"
#include "state/game.h"

namespace valorne {

void RegisterLevelCommands(ScriptCommands& commands, Game& game);

// The live state as one JSON line: the record's fields in record order, then
// the values the level keeps outside its record.
std::string LiveStateJson(const Game& game);

}  // namespace valorne
