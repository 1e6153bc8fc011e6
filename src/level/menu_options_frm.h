// The two options pages of the game menu: "Options" (the map, the armies,
// battles, saving, tooltips) and "Sound and messages" (music, the two volume
// bars, the message lists). A click changes the running options at once;
// the confirm button also keeps them in "Advanced.rx" for later games, while
// going back to the main page keeps them for this run only.
#pragma once

#include <span>
#include <string_view>

#include "screens/toolkit/form.h"
#include "state/game.h"

namespace valorne {

// The page containers and their controls, for the game menu's table.
inline constexpr std::string_view kOptionsPage = "OptionsPage";
inline constexpr std::string_view kMoreOptionsPage = "MoreOptionsPage";
std::span<const ControlSpec> OptionsPagesControls();

// The sound channels that play effects (everything but the music).
inline constexpr std::string_view kMusicChannel = "MusicChanel01";
inline constexpr std::string_view kEffectChannels[] = {
    "FaunaChanel01", "ClickChanel01", "ClickChanel02", "EnvChanel01",
    "EnvChanel02",   "EnvChanel03",   "EnvChanel04"};

class MenuOptionsPages {
 public:
  // Binds the pages' check boxes, volume buttons and the confirm button
  // (OkAniBtn) of `menu`.
  explicit MenuOptionsPages(Form& menu);
  MenuOptionsPages(const MenuOptionsPages&) = delete;
  MenuOptionsPages& operator=(const MenuOptionsPages&) = delete;

  // The boxes and bars as the running options stand.
  void Refresh();

 private:
  void OptionBox_Click(const EventArgs& args);
  void Volume_Click(const EventArgs& args);
  void OkAniBtn_Click();
  void ShowVolumes();
  void GiveVolumesToChannels();

  Form& menu_;
};

}  // namespace valorne
