// The guard screen `GuardFrm`: the player buys one of the guard's three
// services. `AssassinBtn`, `ScoutBtn` and `GuardBtn` choose the service and
// show its portrait, name, description and price; the assassins take their
// target from `AssassinLst` (the first rival county) or `AssassinLst2` (the
// second), the scouts from the three small maps `Image2`..`Image4`, which
// tell their travel time under the pointer. `OkAniBtn` buys, `CancelAniBtn`
// clears the choices, `Noanibtn` closes the screen.
#pragma once

#include "military/guard.h"
#include "screens/toolkit/form.h"
#include "screens/toolkit/screen_registry.h"

namespace valorne {

class GuardFrm : public Form {
 public:
  GuardFrm(Game& game, Ui& ui);

  GuardService service() const { return service_; }

 private:
  void Form_Load();
  void ChooseService(GuardService service);
  void AssassinList_Click(Byte county);
  void MiniMap_Click(Byte target);
  void MiniMap_Hover(Byte target);
  void OkAniBtn_Click();
  void CancelAniBtn_Click();
  void ShowService();
  void ShowChoices();
  void ShowHint(TextRef hint);

  GuardService service_ = GuardService::None;
};

void RegisterGuardScreens(ScreenRegistry& registry);

}  // namespace valorne
