// The castle screen `CastleFrm`: the castle stage standing with its picture,
// its income and the soldiers it holds, the garrison by unit type, and the
// castle's stores of siege defences.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class CastleFrm : public Form {
 public:
  CastleFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
};

}  // namespace valorne
