// The siege screen `SiegeFrm`, opened from a siege marker on the map with
// `SiegeMode` 1 or 2: the engineers of the besieging army and the turns the
// siege still runs; the army can be looked over in the army camp (its
// reorganising buttons hidden while a siege is shown) or the siege lifted.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class SiegeFrm : public Form {
 public:
  SiegeFrm(Game& game, Ui& ui);

 private:
  void ShowFigures();
  void Okanibtn2_Click();
  void Okanibtn3_Click();
};

// The siege marker `SiegeImg2` (mode 1) or `SiegeImg3` (mode 2) clicked: the
// besieging army is selected and the siege screen shown; `SiegeMode` is 0
// again once it closes.
void OpenSiegeScreen(Game& game, Ui& ui, int mode);

}  // namespace valorne
