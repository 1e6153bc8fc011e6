// The list of saves on the save and load dialogs: every save of the save
// folder, a page at a time, with two arrow buttons that turn the page. The
// list box shows the rows that fit; the save the player chose stays chosen
// while the page turns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "screens/toolkit/controls.h"
#include "screens/toolkit/form.h"
#include "state/game.h"

namespace valorne {

class SaveListView {
 public:
  // The list box and the arrow buttons of `form`, by name; binds the arrows.
  SaveListView(Form& form, std::string_view list, std::string_view up, std::string_view down);
  SaveListView(const SaveListView&) = delete;
  SaveListView& operator=(const SaveListView&) = delete;

  // Reads the save folder again; the chosen save stays chosen if it is
  // still there.
  void Refill(const Game& game);
  // The player clicked the list: the save under the chosen row becomes the
  // chosen save. Returns its name ("" when the click chose no row).
  std::string Choose();
  // Forgets the chosen save.
  void Unchoose();
  const std::string& chosen() const { return chosen_; }

  // Moves the page by `rows` (negative: towards the top).
  void Scroll(int rows);
  int first_row() const { return first_; }
  int RowsShown() const;
  const std::vector<std::string>& saves() const { return saves_; }

 private:
  void Show();

  ListBox& list_;
  Control& up_;
  Control& down_;
  std::vector<std::string> saves_;
  std::string chosen_;
  int first_ = 0;
};

// The dialog is done: it closes, and so does the game menu behind it.
void CloseDialogAndMenu(Form& dialog);

// A problem the rules report, as a sentence for a hint line: a capital
// letter first and a full stop at the end.
std::string AsSentence(std::string problem);

// The dialogs' look: the framed page and the colour of the hint line.
inline constexpr std::string_view kDialogBackground = "graphic_normalbox.rx";
inline constexpr Colour kHintInk = Rgb(128, 28, 16);

}  // namespace valorne
