// The battlefield panel: from the battlefield on the map (while a war runs)
// or from the war's marker, the player picks one of the armies to meet a
// rival army in the field. The panel `GoToPic` holds the army list
// `ArmyLst`, its OK `Okanibtn2` and, when opened from the war's marker, the
// war warning `WarwarningImg` with its line `WarLbl`.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

// The army entry `entry` (0..2) of the list chosen: `SelectedArmy` becomes
// that army if it may go, else 0. While no rival army marches on the castle
// any army that exists may go; otherwise only one standing before the gate
// (waypoint 2).
void ChooseFieldArmy(Game& game, int entry);

class GoToFrm : public Form {
 public:
  GoToFrm(Game& game, Ui& ui, bool war_warning);

 private:
  void ArmyLst_Click();
  void Okanibtn2_Click();
};

// Opens the panel; `flag` 0 shows the war warning too.
void OpenGoToPanel(Game& game, Ui& ui, int flag);

}  // namespace valorne
