#include "level/level_screens.h"

#include "level/load_game_frm.h"
#include "level/main_screen_exit_frm.h"
#include "level/menu_frm.h"
#include "level/save_game_frm.h"

namespace valorne {

void RegisterLevelScreens(ScreenRegistry& registry) {
  registry.Register<MenuFrm>("MenuFrm");
  registry.Register<SaveGameFrm>("SaveGameFrm");
  registry.Register<LoadGameFrm>("LoadGameFrm");
  registry.Register<MainScreenExit>("MainScreenExit");
}

}  // namespace valorne
