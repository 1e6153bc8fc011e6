// The frames of the screens (parchment, wood and stone), the objectives
// pictures, and the resource sheets of frames, scrolls, scenes, fire and
// candle.
#include <cmath>

#include "noise.h"
#include "paint_common.h"
#include "registry.h"

namespace art {
namespace {

// A frame of `border` round a parchment middle; style 0 ink line, 1 wood,
// 2 stone, 3 gold.
Canvas Box(int w, int h, int border, int style, std::uint32_t seed) {
  Canvas c(w, h);
  Parchment(c, 0, 0, w, h, seed, false);
  if (style == 0) {
    c.FillRect(border / 2.0f, border / 2.0f, w - border, 2, kInk);
    c.FillRect(border / 2.0f, h - border / 2.0f - 2, w - border, 2, kInk);
    c.FillRect(border / 2.0f, border / 2.0f, 2, h - border, kInk);
    c.FillRect(w - border / 2.0f - 2, border / 2.0f, 2, h - border, kInk);
    for (float x : {border / 2.0f + 1, w - border / 2.0f - 1})
      for (float y : {border / 2.0f + 1, h - border / 2.0f - 1})
        c.FillCircle(x, y, 3.5f, Hex(0x8a2a1a));
    return c;
  }
  Canvas rim(w, h);
  if (style == 1) {
    Wood(rim, 0, 0, w, h, seed, Hex(0x6a4426));
  } else if (style == 2) {
    Stone(rim, 0, 0, w, h, seed, border + 8, border / 2 + 2, Hex(0x8a867e));
  } else {
    rim.GradientRect(0, 0, w, h, Hex(0xf0d070), Hex(0x9a7420));
  }
  Canvas middle = c.Crop(border, border, w - 2 * border, h - 2 * border);
  c = rim;
  c.Draw(middle, border, border);
  Bevel(c, 0, 0, w, h, std::max(2, border / 6), 1.0f);
  Bevel(c, border - 3, border - 3, w - 2 * border + 6, h - 2 * border + 6, 3, 1.0f, true);
  if (style != 3) Rivets(c, 0, 0, w, h, border / 2.0f, std::max(2.0f, border / 6.0f));
  return c;
}

Canvas ScrollBox() {
  const int w = 400, h = 520, roll = 36;
  Canvas c(w, h);
  Parchment(c, 16, roll / 2, w - 32, h - roll, 71, false);
  for (float y : {roll / 2.0f, h - roll / 2.0f}) {
    c.FillEllipse(w / 2.0f + 2, y + 3, w / 2.0f - 4, roll / 2.0f, Hex(0x000000, 80));
    for (int k = 0; k < roll; ++k) {
      float t = static_cast<float>(k) / roll;
      c.FillRect(6, y - roll / 2.0f + k, w - 12, 1,
                 Shade(Hex(0xd8bc80), 0.6f + 0.6f * std::sin(t * 3.14159f)));
    }
    for (float x : {3.0f, w - 9.0f}) {
      c.FillRect(x, y - roll / 2.0f - 3, 6, roll + 6, Hex(0x5a3418));
      c.FillCircle(x + 3, y, 7, Hex(0x7a4a22));
    }
  }
  return c;
}

Canvas Caption() {
  Canvas c(360, 48);
  Wood(c, 0, 0, 360, 48, 81, Hex(0x7a5030));
  Bevel(c, 0, 0, 360, 48, 3, 1.0f);
  c.FillRect(8, 8, 344, 32, Hex(0x2a1a0c, 90));
  Bevel(c, 8, 8, 344, 32, 2, 0.8f, true);
  Rivets(c, 0, 0, 360, 48, 5, 2.5f);
  return c;
}

// The objectives background: parchment with the county sketched on it.
Canvas Objectives(const Context& ctx) {
  Canvas c(640, 480);
  Parchment(c, 0, 0, 640, 480, 91, true);
  const valorne::MapLayout& m = ctx.map;
  float sx = 560.0f / m.width, sy = 400.0f / m.height;
  Rgba ink = Hex(0x5a3a1a, 110);
  for (const valorne::MapTerrain& t : m.terrain) {
    const std::vector<int>& v = t.values;
    if (t.kind == "forest") {
      for (int k = 0; k < 5; ++k)
        c.Ring(40 + (v[0] + std::cos(k * 1.3f) * v[2] * 0.5f) * sx,
               40 + (v[1] + std::sin(k * 1.3f) * v[2] * 0.5f) * sy, 4, 1, ink);
    } else if (t.kind == "hills") {
      for (int k = 0; k < 3; ++k) {
        float x = 40 + (v[0] + (k - 1) * v[2] * 0.5f) * sx, y = 40 + v[1] * sy;
        c.Polyline({{x - 7, y}, {x, y - 7}, {x + 7, y}}, 1.2f, ink);
      }
    } else if (t.kind == "lake") {
      c.Ring(40 + v[0] * sx, 40 + v[1] * sy, v[2] * sx, 1.2f, Hex(0x2a4a7a, 110));
    } else if (t.kind == "river") {
      for (std::size_t k = 1; k + 3 < v.size(); k += 2)
        c.Line(40 + v[k] * sx, 40 + v[k + 1] * sy, 40 + v[k + 2] * sx, 40 + v[k + 3] * sy, 2,
               Hex(0x2a4a7a, 110));
    }
  }
  for (const valorne::MapRoad& r : m.roads) {
    valorne::MapPoint a = m.RoadPoint(r.from), b = m.RoadPoint(r.to);
    c.Line(40 + a.x * sx, 40 + a.y * sy, 40 + b.x * sx, 40 + b.y * sy, 1.5f, Hex(0x6a2a10, 120));
  }
  // The compass rose.
  c.FillPolygon({{590, 400}, {596, 430}, {590, 460}, {584, 430}}, Hex(0x5a3a1a, 140));
  c.FillPolygon({{560, 430}, {590, 424}, {620, 430}, {590, 436}}, Hex(0x5a3a1a, 140));
  return c;
}

Canvas ObjectivesFrame() {
  Canvas c = Box(800, 600, 120, 2, 95);
  for (int y = 120; y < 480; ++y)
    for (int x = 120; x < 680; ++x) c.Set(x, y, {});  // the open middle
  Bevel(c, 117, 117, 566, 366, 4, 1.0f, true);
  return c;
}

Canvas FireFrame(int k, int w, int h, float scale) {
  Canvas c(w, h);
  Rng rng(static_cast<std::uint64_t>(k * 7 + 1));
  for (int j = 0; j < 12; ++j) {
    float x = w * (0.2f + 0.6f * rng.Uniform()), fh = h * scale * (0.4f + 0.5f * rng.Uniform());
    float sway = std::sin(k * 0.8f + j) * w * 0.05f;
    c.FillPolygon(
        {{x - w * 0.1f, h * 0.95f}, {x + sway, h * 0.95f - fh}, {x + w * 0.1f, h * 0.95f}},
        Hex(0xe04810, 200));
    c.FillPolygon({{x - w * 0.05f, h * 0.95f},
                   {x + sway * 0.6f, h * 0.95f - fh * 0.6f},
                   {x + w * 0.05f, h * 0.95f}},
                  Hex(0xffc040, 230));
  }
  c.FillEllipse(w / 2.0f, h * 0.95f, w * 0.35f, h * 0.05f, Hex(0x3a2010));
  return c;
}

Canvas Candle(int k) {
  Canvas c(32, 64);
  c.FillEllipse(16, 60, 12, 3, Hex(0x8a7a60));
  c.FillRect(10, 26, 12, 33, Hex(0xf0e8d0));
  c.FillRect(18, 26, 4, 33, Hex(0xd0c8b0));
  c.Line(16, 26, 16, 21, 1, kInk);
  float sway = std::sin(k * 0.785f) * 1.5f, tall = 10 + std::sin(k * 1.57f) * 1.5f;
  c.FillCircle(16, 16, 9, Hex(0xffd060, 40));
  c.FillPolygon({{13, 21}, {16 + sway, 21 - tall}, {19, 21}}, Hex(0xf08020));
  c.FillPolygon({{14.5f, 21}, {16 + sway * 0.6f, 21 - tall * 0.6f}, {17.5f, 21}}, Hex(0xfff0a0));
  return c;
}

}  // namespace

void RegisterFrames(Registry& r) {
  r.Picture("graphic_smallbox.rx", [](const Context&) { return Box(320, 240, 12, 0, 11); });
  r.Picture("graphic_normalbox.rx", [](const Context&) { return Box(480, 360, 24, 1, 12); });
  r.Picture("graphic_largebox.rx", [](const Context&) { return Box(640, 480, 32, 2, 13); });
  r.Picture("graphic_scrollbox.rx", [](const Context&) { return ScrollBox(); });
  r.Picture("graphic_caption.rx", [](const Context&) { return Caption(); });
  r.Picture("graphic_objectives.rx", [](const Context& ctx) { return Objectives(ctx); });
  r.Picture("graphic_objectivesframe.rx", [](const Context&) { return ObjectivesFrame(); });
  r.Picture("framesres", [](const Context&) {
    return Strip({Box(128, 128, 16, 0, 1), Box(128, 128, 16, 1, 2), Box(128, 128, 16, 2, 3),
                  Box(128, 128, 16, 3, 4)});
  });
  r.Picture("scrollsres", [](const Context&) {
    std::vector<Canvas> frames;
    for (int k = 0; k < 3; ++k) {
      Canvas f(128, 128);
      float open = k * 0.5f, half = 12 + 44 * open;
      if (k > 0)
        Parchment(f, 20, static_cast<int>(64 - half), 88, static_cast<int>(2 * half),
                  static_cast<std::uint32_t>(k), false);
      for (float y : {64 - half, 64 + half}) {
        f.FillRect(14, y - 8, 100, 16, Hex(0xd8bc80));
        f.FillRect(14, y - 8, 100, 4, Hex(0xf0dca8));
        f.FillRect(10, y - 10, 6, 20, Hex(0x5a3418));
        f.FillRect(112, y - 10, 6, 20, Hex(0x5a3418));
      }
      if (k == 0) f.FillCircle(64, 64, 8, Hex(0xc02020));
      frames.push_back(f);
    }
    return Strip(frames);
  });
  r.Picture("picturesres", [&r](const Context& ctx) {
    const char* kScenes[] = {"VillageRes1", "CropsRes4", "WoodCutterRes",
                             "GChapelRes",  "FortRes",   "GarryRes"};
    std::vector<Canvas> frames;
    for (const char* scene : kScenes) {
      Canvas f(160, 120);
      f.GradientRect(0, 0, 160, 70, Hex(0x8ab4e0), Hex(0xe0e8e8));
      f.GradientRect(0, 70, 160, 50, Hex(0x7aa048), Hex(0x4a7a30));
      Canvas pic = r.pictures.at(scene)(ctx);
      float k = std::min(140.0f / pic.width(), 100.0f / pic.height());
      int pw = static_cast<int>(pic.width() * k), ph = static_cast<int>(pic.height() * k);
      f.DrawScaled(pic, (160 - pw) / 2, 112 - ph, pw, ph);
      Bevel(f, 0, 0, 160, 120, 3, 0.9f);
      frames.push_back(f);
    }
    return Strip(frames);
  });
  r.Picture("fireres", [](const Context&) {
    std::vector<Canvas> frames;
    for (int k = 0; k < 8; ++k) frames.push_back(FireFrame(k, 64, 64, 0.9f));
    return Strip(frames);
  });
  r.Picture("candleres", [](const Context&) {
    std::vector<Canvas> frames;
    for (int k = 0; k < 8; ++k) frames.push_back(Candle(k));
    return Strip(frames);
  });
}

// The weather and movie screens draw fire the same way.
Canvas Fire(int frame, int size) {
  return FireFrame(frame, size, size, 0.8f);
}

}  // namespace art
