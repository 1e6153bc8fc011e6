// The controls that hold more than a caption: list boxes (plain and bitmap
// text), check boxes and text boxes (plain and bitmap text). Values set by
// the screen's code fire no events; only the player's actions do.
#pragma once

#include <string>
#include <vector>

#include "screens/toolkit/control.h"

namespace valorne {

// A list of lines with at most one chosen (`ListIndex`, -1 for none). A
// localized text fills it line by line: each line break of the text starts
// a new entry, so one text can hold a whole list ("Ist Valorne\nThe Lions").
class ListBox : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kClassName = "list box";

  void AddItem(std::string_view utf8);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  // Entry `index`; a ToolkitError outside 0..ListCount-1.
  const std::string& List(int index) const;
  const std::vector<std::string>& items() const { return items_; }
  int ListIndex() const { return list_index_; }
  // -1 chooses nothing; a ToolkitError outside -1..ListCount-1.
  void SetListIndex(int index);
  // The entry at a height within the control, or -1 below the last entry.
  int EntryAt(int y) const;
  int RowHeight() const;

  // The chosen entry ("" for none). Setting it replaces the entries by the
  // lines of the text.
  std::string Text() const override;
  void SetText(std::string_view utf8) override;
  void ClearText() override;
  void AppendGlyph(GlyphCode code) override;

  void Draw(Canvas& canvas, const Rect& screen) const override;

 private:
  std::vector<std::string> items_;
  int list_index_ = -1;
  bool line_open_ = false;  // glyphs are being appended to the last entry
};

class CheckBox : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kClassName = "check box";

  bool checked() const { return checked_; }
  void SetChecked(bool checked);
  // The player's click: the box turns over, then Click runs.
  void Toggle() { SetChecked(!checked_); }

  void Draw(Canvas& canvas, const Rect& screen) const override;

 private:
  bool checked_ = false;
};

// A line the player types into: typed text is added at the end, Backspace
// takes off the last letter; each change runs the Change handlers.
class TextBox : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kClassName = "text box";

  bool focused() const;
  void Type(std::string_view utf8);
  void Backspace();

  void Draw(Canvas& canvas, const Rect& screen) const override;
};

}  // namespace valorne
