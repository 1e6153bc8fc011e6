// How each kind of control is drawn when no picture says otherwise.
#include <algorithm>

#include "screens/toolkit/control.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/form.h"
#include "screens/toolkit/look.h"

namespace valorne {

namespace {
constexpr Colour kDisabledVeil = Rgb(128, 128, 128);
constexpr Colour kHoverGlow = Rgb(255, 240, 200);
constexpr Colour kListFace = Rgb(246, 238, 214);

void Veil(Canvas& canvas, const Rect& screen) {
  canvas.Blend(screen, kDisabledVeil, 110);
}

// The frame of a strip of square frames, counted round the strip.
Rect StripFrame(Size strip, int frame) {
  const int side = strip.height;
  const int frames = std::max(1, strip.width / side);
  const int k = ((frame % frames) + frames) % frames;
  return {k * side, 0, side, side};
}
}  // namespace

PictureStyle Control::PictureLook(Canvas& canvas, const std::string& picture) const {
  PictureStyle style;
  style.colour_key = colour_key_;
  style.alpha = opacity_;
  if (strip_frame_) {
    const std::optional<Size> size = canvas.PictureSize(picture);
    if (size && size->height > 0 && size->width >= size->height) {
      style.source = StripFrame(*size, *strip_frame_);
    }
  }
  return style;
}

void Control::Draw(Canvas& canvas, const Rect& screen) const {
  if (back_) canvas.Fill(screen, *back_);
  switch (kind_) {
    case ControlKind::Image:
    case ControlKind::Picture:
      if (!picture_.empty() && opacity_ > 0)
        canvas.Picture(picture_, screen, PictureLook(canvas, picture_));
      break;
    case ControlKind::AniButton:
    case ControlKind::Button: {
      const Rect face = pressed_ ? screen.Moved(1, 1) : screen;
      const std::string& look = hovered_ && !hover_picture_.empty() ? hover_picture_ : picture_;
      if (!look.empty()) {
        canvas.Picture(look, face, PictureLook(canvas, look));
        if (hovered_ && hover_picture_.empty() && enabled_) canvas.Blend(face, kHoverGlow, 60);
      } else {
        look::WoodButton(canvas, screen, hovered_ && enabled_, pressed_);
      }
      TextStyle style = Style();
      if (look.empty() && fore_ == kBlack) style.colour = look::kGoldLetters;
      style.align = TextAlign::Centre;
      style.middle = true;
      style.wrap = false;
      canvas.Text(face, Text(), style);
      if (!enabled_) Veil(canvas, screen);
      return;
    }
    case ControlKind::Frame:
      canvas.Frame(screen, fore_, 1);
      break;
    default:
      break;
  }
  if (!picture_.empty() && kind_ != ControlKind::Image && kind_ != ControlKind::Picture) {
    canvas.Picture(picture_, screen, PictureLook(canvas, picture_));
  }
  if (kind_ != ControlKind::Frame) canvas.Text(screen, Text(), Style());
}

void ListBox::Draw(Canvas& canvas, const Rect& screen) const {
  canvas.Fill(screen, back() ? *back() : kListFace);
  canvas.Frame(screen, look::kWoodDark, 1);
  const int row = RowHeight();
  TextStyle style = Style();
  style.wrap = false;
  style.middle = true;
  for (int i = 0; i < ListCount(); ++i) {
    const Rect line{screen.left + 1, screen.top + 1 + i * row, screen.width - 2, row};
    if (line.top >= screen.bottom()) break;
    TextStyle s = style;
    if (i == ListIndex()) {
      canvas.Fill(line, look::kWood);
      s.colour = look::kGoldLetters;
    }
    canvas.Text(line.Inset(2), items()[static_cast<std::size_t>(i)], s);
  }
  if (!enabled()) canvas.Blend(screen, Rgb(128, 128, 128), 110);
}

void CheckBox::Draw(Canvas& canvas, const Rect& screen) const {
  if (back()) canvas.Fill(screen, *back());
  const int box = std::min(14, screen.height);
  const Rect square{screen.left, screen.top + (screen.height - box) / 2, box, box};
  canvas.Fill(square, kListFace);
  canvas.Frame(square, look::kWoodDark, 1);
  if (checked_) canvas.Fill(square.Inset(3), look::kInk);
  TextStyle style = Style();
  style.middle = true;
  style.wrap = false;
  canvas.Text({square.right() + 5, screen.top, screen.width - box - 5, screen.height}, Text(),
              style);
  if (!enabled()) canvas.Blend(screen, Rgb(128, 128, 128), 110);
}

void TextBox::Draw(Canvas& canvas, const Rect& screen) const {
  canvas.Fill(screen, back() ? *back() : kListFace);
  canvas.Frame(screen, focused() ? look::kWood : look::kWoodDark, focused() ? 2 : 1);
  TextStyle style = Style();
  style.middle = true;
  style.wrap = false;
  canvas.Text(screen.Inset(3), Text(), style);
}

}  // namespace valorne
