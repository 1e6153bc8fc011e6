// The church screen `ReligionFrm`. It asks what `ReligionMode` says: the
// tithe (the gold the church demands, pay or refuse) or a burning at the
// stake (allow or spare the heretic). An answer takes effect at once and
// closes the screen; a tithe the treasury cannot pay is refused on the hint
// line. Opened without a question, it only shows the church and closes
// with the tick.
#pragma once

#include "county/church_tournament.h"
#include "screens/toolkit/form.h"

namespace valorne {

class ReligionFrm : public Form {
 public:
  ReligionFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void Answer(ChurchAnswer (*answer)(Game&));
};

}  // namespace valorne
