#include "level/load_game_frm.h"

#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

// The hint line's text 4/22: nothing has been chosen.
constexpr TextRef kNothingChosen{4, 22};

const std::array<ControlSpec, 3> kLoadOwnControls{{
    DialogCaption("DateCaptionLbl", {300, 156, 140, 18}, "Saved on"),
    DialogCaption("FileDateLbl", {300, 176, 140, 20}, "", 14),
    {.name = "DeleteBtn",
     .kind = ControlKind::Button,
     .rect = {300, 304, 140, 30},
     .text = "Delete"},
}};

const auto kLoadGameControls =
    SaveDialogControls({"Load a game", "Game to load", "Load"}, kLoadOwnControls);

}  // namespace

LoadGameFrm::LoadGameFrm(Game&, Ui& ui)
    : Form(ui, {.name = "LoadGameFrm",
                .size = kDialogSize,
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
