// The load dialog: the saves of the save folder, the name of the save to
// load, the date it was last changed, and a button to delete a save.
#pragma once

#include "level/save_dialogs.h"
#include "level/save_list_frm.h"
#include "screens/toolkit/form.h"

namespace valorne {

class LoadGameFrm : public Form {
 public:
  LoadGameFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
  void FileLst_Click();
  void DeleteBtn_Click();
  void OkAniBtn_Click();
  void Form_KeyUp(const EventArgs& args);
  // The name field as the player left it, into the rules' fields.
  void TakeName();
  // The rules' fields back onto the dialog, with the problem they report.
  void Show(const DialogResult& result);

  SaveListView files_;
  LoadDialogFields fields_;
};

}  // namespace valorne
