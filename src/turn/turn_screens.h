// The screens of the end of turn: the question box, the message screen, the
// fade, the weather and the movies.
#pragma once

#include "screens/toolkit/screen_registry.h"

namespace valorne {

void RegisterTurnScreens(ScreenRegistry& registry);

}  // namespace valorne
