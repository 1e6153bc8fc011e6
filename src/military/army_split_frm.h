// The split dialog `ArmySplitFrm`: the selected army's soldiers in two
// columns, those who stay and the detachment that forms a new army. A kind
// is chosen in the list; the up and down buttons, held, move one soldier
// each tick of `SplitUpTimer` / `SplitDownTimer`.
#pragma once

#include "military/army_camp.h"
#include "screens/toolkit/form.h"

namespace valorne {

class ArmySplitFrm : public Form {
 public:
  ArmySplitFrm(Game& game, Ui& ui);

  // The pace of the held buttons.
  static constexpr int kRepeatMs = 40;

  const SplitColumns& columns() const { return columns_; }

 private:
  void Form_Load();
  void ArmyLst_Click();
  void SplitUpTimer_Timer();
  void SplitDownTimer_Timer();
  void OkAniBtn_Click();
  void Noanibtn_Click();
  void Hold(std::string_view timer, bool held);
  void ShowColumns();

  SplitColumns columns_;
  int selected_type_ = 0;  // `SelectedUnitType`
};

}  // namespace valorne
