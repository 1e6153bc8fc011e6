// The build screen `BuildFrm`: the ten buildings of the county (the five
// working buildings in the upper row, the five castle stages in the lower),
// the figures of the building chosen, and the order and stop of the one
// building under construction.
#pragma once

#include "county/construction.h"
#include "screens/toolkit/form.h"

namespace valorne {

class BuildFrm : public Form {
 public:
  BuildFrm(Game& game, Ui& ui);

  // The building chosen since the screen opened, 0 for none.
  int chosen() const { return chosen_; }

 private:
  void Form_Load();
  void Building_Click(int building);
  void OkAniBtn_Click();
  void CancelAniBtn_Click();

  // Sets every control as the screen shows itself on opening.
  void ShowOpening();
  void ShowCosts(int building);
  void ShowStores();
  void PointArrowAt(int building);
  void ShowOn(std::string_view control, TextRef text);
  void SetShown(std::string_view control, bool shown);

  int chosen_ = 0;
};

}  // namespace valorne
