// Fields in their five states (and crops by season), the field menu's
// buttons, the works' places, and the small marks of the map and the bar.
#include <cmath>

#include "noise.h"
#include "paint_common.h"
#include "registry.h"

namespace art {
namespace {

constexpr Rgba kEarth = Hex(0x7a5a36);

// The plot: earth with furrows, a low fence round it.
Canvas Plot(int w, int h, Rgba soil, Rgba furrow, std::uint32_t seed) {
  Canvas c(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float n = Fbm(x / 14.0f, y / 14.0f, seed, 3);
      float row = std::sin((x * 0.35f + y * 0.9f) * 0.9f);
      Rgba p = Mix(soil, furrow, 0.5f + 0.5f * row);
      c.Set(x, y, Shade(p, 0.85f + 0.3f * n));
    }
  return c;
}

void Fence(Canvas& c) {
  int w = c.width(), h = c.height();
  Rgba wood = Hex(0x5a3c1e);
  c.FillRect(0, 0, w, 2, wood);
  c.FillRect(0, h - 2, w, 2, wood);
  c.FillRect(0, 0, 2, h, wood);
  c.FillRect(w - 2, 0, 2, h, wood);
  for (int x = 0; x < w; x += 12) {
    c.FillRect(x, 0, 2, 4, Hex(0x3a2410));
    c.FillRect(x, h - 4, 2, 4, Hex(0x3a2410));
  }
  for (int y = 0; y < h; y += 12) {
    c.FillRect(0, y, 4, 2, Hex(0x3a2410));
    c.FillRect(w - 4, y, 4, 2, Hex(0x3a2410));
  }
}

void Stalks(Canvas& c, Rgba colour, float height, float density, std::uint32_t seed) {
  Rng rng(seed);
  int n = static_cast<int>(c.width() * c.height() * density);
  for (int k = 0; k < n; ++k) {
    float x = rng.Range(3, c.width() - 3.0f), y = rng.Range(4 + height, c.height() - 3.0f);
    c.Line(x, y, x + rng.Range(-1, 1), y - height * rng.Range(0.6f, 1.0f), 1.0f,
           Shade(colour, rng.Range(0.8f, 1.15f)));
  }
}

void Cow(Canvas& c, float x, float y, float s, bool brown, bool left) {
  float d = left ? -1 : 1;
  Rgba body = brown ? Hex(0x8a5a30) : Hex(0xf0ece4);
  c.FillEllipse(x + 1, y + s * 0.55f, s * 0.9f, s * 0.25f, Hex(0x000000, 60));
  for (float lx : {-0.55f, -0.3f, 0.3f, 0.55f})
    c.Line(x + lx * s, y, x + lx * s, y + s * 0.5f, s * 0.14f, Hex(0x3a2a1a));
  c.FillEllipse(x, y, s * 0.8f, s * 0.42f, body);
  if (!brown) {
    c.FillEllipse(x - s * 0.2f, y - s * 0.1f, s * 0.25f, s * 0.18f, Hex(0x202020));
    c.FillEllipse(x + s * 0.35f, y + s * 0.1f, s * 0.18f, s * 0.14f, Hex(0x202020));
  }
  c.FillEllipse(x + d * s * 0.85f, y - s * 0.2f, s * 0.28f, s * 0.22f, body);
  c.FillEllipse(x + d * s * 1.0f, y - s * 0.12f, s * 0.14f, s * 0.11f, Hex(0xd89a8a));
  c.Line(x + d * s * 0.75f, y - s * 0.38f, x + d * s * 0.68f, y - s * 0.52f, s * 0.08f,
         Hex(0xe0d8c0));
}

Canvas Field(const Context& ctx, const std::string& kind) {
  Pt size = ctx.Size("FieldImg1", {100, 66});
  int w = static_cast<int>(size.x), h = static_cast<int>(size.y);
  std::uint32_t seed = static_cast<std::uint32_t>(HashName(kind));
  Canvas c;
  if (kind == "empty") {
    c = Plot(w, h, kEarth, Hex(0x5e4228), seed);
    Stalks(c, Hex(0x7a8a3a), 3, 0.01f, seed);
  } else if (kind == "crops1") {  // harvest: stubble and sheaves
    c = Plot(w, h, Hex(0xc8a850), Hex(0xa88838), seed);
    Stalks(c, Hex(0xd8c070), 2, 0.05f, seed);
    Rng rng(seed);
    for (int k = 0; k < 6; ++k) {
      float x = 12 + (k % 3) * (w - 24) / 2.0f + rng.Range(-4, 4), y = h * (k < 3 ? 0.4f : 0.8f);
      c.FillEllipse(x + 2, y + 1, 6, 2, Hex(0x000000, 60));
      c.FillPolygon({{x - 5, y}, {x, y - 12}, {x + 5, y}}, Hex(0xe8c860));
      c.FillPolygon({{x, y - 12}, {x + 5, y}, {x + 1, y}}, Hex(0xb89838));
      c.Line(x - 4, y - 5, x + 4, y - 5, 1, Hex(0x8a6a20));
    }
  } else if (kind == "crops2") {  // winter: furrows under snow
    c = Plot(w, h, Hex(0x6a5038), Hex(0x4a3624), seed);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        float n = Fbm(x / 10.0f, y / 10.0f, seed + 2, 3);
        float row = std::sin((x * 0.35f + y * 0.9f) * 0.9f);
        if (n + row * 0.2f > 0.45f)
          c.Blend(x, y, Hex(0xeef2f6), std::min(1.0f, (n + row * 0.2f - 0.45f) * 6));
      }
  } else if (kind == "crops3") {  // spring: young green rows
    c = Plot(w, h, Hex(0x7a5a36), Hex(0x5e4228), seed);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (std::sin((x * 0.35f + y * 0.9f) * 0.9f) > 0.3f && Hash01(x, y, seed) > 0.35f)
          c.Blend(x, y, Mix(Hex(0x6ab040), Hex(0x9ad060), Hash01(y, x, seed)), 0.9f);
  } else if (kind == "crops4") {  // summer: tall wheat
    c = Plot(w, h, Hex(0xc0b040), Hex(0x98a038), seed);
    Stalks(c, Hex(0xd8c458), 6, 0.09f, seed);
    Stalks(c, Hex(0x9aa840), 5, 0.03f, seed + 1);
  } else if (kind == "cattle") {
    c = Plot(w, h, Hex(0x7aa848), Hex(0x6c9a40), seed);
    Stalks(c, Hex(0x8ab858), 3, 0.03f, seed);
    Cow(c, w * 0.28f, h * 0.38f, 10, false, false);
    Cow(c, w * 0.7f, h * 0.3f, 9, true, true);
    Cow(c, w * 0.55f, h * 0.72f, 10, false, true);
    c.FillEllipse(w * 0.15f, h * 0.8f, 7, 4, Hex(0x5a88b8));  // trough of water
  } else if (kind == "flood") {
    c = Plot(w, h, Hex(0x5a4a30), Hex(0x4a3c28), seed);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        float n = Fbm(x / 16.0f, y / 16.0f, seed + 4, 3);
        float edge = std::min({x, y, w - 1 - x, h - 1 - y}) / 8.0f;
        if (n * 0.5f + std::min(edge, 1.0f) > 0.75f) {
          float ripple = 0.5f + 0.5f * std::sin(x / 3.0f + n * 8);
          c.Set(x, y, Mix(Hex(0x4a6e8a), Hex(0x7aa0b8), ripple * 0.6f));
        }
      }
    Stalks(c, Hex(0x8a8a40), 4, 0.01f, seed);
  } else {  // leased: a tenant's crops and his sign
    c = Plot(w, h, Hex(0xb0a048), Hex(0x8e9a3a), seed);
    Stalks(c, Hex(0xc8b850), 4, 0.05f, seed);
    float x = w * 0.78f, y = h * 0.75f;
    c.Line(x, y, x, y - 26, 2.5f, Hex(0x4a2e16));
    c.FillRect(x - 13, y - 30, 26, 14, Hex(0xd8c090));
    c.FillRect(x - 13, y - 30, 26, 14, Hex(0x000000, 0));
    c.Ring(x, y - 23, 4.5f, 2, Hex(0xb08820));
    c.FillCircle(x, y - 23, 3.5f, kGold);
  }
  Fence(c);
  return c;
}

// A 32 x 32 round badge for the status icons.
Canvas Badge(Rgba fill) {
  Canvas c(32, 32);
  c.FillCircle(16.5f, 17, 15, Hex(0x000000, 90));
  c.FillCircle(16, 16, 15, Hex(0x5a3a1a));
  c.FillCircle(16, 16, 13, fill);
  c.FillEllipse(13, 10, 8, 5, Hex(0xffffff, 60));
  return c;
}

Canvas Skull(int size) {
  Canvas c(size, size);
  float s = size / 32.0f;
  c.FillEllipse(16 * s, 14 * s, 11 * s, 10 * s, Hex(0xece4d0));
  c.FillRect(10 * s, 18 * s, 12 * s, 8 * s, Hex(0xece4d0));
  c.FillEllipse(12 * s, 15 * s, 3 * s, 3.5f * s, Hex(0x201810));
  c.FillEllipse(20 * s, 15 * s, 3 * s, 3.5f * s, Hex(0x201810));
  c.FillPolygon({{16 * s, 18 * s}, {14.5f * s, 21 * s}, {17.5f * s, 21 * s}}, Hex(0x201810));
  for (int k = 0; k < 4; ++k)
    c.FillRect((11.5f + k * 2.6f) * s, 23 * s, 1.2f * s, 3 * s, Hex(0x605848));
  c.Outline(Hex(0x201810));
  return c;
}

Canvas Flag(Rgba cloth, int size = 32) {
  Canvas c(size, size);
  float s = size / 32.0f;
  c.FillEllipse(9 * s, 29 * s, 6 * s, 2 * s, Hex(0x000000, 80));
  Banner(c, 8 * s, 29 * s, 27 * s, cloth);
  return c;
}

Canvas Marker(bool hover) {
  Canvas c(24, 24);
  c.FillCircle(12.5f, 13, 10, Hex(0x000000, 90));
  c.FillCircle(12, 12, 10, hover ? Hex(0xfff0a0) : Hex(0xf0d060));
  c.FillCircle(12, 12, 7.5f, hover ? Hex(0xe04020) : Hex(0xb02818));
  c.FillCircle(12, 12, 3, hover ? Hex(0xfff8e0) : Hex(0xf0d060));
  c.Ring(12, 12, 10, 1.2f, Hex(0x3a2410));
  return c;
}

}  // namespace

void RegisterFields(Registry& r) {
  const std::pair<const char*, const char*> kFields[] = {
      {"EmptyRes", "empty"},   {"CropsRes1", "crops1"}, {"CropsRes2", "crops2"},
      {"CropsRes3", "crops3"}, {"CropsRes4", "crops4"}, {"CattleRes", "cattle"},
      {"FloodRes", "flood"},   {"HireRes", "hire"}};
  for (auto [name, kind] : kFields) {
    std::string k = kind;
    r.Picture(name, [k](const Context& ctx) { return Field(ctx, k); });
  }
  r.Picture("CropsShadow", [](const Context& ctx) {
    Pt s = ctx.Size("FieldImg1", {100, 66});
    Canvas c(static_cast<int>(s.x) + 12, static_cast<int>(s.y) + 12);
    c.FillRect(0, 0, c.width(), c.height(), Hex(0x000000, 90));
    c.FillRect(6, 6, s.x, s.y, Hex(0x000000, 0));
    for (int k = 0; k < 3; ++k)
      c.FillRect(k, k, c.width() - 2 * k, c.height() - 2 * k, Hex(0xf0d060, 60));
    return c;
  });
  // The field menu: fallow, crops, cattle, lease.
  for (int k = 1; k <= 4; ++k) {
    r.Picture("Field" + std::to_string(k) + "Pic", [k](const Context&) {
      Canvas c = Badge(Hex(0xd8c090));
      if (k == 1) {
        c.Line(9, 23, 23, 9, 3, Hex(0x5a3a1a));  // a hoe
        c.Line(19, 7, 25, 13, 3, Hex(0x808890));
      } else if (k == 2) {
        for (int i = 0; i < 3; ++i) c.Line(12 + i * 4, 25, 14 + i * 2, 8, 2, Hex(0xb89020));
        c.Line(11, 17, 21, 17, 2, Hex(0x7a5010));
      } else if (k == 3) {
        Cow(c, 15, 16, 9, true, false);
      } else {
        c.FillCircle(16, 16, 7, kGold);
        c.Ring(16, 16, 7, 1.5f, Hex(0x8a6a10));
        c.FillRect(14.5f, 11, 3, 10, Hex(0x8a6a10));
      }
      return c;
    });
  }
  r.Picture("SlotRes1", [](const Context&) {
    Canvas c(48, 48);
    c.FillRect(4, 4, 40, 40, Hex(0x5a4a38));
    Bevel(c, 4, 4, 40, 40, 3, 0.8f, true);
    c.Ring(24, 24, 10, 2, Hex(0x8a7a60));
    return c;
  });
  r.Picture("SlotRes2", [](const Context&) {
    Canvas c(48, 48);
    c.FillRect(4, 4, 40, 40, Hex(0x8a6a40));
    Bevel(c, 4, 4, 40, 40, 3, 0.8f);
    Soldier(c, 24, 42, 34, Hex(0x6a7a40), 3);
    return c;
  });
  r.Picture("CampStatusRes1", [](const Context&) {
    Canvas c = Badge(Hex(0x3a9a40));
    c.FillPolygon({{11, 9}, {24, 16}, {11, 23}}, Hex(0xf0f0e0));
    return c;
  });
  r.Picture("CampStatusRes2", [](const Context&) {
    Canvas c = Badge(Hex(0x8a8070));
    c.FillRect(10, 9, 4, 14, Hex(0xf0f0e0));
    c.FillRect(18, 9, 4, 14, Hex(0xf0f0e0));
    return c;
  });
  r.Picture("OkImage", [](const Context&) {
    Canvas c(32, 32);
    c.Polyline({{6, 17}, {13, 25}, {27, 7}}, 5, Hex(0x1a6a20));
    c.Polyline({{6, 16}, {13, 24}, {27, 6}}, 3, Hex(0x40c040));
    return c;
  });
  r.Picture("ScullRes", [](const Context&) {
    Canvas c = Badge(Hex(0x403830));
    c.Draw(Skull(24), 4, 3);
    return c;
  });
  r.Picture("SkullRes", [](const Context&) { return Skull(48); });
  r.Picture("CrownRes", [](const Context&) {
    Canvas c(32, 32);
    c.FillPolygon({{4, 24}, {4, 10}, {10, 17}, {16, 6}, {22, 17}, {28, 10}, {28, 24}}, kGold);
    c.FillRect(4, 22, 24, 4, Hex(0xb08020));
    for (float x : {4.0f, 16.0f, 28.0f}) c.FillCircle(x, x == 16 ? 6 : 10, 2.2f, Hex(0xd02020));
    c.Outline(Hex(0x4a3008));
    return c;
  });
  r.Picture("ClockRes", [](const Context&) {
    Canvas c = Badge(Hex(0xe8dcc0));
    c.Line(16, 16, 16, 7, 2, kInk);
    c.Line(16, 16, 22, 19, 2, kInk);
    for (int k = 0; k < 12; ++k)
      c.FillCircle(16 + 11 * std::cos(k * 0.5236f), 16 + 11 * std::sin(k * 0.5236f), 1, kInk);
    return c;
  });
  r.Picture("WarwarningRes", [](const Context&) {
    Canvas c(32, 32);
    c.FillPolygon({{16, 2}, {31, 29}, {1, 29}}, Hex(0x3a1a0a));
    c.FillPolygon({{16, 6}, {27, 27}, {5, 27}}, Hex(0xd83020));
    c.Line(10, 24, 22, 12, 2, Hex(0xf0f0f0));
    c.Line(10, 12, 22, 24, 2, Hex(0xf0f0f0));
    return c;
  });
  r.Picture("AssassinStatusRes", [](const Context&) {
    Canvas c = Badge(Hex(0x302838));
    c.Line(10, 24, 22, 8, 3, Hex(0xd0d4d8));
    c.Line(8, 20, 14, 26, 2.5f, Hex(0x8a6a20));
    return c;
  });
  r.Picture("ScoutStatusRes", [](const Context&) {
    Canvas c = Badge(Hex(0x4a6a38));
    c.FillEllipse(16, 16, 10, 6, Hex(0xf0f0e0));
    c.FillCircle(16, 16, 4, Hex(0x3a5a8a));
    c.FillCircle(16, 16, 2, kInk);
    return c;
  });
  r.Picture("FlagRes", [](const Context&) { return Flag(side::kArmy[1]); });
  r.Picture("EFlagRes", [](const Context&) { return Flag(Hex(0xe0b020)); });
  r.Picture("SiteFlagRes1", [](const Context&) { return Flag(side::kArmy[1], 24); });
  r.Picture("SiteFlagRes2", [](const Context&) { return Flag(side::kRival1, 24); });
  r.Picture("SiteFlagRes3", [](const Context&) { return Flag(side::kRival2, 24); });
  r.Picture("SelectorRes", [](const Context&) {
    Canvas c(32, 32);
    c.FillPolygon({{16, 30}, {6, 14}, {12, 14}, {12, 2}, {20, 2}, {20, 14}, {26, 14}},
                  Hex(0xf0d040));
    c.Outline(Hex(0x5a3a08));
    return c;
  });
  r.Picture("GarisonRes", [](const Context&) {
    Canvas c(30, 30);
    Shield(c, 15, 15, 20, side::kArmy[1]);
    return c;
  });
  r.Picture("Village1Pic", [](const Context&) {
    Canvas c = Badge(Hex(0xd8c090));
    Cottage(c, 8, 25, 15, 16, Hex(0x9a4a2a), false, 3);
    return c;
  });
  r.Picture("Village2Pic", [](const Context&) {
    Canvas c = Badge(Hex(0x5a3a2a));
    c.Line(12, 27, 18, 13, 3, Hex(0x7a5030));
    Flames(c, 13, 14, 11, 11, 5);
    return c;
  });
  r.Picture("ArrowRes", [](const Context&) {
    Canvas c(48, 32);
    c.FillPolygon({{2, 11}, {30, 11}, {30, 3}, {46, 16}, {30, 29}, {30, 21}, {2, 21}},
                  Hex(0xd83020));
    c.FillPolygon({{2, 11}, {30, 11}, {30, 3}, {46, 16}, {2, 16}}, Hex(0xf06040));
    c.Outline(Hex(0x3a1008));
    return c;
  });
  r.Picture("GoToPic", [](const Context&) {
    Canvas c(320, 240);
    Parchment(c, 0, 0, 320, 240, 17, true);
    c.Line(110, 150, 210, 50, 8, Hex(0x8a9098));
    c.Line(210, 150, 110, 50, 8, Hex(0x8a9098));
    c.Line(110, 130, 130, 150, 6, Hex(0x6a4a20));
    c.Line(210, 130, 190, 150, 6, Hex(0x6a4a20));
    Shield(c, 160, 100, 46, side::kArmy[1]);
    return c;
  });
  for (int k = 0; k < 3; ++k)
    r.Picture("DiploStatusRes" + std::to_string(k + 1), [k](const Context&) {
      const Rgba kRelations[] = {Hex(0x3a9a40), Hex(0xd0b040), Hex(0xc02828)};
      Canvas c = Badge(kRelations[k]);
      if (k == 0) c.Polyline({{9, 17}, {14, 22}, {23, 10}}, 3, Hex(0xf8f0d8));
      if (k == 1) c.FillRect(9, 14, 14, 4, Hex(0xf8f0d8));
      if (k == 2) {
        c.Line(9, 23, 23, 9, 2.5f, Hex(0xf8f0d8));
        c.Line(9, 9, 23, 23, 2.5f, Hex(0xf8f0d8));
      }
      return c;
    });
  r.Picture("WalkToRes", [](const Context&) { return Marker(false); });
  r.Picture("WalkToRes_hover", [](const Context&) { return Marker(true); });
}

}  // namespace art
