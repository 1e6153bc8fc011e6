// What the save and load dialogs do when the player acts. The dialogs
// (SaveGameFrm, LoadGameFrm) hold the fields and call these; a result with
// `close` set closes the dialog and the game menu behind it, and `problem`
// holds a refusal to show on the dialog (a name a file cannot carry, a save
// that cannot be written or read).
#pragma once

#include <string>
#include <string_view>

#include "state/game.h"

namespace valorne {

struct DialogResult {
  bool close = false;
  std::string problem;
};

// The save dialog's name field (FileNameTxt) and rename field (RenameTxt).
struct SaveDialogFields {
  std::string FileNameTxt;
  std::string RenameTxt;
};

// OK: saves under the name field and confirms with 1/126. "QuickSave" and
// "FirstSave" are refused with 1/132; an empty name does nothing.
DialogResult SaveDialogOk(Game& game, SaveDialogFields& fields);

// Enter in the rename field, with both fields filled: renames the save named
// in the name field to the name in the rename field and clears both fields.
// The game's protected saves cannot be renamed, nor can a save take one of
// their names (1/132); an existing save is never replaced by a rename.
DialogResult SaveDialogRename(Game& game, SaveDialogFields& fields);

// The load dialog's name field, date label (FileDateLbl) and the save
// selected in its list.
struct LoadDialogFields {
  std::string FileNameTxt;
  std::string FileDateLbl;
  std::string SelectedSave;
};

// A click on a save in the list: its name goes to the name field and the date
// and time of its last change to the date label.
void LoadDialogSelect(Game& game, LoadDialogFields& fields, std::string_view save);

// Delete: with a name in the name field, deletes the save selected in the
// list (the named one when the list has no selection) and clears the name.
// The game's protected saves are refused with 1/132.
DialogResult LoadDialogDelete(Game& game, LoadDialogFields& fields);

// OK: with a name in the name field, loads that save and confirms with 1/130,
// also for a save of another level (which leaves the game as it was).
DialogResult LoadDialogOk(Game& game, LoadDialogFields& fields);

// The date and time a save was last changed, "YYYY-MM-DD HH:MM" in local
// time; empty when there is no such save.
std::string SaveFileDate(const Game& game, std::string_view save);

}  // namespace valorne
