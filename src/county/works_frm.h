// The screen of the wood, stone or ore works: five work places, each staffed
// or freed by a press of any mouse button, with the idle people, the works'
// people and the yield of the next end of turn. One class serves the three
// works (`WoodFrm`, `Stonefrm`, `OreFrm`).
#pragma once

#include "county/works.h"
#include "screens/toolkit/form.h"

namespace valorne {

class WorksFrm : public Form {
 public:
  WorksFrm(Game& game, Ui& ui, Works works);

  Works works() const { return works_; }

 private:
  void Form_Load();
  void SlotImg_MouseDown(int place);
  void ShowFigures();

  Works works_;
};

}  // namespace valorne
