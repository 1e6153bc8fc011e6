// Where the parts of the game hand the program their screens and script
// commands. Each part adds one call here when its registration exists.
#include "county/church_screens.h"
#include "county/field_screens.h"
#include "county/management_screens.h"
#include "level/level_commands.h"
#include "level/level_screens.h"
#include "level_run.h"
#include "military/army_screens.h"
#include "military/guard_frm.h"
#include "military/military_screens.h"
#include "rivals/diplo_frm.h"
#include "screens/map_screens.h"
#include "turn/turn_screens.h"

namespace valorne {

void RegisterGameScreens(ScreenRegistry& registry) {
  // The map, county, military, turn and level screens register here as they
  // are built (RegisterCountyScreens(registry) and the like); until then
  // every screen opens as a placeholder.
  RegisterLevelScreens(registry);
  RegisterFieldScreens(registry);
  RegisterMapScreens(registry);
  RegisterTurnScreens(registry);
  RegisterChurchScreens(registry);
  RegisterManagementScreens(registry);
  RegisterDiplomacyScreens(registry);
  RegisterGuardScreens(registry);
  RegisterMilitaryScreens(registry);
  RegisterArmyScreens(registry);
}

void RegisterGameCommands(ScriptCommands& commands, Game& game) {
  RegisterLevelCommands(commands, game);
}

}  // namespace valorne
