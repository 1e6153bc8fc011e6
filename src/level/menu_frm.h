// The game menu, opened from the campaign map. Its main page leads to the
// save and load dialogs, "save and exit", the two ways out (each asked again
// on the exit confirmation), the two options pages and the about page.
#pragma once

#include <string_view>

#include "level/menu_options_frm.h"
#include "screens/toolkit/form.h"

namespace valorne {

class MenuFrm : public Form {
 public:
  MenuFrm(Game& game, Ui& ui);

  // The page shown: "MainPage", "OptionsPage", "MoreOptionsPage" or
  // "AboutPage".
  std::string_view page() const { return page_; }

 private:
  void ShowPage(std::string_view page);
  void SaveGameLbl_Click();
  void LoadGameLbl_Click();
  void SaveExitLbl_Click();
  void AskExit(Byte message_kind);
  void Form_KeyUp(const EventArgs& args);
  // Closes the menu once the level is ending.
  void CloseIfEnding();

  MenuOptionsPages options_;
  std::string_view page_;
};

}  // namespace valorne
