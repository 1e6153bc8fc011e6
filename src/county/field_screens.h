// The county's screens of the fields, the works and the people: the crops
// and cattle screens, the three works screens, the people and tax screens.
#pragma once

#include "screens/toolkit/screen_registry.h"

namespace valorne {

void RegisterFieldScreens(ScreenRegistry& registry);

}  // namespace valorne
