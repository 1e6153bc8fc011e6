// Where the parts of the game hand the program their screens and script
// commands. Each part adds one call here when its registration exists.
#include "level_run.h"

namespace valorne {

void RegisterGameScreens(ScreenRegistry& registry) {
  // The map, county, military, turn and level screens register here as they
  // are built (RegisterCountyScreens(registry) and the like); until then
  // every screen opens as a placeholder.
  (void)registry;
}

void RegisterGameCommands(ScriptCommands& commands, Game& game) {
  // TODO(lead): the level part's RegisterLevelCommands(commands, game)
  // ("dump", "save NAME", "load NAME") is called here once it exists.
  (void)commands;
  (void)game;
}

}  // namespace valorne
