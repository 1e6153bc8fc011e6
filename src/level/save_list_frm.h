// The list of saves on the save and load dialogs: every save of the save
// folder, a page at a time, with two arrow buttons that turn the page. The
// list box shows the rows that fit; the save the player chose stays chosen
// while the page turns.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "screens/toolkit/controls.h"
#include "screens/toolkit/form.h"
#include "screens/toolkit/look.h"
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
// As large as the game menu they open over, so they cover it.
inline constexpr Size kDialogSize{480, 460};

// The words of the fields both dialogs share.
struct SaveDialogWords {
  std::string_view title;  // `TitleLbl`
  std::string_view name;   // `NameLbl`, over the name field `FileNameTxt`
  std::string_view ok;     // `OkAniBtn`
};

// A plain caption of the dialogs, in dark ink.
constexpr ControlSpec DialogCaption(std::string_view name, Rect rect, std::string_view words,
                                    int font_size = 0) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = rect,
          .text = words,
          .fore = look::kInk,
          .font_size = font_size};
}

// A text field of the dialogs.
constexpr ControlSpec DialogTextBox(std::string_view name, Rect rect) {
  return {.name = name, .kind = ControlKind::TextBox, .rect = rect, .fore = look::kInk};
}

// The whole control table of a dialog: the title, the list of saves with its
// arrows and the name field on the left and top right, the dialog's own
// controls below the name field (`own`, from 156 units down to 334), then the
// hint line and the two buttons.
template <std::size_t Own>
constexpr std::array<ControlSpec, Own + 10> SaveDialogControls(
    const SaveDialogWords& words, const std::array<ControlSpec, Own>& own) {
  std::array<ControlSpec, Own + 10> c{};
  std::size_t n = 0;
  c[n] = DialogCaption("TitleLbl", {40, 34, 400, 30}, words.title, 22);
  c[n++].align = TextAlign::Centre;
  c[n++] = DialogCaption("SavesLbl", {40, 74, 200, 18}, "Saved games");
  c[n++] = {.name = "FileLst",
            .kind = ControlKind::ListBox,
            .rect = {40, 94, 214, 240},
            .fore = look::kInk};
  c[n++] = {.name = "FileUpBtn",
            .kind = ControlKind::AniButton,
            .rect = {258, 94, 28, 28},
            .picture = "UpAniBtn",
            .hover_picture = "UpAniBtn_hover"};
  c[n++] = {.name = "FileDownBtn",
            .kind = ControlKind::AniButton,
            .rect = {258, 306, 28, 28},
            .picture = "DownAniBtn",
            .hover_picture = "DownAniBtn_hover"};
  c[n++] = DialogCaption("NameLbl", {300, 94, 140, 18}, words.name);
  c[n++] = DialogTextBox("FileNameTxt", {300, 114, 140, 24});
  for (const ControlSpec& control : own) c[n++] = control;
  c[n++] = {.name = "Helper",
            .kind = ControlKind::Label,
            .rect = {40, 344, 400, 36},
            .fore = kHintInk,
            .font_size = 12,
            .align = TextAlign::Centre};
  c[n++] = {.name = "OkAniBtn",
            .kind = ControlKind::AniButton,
            .rect = {110, 392, 110, 30},
            .text = words.ok};
  c[n++] = {.name = "CancelAniBtn",
            .kind = ControlKind::AniButton,
            .rect = {260, 392, 110, 30},
            .text = "Cancel"};
  return c;
}

}  // namespace valorne
