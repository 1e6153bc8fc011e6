// The army camp `ArmyCampFrm`: one army's soldiers by unit kind, its total,
// the county's morale, its moves and the equipment it carries; the list of
// the three armies to look at another; disbanding (with a confirmation),
// the split and the combine. Opened by the siege screen it serves as an army
// picker: the reorganising buttons are hidden.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class ArmyCampFrm : public Form {
 public:
  ArmyCampFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void Form_KeyUp(const EventArgs& args);
  void ArmyLst_Click();
  void DisbandBtn_Click();
  void Okanibtn2_Click();
  void Noanibtn_Click();
  void SplitBtn_Click();
  void CombineBtn_Click();

  void ShowArmy();
  void ShowButtons();
  void Confirming(bool asking);
  void ShowHint(TextRef hint);
};

}  // namespace valorne
