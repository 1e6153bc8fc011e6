#include "screens/toolkit/controls.h"

#include "screens/toolkit/form.h"

namespace valorne {

namespace {
constexpr GlyphCode kLineBreak = 10;

std::string Where(const Control& c) {
  return c.form().name() + "." + c.name();
}
}  // namespace

// --- ListBox ---

void ListBox::AddItem(std::string_view utf8) {
  items_.emplace_back(utf8);
  line_open_ = false;
  Changed();
}

void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) {
    throw ToolkitError(Where(*this) + " has no entry " + std::to_string(index) + " to remove");
  }
  items_.erase(items_.begin() + index);
  if (list_index_ == index) {
    list_index_ = -1;
  } else if (list_index_ > index) {
    --list_index_;
  }
  Changed();
}

void ListBox::Clear() {
  items_.clear();
  list_index_ = -1;
  line_open_ = false;
  Changed();
}

const std::string& ListBox::List(int index) const {
  if (index < 0 || index >= ListCount()) {
    throw ToolkitError(Where(*this) + " has no entry " + std::to_string(index) + " (it has " +
                       std::to_string(ListCount()) + ")");
  }
  return items_[static_cast<std::size_t>(index)];
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) {
    throw ToolkitError(Where(*this) + " cannot choose entry " + std::to_string(index) +
                       " (it has " + std::to_string(ListCount()) + ")");
  }
  if (list_index_ == index) return;
  list_index_ = index;
  Changed();
}

int ListBox::RowHeight() const {
  return font_size() + 6;
}

int ListBox::EntryAt(int y) const {
  if (y < 0) return -1;
  const int row = y / RowHeight();
  return row < ListCount() ? row : -1;
}

std::string ListBox::Text() const {
  return list_index_ >= 0 ? items_[static_cast<std::size_t>(list_index_)] : std::string();
}

void ListBox::SetText(std::string_view utf8) {
  Clear();
  for (GlyphCode code : Utf8ToGlyphs(std::string(utf8))) AppendGlyph(code);
}

void ListBox::ClearText() {
  Clear();
}

void ListBox::AppendGlyph(GlyphCode code) {
  if (code == kLineBreak) {
    if (!line_open_) items_.emplace_back();
    line_open_ = false;
    Changed();
    return;
  }
  if (!line_open_) {
    items_.emplace_back();
    line_open_ = true;
  }
  items_.back() += GlyphsToUtf8({code});
  Changed();
}

// --- CheckBox ---

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Changed();
}

// --- TextBox ---

bool TextBox::focused() const {
  return form().focus() == this;
}

void TextBox::Type(std::string_view utf8) {
  SetText(Text() + std::string(utf8));
  Fire(FormEvent::Change, {});
}

void TextBox::Backspace() {
  std::string text = Text();
  if (text.empty()) return;
  // Take off the last letter with all its UTF-8 continuation bytes.
  std::size_t end = text.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.erase(end);
  SetText(text);
  Fire(FormEvent::Change, {});
}

}  // namespace valorne
