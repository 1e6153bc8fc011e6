// The closing page after the level is won: the victory told, the campaign's
// progress as the level left it in "\camp.rx", and two ways on: back to the
// title menu, or out of the game.
#pragma once

#include <string>

#include "screens/toolkit/form.h"

namespace valorne {

class IntroFrm : public Form {
 public:
  IntroFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void MenuBtn_Click();
};

// The line about the campaign's progress, from the next level to be played
// as "\camp.rx" holds it (0 when it cannot be read).
std::string CampaignGoesOnText(int next_level);

}  // namespace valorne
