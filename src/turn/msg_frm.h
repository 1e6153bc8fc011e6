// The question box `MsgFrm`: the text of the question and two seals, OK and
// No. The button only gives the answer back and closes the box; the rule that
// asked (Ask) then applies what the kind of question decides. A question that
// only tells the player something shows the OK seal alone.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

// Kinds of question that are notices: either answer does the same.
bool IsNoticeOnly(int kind);

class MsgFrm : public Form {
 public:
  MsgFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void Answer(bool ok);
};

}  // namespace valorne
