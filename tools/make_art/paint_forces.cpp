// Forces on the map: our three armies (standing markers and walk strips),
// the rival counties' camps, a burnt camp, outlaws, the rebel mob, the
// allies and a siege.
#include <cmath>

#include "noise.h"
#include "paint_common.h"
#include "registry.h"

namespace art {
namespace {

// Facing 1 up, 2 up-right, 3 right, 4 left, 5 down-left, 6 down, 7 down-right,
// 8 up-left (the road layout's directions).
bool FacesLeft(int facing) {
  return facing == 4 || facing == 5 || facing == 8;
}

// A troop of three with a banner in the army's colour and its number.
Canvas Army(int size, int army, int facing, int step) {
  Canvas c(size, size);
  float s = size / 48.0f;
  bool left = FacesLeft(facing);
  bool away = facing == 1 || facing == 2 || facing == 8;
  Rgba colour = side::kArmy[army];
  float bob = step == 0 ? 0 : (step == 1 ? -1 : 1) * s;
  Banner(c, (left ? 34 : 14) * s, 44 * s + bob, 40 * s, colour);
  const float kX[] = {12, 24, 36};
  const float kY[] = {40, 45, 40};
  for (int k = 0; k < 3; ++k)
    Soldier(c, kX[k] * s, kY[k] * s + (k == 1 ? bob : -bob), 20 * s,
            away ? Shade(colour, 0.75f) : colour, k == 1 ? 0 : 1, step != 0 && k != 1, left);
  c.FillCircle((left ? 40 : 8) * s, 8 * s, 6.5f * s, Hex(0xf4ecd8));
  c.Ring((left ? 40 : 8) * s, 8 * s, 6.5f * s, 1.5f * s, colour);
  SmallText(c, (left ? 38.5f : 6.5f) * s, 5 * s, std::to_string(army), 1.2f * s, kInk);
  c.Outline(Hex(0x1a1208, 180));
  return c;
}

Canvas ArmyWalk(int army) {
  std::vector<Canvas> frames;
  for (int facing = 1; facing <= 8; ++facing)
    for (int step = 0; step < 3; ++step) frames.push_back(Army(48, army, facing, step));
  return Strip(frames);
}

Canvas Camp(const Context& ctx, const std::string& object, Rgba colour, bool burnt) {
  Pt s = ctx.Size(object, {80, 64});
  Canvas c(static_cast<int>(s.x), static_cast<int>(s.y));
  float w = s.x, h = s.y;
  if (burnt) {
    c.FillEllipse(w / 2, h * 0.7f, w * 0.45f, h * 0.25f, Hex(0x2a2420, 200));
    for (int k = 0; k < 3; ++k) {
      float x = w * (0.2f + 0.3f * k);
      c.Line(x - 8, h * 0.8f, x, h * 0.5f, 2, Hex(0x1a1410));
      c.Line(x + 8, h * 0.8f, x, h * 0.5f, 2, Hex(0x1a1410));
    }
    Smoke(c, w * 0.5f, h * 0.7f, h * 0.6f, 8, 0.5f);
    return c;
  }
  Tent(c, w * 0.05f, h * 0.62f, w * 0.36f, h * 0.42f, colour);
  Tent(c, w * 0.55f, h * 0.6f, w * 0.36f, h * 0.4f, Shade(colour, 0.9f));
  Tent(c, w * 0.3f, h * 0.95f, w * 0.4f, h * 0.45f, Mix(colour, Hex(0xe8e0d0), 0.3f));
  c.FillCircle(w * 0.82f, h * 0.9f, 3, Hex(0xf09020));
  Smoke(c, w * 0.82f, h * 0.85f, h * 0.5f, 3, 0.35f);
  Banner(c, w * 0.12f, h * 0.95f, h * 0.75f, colour);
  return c;
}

Canvas Band(const Context& ctx, const std::string& object, Rgba tunic, int kind) {
  Pt s = ctx.Size(object, {56, 48});
  Canvas c(static_cast<int>(s.x), static_cast<int>(s.y));
  float w = s.x, h = s.y;
  if (kind == 1) {  // the mob: peasants with pitchforks and torches
    for (int k = 0; k < 5; ++k) {
      float x = w * (0.12f + k * 0.19f), y = h * (k % 2 ? 0.78f : 0.95f);
      Soldier(c, x, y, h * 0.42f, Mix(tunic, Hex(0x8a7a50), (k % 3) * 0.3f), k % 2 ? 0 : 3,
              k % 2 == 0, k > 2);
      if (k % 2 == 0) Flames(c, x + h * 0.12f, y - h * 0.5f, 7, 8, static_cast<std::uint32_t>(k));
    }
  } else if (kind == 2) {  // a siege: a ram and a ladder before a palisade
    for (float x = w * 0.55f; x < w; x += 4) c.FillRect(x, h * 0.2f, 3, h * 0.7f, Hex(0x7a5430));
    c.FillRect(w * 0.05f, h * 0.55f, w * 0.45f, h * 0.22f, Hex(0x6a4a28));
    c.FillPolygon({{w * 0.05f, h * 0.55f}, {w * 0.27f, h * 0.3f}, {w * 0.5f, h * 0.55f}},
                  Hex(0x8a6a40));
    c.FillRect(w * 0.4f, h * 0.62f, w * 0.2f, h * 0.06f, Hex(0x4a3018));
    for (float x : {0.12f, 0.42f}) c.FillCircle(w * x, h * 0.8f, h * 0.08f, Hex(0x3a2a1a));
    c.Line(w * 0.45f, h * 0.95f, w * 0.7f, h * 0.15f, 1.5f, Hex(0x8a6a40));
    c.Line(w * 0.52f, h * 0.95f, w * 0.77f, h * 0.15f, 1.5f, Hex(0x8a6a40));
    Banner(c, w * 0.3f, h * 0.3f, h * 0.28f, side::kArmy[1]);
  } else {  // a band of soldiers with its banner
    Banner(c, w * 0.2f, h * 0.95f, h * 0.85f, tunic);
    for (int k = 0; k < 4; ++k)
      Soldier(c, w * (0.3f + k * 0.18f), h * (k % 2 ? 0.8f : 0.95f), h * 0.42f, tunic, k % 3, false,
              true);
  }
  c.Outline(Hex(0x1a1208, 160));
  return c;
}

}  // namespace

void RegisterForces(Registry& r) {
  for (int a = 1; a <= 3; ++a) {
    r.Picture("ArmyRes" + std::to_string(a), [a](const Context&) { return Army(48, a, 3, 0); });
    r.Picture("ArmyWalkRes" + std::to_string(a), [a](const Context&) { return ArmyWalk(a); });
  }
  r.Picture("EnemyCampRes1",
            [](const Context& ctx) { return Camp(ctx, "EnemyCamp1Img", side::kRival1, false); });
  r.Picture("EnemyCampRes2",
            [](const Context& ctx) { return Camp(ctx, "EnemyCamp4Img", side::kRival2, false); });
  r.Picture("CampBurntRes",
            [](const Context& ctx) { return Camp(ctx, "EnemyCamp1Img", side::kRival1, true); });
  r.Picture("EnemyMarchRes1",
            [](const Context& ctx) { return Band(ctx, "EnemyCamp2Img", side::kRival1, 0); });
  r.Picture("EnemyMarchRes2",
            [](const Context& ctx) { return Band(ctx, "EnemyCamp5Img", side::kRival2, 0); });
  r.Picture("OutlawRes",
            [](const Context& ctx) { return Band(ctx, "OutLawArmyImg1", side::kOutlaw, 0); });
  r.Picture("MobRes",
            [](const Context& ctx) { return Band(ctx, "RebelionArmyImg1", side::kRebel, 1); });
  r.Picture("AlliesRes",
            [](const Context& ctx) { return Band(ctx, "AlliesArmyImg1", side::kAllies, 0); });
  r.Picture("SiegeRes",
            [](const Context& ctx) { return Band(ctx, "SiegeImg", side::kArmy[1], 2); });
}

}  // namespace art
