// The blacksmith screen `BlacksmithFrm`: the eleven items the smithy can
// make with their stocks, the figures of the item chosen (pieces a turn, the
// wood and ore it uses, the soldiers who carry it), the standing order and
// the way to the armoury.
#pragma once

#include "county/blacksmith.h"
#include "screens/toolkit/form.h"

namespace valorne {

class BlacksmithFrm : public Form {
 public:
  BlacksmithFrm(Game& game, Ui& ui);

  // The item chosen on the screen, 0 for none.
  int chosen() const { return chosen_; }

 private:
  void Form_Load();
  void Item_Click(int item);
  void OkAniBtn_Click();
  void CancelAniBtn_Click();
  void ArmouryBtn_Click();

  void ShowItem(int item);
  void ShowStocks();
  void ShowOrder();
  void ShowOn(std::string_view control, TextRef text);

  int chosen_ = 0;
  int fire_frame_ = 0;
};

}  // namespace valorne
