// The screens of the campaign screen and the level's flow: the campaign map
// `Camp1Frm` and the objectives screen `TipsFrm`.
#pragma once

namespace valorne {

class ScreenRegistry;

void RegisterMapScreens(ScreenRegistry& registry);

}  // namespace valorne
