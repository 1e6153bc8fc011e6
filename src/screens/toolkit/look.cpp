#include "screens/toolkit/look.h"

#include <algorithm>

namespace valorne::look {

void WoodFramedPage(Canvas& canvas, const Rect& rect, int border) {
  canvas.Fill(rect, kParchment);
  canvas.Frame(rect, kWoodDark, 1);
  canvas.Frame(rect.Inset(1), kWood, std::max(1, border - 2));
  canvas.Frame(rect.Inset(border - 1), kWoodLight, 1);
}

void WoodButton(Canvas& canvas, const Rect& rect, bool hovered, bool pressed) {
  const Rect face = pressed ? rect.Moved(1, 1) : rect;
  canvas.Fill(face, hovered ? kWoodLight : kWood);
  canvas.Frame(face, kWoodDark, 2);
}

bool NineSlice(Canvas& canvas, std::string_view picture, const Rect& dest, int border) {
  const std::optional<Size> size = canvas.PictureSize(picture);
  if (!size || size->width <= 2 * border || size->height <= 2 * border) return false;
  const int sw = size->width;
  const int sh = size->height;
  const int b = std::min({border, dest.width / 2, dest.height / 2});
  const int xs[4] = {0, border, sw - border, sw};
  const int ys[4] = {0, border, sh - border, sh};
  const int xd[4] = {dest.left, dest.left + b, dest.right() - b, dest.right()};
  const int yd[4] = {dest.top, dest.top + b, dest.bottom() - b, dest.bottom()};
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const Rect from{xs[col], ys[row], xs[col + 1] - xs[col], ys[row + 1] - ys[row]};
      const Rect to{xd[col], yd[row], xd[col + 1] - xd[col], yd[row + 1] - yd[row]};
      if (to.Empty()) continue;
      canvas.Picture(picture, to, {.source = from});
    }
  }
  return true;
}

}  // namespace valorne::look
