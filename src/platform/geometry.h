// Positions, sizes and colours of the screens, in screen units (pixels of the
// chosen display size). Rectangles are left/top/width/height as the screens
// declare their controls.
#pragma once

#include <cstdint>
#include <string>

namespace valorne {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool Contains(Point p) const {
    return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
  }
  bool Contains(const Rect& r) const {
    return r.left >= left && r.top >= top && r.right() <= right() && r.bottom() <= bottom();
  }
  bool Empty() const { return width <= 0 || height <= 0; }
  Rect Moved(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
  Rect Inset(int by) const { return {left + by, top + by, width - 2 * by, height - 2 * by}; }
  Point Centre() const { return {left + width / 2, top + height / 2}; }
  Rect Intersect(const Rect& r) const;
  friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect Rect::Intersect(const Rect& r) const {
  const int l = left > r.left ? left : r.left;
  const int t = top > r.top ? top : r.top;
  const int rr = right() < r.right() ? right() : r.right();
  const int b = bottom() < r.bottom() ? bottom() : r.bottom();
  if (rr <= l || b <= t) return {l, t, 0, 0};
  return {l, t, rr - l, b - t};
}

struct Colour {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 255;

  // "#rrggbb", as the screen dumps show colours.
  std::string Hex() const;
  friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour Rgb(int r, int g, int b, int a = 255) {
  return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b),
          static_cast<std::uint8_t>(a)};
}

inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kWhite = Rgb(255, 255, 255);

}  // namespace valorne
