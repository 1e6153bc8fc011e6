#include "screens/toolkit/control.h"

#include <algorithm>
#include <cmath>

#include "screens/toolkit/form.h"

namespace valorne {

namespace {
std::string ElementName(std::string_view base, int index) {
  std::string name(base);
  if (index >= 0) name += "(" + std::to_string(index) + ")";
  return name;
}

int Scaled(int value, double factor) {
  return static_cast<int>(std::lround(value * factor));
}
}  // namespace

std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return "label";
    case ControlKind::Image:
      return "image";
    case ControlKind::Picture:
      return "picture";
    case ControlKind::AniButton:
      return "anibutton";
    case ControlKind::Button:
      return "button";
    case ControlKind::ListBox:
      return "listbox";
    case ControlKind::CheckBox:
      return "checkbox";
    case ControlKind::TextBox:
      return "textbox";
    case ControlKind::RunaLabel:
      return "runa_label";
    case ControlKind::RunaListBox:
      return "runa_listbox";
    case ControlKind::RunaTextBox:
      return "runa_textbox";
    case ControlKind::Frame:
      return "frame";
  }
  return "control";
}

int DefaultFontSize(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button:
    case ControlKind::AniButton:
      return 14;
    default:
      return 13;
  }
}

Control::Control(Form& form, const ControlSpec& declared, Control* parent)
    : form_(form),
      parent_(parent),
      name_(ElementName(declared.name, declared.index)),
      base_name_(declared.name),
      index_(declared.index),
      kind_(declared.kind),
      visible_(declared.visible),
      enabled_(declared.enabled),
      takes_pointer_(declared.takes_pointer),
      rect_(declared.rect),
      picture_(declared.picture),
      hover_picture_(declared.hover_picture),
      fore_(declared.fore),
      back_(declared.back),
      font_size_(declared.font_size > 0 ? declared.font_size : DefaultFontSize(declared.kind)),
      align_(declared.align),
      caption_(declared.caption) {
  // The text goes through SetText once the control is complete (a list box
  // splits it into entries).
}

Control::~Control() = default;

bool Control::IsRuna() const {
  return kind_ == ControlKind::RunaLabel || kind_ == ControlKind::RunaListBox ||
         kind_ == ControlKind::RunaTextBox;
}

// A change redraws only the control's part of the display; a hidden
// control's change shows nowhere.
void Control::Changed() const {
  if (visible_) MarkArea();
}

void Control::MarkArea() const {
  form_.StillControlChanged(*this);
  form_.ChangedArea(DisplayArea());
}

Rect Control::DisplayArea() const {
  Rect area = rect_;
  for (const Control* c = parent_; c; c = c->parent_) {
    if (!c->visible_) return {};
    area =
        area.Intersect({0, 0, c->rect_.width, c->rect_.height}).Moved(c->rect_.left, c->rect_.top);
  }
  const Rect& form = form_.rect();
  return area.Intersect({0, 0, form.width, form.height}).Moved(form.left, form.top);
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  MarkArea();
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

bool Control::Shown() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

bool Control::Active() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_ || !c->enabled_) return false;
  }
  return true;
}

void Control::SetRect(const Rect& rect) {
  if (rect_ == rect) return;
  Changed();  // where it was
  rect_ = rect;
  Changed();
}

Rect Control::FormRect() const {
  Rect r = rect_;
  for (const Control* c = parent_; c; c = c->parent_) r = r.Moved(c->rect_.left, c->rect_.top);
  return r;
}

void Control::BringToFront() {
  z_order_ = ++form_.next_z_;
  SortChildren();
  Changed();
}

void Control::SendToBack() {
  auto& siblings = form_.SiblingsOf(parent_);
  int lowest = z_order_;
  for (const Control* c : siblings) lowest = std::min(lowest, c->z_order_);
  z_order_ = lowest - 1;
  SortChildren();
  Changed();
}

void Control::SortChildren() {
  auto& siblings = form_.SiblingsOf(parent_);
  std::stable_sort(siblings.begin(), siblings.end(),
                   [](const Control* a, const Control* b) { return a->z_order_ < b->z_order_; });
  form_.FindStillControls();
}

void Control::SetPicture(std::string_view picture) {
  if (picture_ == picture) return;
  picture_ = picture;
  Changed();
}

void Control::SetHoverPicture(std::string_view picture) {
  hover_picture_ = picture;
  Changed();
}

void Control::SetColourKey(std::optional<Colour> key) {
  colour_key_ = key;
  Changed();
}

void Control::SetStripFrame(std::optional<int> frame) {
  if (strip_frame_ == frame) return;
  strip_frame_ = frame;
  Changed();
}

void Control::SetOpacity(std::uint8_t opacity) {
  if (opacity_ == opacity) return;
  opacity_ = opacity;
  Changed();
}

void Control::SetFore(Colour colour) {
  if (fore_ == colour) return;
  fore_ = colour;
  Changed();
}

void Control::SetBack(std::optional<Colour> colour) {
  back_ = colour;
  Changed();
}

void Control::SetFontSize(int size) {
  font_size_ = size > 0 ? size : DefaultFontSize(kind_);
  Changed();
}

void Control::SetAlign(TextAlign align) {
  align_ = align;
  Changed();
}

std::string Control::Text() const {
  return IsRuna() ? GlyphsToUtf8(glyphs_) : text_;
}

void Control::SetText(std::string_view utf8) {
  if (IsRuna()) {
    glyphs_ = Utf8ToGlyphs(std::string(utf8));
  } else {
    text_ = utf8;
  }
  TextChanged();
  Changed();
}

std::vector<GlyphCode> Control::Glyphs() const {
  return IsRuna() ? glyphs_ : Utf8ToGlyphs(text_);
}

void Control::ClearText() {
  SetText("");
}

void Control::AppendGlyph(GlyphCode code) {
  if (IsRuna()) {
    glyphs_.push_back(code);
  } else {
    text_ += GlyphsToUtf8({code});
  }
  TextChanged();
  Changed();
}

void Control::AddHandler(FormEvent event, Handler handler) {
  handlers_[static_cast<std::size_t>(event)].push_back(std::move(handler));
}

bool Control::HasHandler(FormEvent event) const {
  return !handlers_[static_cast<std::size_t>(event)].empty();
}

void Control::Fire(FormEvent event, EventArgs args) {
  args.control = this;
  args.index = index_;
  // A handler may bind further handlers; run the ones bound now.
  const std::vector<Handler> handlers = handlers_[static_cast<std::size_t>(event)];
  for (const Handler& h : handlers) h(args);
}

void Control::SetHovered(bool hovered) {
  if (hovered_ == hovered) return;
  hovered_ = hovered;
  if (kind_ == ControlKind::AniButton || kind_ == ControlKind::Button) Changed();
}

void Control::SetPressed(bool pressed) {
  if (pressed_ == pressed) return;
  pressed_ = pressed;
  if (kind_ == ControlKind::AniButton || kind_ == ControlKind::Button) Changed();
}

void Control::Scale(double factor) {
  rect_ = {Scaled(rect_.left, factor), Scaled(rect_.top, factor), Scaled(rect_.width, factor),
           Scaled(rect_.height, factor)};
  font_size_ = std::max(1, Scaled(font_size_, factor));
  Changed();
}

TextStyle Control::Style() const {
  TextStyle style;
  style.colour = fore_;
  style.size = font_size_;
  style.align = align_;
  return style;
}

}  // namespace valorne
