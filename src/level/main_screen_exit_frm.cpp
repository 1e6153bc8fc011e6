#include "level/main_screen_exit_frm.h"

#include "level/handoff.h"
#include "level/save_list_frm.h"
#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

const ControlSpec kExitControls[] = {
    {.name = "TitleLbl",
     .kind = ControlKind::Label,
     .rect = {30, 30, 300, 30},
     .fore = look::kInk,
     .font_size = 22,
     .align = TextAlign::Centre},
    {.name = "MsgLbl",
     .kind = ControlKind::Label,
     .rect = {30, 70, 300, 70},
     .fore = look::kInk,
     .font_size = 15,
     .align = TextAlign::Centre},
    {.name = "OkAniBtn", .kind = ControlKind::AniButton, .rect = {50, 156, 110, 32}, .text = "Yes"},
    {.name = "Noanibtn", .kind = ControlKind::AniButton, .rect = {200, 156, 110, 32}, .text = "No"},
};

}  // namespace

MainScreenExit::MainScreenExit(Game&, Ui& ui)
    : Form(ui, {.name = "MainScreenExit",
                .size = {360, 220},
                .controls = kExitControls,
                .background = kDialogBackground}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  OnForm(FormEvent::KeyUp, [this](const EventArgs& a) {
    if (a.key == "Escape") Noanibtn_Click();
    if (a.key == "Return") OkAniBtn_Click();
  });
  On("OkAniBtn", FormEvent::Click, &MainScreenExit::OkAniBtn_Click);
  On("Noanibtn", FormEvent::Click, &MainScreenExit::Noanibtn_Click);
}

void MainScreenExit::Form_Load() {
  const bool to_title = game().live.MessageKind == kExitToTitleKind;
  (*this)["TitleLbl"].SetText(to_title ? "Exit to the title" : "Exit to the desktop");
  (*this)["MsgLbl"].SetText(to_title ? "Leave the county for the campaign's title screen?\n"
                                       "A game that is not saved is lost."
                                     : "Leave the game for the desktop?\n"
                                       "A game that is not saved is lost.");
}

void MainScreenExit::OkAniBtn_Click() {
  ConfirmExit(game(), ui().services());
  game().live.MessageKind = 0;
  Close();
}

void MainScreenExit::Noanibtn_Click() {
  game().live.MessageKind = 0;
  Close();
}

}  // namespace valorne
