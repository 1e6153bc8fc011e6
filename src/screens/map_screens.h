// The screens of the campaign screen and the level's flow: the campaign map
// `Camp1Frm`, the whole-map preview `MapPreviewFrm` and the objectives
// screen `TipsFrm`.
#pragma once

namespace valorne {

class ScreenRegistry;

void RegisterMapScreens(ScreenRegistry& registry);

}  // namespace valorne
