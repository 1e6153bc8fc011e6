// Portraits "sold1res".."sold17res": the fourteen unit types in the order of
// the recruiting screen (monk, archer, club man, swordsman, halberdier,
// two-hand swordsman, cavalry, heavy cavalry, champion, templar, paladin,
// engineer, long-bowman, warlord), then the scout, the guard and the
// assassin. Each is a bust, 120 x 150, in a gilt frame.
#include <cmath>

#include "noise.h"
#include "paint_common.h"
#include "registry.h"

namespace art {
namespace {

constexpr int kW = 120, kH = 150;
enum class Hat {
  kHood,
  kTonsure,
  kCap,
  kKettle,
  kBascinet,
  kGreatHelm,
  kPlume,
  kCrown,
  kFeather,
  kNone
};
enum class Held {
  kNone,
  kCross,
  kBow,
  kClub,
  kSword,
  kHalberd,
  kGreatSword,
  kLance,
  kMace,
  kPike,
  kHammer,
  kLongbow,
  kDagger,
  kSpyglass
};

struct Look {
  Rgba back, body, trim;
  Hat hat;
  Held held;
  bool beard, horse, shield, cross_on_chest;
  Rgba hat_colour;
};

void Horse(Canvas& c, Rgba coat, bool barded) {
  c.FillPolygon({{kW - 2, 150},
                 {kW - 4, 86},
                 {kW - 16, 58},
                 {kW - 30, 50},
                 {kW - 40, 60},
                 {kW - 34, 72},
                 {kW - 26, 80},
                 {kW - 22, 150}},
                coat);
  c.FillEllipse(kW - 36, 62, 8, 6, coat);
  c.FillCircle(kW - 28, 58, 2, kInk);
  c.FillPolygon({{kW - 16, 58}, {kW - 12, 46}, {kW - 20, 54}}, coat);
  if (barded) {
    c.FillPolygon({{kW - 2, 150}, {kW - 4, 92}, {kW - 18, 70}, {kW - 28, 66}, {kW - 24, 150}},
                  Hex(0xc02828));
    for (int k = 0; k < 4; ++k) c.FillCircle(kW - 12, 95 + k * 14, 2.5f, kGold);
  }
}

void HeldItem(Canvas& c, Held held) {
  Rgba steel = Hex(0xd0d6dc), wood = Hex(0x7a5030);
  switch (held) {
    case Held::kCross:
      c.FillRect(92, 70, 6, 60, kGold);
      c.FillRect(82, 84, 26, 6, kGold);
      break;
    case Held::kBow:
      c.Polyline({{96, 40}, {106, 70}, {108, 95}, {104, 125}, {96, 145}}, 3, wood);
      c.Line(96, 40, 96, 145, 1, Hex(0xe8e8e8));
      break;
    case Held::kLongbow:
      c.Polyline({{94, 10}, {108, 50}, {112, 85}, {108, 120}, {94, 150}}, 3.5f, wood);
      c.Line(94, 10, 94, 150, 1, Hex(0xe8e8e8));
      break;
    case Held::kClub:
      c.Line(96, 145, 100, 60, 6, wood);
      c.FillCircle(100, 58, 9, Shade(wood, 0.9f));
      break;
    case Held::kSword:
      c.Line(98, 140, 98, 40, 5, steel);
      c.Line(88, 120, 108, 120, 4, Hex(0x8a6020));
      break;
    case Held::kGreatSword:
      c.Line(20, 140, 102, 14, 7, steel);
      c.Line(28, 112, 44, 130, 5, Hex(0x8a6020));
      break;
    case Held::kHalberd:
      c.Line(100, 150, 100, 10, 4, wood);
      c.FillPolygon({{100, 22}, {116, 14}, {118, 34}, {100, 40}}, steel);
      c.FillPolygon({{96, 10}, {100, 0}, {104, 10}}, steel);
      break;
    case Held::kPike:
      c.Line(104, 150, 104, 2, 4, wood);
      c.FillPolygon({{100, 12}, {104, 0}, {108, 12}}, steel);
      break;
    case Held::kLance:
      c.Line(8, 150, 36, 0, 5, Hex(0xd8c090));
      c.FillPolygon({{33, 10}, {36, 0}, {39, 12}}, steel);
      break;
    case Held::kMace:
      c.Line(98, 145, 98, 72, 5, wood);
      c.FillCircle(98, 66, 10, steel);
      for (int k = 0; k < 6; ++k)
        c.FillCircle(98 + 11 * std::cos(k * 1.047f), 66 + 11 * std::sin(k * 1.047f), 2.5f, steel);
      break;
    case Held::kHammer:
      c.Line(96, 145, 100, 74, 5, wood);
      c.FillRect(88, 64, 24, 12, Hex(0x707880));
      break;
    case Held::kDagger:
      c.Line(96, 120, 104, 84, 4, steel);
      c.Line(90, 118, 102, 124, 4, Hex(0x3a2a1a));
      break;
    case Held::kSpyglass:
      c.Line(84, 108, 112, 80, 7, Hex(0xb08830));
      c.Line(84, 108, 96, 96, 9, Hex(0x6a4a28));
      break;
    case Held::kNone:
      break;
  }
}

void Headgear(Canvas& c, const Look& l) {
  float cx = 58, cy = 62;
  Rgba steel = Hex(0xa8b0b8);
  switch (l.hat) {
    case Hat::kHood:  // drawn behind the face; here only its shadow over the brow
      c.FillEllipse(cx, cy - 14, 17, 8, Shade(l.hat_colour, 0.8f));
      break;
    case Hat::kTonsure:
      c.FillEllipse(cx, cy - 16, 18, 8, Hex(0x6a4020));
      c.FillEllipse(cx, cy - 19, 10, 5, Hex(0xe8b890));
      break;
    case Hat::kCap:
      c.FillEllipse(cx, cy - 16, 20, 11, l.hat_colour);
      c.FillRect(cx - 20, cy - 16, 40, 5, Shade(l.hat_colour, 0.8f));
      break;
    case Hat::kKettle:
      c.FillEllipse(cx, cy - 14, 30, 7, steel);
      c.FillEllipse(cx, cy - 20, 18, 12, steel);
      break;
    case Hat::kBascinet:
      c.FillPolygon({{cx - 19, cy - 4},
                     {cx - 16, cy - 22},
                     {cx, cy - 34},
                     {cx + 16, cy - 22},
                     {cx + 19, cy - 4}},
                    steel);
      c.FillRect(cx - 20, cy + 6, 40, 16, Hex(0x8a9098));  // mail
      break;
    case Hat::kGreatHelm:
    case Hat::kPlume:
    case Hat::kCrown:
      c.FillRect(cx - 19, cy - 28, 38, 46, steel);
      c.FillEllipse(cx, cy - 28, 19, 8, steel);
      c.FillRect(cx - 15, cy - 8, 30, 4, Hex(0x1a1a1a));
      c.FillRect(cx - 1, cy - 4, 2, 18, Hex(0x1a1a1a));
      for (int k = 0; k < 4; ++k) c.FillCircle(cx - 8 + k * 5, cy + 6, 1, Hex(0x1a1a1a));
      c.FillRect(cx + 8, cy - 28, 11, 46, Hex(0x000000, 40));
      if (l.hat == Hat::kPlume)
        for (int k = 0; k < 5; ++k)
          c.FillEllipse(cx + 4 + k * 3, cy - 38 - k * 2, 5, 9, Shade(l.hat_colour, 1 - k * 0.08f));
      if (l.hat == Hat::kCrown)
        c.FillPolygon({{cx - 19, cy - 30},
                       {cx - 19, cy - 42},
                       {cx - 10, cy - 34},
                       {cx, cy - 46},
                       {cx + 10, cy - 34},
                       {cx + 19, cy - 42},
                       {cx + 19, cy - 30}},
                      kGold);
      break;
    case Hat::kFeather:
      c.FillEllipse(cx, cy - 16, 24, 9, l.hat_colour);
      c.FillEllipse(cx, cy - 21, 15, 9, l.hat_colour);
      c.Line(cx + 10, cy - 22, cx + 30, cy - 44, 3, Hex(0xe8e0c8));
      break;
    case Hat::kNone:
      break;
  }
}

Canvas Portrait(const Look& l, std::uint32_t seed) {
  Canvas c(kW, kH);
  c.GradientRect(0, 0, kW, kH, Shade(l.back, 1.15f), Shade(l.back, 0.6f));
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      c.Blend(x, y, Hex(0x000000), (Fbm(x / 20.0f, y / 20.0f, seed, 3) - 0.5f) * 0.3f + 0.08f);
  if (l.horse)
    Horse(c, Mix(Hex(0x6a4020), Hex(0x2a1a10), Hash01(static_cast<int>(seed), 0, 1)),
          l.hat == Hat::kGreatHelm);
  // Shoulders and chest.
  c.FillEllipse(58, 150, 50, 42, l.body);
  c.FillPolygon({{46, 100}, {70, 100}, {64, 126}, {52, 126}}, l.trim);
  if (l.cross_on_chest) {
    c.FillRect(53, 112, 10, 38, l.trim);
    c.FillRect(38, 122, 40, 9, l.trim);
  }
  if (l.hat == Hat::kHood) c.FillEllipse(58, 60, 27, 30, l.hat_colour);
  // Neck and head.
  c.FillRect(50, 80, 16, 22, Hex(0xd8a880));
  c.FillEllipse(58, 64, 17, 21, Hex(0xe8b890));
  c.FillEllipse(44, 66, 3, 5, Hex(0xd8a880));
  c.FillEllipse(72, 66, 3, 5, Hex(0xd8a880));
  c.FillEllipse(51, 62, 2.5f, 2, Hex(0xffffff));
  c.FillEllipse(65, 62, 2.5f, 2, Hex(0xffffff));
  c.FillCircle(51.5f, 62, 1.5f, kInk);
  c.FillCircle(65.5f, 62, 1.5f, kInk);
  c.Line(47, 57, 55, 57, 1.8f, Hex(0x5a3a1a));
  c.Line(61, 57, 69, 57, 1.8f, Hex(0x5a3a1a));
  c.Line(58, 62, 56, 71, 1.5f, Hex(0xb88060));
  c.Line(53, 76, 63, 76, 1.5f, Hex(0x8a4a3a));
  if (l.hat == Hat::kHood && l.hat_colour.r < 0x30)
    c.FillEllipse(58, 66, 18, 22, Hex(0x000000, 110));
  if (l.beard)
    c.FillPolygon({{42, 68}, {50, 82}, {58, 88}, {66, 82}, {74, 68}, {66, 75}, {50, 75}},
                  Hex(0x6a4020));
  Headgear(c, l);
  if (l.shield) Shield(c, 24, 118, 30, l.trim);
  HeldItem(c, l.held);
  // The gilt frame.
  c.FillRect(0, 0, kW, 4, kGold);
  c.FillRect(0, kH - 4, kW, 4, kGold);
  c.FillRect(0, 0, 4, kH, kGold);
  c.FillRect(kW - 4, 0, 4, kH, kGold);
  Bevel(c, 0, 0, kW, kH, 4, 1.0f);
  return c;
}

Look LookOf(int n) {
  Rgba blue = side::kArmy[1], red = Hex(0xb02020), white = Hex(0xe8e4dc), brown = Hex(0x6a4a2a);
  Rgba green = Hex(0x3a6a30), mail = Hex(0x8a9098), plate = Hex(0xb0b8c0), black = Hex(0x1e1a20);
  switch (n) {
    case 1:
      return {Hex(0x8a7a5a), Hex(0x6a4a2a), kGold, Hat::kTonsure, Held::kCross,
              false,         false,         false, false,         brown};
    case 2:
      return {Hex(0x5a7a4a), green, brown, Hat::kHood, Held::kBow,
              false,         false, false, false,      green};
    case 3:
      return {Hex(0x7a6a4a), Hex(0x8a6a40), brown, Hat::kCap, Held::kClub,
              true,          false,         false, false,     brown};
    case 4:
      return {Hex(0x4a5a8a), plate, blue, Hat::kKettle, Held::kSword,
              false,         false, true, false,        mail};
    case 5:
      return {Hex(0x5a5a7a), mail,  blue,  Hat::kBascinet, Held::kHalberd,
              true,          false, false, false,          mail};
    case 6:
      return {Hex(0x6a5a4a), mail,  Hex(0x8a2a2a), Hat::kBascinet, Held::kGreatSword,
              true,          false, false,         false,          mail};
    case 7:
      return {Hex(0x7a8aa0), mail, blue,  Hat::kKettle, Held::kSword,
              false,         true, false, false,        mail};
    case 8:
      return {Hex(0x5a4a6a), plate, red,  Hat::kGreatHelm, Held::kMace,
              false,         true,  true, false,           plate};
    case 9:
      return {Hex(0x8a6a3a), plate, kGold, Hat::kPlume, Held::kPike, false, true, true, false, red};
    case 10:
      return {Hex(0x6a6a6a), white, red,  Hat::kGreatHelm, Held::kGreatSword, false, false,
              false,         true,  plate};
    case 11:
      return {Hex(0x3a4a7a), blue,  kGold, Hat::kPlume, Held::kSword,
              false,         false, true,  true,        white};
    case 12:
      return {Hex(0x7a6a5a), brown, Hex(0xc0a060), Hat::kCap, Held::kHammer,
              true,          false, false,         false,     Hex(0x5a5a40)};
    case 13:
      return {Hex(0x4a6a3a), green, brown, Hat::kFeather, Held::kLongbow,
              false,         false, false, false,         green};
    case 14:
      return {Hex(0x6a2a2a), red,   kGold, Hat::kCrown, Held::kSword,
              true,          false, true,  false,       plate};
    case 15:
      return {Hex(0x3a5a3a), Hex(0x4a6a3a), brown, Hat::kHood, Held::kSpyglass,
              false,         false,         false, false,      Hex(0x3a5a2a)};
    case 16:
      return {Hex(0x4a4a6a), mail,  blue,  Hat::kPlume, Held::kHalberd,
              true,          false, false, false,       blue};
    default:
      return {Hex(0x1a1820), black, Hex(0x3a3040), Hat::kHood, Held::kDagger,
              false,         false, false,         false,      black};
  }
}

}  // namespace

void RegisterPortraits(Registry& r) {
  for (int n = 1; n <= 17; ++n)
    r.Picture("sold" + std::to_string(n) + "res",
              [n](const Context&) { return Portrait(LookOf(n), static_cast<std::uint32_t>(n)); });
}

}  // namespace art
