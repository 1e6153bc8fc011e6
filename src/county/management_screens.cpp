#include "county/management_screens.h"

#include "county/armoury_frm.h"
#include "county/army_frm.h"
#include "county/blacksmith_frm.h"
#include "county/build_frm.h"
#include "county/building_frm.h"
#include "county/castle_frm.h"
#include "county/leader_frm.h"
#include "county/realm_frm.h"
#include "screens/toolkit/ui.h"

namespace valorne {

void RegisterManagementScreens(ScreenRegistry& registry) {
  registry.Register<BuildFrm>("BuildFrm");
  registry.Register<BuildingFrm>("BuildingFrm");
  registry.Register<CastleFrm>("CastleFrm");
  registry.Register<BlacksmithFrm>("BlacksmithFrm");
  registry.Register<ArmouryFrm>("ArmouryFrm");
  registry.Register<ArmyFrm>("ArmyFrm");
  registry.Register<RealmFrm>("RealmFrm");
  registry.Register<LeaderFrm>("LeaderFrm");
}

void OpenRecruiting(Game& game, Ui& ui, Byte place) {
  ArmyFrm screen(game, ui, place);
  ui.ShowModal(screen);
}

void OpenLeader(Game& game, Ui& ui, int lord) {
  LeaderFrm screen(game, ui, lord);
  ui.ShowModal(screen);
}

}  // namespace valorne
