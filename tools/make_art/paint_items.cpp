// The smithy's eleven items (64 x 64 on a dark cloth) and the dialog buttons
// shared by the screens (48 x 48 wax seals: ok, cancel, close, up, down).
#include <cmath>

#include "paint_common.h"
#include "registry.h"

namespace art {
namespace {

Canvas Item(int item) {
  Canvas c(64, 64);
  Rgba steel = Hex(0xc8ced4), wood = Hex(0x8a5a30), dark = Hex(0x3a2a1a);
  switch (item) {
    case 1:  // bow
      c.Polyline({{20, 4}, {36, 16}, {42, 32}, {36, 48}, {20, 60}}, 4, wood);
      c.Line(20, 4, 20, 60, 1, Hex(0xf0f0f0));
      c.Line(14, 32, 50, 32, 1.5f, Hex(0xa08060));
      c.FillPolygon({{50, 29}, {56, 32}, {50, 35}}, steel);
      break;
    case 2:  // club
      c.Line(14, 54, 40, 20, 6, wood);
      c.FillCircle(44, 16, 10, Shade(wood, 0.85f));
      for (int k = 0; k < 5; ++k)
        c.FillCircle(44 + 9 * std::cos(k * 1.26f), 16 + 9 * std::sin(k * 1.26f), 1.8f,
                     Hex(0x9a9a9a));
      break;
    case 3:  // sword
      c.Line(14, 50, 50, 14, 5, steel);
      c.Line(12, 40, 24, 52, 4, Hex(0x8a6020));
      c.Line(6, 58, 14, 50, 4, dark);
      break;
    case 4:  // halberd
      c.Line(10, 58, 48, 8, 3, wood);
      c.FillPolygon({{40, 16}, {56, 12}, {54, 30}, {44, 26}}, steel);
      c.FillPolygon({{46, 10}, {52, 2}, {50, 12}}, steel);
      break;
    case 5:  // two-handed sword
      c.Line(8, 56, 56, 8, 6, steel);
      c.Line(10, 42, 22, 54, 4, Hex(0x8a6020));
      c.Line(4, 60, 12, 52, 5, dark);
      break;
    case 6:  // mace
      c.Line(12, 54, 40, 24, 4, wood);
      c.FillCircle(44, 20, 10, steel);
      for (int k = 0; k < 8; ++k)
        c.FillCircle(44 + 11 * std::cos(k * 0.785f), 20 + 11 * std::sin(k * 0.785f), 2.5f, steel);
      break;
    case 7:  // pike
      c.Line(6, 62, 52, 10, 3, wood);
      c.FillPolygon({{48, 10}, {60, 2}, {54, 16}}, steel);
      break;
    case 8:  // cross
      c.FillRect(28, 6, 8, 52, kGold);
      c.FillRect(16, 18, 32, 8, kGold);
      c.FillCircle(32, 22, 3, Hex(0xc02020));
      break;
    case 9:  // chain mail
      c.FillPolygon({{14, 10}, {50, 10}, {58, 24}, {48, 28}, {48, 58}, {16, 58}, {16, 28}, {6, 24}},
                    Hex(0x8a9098));
      for (int y = 12; y < 58; y += 4)
        for (int x = 10; x < 56; x += 4)
          c.Ring(x + (y / 4 % 2) * 2, y, 1.6f, 0.7f, Hex(0x5a6068, 200));
      break;
    case 10:  // plate armour
      c.FillPolygon({{14, 10}, {50, 10}, {58, 22}, {48, 26}, {46, 58}, {18, 58}, {16, 26}, {6, 22}},
                    Hex(0xb8c0c8));
      c.FillPolygon({{32, 10}, {50, 10}, {58, 22}, {48, 26}, {46, 58}, {32, 58}}, Hex(0x8a9298));
      c.Line(18, 40, 46, 40, 1.5f, Hex(0x5a6068));
      c.FillCircle(22, 16, 2, kGold);
      c.FillCircle(42, 16, 2, kGold);
      break;
    default:  // shield
      Shield(c, 32, 32, 40, side::kArmy[1]);
  }
  c.DropShadow(2, 3, 0.5f);
  Canvas out(64, 64);
  out.FillCircle(32, 32, 31, Hex(0x3a2a20));
  out.FillCircle(32, 32, 29, Hex(0x5a4030));
  out.Draw(c, 0, 0);
  return out;
}

Canvas Seal(int kind, bool hover) {
  Canvas c(48, 48);
  Rgba wax = kind == 0   ? Hex(0x2a8a3a)
             : kind == 1 ? Hex(0xb02a20)
             : kind == 2 ? Hex(0x6a5a4a)
                         : Hex(0x9a6a20);
  if (hover) wax = Shade(wax, 1.3f);
  c.FillCircle(25, 26, 21, Hex(0x000000, 100));
  for (int k = 0; k < 12; ++k)
    c.FillCircle(24 + 19 * std::cos(k * 0.5236f), 24 + 19 * std::sin(k * 0.5236f), 5, wax);
  c.FillCircle(24, 24, 20, wax);
  c.Ring(24, 24, 15, 2, Shade(wax, 0.7f));
  c.FillEllipse(18, 16, 8, 5, Hex(0xffffff, 60));
  Rgba mark = Hex(0xf8f0d8);
  switch (kind) {
    case 0:
      c.Polyline({{15, 25}, {21, 31}, {33, 17}}, 4, mark);
      break;
    case 1:
      c.Line(16, 16, 32, 32, 4, mark);
      c.Line(32, 16, 16, 32, 4, mark);
      break;
    case 2:
      c.Line(17, 17, 31, 31, 3, mark);
      c.Line(31, 17, 17, 31, 3, mark);
      c.Ring(24, 24, 11, 2, mark);
      break;
    case 3:
      c.FillPolygon({{24, 13}, {35, 28}, {13, 28}}, mark);
      c.FillRect(20, 28, 8, 7, mark);
      break;
    default:
      c.FillPolygon({{24, 35}, {35, 20}, {13, 20}}, mark);
      c.FillRect(20, 13, 8, 7, mark);
      break;
  }
  if (hover) c.Ring(24, 24, 22, 2, Hex(0xfff0a0, 200));
  return c;
}

}  // namespace

void RegisterItems(Registry& r) {
  const char* kItems[] = {"BowRes",       "ClubRes",  "SwordRes", "HelebardRes",
                          "TwoHandRes",   "MaceRes",  "PikeRes",  "CrossItemRes",
                          "ChainMailRes", "PlateRes", "ShieldRes"};
  for (int k = 0; k < 11; ++k) r.Picture(kItems[k], [k](const Context&) { return Item(k + 1); });
  const char* kSeals[] = {"OkAniBtn", "CancelAniBtn", "Noanibtn", "UpAniBtn", "DownAniBtn"};
  for (int k = 0; k < 5; ++k) {
    std::string name = kSeals[k];
    r.Picture(name, [k](const Context&) { return Seal(k, false); });
    r.Picture(name + "_hover", [k](const Context&) { return Seal(k, true); });
  }
}

}  // namespace art
