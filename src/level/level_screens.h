// The level's own screens: the game menu with its options pages, the save
// and load dialogs and the exit confirmation.
#pragma once

#include "screens/toolkit/screen_registry.h"

namespace valorne {

void RegisterLevelScreens(ScreenRegistry& registry);

}  // namespace valorne
