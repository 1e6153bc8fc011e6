// The battle window's pictures: the painted battle grounds (the field, the
// village, the cave and the ruins, and the five castle stages of both castle
// looks), each also in its winter look, and the little figures of the
// formations, one strip per side colour.
#include <algorithm>
#include <cmath>
#include <string>

#include "noise.h"
#include "paint_common.h"
#include "registry.h"

namespace art {

// A castle stage as the map shows it (paint_castles.cpp).
Canvas BattleCastle(int stage, Rgba banner, int w, int h);

namespace {

// The grounds are painted small and shown at twice their size.
constexpr int kGroundW = 400;
constexpr int kGroundH = 300;

Rgba Winter(Rgba c, float snow) {
  return Mix(c, Hex(0xeef2f6), snow);
}

// Grass (or snow) with a little relief, and a trodden middle where the
// formations meet.
Canvas Meadow(std::uint32_t seed, Rgba light, Rgba dark, bool winter) {
  Canvas c(kGroundW, kGroundH);
  for (int y = 0; y < kGroundH; ++y) {
    for (int x = 0; x < kGroundW; ++x) {
      const float big = Fbm(x / 90.0f, y / 90.0f, seed, 3);
      const float fine = Fbm(x / 9.0f, y / 9.0f, seed + 1, 2);
      Rgba g = Mix(dark, light, big);
      const float trodden = std::max(0.0f, 1.0f - std::abs(x - kGroundW / 2.0f) / 70.0f) * 0.35f;
      g = Mix(g, Hex(0x8a7448), trodden * (0.6f + 0.4f * fine));
      g = Shade(g, 0.9f + 0.2f * fine);
      if (winter) g = Winter(g, 0.72f - 0.2f * fine);
      c.Set(x, y, g);
    }
  }
  return c;
}

void Trees(Canvas& c, std::uint32_t seed, int count, float band_top, float band_h, bool winter) {
  Rng rng(seed);
  for (int k = 0; k < count; ++k) {
    const float x = rng.Range(0, kGroundW), y = band_top + rng.Range(0, band_h);
    if (rng.Uniform() < 0.5f) {
      Conifer(c, x, y, rng.Range(18, 28), winter ? Hex(0x3a5a48) : Hex(0x2e5a2a));
    } else {
      Tree(c, x, y, rng.Range(7, 11), winter ? Hex(0xb8c4c8) : Hex(0x4a7a30), seed + k);
    }
  }
}

Canvas Field(bool winter) {
  Canvas c = Meadow(HashName("battle_field"), Hex(0x8ab050), Hex(0x5a8434), winter);
  Trees(c, 11, 18, 4, 30, winter);
  Trees(c, 12, 10, 270, 26, winter);
  return c;
}

Canvas Village(bool winter) {
  Canvas c = Meadow(HashName("battle_village"), Hex(0x94b258), Hex(0x64883a), winter);
  const Rgba roofs[] = {Hex(0x8a3a2a), Hex(0x6a5030), Hex(0x9a6a30)};
  Rng rng("battle_village_houses");
  for (int k = 0; k < 7; ++k) {
    Cottage(c, 20 + k * 54 + rng.Range(-6, 6), 46 + rng.Range(-4, 6), 34, 20, roofs[k % 3], false,
            static_cast<std::uint32_t>(k));
  }
  c.FillRect(0, 262, kGroundW, 8, winter ? Hex(0xc8c0b0) : Hex(0x9a8458));  // the road
  Trees(c, 21, 6, 274, 20, winter);
  return c;
}

Canvas Cave(bool winter) {
  Canvas c = Meadow(HashName("battle_cave"), Hex(0x8a8a60), Hex(0x5a6040), winter);
  // The rock face along the top with the cave's mouth.
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < kGroundW; ++x) {
      const float edge = 60 + 18 * Fbm(x / 40.0f, 0.5f, 31, 3);
      if (y > edge) continue;
      const float n = Fbm(x / 14.0f, y / 14.0f, 32, 3);
      Rgba rock = Mix(Hex(0x5a5650), Hex(0x8a867c), n);
      if (winter && y < edge - 30) rock = Winter(rock, 0.6f);
      c.Set(x, y, rock);
    }
  }
  c.FillEllipse(200, 62, 34, 24, Hex(0x1a1612));
  c.FillEllipse(200, 66, 26, 16, Hex(0x0a0806));
  Trees(c, 41, 6, 270, 24, winter);
  return c;
}

Canvas Ruins(bool winter) {
  Canvas c = Meadow(HashName("battle_ruins"), Hex(0x90a458), Hex(0x607a3a), winter);
  Rng rng("battle_ruins_walls");
  for (int k = 0; k < 9; ++k) {
    const float x = 14 + k * 44 + rng.Range(-8, 8), h = rng.Range(14, 40);
    Stone(c, static_cast<int>(x), static_cast<int>(66 - h), 26, static_cast<int>(h),
          static_cast<std::uint32_t>(50 + k), 9, 6, Hex(0x8a8478));
    if (winter) c.FillRect(x, 66 - h, 26, 3, Hex(0xeef2f6));
  }
  for (int k = 0; k < 14; ++k) {
    c.FillEllipse(rng.Range(10, 390), rng.Range(80, 290), rng.Range(3, 6), rng.Range(2, 3),
                  Hex(0x7a766c));
  }
  return c;
}

// The castle stands across the right-hand side; the besiegers come from the
// left.
Canvas CastleGround(int stage, int set, bool winter) {
  Canvas c =
      Meadow(HashName("battle_castle" + std::to_string(set)), Hex(0x88a850), Hex(0x5a7e36), winter);
  const Rgba banner = set == 1 ? side::kRival1 : side::kRival2;
  Canvas castle = BattleCastle(stage, banner, 170, 200);
  if (winter) {
    for (int y = 0; y < castle.height(); ++y) {
      for (int x = 0; x < castle.width(); ++x) {
        Rgba p = castle.Get(x, y);
        if (p.a > 0 && castle.Get(x, y - 2).a == 0) castle.Set(x, y, Winter(p, 0.8f));
      }
    }
  }
  c.Draw(castle, 222, 70);
  return c;
}

// Figures 20 x 28: the fourteen kinds of soldier in battle slot order, facing
// right on the top row and left on the bottom row.
void Figure(Canvas& c, float x, float y, int slot, Rgba colour, bool left) {
  const float h = 21;
  switch (slot) {
    case 0:   // archers
    case 11:  // long-bowmen
      Soldier(c, x, y, slot == 11 ? h + 2 : h, colour, 2, false, left);
      return;
    case 2:  // club men
      Soldier(c, x, y, h, colour, 3, false, left);
      return;
    case 1:  // halberdiers
    case 7:  // champions carry pikes
      Soldier(c, x, y, h, colour, 0, false, left);
      return;
    case 5:    // cavalry
    case 6: {  // heavy cavalry
      const float dir = left ? -1.0f : 1.0f;
      const Rgba horse = slot == 6 ? Hex(0x4a3a2a) : Hex(0x8a5a30);
      c.FillEllipse(x, y - 7, 8, 4, horse);
      c.Line(x + dir * 6, y - 9, x + dir * 9, y - 14, 3, horse);
      for (float lx : {-5.0f, -2.0f, 3.0f, 6.0f}) c.Line(x + lx, y - 4, x + lx, y, 1.4f, horse);
      Soldier(c, x - dir, y - 7, 15, colour, 1, false, left);
      if (slot == 6) c.FillEllipse(x, y - 8, 8.5f, 2, Shade(colour, 0.6f));  // barding
      return;
    }
    case 10:  // engineers with a ram's beam
      c.Line(x - 8, y - 6, x + 8, y - 6, 3, Hex(0x6a4a28));
      Soldier(c, x, y, h - 3, Mix(colour, Hex(0x8a7a60), 0.5f), 3, false, left);
      return;
    case 12:  // the warlord, big, with a cloak
      c.FillPolygon({{x - 6, y - 2}, {x, y - 20}, {x + 6, y - 2}}, Shade(colour, 0.55f));
      Soldier(c, x, y, h + 5, colour, 1, false, left);
      return;
    case 13:  // monks in habits
      c.FillPolygon({{x - 4, y}, {x - 2.5f, y - 14}, {x + 2.5f, y - 14}, {x + 4, y}},
                    Hex(0x6a5a48));
      c.FillCircle(x, y - 16, 2.6f, Hex(0xe0b088));
      c.FillCircle(x, y - 9, 1.6f, colour);
      return;
    default:  // swordsmen, two-handers, templars, paladins
      Soldier(c, x, y, slot == 4 || slot == 8 ? h + 1 : h,
              slot == 8 ? Mix(colour, Hex(0xf0f0f0), 0.45f) : colour, 1, false, left);
  }
}

Canvas Figures(Rgba colour) {
  Canvas c(14 * 20, 56);
  for (int slot = 0; slot < 14; ++slot) {
    for (int row = 0; row < 2; ++row) {
      Figure(c, slot * 20 + 10.0f, row * 28 + 26.0f, slot, colour, row == 1);
    }
  }
  c.Outline(Hex(0x1a1208, 200));
  return c;
}

}  // namespace

void RegisterBattle(Registry& r) {
  struct Open {
    const char* name;
    Canvas (*paint)(bool);
  };
  const Open grounds[] = {{"battle_field", Field},
                          {"battle_village", Village},
                          {"battle_cave", Cave},
                          {"battle_ruins", Ruins}};
  for (const Open& g : grounds) {
    r.Picture(g.name, [g](const Context&) { return g.paint(false); });
    r.Picture(std::string(g.name) + "_winter", [g](const Context&) { return g.paint(true); });
  }
  const char* stages[] = {"keep", "bailey", "fort", "stronghold", "castle"};
  for (int stage = 1; stage <= 5; ++stage) {
    for (int set = 1; set <= 2; ++set) {
      const std::string name = "battle_" + std::string(stages[stage - 1]) + std::to_string(set);
      r.Picture(name, [=](const Context&) { return CastleGround(stage, set, false); });
      r.Picture(name + "_winter", [=](const Context&) { return CastleGround(stage, set, true); });
    }
  }
  // The sides' colours of the battle: green, red, blue and yellow.
  const Rgba colours[] = {Hex(0x30a040), Hex(0xc02828), Hex(0x3050d0), Hex(0xd8b020)};
  for (int side = 0; side < 4; ++side) {
    r.Picture("BattleFigureRes" + std::to_string(side + 1),
              [c = colours[side]](const Context&) { return Figures(c); });
  }
}

}  // namespace art
