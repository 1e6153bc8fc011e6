// The save dialog: the saves of the save folder, the name to save under and
// a new name for renaming a save.
#pragma once

#include "level/save_dialogs.h"
#include "level/save_list_frm.h"
#include "screens/toolkit/form.h"

namespace valorne {

class SaveGameFrm : public Form {
 public:
  SaveGameFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void FileLst_Click();
  void OkAniBtn_Click();
  void RenameTxt_KeyUp(const EventArgs& args);
  void Form_KeyUp(const EventArgs& args);
  // Puts the fields back after a rule has run and shows its problem.
  void Show(const SaveDialogFields& fields, const DialogResult& result);

  SaveListView files_;
};

}  // namespace valorne
