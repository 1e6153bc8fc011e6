// Running the level once the program has its screens and platform: the
// start-up, the new level, then the campaign map until it closes.
#pragma once

#include <functional>

#include "arguments.h"
#include "platform/services.h"
#include "screens/toolkit/screen_registry.h"
#include "screens/toolkit/script_commands.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

// Every screen the parts of the game have built.
void RegisterGameScreens(ScreenRegistry& registry);
// The script commands of the parts of the game ("dump", "save", "load").
void RegisterGameCommands(ScriptCommands& commands, Game& game);

// Runs StartProgram, then `after_start` (the platform takes the settings
// read), SetUpNewLevel and the campaign map. Returns the exit code: 0 when
// the level ends, or the code a script or window gave.
int RunLevel(Game& game, Ui& ui, PlatformServices& services,
             const std::function<void()>& after_start);

int RunHeadless(Game& game, const ProgramArguments& arguments);
int RunInWindow(Game& game, const ProgramArguments& arguments);

}  // namespace valorne
