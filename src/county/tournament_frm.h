// The tournament screen `TournamentFrm`: the fixed cost, the prize the
// player adds in steps of 100 while the treasury covers it, and the seals
// that hold the tournament (paying cost and prize) or refuse it.
#pragma once

#include "county/screen_outcome.h"
#include "screens/toolkit/form.h"

namespace valorne {

class TournamentFrm : public Form {
 public:
  TournamentFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void ShowFigures();
  // Runs a button's rule: the hint of a refusal, the figures redrawn, and
  // the screen closed when `closes` and the rule went through.
  void Act(Outcome (*rule)(Game&), bool closes);
};

}  // namespace valorne
