// The army screens: the army camp, the split and the combine dialogs.
#pragma once

namespace valorne {

class ScreenRegistry;

void RegisterArmyScreens(ScreenRegistry& registry);

}  // namespace valorne
