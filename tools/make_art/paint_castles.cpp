// Castles: our castle on the map by stage (keep, bailey, fort, bunker,
// castle) and under construction, the rival counties' castles, the large
// castle pictures of the castle screen, and the build screen's buildings and
// drawings.
#include <algorithm>
#include <cmath>

#include "noise.h"
#include "paint_common.h"
#include "registry.h"

namespace art {
namespace {

constexpr Rgba kWall = Hex(0xa8a090);

void Tower(Canvas& c, float x, float bottom, float w, float h, Rgba wall, Rgba roof, bool cone) {
  float top = bottom - h;
  c.FillRect(x, top, w, h, wall);
  c.FillRect(x + w * 0.62f, top, w * 0.38f, h, Shade(wall, 0.78f));
  int teeth = std::max(2, static_cast<int>(w / 6));
  float tw = w / (teeth * 2 - 1);
  if (cone) {
    c.FillPolygon({{x - w * 0.12f, top}, {x + w / 2, top - h * 0.55f}, {x + w * 1.12f, top}}, roof);
    c.FillPolygon({{x + w / 2, top - h * 0.55f}, {x + w * 1.12f, top}, {x + w * 0.6f, top}},
                  Shade(roof, 0.75f));
  } else {
    for (int k = 0; k < teeth; ++k)
      c.FillRect(x + k * 2 * tw, top - tw * 1.1f, tw, tw * 1.1f, wall);
  }
  c.FillRect(x + w * 0.4f, top + h * 0.25f, std::max(1.5f, w * 0.14f), h * 0.16f, Hex(0x201810));
}

void WallSegment(Canvas& c, float x, float bottom, float w, float h, Rgba wall) {
  c.FillRect(x, bottom - h, w, h, wall);
  c.FillRect(x, bottom - h * 0.25f, w, h * 0.25f, Shade(wall, 0.8f));
  for (float k = x; k < x + w - 3; k += 7) c.FillRect(k, bottom - h - 3, 4, 3, wall);
}

void Palisade(Canvas& c, float x, float bottom, float w, float h) {
  for (float k = x; k < x + w; k += 3.5f) {
    c.FillRect(k, bottom - h, 3, h, Hex(0x7a5430));
    c.FillPolygon({{k, bottom - h}, {k + 1.5f, bottom - h - 3}, {k + 3, bottom - h}},
                  Hex(0x7a5430));
    c.FillRect(k + 2, bottom - h, 1, h, Hex(0x4a3018));
  }
}

void Gate(Canvas& c, float cx, float bottom, float w, float h) {
  c.FillRect(cx - w / 2, bottom - h, w, h, Hex(0x2a1a10));
  c.FillEllipse(cx, bottom - h, w / 2, w / 2.5f, Hex(0x2a1a10));
  for (float k = cx - w / 2 + 2; k < cx + w / 2; k += 3)
    c.Line(k, bottom - h - 2, k, bottom, 0.8f, Hex(0x6a6050));
}

// Stage 1..5; 0 is a stage being built (scaffolding round a rising keep).
void CastleStage(Canvas& c, float x, float y, float w, float h, int stage, Rgba banner,
                 std::uint32_t seed) {
  // Drawn on a 150 x 170 plan (banners included), scaled to fit and centred.
  float s = std::min(w / 150.0f, h / 170.0f);
  x += (w - 150 * s) / 2;
  float bottom = y + h - 4 * s;
  c.FillEllipse(x + w * 0.52f, bottom, w * 0.5f, h * 0.12f, Hex(0x000000, 70));
  Rgba wall = Mix(kWall, Hex(0x8a8478), Hash01(static_cast<int>(seed), 1, 3));
  Rgba roof = Hex(0x8a3a2a);
  switch (stage) {
    case 0:
      Tower(c, x + 55 * s, bottom, 36 * s, 42 * s, Shade(wall, 0.9f), roof, false);
      for (float k : {48.0f, 98.0f})
        c.Line(x + k * s, bottom, x + k * s, bottom - 70 * s, 2.5f * s, Hex(0x8a6030));
      for (float k : {20.0f, 40.0f, 60.0f})
        c.Line(x + 46 * s, bottom - k * s, x + 100 * s, bottom - k * s, 2 * s, Hex(0x8a6030));
      c.Line(x + 48 * s, bottom - 70 * s, x + 98 * s, bottom - 20 * s, 1.5f * s, Hex(0x6a4820));
      c.FillRect(x + 110 * s, bottom - 14 * s, 26 * s, 12 * s, Hex(0x9a9488));  // stone pile
      c.FillRect(x + 14 * s, bottom - 10 * s, 28 * s, 8 * s, Hex(0xa87a48));    // timber
      return;
    case 1:  // keep behind a palisade
      Tower(c, x + 52 * s, bottom - 16 * s, 46 * s, 70 * s, wall, roof, true);
      Palisade(c, x + 20 * s, bottom, 110 * s, 22 * s);
      Gate(c, x + 75 * s, bottom, 16 * s, 14 * s);
      Banner(c, x + 75 * s, bottom - 124 * s, 22 * s, banner);
      return;
    case 2:  // keep and bailey: a wooden-walled yard with a gate tower
      Tower(c, x + 30 * s, bottom - 20 * s, 44 * s, 74 * s, wall, roof, true);
      c.FillRect(x + 80 * s, bottom - 38 * s, 40 * s, 18 * s, Hex(0x8a6a48));  // hall
      c.FillPolygon({{x + 76 * s, bottom - 38 * s},
                     {x + 100 * s, bottom - 56 * s},
                     {x + 124 * s, bottom - 38 * s}},
                    roof);
      Palisade(c, x + 8 * s, bottom, 134 * s, 24 * s);
      Tower(c, x + 86 * s, bottom, 24 * s, 34 * s, Hex(0x8a6038), Hex(0x6a3a20), true);
      Gate(c, x + 98 * s, bottom, 12 * s, 14 * s);
      Banner(c, x + 52 * s, bottom - 132 * s, 22 * s, banner);
      return;
    case 3:  // fort: stone keep, stone walls, two towers
      Tower(c, x + 50 * s, bottom - 22 * s, 50 * s, 80 * s, wall, roof, false);
      WallSegment(c, x + 14 * s, bottom, 122 * s, 30 * s, wall);
      Tower(c, x + 6 * s, bottom, 26 * s, 48 * s, wall, roof, true);
      Tower(c, x + 118 * s, bottom, 26 * s, 48 * s, wall, roof, true);
      Gate(c, x + 75 * s, bottom, 18 * s, 18 * s);
      Banner(c, x + 75 * s, bottom - 112 * s, 26 * s, banner);
      return;
    case 4:  // bunker: a low, thick, many-towered stronghold
      WallSegment(c, x + 8 * s, bottom - 14 * s, 134 * s, 40 * s, Shade(wall, 0.9f));
      for (float k : {4.0f, 40.0f, 80.0f, 116.0f})
        Tower(c, x + k * s, bottom, 30 * s, 52 * s, Shade(wall, 0.95f), roof, false);
      Tower(c, x + 55 * s, bottom - 30 * s, 40 * s, 56 * s, wall, roof, false);
      WallSegment(c, x + 10 * s, bottom, 130 * s, 20 * s, Shade(wall, 0.85f));
      Gate(c, x + 75 * s, bottom, 18 * s, 16 * s);
      Banner(c, x + 75 * s, bottom - 96 * s, 24 * s, banner);
      return;
    default:  // castle: tall keep, four towers, curtain walls
      Tower(c, x + 16 * s, bottom - 26 * s, 24 * s, 62 * s, wall, roof, true);
      Tower(c, x + 110 * s, bottom - 26 * s, 24 * s, 62 * s, wall, roof, true);
      Tower(c, x + 52 * s, bottom - 28 * s, 46 * s, 74 * s, wall, roof, true);
      WallSegment(c, x + 10 * s, bottom, 130 * s, 34 * s, wall);
      Tower(c, x + 2 * s, bottom, 28 * s, 56 * s, wall, roof, true);
      Tower(c, x + 120 * s, bottom, 28 * s, 56 * s, wall, roof, true);
      Gate(c, x + 75 * s, bottom, 20 * s, 22 * s);
      Banner(c, x + 75 * s, bottom - 143 * s, 22 * s, banner);
      Banner(c, x + 16 * s, bottom - 122 * s, 18 * s, banner);
      Banner(c, x + 134 * s, bottom - 122 * s, 18 * s, banner);
  }
}

Canvas MapCastle(const Context& ctx, const std::string& object, int stage, Rgba banner) {
  Pt size = ctx.Size(object, {150, 130});
  Canvas c(static_cast<int>(size.x), static_cast<int>(size.y));
  CastleStage(c, 0, 0, size.x, size.y, stage, banner, 7);
  return c;
}

Canvas Sky(int w, int h, std::uint32_t seed) {
  Canvas c(w, h);
  c.GradientRect(0, 0, w, h * 0.7f, Hex(0x7aa8d8), Hex(0xd8e4e8));
  for (int y = 0; y < h * 0.6f; ++y)
    for (int x = 0; x < w; ++x) {
      float n = Fbm(x / 60.0f, y / 25.0f, seed, 4);
      if (n > 0.55f) c.Blend(x, y, Hex(0xffffff), (n - 0.55f) * 3);
    }
  for (int y = static_cast<int>(h * 0.62f); y < h; ++y)
    for (int x = 0; x < w; ++x)
      c.Set(x, y,
            Shade(Mix(Hex(0x6a9a40), Hex(0x4a7a30), (y - h * 0.62f) / (h * 0.38f)),
                  0.9f + 0.2f * Fbm(x / 20.0f, y / 8.0f, seed + 1, 3)));
  for (float x = 0; x < w; x += 9)
    Tree(c, x + Hash01(static_cast<int>(x), 0, seed) * 6, h * 0.64f, 6, Hex(0x3a6a2a),
         seed + static_cast<std::uint32_t>(x));
  return c;
}

// Working buildings: 1 blacksmith, 2 barracks, 3 stables, 4 market, 5 thieves' den.
void Building(Canvas& c, float x, float y, float w, float h, int kind) {
  float s = w / 128.0f, bottom = y + h - 10 * s;
  Rgba roofs[] = {Hex(0x5a4a40), Hex(0x8a3a2a), Hex(0x9a7a40), Hex(0x3a6a8a), Hex(0x3a3040)};
  Cottage(c, x + 18 * s, bottom, 92 * s, 80 * s, roofs[(kind - 1) % 5], false,
          static_cast<std::uint32_t>(kind));
  switch (kind) {
    case 1:  // anvil and chimney smoke
      c.FillRect(x + 88 * s, bottom - 96 * s, 10 * s, 30 * s, Hex(0x6a5a50));
      Smoke(c, x + 93 * s, bottom - 96 * s, 40 * s, 5);
      c.FillPolygon({{x + 4 * s, bottom - 14 * s},
                     {x + 30 * s, bottom - 14 * s},
                     {x + 24 * s, bottom - 8 * s},
                     {x + 10 * s, bottom - 8 * s}},
                    Hex(0x303438));
      c.FillRect(x + 13 * s, bottom - 8 * s, 8 * s, 8 * s, Hex(0x303438));
      break;
    case 2:  // spears and a banner
      for (float k = 0; k < 4; ++k)
        c.Line(x + (100 + k * 5) * s, bottom, x + (100 + k * 5) * s, bottom - 40 * s, 1.5f * s,
               Hex(0x6a4a28));
      Banner(c, x + 10 * s, bottom, 60 * s, side::kArmy[1]);
      break;
    case 3:  // a horse head over the door and hay
      c.FillEllipse(x + 112 * s, bottom - 8 * s, 12 * s, 8 * s, Hex(0xd8c060));
      c.FillEllipse(x + 10 * s, bottom - 20 * s, 9 * s, 6 * s, Hex(0x6a4020));
      c.FillEllipse(x + 18 * s, bottom - 28 * s, 5 * s, 8 * s, Hex(0x6a4020));
      break;
    case 4:  // awning stalls
      for (int k = 0; k < 4; ++k)
        c.FillRect(x + (6 + k * 30) * s, bottom - 22 * s, 15 * s, 8 * s,
                   k % 2 ? Hex(0xd0d0c0) : Hex(0xc03030));
      c.FillRect(x + 6 * s, bottom - 14 * s, 116 * s, 14 * s, Hex(0x7a5a38));
      break;
    default:  // a hooded lantern and a dagger sign
      c.FillCircle(x + 108 * s, bottom - 40 * s, 5 * s, Hex(0xf0c040, 200));
      c.Line(x + 8 * s, bottom - 10 * s, x + 24 * s, bottom - 34 * s, 3 * s, Hex(0xc8ccd0));
  }
}

}  // namespace

void RegisterCastles(Registry& r);

void RegisterCastles(Registry& r) {
  const char* kStages[] = {"KeepRes", "BailyRes", "FortRes", "BunkerRes", "CastleRes"};
  for (int k = 1; k <= 5; ++k)
    r.Picture(kStages[k - 1],
              [k](const Context& ctx) { return MapCastle(ctx, "WarBuilding", k, side::kArmy[1]); });
  r.Picture("CastleBuildRes",
            [](const Context& ctx) { return MapCastle(ctx, "WarBuilding", 0, side::kArmy[1]); });
  r.Picture("RivalCastleRes1",
            [](const Context& ctx) { return MapCastle(ctx, "WarBuilding2", 5, side::kRival1); });
  r.Picture("RivalCastleRes2",
            [](const Context& ctx) { return MapCastle(ctx, "WarBuilding3", 3, side::kRival2); });
  r.Picture("RivalCastleFallenRes", [](const Context& ctx) {
    Canvas c = MapCastle(ctx, "WarBuilding2", 5, side::kArmy[1]);
    Smoke(c, c.width() * 0.3f, c.height() * 0.5f, c.height() * 0.5f, 3, 0.6f);
    Smoke(c, c.width() * 0.7f, c.height() * 0.55f, c.height() * 0.45f, 4, 0.6f);
    Flames(c, c.width() * 0.6f, c.height() * 0.62f, 22, 16, 9);
    return c;
  });
  const char* kLarge[] = {"keepres", "bailyres", "fortres", "bunkerres", "castleres"};
  for (int k = 1; k <= 5; ++k)
    r.Picture(kLarge[k - 1], [k](const Context&) {
      Canvas c = Sky(400, 300, static_cast<std::uint32_t>(k));
      CastleStage(c, 50, 40, 300, 250, k, side::kArmy[1], 7);
      return c;
    });
  r.Picture("buildres", [](const Context&) {
    std::vector<Canvas> frames;
    for (int k = 1; k <= 10; ++k) {
      Canvas f = Sky(128, 128, static_cast<std::uint32_t>(k + 10));
      if (k <= 5)
        Building(f, 0, 0, 128, 128, k);
      else
        CastleStage(f, 4, 10, 120, 110, k - 5, side::kArmy[1], 7);
      Bevel(f, 0, 0, 128, 128, 3, 0.8f);
      frames.push_back(f);
    }
    return Strip(frames);
  });
  r.Picture("drawingsres", [](const Context&) {
    std::vector<Canvas> frames;
    for (int k = 1; k <= 10; ++k) {
      Canvas f(128, 128);
      Parchment(f, 0, 0, 128, 128, static_cast<std::uint32_t>(k), false);
      Canvas ink(128, 128);
      if (k <= 5)
        Building(ink, 8, 8, 112, 112, k);
      else
        CastleStage(ink, 10, 16, 108, 96, k - 5, side::kArmy[1], 7);
      // An ink sketch: keep only the shapes' outlines in brown.
      Canvas lines(128, 128);
      for (int y = 1; y < 127; ++y)
        for (int x = 1; x < 127; ++x) {
          Rgba p = ink.Get(x, y), q = ink.Get(x + 1, y), u = ink.Get(x, y + 1);
          int d =
              std::abs(p.r - q.r) + std::abs(p.g - u.g) + std::abs(p.a - q.a) + std::abs(p.a - u.a);
          if (d > 60)
            lines.Set(x, y, Hex(0x4a2a10, static_cast<std::uint8_t>(std::min(255, d * 2))));
        }
      f.Draw(lines, 0, 0);
      frames.push_back(f);
    }
    return Strip(frames);
  });
}

}  // namespace art

namespace art {

// A castle stage for the grounds of the castle battles.
Canvas BattleCastle(int stage, Rgba banner, int w, int h) {
  Canvas c(w, h);
  CastleStage(c, 0, 0, static_cast<float>(w), static_cast<float>(h), stage, banner, 7);
  return c;
}

// The finished castle for the title picture, drawn on a picture of the
// caller's.
void TitleCastle(Canvas& c, float x, float y, float w, float h) {
  CastleStage(c, x, y, w, h, 5, side::kArmy[1], 7);
}

}  // namespace art
