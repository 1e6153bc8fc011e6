#include "paint_common.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace art {

void Parchment(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, bool burnt_edges) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      float n = Fbm(i / 40.0f, j / 40.0f, seed, 5);
      float fine = Hash01(i, j, seed) * 0.06f;
      float ex = std::min(i, w - 1 - i) / (0.18f * w), ey = std::min(j, h - 1 - j) / (0.18f * h);
      float edge = std::clamp(std::min(ex, ey), 0.0f, 1.0f);
      Rgba base = Mix(Hex(0xc9a86a), Hex(0xf1e2b8), 0.35f + 0.65f * n);
      base = Shade(base, 0.78f + 0.22f * edge - fine);
      if (burnt_edges) {
        float rough = Fbm(i / 12.0f, j / 12.0f, seed + 7, 3) * 8;
        float d = std::min({static_cast<float>(i), static_cast<float>(j),
                            static_cast<float>(w - 1 - i), static_cast<float>(h - 1 - j)});
        if (d < rough) continue;
        if (d < rough + 3) base = Mix(base, Hex(0x5a3a18), 0.7f);
      }
      c.Blend(x + i, y + j, base);
    }
}

void Wood(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, Rgba base) {
  for (int j = 0; j < h; ++j) {
    int plank = j / 22;
    float plank_shift = Hash01(plank, 0, seed) * 300;
    for (int i = 0; i < w; ++i) {
      float grain = Fbm((i + plank_shift) / 60.0f, j / 3.0f, seed + plank, 4);
      float streak = 0.5f + 0.5f * std::sin((i + plank_shift) / 9.0f + grain * 7);
      float f = 0.72f + 0.25f * grain + 0.08f * streak;
      if (j % 22 == 0) f *= 0.55f;
      if (j % 22 == 1) f *= 1.15f;
      c.Blend(x + i, y + j, Shade(base, f));
    }
  }
}

void Stone(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, int bw, int bh, Rgba base) {
  for (int j = 0; j < h; ++j) {
    int row = j / bh;
    int shift = (row % 2) * bw / 2;
    for (int i = 0; i < w; ++i) {
      int col = (i + shift) / bw;
      int lx = (i + shift) % bw, ly = j % bh;
      float tone = 0.8f + 0.3f * Hash01(col, row, seed);
      float n = Fbm(i / 9.0f, j / 9.0f, seed + 3, 3);
      Rgba p = Shade(base, tone * (0.85f + 0.3f * n));
      if (lx == 0 || ly == 0)
        p = Shade(base, 0.45f);
      else if (lx == 1 || ly == 1)
        p = Shade(p, 1.18f);
      else if (lx == bw - 1 || ly == bh - 1)
        p = Shade(p, 0.75f);
      c.Blend(x + i, y + j, p);
    }
  }
}

void Bevel(Canvas& c, int x, int y, int w, int h, int width, float strength, bool sunken) {
  Rgba light = {255, 255, 255, static_cast<std::uint8_t>(120 * strength)};
  Rgba dark = {0, 0, 0, static_cast<std::uint8_t>(150 * strength)};
  if (sunken) std::swap(light, dark);
  for (int k = 0; k < width; ++k) {
    float fade = 1.0f - static_cast<float>(k) / width;
    c.FillRect(x + k, y + k, w - 2 * k, 1, WithAlpha(light, light.a / 255.0f * fade));
    c.FillRect(x + k, y + k + 1, 1, h - 2 * k - 1, WithAlpha(light, light.a / 255.0f * fade));
    c.FillRect(x + k, y + h - 1 - k, w - 2 * k, 1, WithAlpha(dark, dark.a / 255.0f * fade));
    c.FillRect(x + w - 1 - k, y + k, 1, h - 2 * k - 1, WithAlpha(dark, dark.a / 255.0f * fade));
  }
}

void Rivets(Canvas& c, int x, int y, int w, int h, float inset, float r) {
  for (float cx : {x + inset, x + w - inset})
    for (float cy : {y + inset, y + h - inset}) {
      c.FillCircle(cx + 0.8f, cy + 0.8f, r, Hex(0x000000, 110));
      c.FillCircle(cx, cy, r, Hex(0xb08830));
      c.FillCircle(cx - r * 0.3f, cy - r * 0.3f, r * 0.45f, Hex(0xfff0b0));
    }
}

void Cottage(Canvas& c, float x, float y, float w, float h, Rgba roof, bool burnt,
             std::uint32_t seed) {
  Rng rng(seed);
  float wall_h = h * 0.5f, roof_h = h * 0.5f;
  Rgba wall = burnt ? Hex(0x3a3028) : Mix(Hex(0xd8c8a0), Hex(0xc0a878), rng.Uniform());
  c.FillEllipse(x + w * 0.55f, y + 1, w * 0.6f, h * 0.12f, Hex(0x000000, 60));
  c.FillRect(x, y - wall_h, w, wall_h, wall);
  c.FillRect(x + w * 0.72f, y - wall_h, w * 0.28f, wall_h, Shade(wall, 0.78f));  // side
  if (!burnt) {
    c.FillRect(x + w * 0.15f, y - wall_h * 0.75f, w * 0.18f, wall_h * 0.75f, Hex(0x5a3818));
    c.FillRect(x + w * 0.45f, y - wall_h * 0.75f, w * 0.16f, wall_h * 0.3f, Hex(0x40506a));
    c.FillPolygon({{x - w * 0.08f, y - wall_h},
                   {x + w * 0.36f, y - wall_h - roof_h},
                   {x + w * 1.08f, y - wall_h - roof_h},
                   {x + w * 0.72f, y - wall_h}},
                  roof);
    c.FillPolygon({{x + w * 0.72f, y - wall_h},
                   {x + w * 1.08f, y - wall_h - roof_h},
                   {x + w * 1.1f, y - wall_h - roof_h * 0.2f},
                   {x + w * 1.02f, y - wall_h}},
                  Shade(roof, 0.7f));
    c.Line(x - w * 0.08f, y - wall_h, x + w * 0.36f, y - wall_h - roof_h, 1.2f, Shade(roof, 0.6f));
    for (int k = 1; k < 4; ++k)
      c.Line(x - w * 0.08f + w * 0.11f * k, y - wall_h - roof_h * 0.25f * k,
             x + w * 0.72f + w * 0.09f * k, y - wall_h - roof_h * 0.25f * k, 0.8f,
             Shade(roof, 0.82f));
  } else {
    c.FillRect(x + w * 0.15f, y - wall_h * 0.75f, w * 0.18f, wall_h * 0.75f, Hex(0x100c08));
    c.Line(x, y - wall_h, x + w * 0.3f, y - wall_h - roof_h * 0.6f, 2, Hex(0x1c1410));
    c.Line(x + w * 0.72f, y - wall_h, x + w * 0.5f, y - wall_h - roof_h * 0.7f, 2, Hex(0x1c1410));
    for (int k = 0; k < 5; ++k)
      c.FillCircle(x + rng.Range(0, w), y - rng.Range(0, wall_h * 0.4f), rng.Range(1, 2.5f),
                   Hex(0xe06020, 180));
  }
}

void Tree(Canvas& c, float x, float y, float r, Rgba leaf, std::uint32_t seed) {
  Rng rng(seed);
  c.FillEllipse(x + r * 0.35f, y + r * 0.2f, r * 1.0f, r * 0.55f, Hex(0x000000, 70));
  c.FillRect(x - r * 0.12f, y - r * 0.6f, r * 0.24f, r * 0.7f, Hex(0x4a3018));
  float cy = y - r * 1.15f;
  c.FillCircle(x, cy, r, Shade(leaf, 0.75f));
  for (int k = 0; k < 5; ++k) {
    float a = rng.Range(0, 6.28f), d = rng.Range(0, r * 0.45f);
    c.FillCircle(x + std::cos(a) * d - r * 0.1f, cy + std::sin(a) * d - r * 0.1f,
                 r * rng.Range(0.4f, 0.6f), Shade(leaf, rng.Range(0.9f, 1.1f)));
  }
  c.FillCircle(x - r * 0.35f, cy - r * 0.35f, r * 0.3f, Shade(leaf, 1.3f));
}

void Conifer(Canvas& c, float x, float y, float h, Rgba leaf) {
  c.FillEllipse(x + h * 0.15f, y, h * 0.3f, h * 0.1f, Hex(0x000000, 70));
  c.FillRect(x - h * 0.05f, y - h * 0.2f, h * 0.1f, h * 0.2f, Hex(0x4a3018));
  for (int k = 0; k < 3; ++k) {
    float base = y - h * 0.15f - k * h * 0.25f, half = h * (0.32f - k * 0.07f);
    c.FillPolygon({{x - half, base}, {x, base - h * 0.45f}, {x + half, base}},
                  Shade(leaf, 0.85f + k * 0.1f));
    c.FillPolygon({{x, base - h * 0.45f}, {x + half, base}, {x, base}},
                  Shade(leaf, 0.7f + k * 0.05f));
  }
}

void Tent(Canvas& c, float x, float y, float w, float h, Rgba cloth) {
  c.FillEllipse(x + w * 0.55f, y, w * 0.55f, h * 0.15f, Hex(0x000000, 70));
  c.FillPolygon({{x, y}, {x + w * 0.5f, y - h}, {x + w, y}}, cloth);
  c.FillPolygon({{x + w * 0.5f, y - h}, {x + w, y}, {x + w * 0.62f, y}}, Shade(cloth, 0.7f));
  c.FillPolygon({{x + w * 0.4f, y}, {x + w * 0.5f, y - h * 0.45f}, {x + w * 0.6f, y}},
                Hex(0x2a1a10));
  c.Line(x + w * 0.5f, y - h, x + w * 0.5f, y - h - h * 0.25f, 1.2f, Hex(0x3a2a1a));
  c.FillPolygon({{x + w * 0.5f, y - h * 1.25f},
                 {x + w * 0.75f, y - h * 1.17f},
                 {x + w * 0.5f, y - h * 1.08f}},
                cloth);
}

void Banner(Canvas& c, float x, float y, float h, Rgba cloth) {
  c.Line(x, y, x, y - h, std::max(1.5f, h * 0.06f), Hex(0x3a2816));
  float fw = h * 0.5f, fh = h * 0.32f;
  c.FillPolygon({{x, y - h},
                 {x + fw, y - h + fh * 0.1f},
                 {x + fw * 0.8f, y - h + fh * 0.55f},
                 {x + fw, y - h + fh},
                 {x, y - h + fh}},
                cloth);
  c.FillPolygon({{x, y - h + fh * 0.5f},
                 {x + fw * 0.85f, y - h + fh * 0.55f},
                 {x + fw, y - h + fh},
                 {x, y - h + fh}},
                Shade(cloth, 0.8f));
  c.FillCircle(x, y - h, std::max(1.2f, h * 0.05f), kGold);
}

void Smoke(Canvas& c, float x, float y, float h, std::uint32_t seed, float opacity) {
  Rng rng(seed);
  for (int k = 0; k < 7; ++k) {
    float t = k / 6.0f;
    c.FillCircle(x + std::sin(t * 3 + rng.Uniform()) * h * 0.12f, y - t * h, h * (0.08f + 0.1f * t),
                 Hex(0x707070, static_cast<std::uint8_t>(255 * opacity * (1 - t * 0.7f))));
  }
}

void Flames(Canvas& c, float x, float y, float w, float h, std::uint32_t seed) {
  Rng rng(seed);
  for (int k = 0; k < 3; ++k) {
    float cx = x + w * (0.2f + 0.3f * k) + rng.Range(-2, 2), fh = h * rng.Range(0.6f, 1.0f);
    float fw = w * 0.22f;
    c.FillPolygon({{cx - fw, y},
                   {cx - fw * 0.3f, y - fh * 0.6f},
                   {cx, y - fh},
                   {cx + fw * 0.4f, y - fh * 0.5f},
                   {cx + fw, y}},
                  Hex(0xe04010, 230));
    c.FillPolygon({{cx - fw * 0.5f, y}, {cx, y - fh * 0.6f}, {cx + fw * 0.5f, y}},
                  Hex(0xffc030, 240));
  }
}

void Soldier(Canvas& c, float x, float y, float h, Rgba tunic, int weapon, bool step, bool left) {
  float s = h / 20.0f, dir = left ? -1.0f : 1.0f;
  Rgba skin = Hex(0xe0b088), dark = Hex(0x2a2018);
  c.FillEllipse(x, y, 5 * s, 1.5f * s, Hex(0x000000, 70));
  float lx = step ? 2.5f * s : 1.5f * s;
  c.Line(x - lx, y, x - 0.8f * s, y - 7 * s, 1.8f * s, dark);
  c.Line(x + lx, y, x + 0.8f * s, y - 7 * s, 1.8f * s, dark);
  c.FillPolygon({{x - 3.2f * s, y - 6 * s},
                 {x - 2.5f * s, y - 13.5f * s},
                 {x + 2.5f * s, y - 13.5f * s},
                 {x + 3.2f * s, y - 6 * s}},
                tunic);
  c.Line(x - 3 * s, y - 8 * s, x + 3 * s, y - 8 * s, 1 * s, Hex(0x3a2410));
  c.FillCircle(x, y - 16 * s, 2.6f * s, skin);
  c.FillEllipse(x, y - 17.4f * s, 2.9f * s, 1.8f * s, Hex(0x9098a0));  // helmet
  float hx = x + dir * 3.6f * s, hy = y - 10.5f * s;
  c.Line(x + dir * 2.3f * s, y - 12.8f * s, hx, hy, 1.6f * s, tunic);
  switch (weapon) {
    case 0:  // spear
      c.Line(hx, y + 1 * s, hx, y - 21 * s, 1.1f * s, Hex(0x6a4a28));
      c.FillPolygon({{hx - 1.2f * s, y - 21 * s}, {hx, y - 24.5f * s}, {hx + 1.2f * s, y - 21 * s}},
                    Hex(0xc8ccd0));
      break;
    case 1:  // sword
      c.Line(hx, hy, hx + dir * 2 * s, hy - 8 * s, 1.2f * s, Hex(0xd0d4d8));
      c.Line(hx - 1.3f * s, hy - 0.6f * s, hx + 1.3f * s, hy - 0.2f * s, 1 * s, Hex(0x806020));
      break;
    case 2:  // bow
      c.Line(hx, hy - 6 * s, hx + dir * 2 * s, hy, 1 * s, Hex(0x6a4020));
      c.Line(hx + dir * 2 * s, hy, hx, hy + 6 * s, 1 * s, Hex(0x6a4020));
      c.Line(hx, hy - 6 * s, hx, hy + 6 * s, 0.5f * s, Hex(0xe0e0e0));
      break;
    default:  // club
      c.Line(hx, hy, hx + dir * 1.5f * s, hy - 6 * s, 1.8f * s, Hex(0x5a3a1a));
      c.FillCircle(hx + dir * 1.7f * s, hy - 6.5f * s, 1.6f * s, Hex(0x5a3a1a));
  }
  c.FillEllipse(x - dir * 3.2f * s, y - 9.5f * s, 2.2f * s, 3.2f * s,
                Shade(tunic, 0.75f));  // shield
  c.FillCircle(x - dir * 3.2f * s, y - 9.5f * s, 0.8f * s, kGold);
}

void Shield(Canvas& c, float cx, float cy, float w, Rgba colour) {
  float h = w * 1.15f;
  std::vector<Pt> outline = {{cx - w / 2, cy - h / 2},
                             {cx + w / 2, cy - h / 2},
                             {cx + w / 2, cy},
                             {cx, cy + h / 2},
                             {cx - w / 2, cy}};
  std::vector<Pt> rim;
  for (Pt p : outline) rim.push_back({cx + (p.x - cx) * 1.18f, cy + (p.y - cy) * 1.15f});
  c.FillPolygon(rim, Hex(0x3a2a10));
  c.FillPolygon(outline, colour);
  c.FillPolygon({{cx, cy - h / 2}, {cx + w / 2, cy - h / 2}, {cx + w / 2, cy}, {cx, cy + h / 2}},
                Shade(colour, 0.8f));
  c.FillRect(cx - w * 0.06f, cy - h * 0.4f, w * 0.12f, h * 0.7f, WithAlpha(kGold, 0.9f));
  c.FillRect(cx - w * 0.35f, cy - h * 0.18f, w * 0.7f, w * 0.12f, WithAlpha(kGold, 0.9f));
}

void SmallText(Canvas& c, float x, float y, const std::string& text, float px, Rgba colour) {
  // 3 x 5 glyphs, one row per 3 bits, top row first.
  auto glyph = [](char ch) -> const char* {
    switch (ch) {
      case '0':
        return "111101101101111";
      case '1':
        return "010110010010111";
      case '2':
        return "111001111100111";
      case '3':
        return "111001111001111";
      case '4':
        return "101101111001001";
      case '5':
        return "111100111001111";
      case '6':
        return "111100111101111";
      case '7':
        return "111001010010010";
      case '8':
        return "111101111101111";
      case '9':
        return "111101111001111";
      case '/':
        return "001001010100100";
      case '+':
        return "000010111010000";
      case '-':
        return "000000111000000";
      case '?':
        return "111001011000010";
      default:
        return "000000000000000";
    }
  };
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char* bits = glyph(text[k]);
    for (int j = 0; j < 5; ++j)
      for (int i = 0; i < 3; ++i)
        if (bits[j * 3 + i] == '1') c.FillRect(x + (k * 4 + i) * px, y + j * px, px, px, colour);
  }
}

}  // namespace art
