// The combine dialog `ArmyCombineFrm`: every pair of armies that stand on
// one waypoint, with both names, their soldiers and a box to tick; OK joins
// the ticked armies into the one with the lowest number.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class ArmyCombineFrm : public Form {
 public:
  ArmyCombineFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void OkAniBtn_Click();
};

}  // namespace valorne
