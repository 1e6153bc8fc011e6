// The leader screen `LeaderFrm`: the standings of the player's lord (lord 1)
// or of one of the two rival lords (2 and 3). A rival not yet fully known
// shows "?" on every value line.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class LeaderFrm : public Form {
 public:
  LeaderFrm(Game& game, Ui& ui, int lord = 1);

  int lord() const { return lord_; }

 private:
  void Form_Load();

  int lord_;
};

}  // namespace valorne
