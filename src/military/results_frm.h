// The results screen `ResultsFrm`, opened by the battle poll when the battle
// program has finished. On loading it reads the outcome (survivors back to
// their forces, morale), shows the losses, the army's remaining soldiers and
// the plunder, and sounds the victory or the defeat; its `OkAniBtn` applies
// what the outcome means and ends the battle.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class ResultsFrm : public Form {
 public:
  ResultsFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void OkAniBtn_Click();
  void ShowFigures();

  bool read_ = false;
};

}  // namespace valorne
