// A picture in memory (8-bit RGBA, straight alpha) and the few drawing
// operations the painters need. Every shape is antialiased by coverage.
#pragma once

#include <cstdint>
#include <vector>

namespace art {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

constexpr Rgba Hex(std::uint32_t rgb, std::uint8_t alpha = 255) {
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
          static_cast<std::uint8_t>(rgb), alpha};
}
Rgba Mix(Rgba a, Rgba b, float t);    // t = 0 gives a, 1 gives b (alpha too)
Rgba Shade(Rgba c, float factor);     // scales r, g, b; keeps alpha
Rgba WithAlpha(Rgba c, float alpha);  // alpha 0..1

struct Pt {
  float x = 0, y = 0;
};

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Rgba fill = {});

  int width() const { return w_; }
  int height() const { return h_; }
  const std::vector<Rgba>& pixels() const { return px_; }
  Rgba Get(int x, int y) const;                             // clamped to the edges
  void Set(int x, int y, Rgba c);                           // ignored outside
  void Blend(int x, int y, Rgba c, float coverage = 1.0f);  // source over

  void Fill(Rgba c);
  void FillRect(float x, float y, float w, float h, Rgba c);
  void FillEllipse(float cx, float cy, float rx, float ry, Rgba c);
  void FillCircle(float cx, float cy, float r, Rgba c) { FillEllipse(cx, cy, r, r, c); }
  void Ring(float cx, float cy, float r, float width, Rgba c);
  void FillPolygon(const std::vector<Pt>& points, Rgba c);
  void Line(float x0, float y0, float x1, float y1, float width, Rgba c);
  void Polyline(const std::vector<Pt>& points, float width, Rgba c);
  // A vertical gradient inside a rectangle.
  void GradientRect(float x, float y, float w, float h, Rgba top, Rgba bottom);

  void Draw(const Canvas& src, int x, int y, float opacity = 1.0f);
  void DrawScaled(const Canvas& src, int x, int y, int w, int h);
  Canvas Scaled(int w, int h) const;  // box filter down, bilinear up
  Canvas Crop(int x, int y, int w, int h) const;
  // A dark rim around the opaque shapes (sprites read better on the map).
  void Outline(Rgba c, float threshold = 0.5f);
  // A soft drop shadow under the opaque shapes, offset by (dx, dy).
  void DropShadow(int dx, int dy, float opacity);
  // Multiplies every pixel's colour by (factor) inside the shape mask.
  void Tint(Rgba c, float amount);

 private:
  int w_ = 0, h_ = 0;
  std::vector<Rgba> px_;
};

// A horizontal strip of equally wide frames.
Canvas Strip(const std::vector<Canvas>& frames);

}  // namespace art
