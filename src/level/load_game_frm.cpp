#include "level/load_game_frm.h"

#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

// The hint line's text 4/22: nothing has been chosen.
constexpr TextRef kNothingChosen{4, 22};

const ControlSpec kLoadGameControls[] = {
    {.name = "TitleLbl",
     .kind = ControlKind::Label,
     .rect = {40, 34, 400, 30},
     .text = "Load a game",
     .fore = look::kInk,
     .font_size = 22,
     .align = TextAlign::Centre},
    {.name = "SavesLbl",
     .kind = ControlKind::Label,
     .rect = {40, 74, 200, 18},
     .text = "Saved games",
     .fore = look::kInk},
    {.name = "FileLst",
     .kind = ControlKind::ListBox,
     .rect = {40, 94, 214, 192},
     .fore = look::kInk},
    {.name = "FileUpBtn",
     .kind = ControlKind::AniButton,
     .rect = {258, 94, 28, 28},
     .picture = "UpAniBtn",
     .hover_picture = "UpAniBtn_hover"},
    {.name = "FileDownBtn",
     .kind = ControlKind::AniButton,
     .rect = {258, 258, 28, 28},
     .picture = "DownAniBtn",
     .hover_picture = "DownAniBtn_hover"},
    {.name = "NameLbl",
     .kind = ControlKind::Label,
     .rect = {300, 94, 140, 18},
     .text = "Game to load",
     .fore = look::kInk},
    {.name = "FileNameTxt",
     .kind = ControlKind::TextBox,
     .rect = {300, 114, 140, 24},
     .fore = look::kInk},
    {.name = "DateCaptionLbl",
     .kind = ControlKind::Label,
     .rect = {300, 156, 140, 18},
     .text = "Saved on",
     .fore = look::kInk},
    {.name = "FileDateLbl",
     .kind = ControlKind::Label,
     .rect = {300, 176, 140, 20},
     .fore = look::kInk,
     .font_size = 14},
    {.name = "DeleteBtn",
     .kind = ControlKind::Button,
     .rect = {300, 256, 140, 30},
     .text = "Delete"},
    {.name = "Helper",
     .kind = ControlKind::Label,
     .rect = {40, 292, 400, 36},
     .fore = kHintInk,
     .font_size = 12,
     .align = TextAlign::Centre},
    {.name = "OkAniBtn",
     .kind = ControlKind::AniButton,
     .rect = {110, 334, 110, 30},
     .text = "Load"},
    {.name = "CancelAniBtn",
     .kind = ControlKind::AniButton,
     .rect = {260, 334, 110, 30},
     .text = "Cancel"},
};

}  // namespace

LoadGameFrm::LoadGameFrm(Game&, Ui& ui)
    : Form(ui, {.name = "LoadGameFrm",
                .size = {480, 400},
                .controls = kLoadGameControls,
                .background = kDialogBackground}),
      files_(*this, "FileLst", "FileUpBtn", "FileDownBtn") {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  OnForm(FormEvent::KeyUp, [this](const EventArgs& a) { Form_KeyUp(a); });
  On("FileLst", FormEvent::Click, &LoadGameFrm::FileLst_Click);
  On("DeleteBtn", FormEvent::Click, &LoadGameFrm::DeleteBtn_Click);
  On("OkAniBtn", FormEvent::Click, &LoadGameFrm::OkAniBtn_Click);
  On("CancelAniBtn", FormEvent::Click, [this] { Close(); });
  On("FileNameTxt", FormEvent::KeyUp, [this](const EventArgs& a) {
    if (a.key == "Return") OkAniBtn_Click();
  });
}

void LoadGameFrm::Form_Load() {
  files_.Refill(game());
  SetFocus(&(*this)["FileNameTxt"]);
}

void LoadGameFrm::FileLst_Click() {
  const std::string save = files_.Choose();
  if (save.empty()) return;
  LoadDialogSelect(game(), fields_, save);
  Show({});
}

void LoadGameFrm::DeleteBtn_Click() {
  TakeName();
  if (fields_.FileNameTxt.empty()) {
    ShowText((*this)["Helper"], kNothingChosen.id, kNothingChosen.category, game().texts);
    return;
  }
  const DialogResult result = LoadDialogDelete(game(), fields_);
  Show(result);
  if (fields_.SelectedSave.empty()) files_.Unchoose();
  files_.Refill(game());
}

void LoadGameFrm::OkAniBtn_Click() {
  TakeName();
  if (fields_.FileNameTxt.empty()) {
    ShowText((*this)["Helper"], kNothingChosen.id, kNothingChosen.category, game().texts);
    return;
  }
  const DialogResult result = LoadDialogOk(game(), fields_);
  Show(result);
  if (result.close) CloseDialogAndMenu(*this);
}

void LoadGameFrm::Form_KeyUp(const EventArgs& args) {
  if (args.key == "Escape") Close();
}

void LoadGameFrm::TakeName() {
  fields_.FileNameTxt = (*this)["FileNameTxt"].Text();
}

void LoadGameFrm::Show(const DialogResult& result) {
  (*this)["FileNameTxt"].SetText(fields_.FileNameTxt);
  (*this)["FileDateLbl"].SetText(fields_.FileDateLbl);
  (*this)["Helper"].SetText(AsSentence(result.problem));
}

}  // namespace valorne
