#include "level/save_game_frm.h"

#include "level/save_dialogs.h"
#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

// The hint line's text 4/22: nothing has been chosen.
constexpr TextRef kNothingChosen{4, 22};

const std::array<ControlSpec, 3> kSaveOwnControls{{
    DialogCaption("RenameLbl", {300, 156, 140, 18}, "New name"),
    DialogTextBox("RenameTxt", {300, 176, 140, 24}),
    DialogCaption("RenameHintLbl", {300, 204, 140, 82},
                  "Enter in this field renames the save named above.", 11),
}};

const auto kSaveGameControls =
    SaveDialogControls({"Save the game", "Save as", "Save"}, kSaveOwnControls);

}  // namespace

SaveGameFrm::SaveGameFrm(Game&, Ui& ui)
    : Form(ui, {.name = "SaveGameFrm",
                .size = kDialogSize,
                .controls = kSaveGameControls,
                .background = kDialogBackground}),
      files_(*this, "FileLst", "FileUpBtn", "FileDownBtn") {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  OnForm(FormEvent::KeyUp, [this](const EventArgs& a) { Form_KeyUp(a); });
  On("FileLst", FormEvent::Click, &SaveGameFrm::FileLst_Click);
  On("OkAniBtn", FormEvent::Click, &SaveGameFrm::OkAniBtn_Click);
  On("CancelAniBtn", FormEvent::Click, [this] { Close(); });
  On("RenameTxt", FormEvent::KeyUp, &SaveGameFrm::RenameTxt_KeyUp);
  On("FileNameTxt", FormEvent::KeyUp, [this](const EventArgs& a) {
    if (a.key == "Return") OkAniBtn_Click();
  });
}

void SaveGameFrm::Form_Load() {
  files_.Refill(game());
  SetFocus(&(*this)["FileNameTxt"]);
}

void SaveGameFrm::FileLst_Click() {
  const std::string save = files_.Choose();
  if (save.empty()) return;
  (*this)["FileNameTxt"].SetText(save);
  (*this)["Helper"].SetText("");
}

void SaveGameFrm::OkAniBtn_Click() {
  SaveDialogFields fields{(*this)["FileNameTxt"].Text(), (*this)["RenameTxt"].Text()};
  if (fields.FileNameTxt.empty()) {
    ShowText((*this)["Helper"], kNothingChosen.id, kNothingChosen.category, game().texts);
    return;
  }
  const DialogResult result = SaveDialogOk(game(), fields);
  Show(fields, result);
  if (result.close) CloseDialogAndMenu(*this);
}

// Enter released in the rename field, with both fields filled.
void SaveGameFrm::RenameTxt_KeyUp(const EventArgs& args) {
  if (args.key != "Return") return;
  SaveDialogFields fields{(*this)["FileNameTxt"].Text(), (*this)["RenameTxt"].Text()};
  if (fields.FileNameTxt.empty() || fields.RenameTxt.empty()) return;
  const DialogResult result = SaveDialogRename(game(), fields);
  Show(fields, result);
  files_.Refill(game());
}

void SaveGameFrm::Form_KeyUp(const EventArgs& args) {
  if (args.key == "Escape") Close();
}

void SaveGameFrm::Show(const SaveDialogFields& fields, const DialogResult& result) {
  (*this)["FileNameTxt"].SetText(fields.FileNameTxt);
  (*this)["RenameTxt"].SetText(fields.RenameTxt);
  (*this)["Helper"].SetText(AsSentence(result.problem));
}

}  // namespace valorne
