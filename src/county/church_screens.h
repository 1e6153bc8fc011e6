// The screens of the county's standing: science, the church and the
// tournaments.
#pragma once

#include "screens/toolkit/screen_registry.h"

namespace valorne {

void RegisterChurchScreens(ScreenRegistry& registry);

}  // namespace valorne
