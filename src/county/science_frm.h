// The science screen `ScienceFrm`: the cost of the next level of knowledge
// and what it brings, the research under way, and the seals that start it,
// stop it (refunding what it cost) or close the screen.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class ScienceFrm : public Form {
 public:
  ScienceFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void ShowFigures();
  void OkAniBtn_Click();
  void CancelAniBtn_Click();
};

}  // namespace valorne
