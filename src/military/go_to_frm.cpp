#include "military/go_to_frm.h"

#include "military/battle_start.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 400;
constexpr int kHeight = 400;
constexpr int kPanelWidth = kWidth - 40;
constexpr int kArmyListText = 158;  // 4/158: the three armies' names
constexpr Byte kBeforeTheGate = 2;
constexpr int kSealTop = kHeight - kSealSize - 36;

constexpr ControlSpec InPanel(ControlSpec control) {
  control.parent = "GoToPic";
  return control;
}

const ControlSpec kControls[] = {
    Title("TitleLbl", {20, 14, kWidth - 40, 34}, {}, "To the battlefield"),
    {.name = "GoToPic",
     .kind = ControlKind::Picture,
     .rect = {20, 60, kPanelWidth, 230},
     .back = look::kParchmentDark},
    {.name = "WarwarningImg",
     .kind = ControlKind::Image,
     .rect = {12, 10, 36, 36},
     .picture = "WarwarningRes",
     .parent = "GoToPic",
     .visible = false},
    {.name = "WarLbl",
     .kind = ControlKind::Label,
     .rect = {56, 17, kPanelWidth - 68, 22},
     .text = "War! Rival armies stand in the field.",
     .parent = "GoToPic",
     .fore = kWarningInk,
     .font_size = kRowFont,
     .enabled = false},
    InPanel(Caption("CaptionLbl", 1, {10, 60, kPanelWidth - 20, kRowHeight},
                    "Which army marches out?", {}, TextAlign::Centre)),
    {.name = "ArmyLst",
     .kind = ControlKind::ListBox,
     .rect = {70, 92, kPanelWidth - 140, 80},
     .parent = "GoToPic",
     .fore = look::kInk,
     .back = look::kParchment,
     .font_size = kRowFont},
    Seal("CancelAniBtn", kCancelSeal, kWidth / 2 - kSealSize - 30, kSealTop),
    SealWord("CancelWordLbl", kWidth / 2 - kSealSize - 30, kSealTop, "Stay"),
    {.name = "Okanibtn2",
     .kind = ControlKind::AniButton,
     .rect = {kWidth / 2 + 30, kSealTop, kSealSize, kSealSize},
     .picture = "OkAniBtn",
     .hover_picture = "OkAniBtn_hover",
     .enabled = false},
    SealWord("OkWordLbl", kWidth / 2 + 30, kSealTop, "March"),
};

}  // namespace

void ChooseFieldArmy(Game& game, int entry) {
  GameState& s = game.state;
  const int army = entry + 1;
  if (army < 1 || army > 3) return;
  const bool castle_quiet = s.RivalStatus[2] >= kIdle && s.RivalStatus[3] >= kIdle;
  const bool may_go =
      IsTrue(s.ArmyExists[army]) && (castle_quiet || s.ArmyWaypointNos[army] == kBeforeTheGate);
  s.SelectedArmy = may_go ? static_cast<Byte>(army) : 0;
}

GoToFrm::GoToFrm(Game&, Ui& ui, bool war_warning)
    : Form(ui, {.name = "GoToFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this, war_warning] {
    ShowText((*this)["ArmyLst"], kArmyListText, 4, game().texts);
    (*this)["WarwarningImg"].SetVisible(war_warning);
    (*this)["WarLbl"].SetEnabled(war_warning);
    (*this)["WarLbl"].SetVisible(war_warning);
  });
  On("ArmyLst", FormEvent::Click, &GoToFrm::ArmyLst_Click);
  On("Okanibtn2", FormEvent::Click, &GoToFrm::Okanibtn2_Click);
  On("CancelAniBtn", FormEvent::Click, [this] { Close(); });
}

void GoToFrm::ArmyLst_Click() {
  const int entry = Get<ListBox>("ArmyLst").ListIndex();
  if (entry < 0) return;
  ChooseFieldArmy(game(), entry);
  (*this)["Okanibtn2"].SetEnabled(true);
}

void GoToFrm::Okanibtn2_Click() {
  if (game().state.SelectedArmy == 0) return;
  Close();
  StartFieldMeeting(game());
}

void OpenGoToPanel(Game& game, Ui& ui, int flag) {
  GoToFrm panel(game, ui, flag == 0);
  ui.ShowModal(panel);
}

}  // namespace valorne
