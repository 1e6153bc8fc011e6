// The county map's life: the sprites the map screen lays over the map (a
// flock of birds, a leaping fish, the tumbling waterfall, chimney smoke, the
// fire of a burnt place, the glint of a treasure chest), and the rocky ledge
// of each waterfall, painted into the map itself. Every sprite is a strip of
// square frames on a transparent ground; the looping ones loop seamlessly.
#include "paint_ambient.h"

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "paint_common.h"
#include "registry.h"

namespace art {

Canvas Fire(int frame, int size);

namespace {

constexpr float kPi = 3.14159265f;

// The first waterfall of the map, or a fall of the usual size.
valorne::MapRect FirstFall(const valorne::MapLayout& m) {
  for (const valorne::MapTerrain& t : m.terrain)
    if (t.kind == "waterfall") return {t.values[0], t.values[1], t.values[2], t.values[3]};
  return {0, 0, 44, 72};
}

// One bird seen from above, wings at `lift` (1 up, 0 level, -1 down), body
// at (x, y), flying right (dir 1) or left (-1).
void Bird(Canvas& c, float x, float y, float span, float lift, float dir, Rgba ink) {
  const float tip_y = y - lift * span * 0.45f;
  const float elbow_y = y - lift * span * 0.25f - span * 0.08f;
  c.Polyline({{x - span, tip_y}, {x - span * 0.45f, elbow_y}, {x, y}}, 1.6f, ink);
  c.Polyline({{x, y}, {x + span * 0.45f, elbow_y}, {x + span, tip_y}}, 1.6f, ink);
  c.FillEllipse(x + dir * 1.2f, y + 0.5f, 2.0f, 1.2f, ink);
}

Canvas Birds() {
  constexpr int kSize = 64;
  // A loose V pointing the way the flock flies; each bird beats its wings
  // out of step with its neighbours.
  const Pt kPlaces[] = {{44, 30}, {35, 24}, {35, 37}, {25, 18}, {24, 44}, {15, 13}};
  const float kLift[] = {1.0f, 0.1f, -0.9f, 0.1f};
  std::vector<Canvas> frames;
  for (int dir : {1, -1}) {
    for (int k = 0; k < 4; ++k) {
      Canvas f(kSize, kSize);
      for (int b = 0; b < 6; ++b) {
        Pt p = kPlaces[b];
        if (dir < 0) p.x = kSize - p.x;
        const float span = b == 0 ? 6.5f : 5.5f;
        // A faint shadow on the land below, then the bird.
        Bird(f, p.x + 3, p.y + 9, span, kLift[(k + b) % 4], static_cast<float>(dir),
             Hex(0x000000, 40));
        Bird(f, p.x, p.y, span, kLift[(k + b) % 4], static_cast<float>(dir), Hex(0x2a2420, 235));
      }
      frames.push_back(f);
    }
  }
  return Strip(frames);
}

// A fish leaps from the water and dives back, rings spreading where it was.
Canvas Fish() {
  constexpr int kSize = 32;
  constexpr float kWater = 24;
  std::vector<Canvas> frames;
  for (int k = 0; k < 8; ++k) {
    Canvas f(kSize, kSize);
    auto ring = [&](float cx, float r, float alpha) {
      f.Ring(cx, kWater, r, 1.2f, Hex(0xe8f4ff, static_cast<std::uint8_t>(255 * alpha)));
    };
    if (k <= 1) ring(9, 3.0f + k * 2.5f, 0.8f);
    if (k >= 1 && k <= 5) {
      // Along an arc from the left ring to the right one; the body turns
      // with the arc, head first.
      const float t = (k - 1) / 4.0f;
      const float x = 9 + 14 * t, y = kWater - 2 - std::sin(t * kPi) * 15;
      const float angle = -std::cos(t * kPi) * 0.9f;
      const float dx = std::cos(angle), dy = std::sin(angle);
      const Pt head{x + dx * 5, y + dy * 5}, tail{x - dx * 5, y - dy * 5};
      f.Line(tail.x, tail.y, head.x, head.y, 3.6f, Hex(0x8a9aa8));
      f.Line(tail.x, tail.y - 0.6f, head.x, head.y - 0.6f, 1.4f, Hex(0xdce6ee));
      f.FillPolygon({{tail.x, tail.y},
                     {tail.x - dx * 3 - dy * 2.5f, tail.y - dy * 3 + dx * 2.5f},
                     {tail.x - dx * 3 + dy * 2.5f, tail.y - dy * 3 - dx * 2.5f}},
                    Hex(0x6a7a88));
      for (int d = 0; d < 3; ++d)  // drops shed by the fish
        f.FillCircle(x - dx * (7 + d * 2.5f), y - dy * (7 + d * 2.5f) + d, 0.8f,
                     Hex(0xe8f4ff, 200));
    }
    if (k >= 5) {
      ring(23, 2.5f + (k - 5) * 3, 1.0f - (k - 5) * 0.28f);
      if (k <= 6) {
        for (int d = -1; d <= 1; ++d)
          f.Line(23 + d * 2.5f, kWater, 23 + d * 4.0f, kWater - 5 + std::abs(d) * 1.5f, 1.2f,
                 Hex(0xf4faff, 220));
      }
    }
    frames.push_back(f);
  }
  return Strip(frames);
}

// The falling water of a fall `r` on a square as tall as the fall and a
// little more: streaks of foam sliding down the sheet, spray at its foot.
Canvas Waterfall(const valorne::MapRect& r) {
  const int side = r.height + 8;
  const float cx = side / 2.0f, top = 4, foot = 4.0f + r.height - 8;
  const float half = std::max(6.0f, r.width * 0.2f);
  std::vector<Canvas> frames;
  Rng rng("waterfall streaks");
  struct Streak {
    float x, y, len;
  };
  std::vector<Streak> streaks;
  for (int k = 0; k < 14; ++k)
    streaks.push_back({rng.Range(-half + 1.5f, half - 1.5f), rng.Range(0, 1), rng.Range(6, 12)});
  for (int k = 0; k < 6; ++k) {
    Canvas f(side, side);
    const float t = k / 6.0f;
    const float drop = foot - top;
    for (const Streak& s : streaks) {
      // Each streak slides down one sheet's length per loop.
      const float y = top + std::fmod(s.y + t, 1.0f) * drop;
      const float bottom = std::min(foot, y + s.len);
      f.Line(cx + s.x, y, cx + s.x * 1.08f, bottom, 1.4f, Hex(0xf4fbff, 190));
    }
    // Foam boiling at the foot, and a veil of spray.
    Rng foam("waterfall foam");
    for (int b = 0; b < 12; ++b) {
      const float a = foam.Range(0, 2 * kPi), phase = foam.Uniform();
      const float grow = std::fmod(phase + t, 1.0f);
      const float bx = cx + std::cos(a) * (half + 6) * grow;
      const float by = foot + 2 + std::sin(a) * 4 * grow - grow * 3;
      f.FillCircle(bx, by, 1.2f + 1.6f * (1 - grow),
                   Hex(0xffffff, static_cast<std::uint8_t>(220 * (1 - grow))));
    }
    f.FillEllipse(cx, foot - 2, half + 4, 5,
                  Hex(0xffffff, static_cast<std::uint8_t>(70 + 30 * std::sin(t * 2 * kPi))));
    frames.push_back(f);
  }
  return Strip(frames);
}

// Smoke curling up from a chimney at the foot of the square and drifting
// with the wind; puffs grow and thin out as they rise.
Canvas ChimneySmoke() {
  constexpr int kSize = 40;
  constexpr int kPuffs = 5;
  std::vector<Canvas> frames;
  for (int k = 0; k < 8; ++k) {
    Canvas f(kSize, kSize);
    for (int p = 0; p < kPuffs; ++p) {
      const float t = std::fmod((k + p * 8.0f / kPuffs) / 8.0f, 1.0f);
      const float x = kSize / 2.0f + t * 9 + std::sin(t * 5 + p) * 2.2f;
      const float y = kSize - 3 - t * (kSize - 10);
      const float alpha = std::min(1.0f, t * 6) * (1 - t) * 0.95f;
      f.FillCircle(x, y, 2.6f + t * 6, Hex(0x8e8a84, static_cast<std::uint8_t>(235 * alpha)));
      f.FillCircle(x - 1, y - 1, 1.5f + t * 3.5f,
                   Hex(0xc4c0b8, static_cast<std::uint8_t>(220 * alpha)));
    }
    frames.push_back(f);
  }
  return Strip(frames);
}

// A four-pointed star flashing on a chest's lock.
Canvas Glint() {
  constexpr int kSize = 24;
  const float kScale[] = {0.25f, 0.6f, 1.0f, 0.8f, 0.45f, 0.15f};
  std::vector<Canvas> frames;
  for (float s : kScale) {
    Canvas f(kSize, kSize);
    const float c = kSize / 2.0f, arm = 11 * s, w = 1.6f * s + 0.4f;
    f.FillCircle(c, c, 5 * s, Hex(0xfff4b0, 90));
    f.FillPolygon({{c, c - arm}, {c + w, c}, {c, c + arm}, {c - w, c}}, Hex(0xfffbe0, 240));
    f.FillPolygon({{c - arm * 0.7f, c}, {c, c - w}, {c + arm * 0.7f, c}, {c, c + w}},
                  Hex(0xfffbe0, 240));
    f.FillCircle(c, c, 1.6f * s + 0.3f, Hex(0xffffff));
    frames.push_back(f);
  }
  return Strip(frames);
}

Canvas MapFire() {
  std::vector<Canvas> frames;
  for (int k = 0; k < 8; ++k) frames.push_back(Fire(k, 32));
  return Strip(frames);
}

}  // namespace

// The ledge a waterfall tumbles over: a face of layered rock across the
// stream, the sheet of water in the middle and the white pool at its foot.
// The moving streaks and the spray are the sprite's.
void PaintWaterfalls(Canvas& c, const valorne::MapLayout& m) {
  for (const valorne::MapTerrain& t : m.terrain) {
    if (t.kind != "waterfall") continue;
    const float l = static_cast<float>(t.values[0]), top = static_cast<float>(t.values[1]);
    const float w = static_cast<float>(t.values[2]), h = static_cast<float>(t.values[3]);
    const float cx = l + w / 2, foot = top + h - 8, half = std::max(6.0f, w * 0.2f);
    const float r = l + w;
    const std::vector<Pt> face = {{l - 14, top + 12}, {l - 6, top + 2}, {cx - half, top},
                                  {cx + half, top},   {r + 6, top + 3}, {r + 16, top + 12},
                                  {r + 22, foot + 2}, {cx, foot + 6},   {l - 20, foot + 2}};
    c.FillPolygon(face, Hex(0x6e6656));
    Rng rng(static_cast<std::uint64_t>(t.values[0] * 31 + t.values[1]));
    for (int k = 0; k < 9; ++k) {  // blocks of rock, lit from the upper left
      const float bx = rng.Range(l - 14, r + 10), by = rng.Range(top + 6, foot - 6);
      const float bw = rng.Range(7, 13), bh = rng.Range(5, 9);
      c.FillEllipse(bx, by, bw, bh, Hex(0x8a8270));
      c.FillEllipse(bx - 2, by - 2, bw * 0.6f, bh * 0.5f, Hex(0xa49c88));
    }
    // The foot of the face lies in its own shadow.
    c.FillPolygon({{l - 20, foot + 2},
                   {l - 17, foot - 14},
                   {r + 19, foot - 14},
                   {r + 22, foot + 2},
                   {cx, foot + 6}},
                  Hex(0x2a2418, 70));
    for (float y = top + 10; y < foot; y += 9)  // the layers of the rock
      c.Line(l - 12, y, r + 14, y + 2, 1.0f, Hex(0x4a4436, 150));
    c.Line(l - 8, top + 3, r + 8, top + 3, 2.5f, Hex(0x7a8a48, 200));  // the grassy lip
    // The sheet of water and its foot.
    c.FillRect(cx - half - 1, top, 2 * half + 2, foot - top, Hex(0x2c5f93));
    c.GradientRect(cx - half, top, 2 * half, foot - top, Hex(0x7ab0dc), Hex(0xcfe6f6));
    for (float x = cx - half + 2; x < cx + half - 1; x += 3)
      c.Line(x, top, x + 0.5f, foot, 0.8f, Hex(0xffffff, 110));
    c.FillEllipse(cx, foot + 2, half + 9, 6, Hex(0x4a86bb));
    c.FillEllipse(cx, foot + 1, half + 6, 4, Hex(0xf0f8ff, 220));
  }
}

void RegisterAmbient(Registry& r) {
  r.Picture("BirdsAnimRes", [](const Context&) { return Birds(); });
  r.Picture("FishAnimRes", [](const Context&) { return Fish(); });
  r.Picture("WaterfallAnimRes", [](const Context& ctx) { return Waterfall(FirstFall(ctx.map)); });
  r.Picture("SmokeAnimRes", [](const Context&) { return ChimneySmoke(); });
  r.Picture("ChestGlintRes", [](const Context&) { return Glint(); });
  r.Picture("MapFireRes", [](const Context&) { return MapFire(); });
}

}  // namespace art
