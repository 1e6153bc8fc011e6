// The cattle screen: the meat of the cattle fields, the people on them and
// the meat one field yields and loses to the wolves.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class CattleFrm : public Form {
 public:
  CattleFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
};

}  // namespace valorne
