// The castle question `BuildingFrm`, opened by a click on the castle on the
// map: "Do you want to see the castle?" OK plays the manor's sound and opens
// the castle screen; No closes.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class BuildingFrm : public Form {
 public:
  BuildingFrm(Game& game, Ui& ui);

 private:
  void OkAniBtn_Click();
};

}  // namespace valorne
