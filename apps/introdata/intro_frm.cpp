#include "intro_frm.h"

#include "level/game_files.h"
#include "level/settings_files.h"
#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"
#include "state/game_state.h"

namespace valorne {

namespace {

constexpr Colour kVictoryInk = Rgb(0, 110, 40);

constexpr ControlSpec Words(std::string_view name, Rect rect, std::string_view text, int size,
                            Colour ink = look::kInk) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = rect,
          .text = text,
          .fore = ink,
          .font_size = size,
          .align = TextAlign::Centre};
}

const ControlSpec kIntroControls[] = {
    Words("TitleLbl", {120, 92, 560, 44}, "Valorne is won", 34, kVictoryInk),
    Words("StoryLbl", {150, 156, 500, 150},
          "The first rival county has fallen, a thousand soldiers stand under your banner, "
          "your farmers know every craft of the soil and your people cheer their lord. The "
          "county of Valorne is yours.",
          17),
    Words("ResultLbl", {150, 316, 500, 90}, "", 16, look::kWood),
    {.name = "MenuBtn",
     .kind = ControlKind::AniButton,
     .rect = {214, 430, 170, 34},
     .text = "Back to the title"},
    {.name = "QuitBtn",
     .kind = ControlKind::AniButton,
     .rect = {416, 430, 170, 34},
     .text = "Leave the game"},
};

}  // namespace

std::string CampaignGoesOnText(int next_level) {
  if (next_level <= kLevelNumber) return "The campaign goes on beyond Valorne.";
  return "The campaign goes on at level " + std::to_string(next_level) +
         ". That county lies beyond Valorne: its tale is not told here.";
}

IntroFrm::IntroFrm(Game&, Ui& ui)
    : Form(ui, {.name = "IntroFrm",
                .size = {800, 600},
                .controls = kIntroControls,
                .background = "introres",
                .enlarges = false}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("MenuBtn", FormEvent::Click, &IntroFrm::MenuBtn_Click);
  On("QuitBtn", FormEvent::Click, [this] { Close(); });
}

void IntroFrm::Form_Load() {
  Byte next = 0;
  if (!ReadNumberFile(game().AppPath, kCampFile, next).ok()) next = 0;
  (*this)["ResultLbl"].SetText(CampaignGoesOnText(next));
}

void IntroFrm::MenuBtn_Click() {
  // The menu is started even when it cannot be: the page closes all the same.
  ui().services().StartProgram(GamePath(game(), "\\menudata.rx"));
  Close();
}

}  // namespace valorne
