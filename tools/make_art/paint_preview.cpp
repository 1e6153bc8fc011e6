// The markers of the whole-map preview ("PreviewMarkRes"): small signs in the
// colours of the sides, one square frame each, in the order the preview
// screen names them (its `PreviewMark`).
#include <cmath>

#include "paint_common.h"
#include "registry.h"

namespace art {
namespace {

constexpr int kSize = 24;
constexpr float kC = kSize / 2.0f;

void Tower(Canvas& c, Rgba stone, Rgba pennant, bool fallen) {
  if (fallen) {  // broken walls and rubble
    c.FillPolygon({{kC - 6, 21},
                   {kC - 6, 12},
                   {kC - 3, 14},
                   {kC, 10},
                   {kC + 3, 13},
                   {kC + 6, 11},
                   {kC + 6, 21}},
                  stone);
    for (int k = 0; k < 4; ++k) c.FillCircle(kC - 8 + k * 5.3f, 21, 1.8f, Shade(stone, 0.8f));
    return;
  }
  c.FillRect(kC - 6, 8, 12, 13, stone);
  c.FillRect(kC + 2, 8, 4, 13, Shade(stone, 0.8f));
  for (int k = 0; k < 3; ++k) c.FillRect(kC - 7 + k * 5.5f, 5, 3.5f, 4, stone);
  c.FillRect(kC - 2, 15, 4, 6, Hex(0x2a1a10));
  c.FillPolygon({{kC, 1}, {kC + 7, 3.5f}, {kC, 6}}, pennant);
  c.Line(kC, 1, kC, 6, 1, Hex(0x2a1a10));
}

void Tent(Canvas& c, Rgba cloth) {
  c.FillPolygon({{3, 20}, {kC, 4}, {21, 20}}, cloth);
  c.FillPolygon({{kC, 4}, {21, 20}, {kC + 2, 20}}, Shade(cloth, 0.75f));
  c.FillPolygon({{kC - 2.5f, 20}, {kC, 12}, {kC + 2.5f, 20}}, Hex(0x2a1a10));
  c.Line(kC, 4, kC, 1, 1, Hex(0x2a1a10));
}

void Banner(Canvas& c, Rgba cloth, int number) {
  c.Line(6, 2, 6, 22, 1.6f, Hex(0x4a2e16));
  c.FillPolygon({{7, 3}, {21, 3}, {18, 8.5f}, {21, 14}, {7, 14}}, cloth);
  SmallText(c, 11, 5.5f, std::to_string(number), 1.2f, Hex(0xffffff));
}

Canvas Marker(int kind) {
  Canvas c(kSize, kSize);
  switch (kind) {
    case 0:  // our castle
      Shield(c, kC, kC + 1, 17, side::kArmy[1]);
      break;
    case 1:  // a village
      c.FillRect(5, 12, 14, 9, Hex(0xe0d0a8));
      c.FillPolygon({{3, 12.5f}, {kC, 4}, {21, 12.5f}}, Hex(0xa04a28));
      c.FillRect(10, 15, 4, 6, Hex(0x5a3818));
      break;
    case 2:  // a windmill
      c.FillPolygon({{8, 22}, {10, 11}, {14, 11}, {16, 22}}, Hex(0xe0d4b8));
      for (int k = 0; k < 4; ++k) {
        const float a = 0.6f + k * 1.5708f;
        c.Line(kC, 9, kC + std::cos(a) * 9, 9 + std::sin(a) * 9, 2.2f, Hex(0xf4f0e4));
        c.Line(kC, 9, kC + std::cos(a) * 9, 9 + std::sin(a) * 9, 0.8f, Hex(0x4a3018));
      }
      break;
    case 3:  // the works: a pick
      c.Line(6, 20, 17, 6, 2.4f, Hex(0x7a4e2a));
      c.FillPolygon({{9, 4}, {21, 9}, {19, 11}, {14, 8}, {11, 6.5f}}, Hex(0xa8a8b0));
      c.FillCircle(5, 19, 3.5f, Hex(0x8a8680));
      break;
    case 4:
    case 5:  // the rivals' castles
      Tower(c, Hex(0xb0a890), kind == 4 ? side::kRival1 : side::kRival2, false);
      break;
    case 6:
    case 7:  // the rivals' camps
      Tent(c, kind == 6 ? side::kRival1 : side::kRival2);
      break;
    case 8:  // a special place: a gold star
      c.FillCircle(kC, kC, 9, Hex(0x3a2a18));
      for (int k = 0; k < 5; ++k) {
        const float a = -1.5708f + k * 2 * 3.14159f / 5, b = a + 3.14159f / 5;
        c.FillPolygon({{kC, kC},
                       {kC + std::cos(a) * 8, kC + std::sin(a) * 8},
                       {kC + std::cos(b) * 3.4f, kC + std::sin(b) * 3.4f}},
                      kGold);
        c.FillPolygon({{kC, kC},
                       {kC + std::cos(a) * 8, kC + std::sin(a) * 8},
                       {kC + std::cos(a - 0.63f) * 3.4f, kC + std::sin(a - 0.63f) * 3.4f}},
                      kGold);
      }
      break;
    case 9:
    case 10:
    case 11:  // our armies, in their colours
      Banner(c, side::kArmy[kind - 8], kind - 8);
      break;
    case 12:  // outlaws and rebels
      Shield(c, kC, kC + 1, 15, side::kOutlaw);
      c.Line(kC - 4, kC - 3, kC + 4, kC + 5, 2, Hex(0xd04020));
      c.Line(kC + 4, kC - 3, kC - 4, kC + 5, 2, Hex(0xd04020));
      break;
    case 13:  // the trade post and the outpost
      c.FillCircle(kC, kC + 2, 8, kGold);
      c.Ring(kC, kC + 2, 8, 1.5f, Hex(0x8a6020));
      c.Line(kC, 1, kC, 9, 1.4f, Hex(0x4a2e16));
      c.FillPolygon({{kC + 0.5f, 1}, {kC + 8, 3.5f}, {kC + 0.5f, 6}}, side::kArmy[1]);
      break;
    case 14:  // a treasure chest
      c.FillRect(4, 10, 16, 10, Hex(0x7a4a22));
      c.FillEllipse(kC, 10, 8, 4, Hex(0x9a6430));
      c.FillRect(4, 12, 16, 2, kGold);
      c.FillRect(10, 13, 4, 4, Hex(0xd8b040));
      break;
    default:  // a fallen castle
      Tower(c, Hex(0x807a70), Hex(0x000000), true);
      break;
  }
  c.Outline(Hex(0x1a1008, 220));
  return c;
}

}  // namespace

void RegisterPreview(Registry& r) {
  r.Picture("PreviewMarkRes", [](const Context&) {
    std::vector<Canvas> frames;
    for (int k = 0; k < 16; ++k) frames.push_back(Marker(k));
    return Strip(frames);
  });
}

}  // namespace art
