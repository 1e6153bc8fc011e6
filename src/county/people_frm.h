// The people screen: the figures of the population, what the people are fed
// (the meat and grain boxes) and what moves their happiness and health each
// turn.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class PeopleFrm : public Form {
 public:
  PeopleFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void MeatOption_Click();
  void CropsOption_Click();
  void ShowFigures();
};

}  // namespace valorne
