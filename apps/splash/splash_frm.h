// The splash: the title picture with the name of the county, shown while the
// campaign changes programs. It closes by itself after a few seconds, or at
// a click or a key.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

inline constexpr int kSplashShownMs = 4000;

class SplashFrm : public Form {
 public:
  SplashFrm(Game& game, Ui& ui);
};

}  // namespace valorne
