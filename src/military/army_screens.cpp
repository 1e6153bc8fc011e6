#include "military/army_screens.h"

#include "military/army_camp_frm.h"
#include "military/army_combine_frm.h"
#include "military/army_split_frm.h"
#include "screens/toolkit/screen_registry.h"

namespace valorne {

void RegisterArmyScreens(ScreenRegistry& registry) {
  registry.Register<ArmyCampFrm>("ArmyCampFrm");
  registry.Register<ArmySplitFrm>("ArmySplitFrm");
  registry.Register<ArmyCombineFrm>("ArmyCombineFrm");
}

}  // namespace valorne
