// The tax screen: the tax rate, raised and lowered in steps of ten, with the
// gold it brings and the happiness it costs each turn.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class TaxFrm : public Form {
 public:
  TaxFrm(Game& game, Ui& ui);

 private:
  void TaxUp_Click();
  void TaxDown_Click();
  void ShowFigures();
};

}  // namespace valorne
