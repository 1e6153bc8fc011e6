#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

std::uint8_t ToByte(float v) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

float SegmentDistance(float px, float py, float x0, float y0, float x1, float y1) {
  float dx = x1 - x0, dy = y1 - y0;
  float len2 = dx * dx + dy * dy;
  float t = len2 > 0 ? std::clamp(((px - x0) * dx + (py - y0) * dy) / len2, 0.0f, 1.0f) : 0.0f;
  float ex = x0 + t * dx - px, ey = y0 + t * dy - py;
  return std::sqrt(ex * ex + ey * ey);
}

}  // namespace

Rgba Mix(Rgba a, Rgba b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  return {ToByte(a.r + (b.r - a.r) * t), ToByte(a.g + (b.g - a.g) * t),
          ToByte(a.b + (b.b - a.b) * t), ToByte(a.a + (b.a - a.a) * t)};
}

Rgba Shade(Rgba c, float f) {
  return {ToByte(c.r * f), ToByte(c.g * f), ToByte(c.b * f), c.a};
}

Rgba WithAlpha(Rgba c, float alpha) {
  return {c.r, c.g, c.b, ToByte(alpha * 255.0f)};
}

Canvas::Canvas(int width, int height, Rgba fill)
    : w_(width), h_(height), px_(static_cast<std::size_t>(width) * height, fill) {}

Rgba Canvas::Get(int x, int y) const {
  x = std::clamp(x, 0, w_ - 1);
  y = std::clamp(y, 0, h_ - 1);
  return px_[static_cast<std::size_t>(y) * w_ + x];
}

void Canvas::Set(int x, int y, Rgba c) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
  px_[static_cast<std::size_t>(y) * w_ + x] = c;
}

void Canvas::Blend(int x, int y, Rgba c, float coverage) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_ || coverage <= 0) return;
  Rgba& d = px_[static_cast<std::size_t>(y) * w_ + x];
  float sa = c.a / 255.0f * std::min(coverage, 1.0f);
  float da = d.a / 255.0f;
  float oa = sa + da * (1 - sa);
  if (oa <= 0) {
    d = {};
    return;
  }
  auto ch = [&](std::uint8_t s, std::uint8_t dd) { return (s * sa + dd * da * (1 - sa)) / oa; };
  d = {ToByte(ch(c.r, d.r)), ToByte(ch(c.g, d.g)), ToByte(ch(c.b, d.b)), ToByte(oa * 255)};
}

void Canvas::Fill(Rgba c) {
  std::fill(px_.begin(), px_.end(), c);
}

void Canvas::FillRect(float x, float y, float w, float h, Rgba c) {
  int x0 = static_cast<int>(std::floor(x)), x1 = static_cast<int>(std::ceil(x + w));
  int y0 = static_cast<int>(std::floor(y)), y1 = static_cast<int>(std::ceil(y + h));
  for (int j = y0; j < y1; ++j) {
    float cy = std::min(j + 1.0f, y + h) - std::max<float>(j, y);
    for (int i = x0; i < x1; ++i) {
      float cx = std::min(i + 1.0f, x + w) - std::max<float>(i, x);
      Blend(i, j, c, cx * cy);
    }
  }
}

void Canvas::FillEllipse(float cx, float cy, float rx, float ry, Rgba c) {
  if (rx <= 0 || ry <= 0) return;
  int x0 = static_cast<int>(cx - rx - 1), x1 = static_cast<int>(cx + rx + 1);
  int y0 = static_cast<int>(cy - ry - 1), y1 = static_cast<int>(cy + ry + 1);
  float scale = std::min(rx, ry);
  for (int j = y0; j <= y1; ++j) {
    for (int i = x0; i <= x1; ++i) {
      float dx = (i + 0.5f - cx) / rx, dy = (j + 0.5f - cy) / ry;
      float d = (std::sqrt(dx * dx + dy * dy) - 1.0f) * scale;
      Blend(i, j, c, std::clamp(0.5f - d, 0.0f, 1.0f));
    }
  }
}

void Canvas::Ring(float cx, float cy, float r, float width, Rgba c) {
  int x0 = static_cast<int>(cx - r - width), x1 = static_cast<int>(cx + r + width);
  int y0 = static_cast<int>(cy - r - width), y1 = static_cast<int>(cy + r + width);
  for (int j = y0; j <= y1; ++j) {
    for (int i = x0; i <= x1; ++i) {
      float dx = i + 0.5f - cx, dy = j + 0.5f - cy;
      float d = std::fabs(std::sqrt(dx * dx + dy * dy) - r) - width / 2;
      Blend(i, j, c, std::clamp(0.5f - d, 0.0f, 1.0f));
    }
  }
}

void Canvas::FillPolygon(const std::vector<Pt>& pts, Rgba c) {
  if (pts.size() < 3) return;
  float minx = pts[0].x, maxx = pts[0].x, miny = pts[0].y, maxy = pts[0].y;
  for (const Pt& p : pts) {
    minx = std::min(minx, p.x), maxx = std::max(maxx, p.x);
    miny = std::min(miny, p.y), maxy = std::max(maxy, p.y);
  }
  constexpr int kSub = 4;
  int x0 = std::max(0, static_cast<int>(minx)), x1 = std::min(w_ - 1, static_cast<int>(maxx) + 1);
  int y0 = std::max(0, static_cast<int>(miny)), y1 = std::min(h_ - 1, static_cast<int>(maxy) + 1);
  if (x1 < x0 || y1 < y0) return;
  std::vector<float> cover(static_cast<std::size_t>(x1 - x0 + 2), 0.0f);
  std::vector<float> xs;
  for (int j = y0; j <= y1; ++j) {
    std::fill(cover.begin(), cover.end(), 0.0f);
    for (int s = 0; s < kSub; ++s) {
      float sy = j + (s + 0.5f) / kSub;
      xs.clear();
      for (std::size_t k = 0; k < pts.size(); ++k) {
        const Pt& a = pts[k];
        const Pt& b = pts[(k + 1) % pts.size()];
        if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
          xs.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
      }
      std::sort(xs.begin(), xs.end());
      for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
        float l = std::max<float>(xs[k], x0), r = std::min<float>(xs[k + 1], x1 + 1);
        for (int i = static_cast<int>(l); i < r && i <= x1; ++i) {
          float cov = std::min(i + 1.0f, r) - std::max<float>(i, l);
          if (cov > 0) cover[static_cast<std::size_t>(i - x0)] += cov / kSub;
        }
      }
    }
    for (int i = x0; i <= x1; ++i) Blend(i, j, c, cover[static_cast<std::size_t>(i - x0)]);
  }
}

void Canvas::Line(float x0, float y0, float x1, float y1, float width, Rgba c) {
  float half = width / 2;
  int ix0 = static_cast<int>(std::min(x0, x1) - half - 1),
      ix1 = static_cast<int>(std::max(x0, x1) + half + 1);
  int iy0 = static_cast<int>(std::min(y0, y1) - half - 1),
      iy1 = static_cast<int>(std::max(y0, y1) + half + 1);
  for (int j = iy0; j <= iy1; ++j)
    for (int i = ix0; i <= ix1; ++i) {
      float d = SegmentDistance(i + 0.5f, j + 0.5f, x0, y0, x1, y1) - half;
      Blend(i, j, c, std::clamp(0.5f - d, 0.0f, 1.0f));
    }
}

void Canvas::Polyline(const std::vector<Pt>& pts, float width, Rgba c) {
  if (pts.size() < 2) return;
  // One pass over the union of the segments, so joints are not drawn twice.
  float half = width / 2;
  float minx = pts[0].x, maxx = pts[0].x, miny = pts[0].y, maxy = pts[0].y;
  for (const Pt& p : pts) {
    minx = std::min(minx, p.x), maxx = std::max(maxx, p.x);
    miny = std::min(miny, p.y), maxy = std::max(maxy, p.y);
  }
  for (int j = static_cast<int>(miny - half - 1); j <= static_cast<int>(maxy + half + 1); ++j)
    for (int i = static_cast<int>(minx - half - 1); i <= static_cast<int>(maxx + half + 1); ++i) {
      float d = 1e9f;
      for (std::size_t k = 0; k + 1 < pts.size(); ++k)
        d = std::min(
            d, SegmentDistance(i + 0.5f, j + 0.5f, pts[k].x, pts[k].y, pts[k + 1].x, pts[k + 1].y));
      Blend(i, j, c, std::clamp(0.5f - (d - half), 0.0f, 1.0f));
    }
}

void Canvas::GradientRect(float x, float y, float w, float h, Rgba top, Rgba bottom) {
  for (int j = static_cast<int>(y); j < static_cast<int>(y + h); ++j)
    FillRect(x, static_cast<float>(j), w, 1, Mix(top, bottom, (j - y) / std::max(1.0f, h - 1)));
}

void Canvas::Draw(const Canvas& src, int x, int y, float opacity) {
  for (int j = 0; j < src.h_; ++j)
    for (int i = 0; i < src.w_; ++i) Blend(x + i, y + j, src.px_[j * src.w_ + i], opacity);
}

void Canvas::DrawScaled(const Canvas& src, int x, int y, int w, int h) {
  if (w == src.w_ && h == src.h_) return Draw(src, x, y);
  Draw(src.Scaled(w, h), x, y);
}

Canvas Canvas::Scaled(int w, int h) const {
  Canvas out(w, h);
  float sx = static_cast<float>(w_) / w, sy = static_cast<float>(h_) / h;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      float x0 = i * sx, x1 = (i + 1) * sx, y0 = j * sy, y1 = (j + 1) * sy;
      if (sx < 1 || sy < 1) {  // enlarging: sample the nearest source pixel
        out.Set(i, j, Get(static_cast<int>((i + 0.5f) * sx), static_cast<int>((j + 0.5f) * sy)));
        continue;
      }
      float r = 0, g = 0, b = 0, a = 0, n = 0;
      for (int yy = static_cast<int>(y0); yy < static_cast<int>(std::ceil(y1)); ++yy)
        for (int xx = static_cast<int>(x0); xx < static_cast<int>(std::ceil(x1)); ++xx) {
          Rgba p = Get(xx, yy);
          float wa = p.a / 255.0f;
          r += p.r * wa, g += p.g * wa, b += p.b * wa, a += wa, n += 1;
        }
      if (a > 0) out.Set(i, j, {ToByte(r / a), ToByte(g / a), ToByte(b / a), ToByte(a / n * 255)});
    }
  return out;
}

Canvas Canvas::Crop(int x, int y, int w, int h) const {
  Canvas out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i)
      if (x + i >= 0 && y + j >= 0 && x + i < w_ && y + j < h_) out.Set(i, j, Get(x + i, y + j));
  return out;
}

void Canvas::Outline(Rgba c, float threshold) {
  Canvas rim(w_, h_);
  std::uint8_t t = ToByte(threshold * 255);
  for (int j = 0; j < h_; ++j)
    for (int i = 0; i < w_; ++i) {
      if (Get(i, j).a >= t) continue;
      int best = 0;
      for (int dj = -1; dj <= 1; ++dj)
        for (int di = -1; di <= 1; ++di)
          if (i + di >= 0 && j + dj >= 0 && i + di < w_ && j + dj < h_)
            best = std::max<int>(best, Get(i + di, j + dj).a);
      if (best >= t) rim.Set(i, j, WithAlpha(c, best / 255.0f * c.a / 255.0f));
    }
  Canvas over = *this;
  *this = rim;
  Draw(over, 0, 0);
}

void Canvas::DropShadow(int dx, int dy, float opacity) {
  Canvas shadow(w_, h_);
  for (int j = 0; j < h_; ++j)
    for (int i = 0; i < w_; ++i) {
      float a = 0;
      for (int k = -1; k <= 1; ++k)
        for (int l = -1; l <= 1; ++l) a += Get(i - dx + k, j - dy + l).a;
      if (i - dx - 1 < 0 || j - dy - 1 < 0) a = 0;
      shadow.Set(i, j, {0, 0, 0, ToByte(a / 9 * opacity)});
    }
  shadow.Draw(*this, 0, 0);
  *this = shadow;
}

void Canvas::Tint(Rgba c, float amount) {
  for (Rgba& p : px_) {
    Rgba m = Mix(p, {c.r, c.g, c.b, p.a}, amount);
    p = m;
  }
}

Canvas Strip(const std::vector<Canvas>& frames) {
  if (frames.empty()) return {};
  int fw = frames[0].width(), fh = frames[0].height();
  Canvas out(fw * static_cast<int>(frames.size()), fh);
  for (std::size_t k = 0; k < frames.size(); ++k) out.Draw(frames[k], static_cast<int>(k) * fw, 0);
  return out;
}

}  // namespace art
