// The weather screen `WeatherFrm`: what the season being played will do to
// the people when it ends, its animation, and the risk of floods that the
// end of winter brings. Information only; the tick closes it.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class WeatherFrm : public Form {
 public:
  WeatherFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void ShowFloodRisk();
  void NextFrame();

  int frame_ = 0;
};

}  // namespace valorne
