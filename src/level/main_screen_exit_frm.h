// The exit confirmation: asked before the level is left for the campaign's
// title (MessageKind 106) or for the desktop (MessageKind 105).
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class MainScreenExit : public Form {
 public:
  MainScreenExit(Game& game, Ui& ui);

 private:
  void Form_Load();
  void OkAniBtn_Click();
  void Noanibtn_Click();
};

}  // namespace valorne
