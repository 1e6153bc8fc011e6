#include "screens/map_screens.h"

#include "screens/camp1_frm.h"
#include "screens/map_preview_frm.h"
#include "screens/tips_frm.h"
#include "screens/toolkit/screen_registry.h"

namespace valorne {

void RegisterMapScreens(ScreenRegistry& registry) {
  registry.Register<Camp1Frm>("Camp1Frm");
  registry.Register<TipsFrm>("TipsFrm");
  registry.Register<MapPreviewFrm>("MapPreviewFrm");
}

}  // namespace valorne
