// The title menu: the painted title picture with the menu on a wooden board
// beside the castle. Its pages: the main entries, the difficulty of a new
// game, and the display and sound settings.
#pragma once

#include <string_view>

#include "level/campaign_files.h"
#include "screens/toolkit/form.h"

namespace valorne {

inline constexpr std::string_view kTitleProgram = "menudata.rx";
inline constexpr std::string_view kLevelProgram = "\\level9";

class TitleFrm : public Form {
 public:
  TitleFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void Form_KeyUp(const EventArgs& args);
  void ShowPage(std::string_view page);
  void ShowProgress();
  void ContinueLbl_Click();
  // Writes the difficulty and the load request, starts the level and ends
  // the menu; a file that cannot be written or a level that cannot be
  // started keeps the menu open with the reason on the hint line.
  void StartGame(int difficulty, bool load_saved);

  // The display page: the working copy shown by the controls; Confirm
  // writes it, Back forgets it.
  void ShowDisplaySettings();
  void ScreenSizeLbl_Click();
  void DisplayOption_Click(const EventArgs& args);
  void OkAniBtn_Click();

  void Hint(std::string_view text);

  MenuSettings settings_;
  DisplaySettings chosen_;
  std::string_view page_;
};

}  // namespace valorne
