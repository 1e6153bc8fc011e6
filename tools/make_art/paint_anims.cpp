// The animations of the weather, blacksmith, trade and guard screens and the
// short movies of missions and calamities ("anim/*.rx"), and the two mouse
// pointers. An animation is a PNG strip of square frames, played left to
// right at 8 frames a second; each is drawn here as a scene at time t.
#include <cmath>
#include <functional>

#include "noise.h"
#include "paint_common.h"
#include "registry.h"

namespace art {

Canvas Fire(int frame, int size);

namespace {

using Scene = std::function<void(Canvas&, float t, int frame)>;

Canvas Animation(int frames, int size, const Scene& scene) {
  std::vector<Canvas> out;
  for (int k = 0; k < frames; ++k) {
    Canvas f(size, size);
    scene(f, static_cast<float>(k) / frames, k);
    Bevel(f, 0, 0, size, size, 3, 0.8f);
    out.push_back(f);
  }
  return Strip(out);
}

void Land(Canvas& c, Rgba sky_top, Rgba sky_bottom, Rgba ground, float horizon) {
  float s = static_cast<float>(c.width());
  c.GradientRect(0, 0, s, s * horizon, sky_top, sky_bottom);
  c.GradientRect(0, s * horizon, s, s * (1 - horizon), ground, Shade(ground, 0.7f));
  for (int k = 0; k < 5; ++k)
    c.FillEllipse(s * (0.1f + k * 0.22f), s * horizon + 2, s * 0.16f, s * 0.06f,
                  Shade(ground, 0.9f));
}

void Weather(Canvas& c, int season, float t, int frame) {
  float s = static_cast<float>(c.width());
  Rng rng(static_cast<std::uint64_t>(season * 100));
  if (season == 1) {  // autumn: rain and wind-blown leaves
    Land(c, Hex(0x5a6270), Hex(0x9098a0), Hex(0x8a7a40), 0.62f);
    Tree(c, s * 0.25f, s * 0.8f, s * 0.12f, Hex(0xc07028), 3);
    for (int k = 0; k < 60; ++k) {
      float x = std::fmod(rng.Range(0, s) + t * s * 0.6f, s),
            y = std::fmod(rng.Range(0, s) + t * s * 2, s);
      c.Line(x, y, x - 3, y + 9, 1, Hex(0xc8d4e0, 180));
    }
    for (int k = 0; k < 8; ++k) {
      float x = std::fmod(rng.Range(0, s) + t * s * 1.5f, s),
            y = rng.Range(s * 0.2f, s * 0.8f) + std::sin(t * 12 + k) * 6;
      c.FillEllipse(x, y, 3, 2, k % 2 ? Hex(0xd06020) : Hex(0xe0a030));
    }
    if (frame == 7) c.FillRect(0, 0, s, s, Hex(0xffffff, 90));  // lightning
  } else if (season == 2) {                                     // winter: snow on bare trees
    Land(c, Hex(0x8a98a8), Hex(0xd0d8e0), Hex(0xe8eef4), 0.62f);
    for (float x : {0.2f, 0.7f}) {
      c.Line(s * x, s * 0.8f, s * x, s * 0.5f, 3, Hex(0x4a3a2a));
      c.Line(s * x, s * 0.6f, s * x - 12, s * 0.48f, 2, Hex(0x4a3a2a));
      c.Line(s * x, s * 0.56f, s * x + 12, s * 0.45f, 2, Hex(0x4a3a2a));
    }
    for (int k = 0; k < 70; ++k) {
      float x = std::fmod(rng.Range(0, s) + std::sin(t * 6.28f + k) * 5, s),
            y = std::fmod(rng.Range(0, s) + t * s * 0.5f, s);
      c.FillCircle(x, y, rng.Range(1, 2.2f), Hex(0xffffff, 230));
    }
  } else if (season == 3) {  // spring: sun, blossom, birds
    Land(c, Hex(0x5a9ad8), Hex(0xc8e0f0), Hex(0x6ab048), 0.62f);
    c.FillCircle(s * 0.8f, s * 0.18f, s * 0.08f, Hex(0xf8e060));
    Tree(c, s * 0.3f, s * 0.82f, s * 0.14f, Hex(0x5aa040), 5);
    for (int k = 0; k < 14; ++k)
      c.FillCircle(s * 0.3f + rng.Range(-18, 18), s * 0.58f + rng.Range(-14, 14), 2, Hex(0xf8c8d8));
    for (int k = 0; k < 4; ++k) {
      float x = std::fmod(s * (0.1f + k * 0.2f) + t * s, s), y = s * (0.2f + 0.06f * k),
            wing = std::sin(t * 25 + k) * 4;
      c.Polyline({{x - 6, y - wing}, {x, y}, {x + 6, y - wing}}, 1.5f, kInk);
    }
  } else {  // summer: strong sun over waving wheat
    Land(c, Hex(0x3a8ad8), Hex(0xa8d0f0), Hex(0xc8b040), 0.55f);
    for (int k = 0; k < 12; ++k) {
      float a = k * 0.5236f + t * 0.5236f;
      c.Line(s * 0.5f + std::cos(a) * s * 0.12f, s * 0.22f + std::sin(a) * s * 0.12f,
             s * 0.5f + std::cos(a) * s * 0.2f, s * 0.22f + std::sin(a) * s * 0.2f, 2,
             Hex(0xf8d040));
    }
    c.FillCircle(s * 0.5f, s * 0.22f, s * 0.09f, Hex(0xfff080));
    for (int k = 0; k < 90; ++k) {
      float x = rng.Range(0, s), y = rng.Range(s * 0.6f, s),
            sway = std::sin(t * 6.28f + x * 0.05f) * 4;
      c.Line(x, y, x + sway, y - 12, 1.2f, Hex(0xe0c850));
    }
  }
}

void Smithy(Canvas& c, float t, int frame) {
  float s = static_cast<float>(c.width());
  c.GradientRect(0, 0, s, s, Hex(0x2a1a12), Hex(0x4a3020));
  c.Draw(Fire(frame, static_cast<int>(s * 0.4f)), static_cast<int>(s * 0.05f),
         static_cast<int>(s * 0.5f));
  c.FillPolygon({{s * 0.45f, s * 0.62f},
                 {s * 0.95f, s * 0.62f},
                 {s * 0.85f, s * 0.7f},
                 {s * 0.55f, s * 0.7f}},
                Hex(0x3a4048));
  c.FillRect(s * 0.6f, s * 0.7f, s * 0.2f, s * 0.22f, Hex(0x2a3038));
  c.FillRect(s * 0.55f, s * 0.6f, s * 0.3f, s * 0.03f, Hex(0xf08030));  // the glowing blade
  float lift = std::abs(std::sin(t * 3.14159f * 2)) * s * 0.25f;
  c.Line(s * 0.88f, s * 0.4f, s * 0.7f, s * 0.55f - lift, s * 0.03f, Hex(0x7a5030));
  c.FillRect(s * 0.64f, s * 0.5f - lift, s * 0.12f, s * 0.06f, Hex(0x707880));
  if (frame % 4 == 0)
    for (int k = 0; k < 8; ++k)
      c.FillCircle(s * 0.7f + std::cos(k) * s * 0.12f,
                   s * 0.58f - std::abs(std::sin(k * 1.7f)) * s * 0.12f, 1.5f, Hex(0xffd060));
}

void Trade(Canvas& c, float t, int) {
  float s = static_cast<float>(c.width());
  Parchment(c, 0, 0, static_cast<int>(s), static_cast<int>(s), 5, false);
  float tilt = std::sin(t * 6.28f) * 0.25f, cx = s / 2, cy = s * 0.3f, arm = s * 0.35f;
  c.Line(cx, s * 0.85f, cx, cy, 4, Hex(0x8a6a30));
  c.FillRect(cx - s * 0.15f, s * 0.85f, s * 0.3f, s * 0.05f, Hex(0x8a6a30));
  float lx = cx - arm * std::cos(tilt), ly = cy - arm * std::sin(tilt),
        rx = cx + arm * std::cos(tilt), ry = cy + arm * std::sin(tilt);
  c.Line(lx, ly, rx, ry, 3, Hex(0xb08830));
  for (auto [x, y, gold] : {std::tuple{lx, ly, true}, {rx, ry, false}}) {
    c.Line(x, y, x - s * 0.08f, y + s * 0.2f, 1, kInk);
    c.Line(x, y, x + s * 0.08f, y + s * 0.2f, 1, kInk);
    c.FillEllipse(x, y + s * 0.21f, s * 0.1f, s * 0.03f, Hex(0xb08830));
    if (gold)
      for (int k = 0; k < 3; ++k) c.FillEllipse(x, y + s * 0.19f - k * 3, s * 0.05f, 2, kGold);
    else
      c.FillEllipse(x, y + s * 0.15f, s * 0.06f, s * 0.05f, Hex(0xd8c8a0));  // a sack of grain
  }
}

void Guard(Canvas& c, float t, int frame) {
  float s = static_cast<float>(c.width());
  Stone(c, 0, 0, static_cast<int>(s), static_cast<int>(s), 3, 24, 12, Hex(0x5a5650));
  c.FillRect(0, 0, s, s, Hex(0x0a0a20, 90));
  float flicker = 0.8f + 0.2f * std::sin(t * 30);
  c.FillCircle(s * 0.25f, s * 0.35f, s * 0.22f * flicker, Hex(0xffc060, 50));
  c.Line(s * 0.25f, s * 0.55f, s * 0.25f, s * 0.38f, 3, Hex(0x4a3018));
  Flames(c, s * 0.19f, s * 0.38f, s * 0.12f, s * 0.12f * flicker,
         static_cast<std::uint32_t>(frame));
  Soldier(c, s * 0.6f, s * 0.92f, s * 0.6f, side::kArmy[1], 0, false, true);
}

// The short movies: night scenes of a hooded figure, a scout's walk, a
// death. `ok` decides the ending.
void Assassin(Canvas& c, float t, bool ok) {
  float s = static_cast<float>(c.width());
  Land(c, Hex(0x0a0a20), Hex(0x202848), Hex(0x1a2418), 0.65f);
  c.FillCircle(s * 0.8f, s * 0.15f, s * 0.06f, Hex(0xe8e8d0));
  Tent(c, s * 0.55f, s * 0.85f, s * 0.35f, s * 0.3f, side::kRival1);
  float x = s * (0.05f + 0.45f * std::min(t * 1.6f, 1.0f));
  bool fled = !ok && t > 0.6f;
  if (fled) x = s * (0.5f - (t - 0.6f) * 1.2f);
  c.FillPolygon({{x - 6, s * 0.86f},
                 {x - 4, s * 0.7f},
                 {x, s * 0.66f},
                 {x + 4, s * 0.7f},
                 {x + 6, s * 0.86f}},
                Hex(0x050508));
  if (t > 0.6f) {
    if (ok) {
      c.Line(x + 4, s * 0.74f, x + 14, s * 0.66f, 2, Hex(0xe0e4e8));
      c.FillRect(0, 0, s, s,
                 Hex(0x800000, static_cast<std::uint8_t>(std::min(1.0f, (t - 0.6f) * 3) * 120)));
    } else {
      c.FillCircle(s * 0.78f, s * 0.7f, s * 0.12f, Hex(0xffc060, 60));
      Soldier(c, s * 0.78f, s * 0.86f, s * 0.25f, side::kRival1, 0, false, true);
      Flames(c, s * 0.84f, s * 0.66f, 8, 10, 3);
    }
  }
}

void Scout(Canvas& c, float t, bool ok) {
  float s = static_cast<float>(c.width());
  Land(c, Hex(0x6a9ad0), Hex(0xd0e0e8), Hex(0x5a8a3a), 0.6f);
  for (int k = 0; k < 4; ++k)
    Tree(c, s * (0.1f + k * 0.27f), s * 0.66f, s * 0.05f, Hex(0x3a6a2a),
         static_cast<std::uint32_t>(k));
  c.FillRect(s * 0.72f, s * 0.68f, s * 0.05f, s * 0.14f, Hex(0x8a867e));  // the dolmen far off
  c.FillRect(s * 0.84f, s * 0.68f, s * 0.05f, s * 0.14f, Hex(0x8a867e));
  c.FillRect(s * 0.7f, s * 0.65f, s * 0.22f, s * 0.04f, Hex(0x9a968e));
  float x = s * (0.08f + 0.55f * std::min(t * 1.4f, 1.0f));
  if (ok || t < 0.55f) {
    Soldier(c, x, s * 0.9f, s * 0.22f, Hex(0x3a6a30), 0, static_cast<int>(t * 16) % 2 == 0);
    if (ok && t > 0.75f) Banner(c, s * 0.8f, s * 0.66f, s * 0.22f, side::kArmy[1]);
  } else {
    for (int y = 0; y < c.height(); ++y)
      for (int xx = 0; xx < c.width(); ++xx)
        c.Blend(
            xx, y, Hex(0xd8dce0),
            std::min(0.85f, (t - 0.55f) * 2.5f) * Fbm(xx / 20.0f + t * 3, y / 20.0f, 4, 3) * 1.4f);
    SmallText(c, s * 0.44f, s * 0.4f, "?", s * 0.05f, kInk);
  }
}

void Death(Canvas& c, float t) {
  float s = static_cast<float>(c.width());
  c.GradientRect(0, 0, s, s, Hex(0x100808), Hex(0x281810));
  float height = s * 0.4f * (1 - t * 0.8f);
  c.FillRect(s * 0.45f, s * 0.85f - height, s * 0.1f, height, Hex(0xe8e0c8));
  if (t < 0.85f) {
    c.FillCircle(s * 0.5f, s * 0.8f - height, s * 0.12f, Hex(0xffc060, 40));
    c.FillPolygon({{s * 0.48f, s * 0.85f - height},
                   {s * 0.5f + std::sin(t * 20) * 2, s * 0.77f - height},
                   {s * 0.52f, s * 0.85f - height}},
                  Hex(0xf8a030));
  } else {
    Smoke(c, s * 0.5f, s * 0.85f - height, s * 0.2f, 3, 0.5f);
  }
  c.FillEllipse(s * 0.5f, s * 0.87f, s * 0.2f, s * 0.03f, Hex(0x5a4a30));
  float fall = std::min(1.0f, t * 1.5f);
  c.FillPolygon({{s * 0.15f, s * (0.55f + 0.3f * fall)},
                 {s * 0.15f, s * (0.47f + 0.3f * fall)},
                 {s * 0.2f, s * (0.51f + 0.3f * fall)},
                 {s * 0.25f, s * (0.45f + 0.3f * fall)},
                 {s * 0.3f, s * (0.51f + 0.3f * fall)},
                 {s * 0.35f, s * (0.47f + 0.3f * fall)},
                 {s * 0.35f, s * (0.55f + 0.3f * fall)}},
                kGold);
}

void Plague(Canvas& c, float t) {
  float s = static_cast<float>(c.width());
  Land(c, Hex(0x4a4a38), Hex(0x8a8a68), Hex(0x5a6a38), 0.6f);
  for (int k = 0; k < 3; ++k)
    Cottage(c, s * (0.1f + k * 0.3f), s * 0.8f, s * 0.22f, s * 0.22f, Hex(0x6a4a2a), false,
            static_cast<std::uint32_t>(k));
  c.FillRect(0, 0, s, s, Hex(0x203010, static_cast<std::uint8_t>(t * 120)));
  for (int k = 0; k < 3; ++k) {
    float x = std::fmod(s * (0.2f + k * 0.3f) + t * s * 0.4f, s), y = s * (0.25f + k * 0.05f),
          wing = std::sin(t * 30 + k) * 4;
    c.Polyline({{x - 7, y - wing}, {x, y}, {x + 7, y - wing}}, 2, Hex(0x101010));
  }
  float skull = std::clamp((t - 0.3f) * 2, 0.0f, 1.0f);
  if (skull > 0) {
    c.FillEllipse(s * 0.5f, s * 0.35f, s * 0.12f, s * 0.11f,
                  Hex(0xece4d0, static_cast<std::uint8_t>(skull * 220)));
    c.FillCircle(s * 0.45f, s * 0.35f, s * 0.03f,
                 Hex(0x201810, static_cast<std::uint8_t>(skull * 255)));
    c.FillCircle(s * 0.55f, s * 0.35f, s * 0.03f,
                 Hex(0x201810, static_cast<std::uint8_t>(skull * 255)));
  }
}

Canvas Pointer(bool loading) {
  Canvas c(32, 32);
  if (loading) {
    Canvas glass(32, 32);
    c.FillRect(7, 2, 18, 3, Hex(0x6a4020));
    c.FillRect(7, 27, 18, 3, Hex(0x6a4020));
    c.FillPolygon({{9, 5}, {23, 5}, {17, 16}, {23, 27}, {9, 27}, {15, 16}}, Hex(0xd8e8f0, 230));
    c.FillPolygon({{12, 7}, {20, 7}, {16, 13}}, Hex(0xd8b060));
    c.FillPolygon({{11, 26}, {21, 26}, {16, 20}}, Hex(0xd8b060));
    c.Outline(Hex(0x1a0e06));
    return c;
  }
  // A gilt arrow, its tip at the top-left pixel.
  c.FillPolygon({{0, 0}, {0, 22}, {6, 17}, {11, 27}, {15, 25}, {10, 15}, {18, 15}}, Hex(0x1a0e06));
  c.FillPolygon({{2, 3}, {2, 18}, {6.5f, 14}, {11.5f, 24}, {13, 23}, {8.5f, 13.5f}, {14, 13.5f}},
                Hex(0xf0c850));
  c.FillPolygon({{2, 3}, {2, 18}, {5, 15.5f}}, Hex(0xfff0b0));
  return c;
}

}  // namespace

void RegisterAnims(Registry& r) {
  const char* kSeasons[] = {"fall.rx", "winter.rx", "spring.rx", "summer.rx"};
  for (int k = 1; k <= 4; ++k)
    r.Picture(kSeasons[k - 1], [k](const Context&) {
      return Animation(12, 160, [k](Canvas& c, float t, int f) { Weather(c, k, t, f); });
    });
  r.Picture("smithy.rx", [](const Context&) { return Animation(8, 128, Smithy); });
  r.Picture("trade.rx", [](const Context&) { return Animation(8, 128, Trade); });
  r.Picture("guard.rx", [](const Context&) { return Animation(8, 128, Guard); });
  r.Picture("plague.rx", [](const Context&) {
    return Animation(12, 200, [](Canvas& c, float t, int) { Plague(c, t); });
  });
  for (bool ok : {true, false}) {
    r.Picture(ok ? "assassin_ok.rx" : "assassin_failed.rx", [ok](const Context&) {
      return Animation(16, 200, [ok](Canvas& c, float t, int) { Assassin(c, t, ok); });
    });
    r.Picture(ok ? "scout_ok.rx" : "scout_failed.rx", [ok](const Context&) {
      return Animation(16, 200, [ok](Canvas& c, float t, int) { Scout(c, t, ok); });
    });
  }
  r.Picture("death.rx", [](const Context&) {
    return Animation(16, 200, [](Canvas& c, float t, int) { Death(c, t); });
  });
  r.Picture("normal01.ico", [](const Context&) { return Pointer(false); });
  r.Picture("loading01.ico", [](const Context&) { return Pointer(true); });
}

}  // namespace art
