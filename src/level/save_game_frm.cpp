#include "level/save_game_frm.h"

#include "level/save_dialogs.h"
#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

// The hint line's text 4/22: nothing has been chosen.
constexpr TextRef kNothingChosen{4, 22};

const ControlSpec kSaveGameControls[] = {
    {.name = "TitleLbl",
     .kind = ControlKind::Label,
     .rect = {40, 34, 400, 30},
     .text = "Save the game",
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
     .text = "Save as",
     .fore = look::kInk},
    {.name = "FileNameTxt",
     .kind = ControlKind::TextBox,
     .rect = {300, 114, 140, 24},
     .fore = look::kInk},
    {.name = "RenameLbl",
     .kind = ControlKind::Label,
     .rect = {300, 156, 140, 18},
     .text = "New name",
     .fore = look::kInk},
    {.name = "RenameTxt",
     .kind = ControlKind::TextBox,
     .rect = {300, 176, 140, 24},
     .fore = look::kInk},
    {.name = "RenameHintLbl",
     .kind = ControlKind::Label,
     .rect = {300, 204, 140, 82},
     .text = "Enter in this field renames the save named above.",
     .fore = look::kInk,
     .font_size = 11},
    {.name = "Helper",
     .kind = ControlKind::Label,
     .rect = {40, 292, 400, 36},
     .fore = kHintInk,
     .font_size = 12,
     .align = TextAlign::Centre},
    {.name = "OkAniBtn",
     .kind = ControlKind::AniButton,
     .rect = {110, 334, 110, 30},
     .text = "Save"},
    {.name = "CancelAniBtn",
     .kind = ControlKind::AniButton,
     .rect = {260, 334, 110, 30},
     .text = "Cancel"},
};

}  // namespace

SaveGameFrm::SaveGameFrm(Game&, Ui& ui)
    : Form(ui, {.name = "SaveGameFrm",
                .size = {480, 400},
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
