// The screens of the battles and sieges, for the screen registry: the
// results screen, the siege screen and the battlefield panel (registered
// with the war warning shown, as the war's marker opens it).
#pragma once

#include "screens/toolkit/screen_registry.h"

namespace valorne {

void RegisterMilitaryScreens(ScreenRegistry& registry);

}  // namespace valorne
