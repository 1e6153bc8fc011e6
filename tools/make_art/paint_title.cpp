// The pictures of the campaign's programs around the level: the title
// picture (the castle on its hill at dawn, the county's hills behind, a
// parchment ribbon for the name) and the closing page (a parchment page in a
// wooden frame, the road from our castle to the next county drawn at its
// foot).
#include <cmath>

#include "noise.h"
#include "paint_common.h"
#include "registry.h"

namespace art {
namespace {

constexpr int kW = 800, kH = 600;

// A range of hills along `base`, `height` high at most.
void Hills(Canvas& c, float base, float height, float wavelength, std::uint32_t seed, Rgba colour) {
  std::vector<Pt> outline = {{0, static_cast<float>(kH)}};
  for (int x = 0; x <= kW; x += 8) {
    float n = Fbm(x / wavelength, 0.5f, seed, 3);
    outline.push_back({static_cast<float>(x), base - height * n});
  }
  outline.push_back({static_cast<float>(kW), static_cast<float>(kH)});
  c.FillPolygon(outline, colour);
}

Canvas Title() {
  Canvas c(kW, kH);
  // Dawn: deep blue above, warm light low in the east.
  c.GradientRect(0, 0, kW, 300, Hex(0x3c5a8c), Hex(0xf2d3a0));
  c.GradientRect(0, 300, kW, 300, Hex(0xf2d3a0), Hex(0xe8c890));
  c.FillCircle(640, 300, 46, Hex(0xfff0c8, 200));
  c.FillCircle(640, 300, 70, Hex(0xfff0c8, 50));
  // Thin clouds lit from below.
  for (int k = 0; k < 5; ++k) {
    float y = 150 + k * 28.0f, x = 80 + Hash01(k, 1, 5) * 600;
    c.FillEllipse(x, y, 90 + k * 10.0f, 7, Hex(0xf8e0c0, 120));
  }
  Hills(c, 350, 70, 160, 3, Hex(0x8a93a8));
  Hills(c, 400, 60, 120, 4, Hex(0x6a7f78));
  Hills(c, 450, 50, 90, 5, Hex(0x4f7a3e));
  // The castle's hill and the county's woods at its foot.
  c.FillEllipse(240, 560, 300, 150, Hex(0x42702f));
  TitleCastle(c, 70, 200, 340, 290);
  for (int k = 0; k < 34; ++k) {
    float x = Hash01(k, 2, 9) * kW, y = 520 + Hash01(k, 3, 9) * 70;
    Tree(c, x, y, 10 + Hash01(k, 4, 9) * 8, Hex(0x2f5a26), static_cast<std::uint32_t>(k));
  }
  // The ribbon that carries the county's name.
  Parchment(c, 150, 30, 500, 72, 17, true);
  for (float side : {150.0f, 650.0f}) {
    float dir = side < 400 ? -1.0f : 1.0f;
    c.FillPolygon({{side, 44},
                   {side + dir * 60, 40},
                   {side + dir * 40, 66},
                   {side + dir * 60, 92},
                   {side, 88}},
                  Hex(0xb89458));
  }
  return c;
}

// A laurel branch rising from (x, y); `dir` -1 leans left, 1 right.
void Laurel(Canvas& c, float x, float y, float dir) {
  const Rgba leaf = Hex(0x4a7a30, 210);
  c.Polyline({{x, y}, {x + dir * 22, y - 18}, {x + dir * 34, y - 44}}, 2, Hex(0x3a5a20, 200));
  for (int k = 0; k < 6; ++k) {
    float t = k / 5.0f, px = x + dir * (34 * t - 8 * t * t), py = y - 44 * t;
    c.FillEllipse(px - 7, py, 6, 3, leaf);
    c.FillEllipse(px + 7, py - 2, 6, 3, leaf);
  }
}

Canvas Closing() {
  Canvas c(kW, kH);
  Wood(c, 0, 0, kW, kH, 31);
  Bevel(c, 0, 0, kW, kH, 6, 0.8f);
  // The page, painted at half size and enlarged: a smooth parchment, and a
  // small file.
  Canvas page(356, 256);
  Parchment(page, 0, 0, 356, 256, 33, false);
  c.DrawScaled(page, 44, 44, kW - 88, kH - 88);
  Bevel(c, 40, 40, kW - 80, kH - 80, 4, 1.0f, true);
  Rivets(c, 0, 0, kW, kH, 20, 7);
  // At the foot of the page: our castle, the road and the next county's
  // towers far away.
  const Rgba ink = Hex(0x5a3a1a, 170);
  c.Polyline({{70, 540}, {200, 500}, {330, 515}, {470, 492}, {600, 505}, {730, 488}}, 1.5f, ink);
  c.Polyline({{230, 548}, {320, 530}, {430, 522}, {540, 510}, {662, 496}}, 2.5f,
             Hex(0x6a2a10, 160));
  c.FillRect(112, 508, 96, 34, ink);
  for (float x : {104.0f, 146.0f, 196.0f}) {
    c.FillRect(x, 486, 20, 56, ink);
    for (float t = 0; t < 20; t += 8) c.FillRect(x + t, 480, 5, 6, ink);
  }
  c.FillRect(156, 470, 2, 16, ink);
  c.FillPolygon({{158, 470}, {172, 474}, {158, 478}}, Hex(0x3060d0, 200));
  for (float x : {670.0f, 690.0f}) {
    c.FillRect(x, 474, 8, 22, ink);
    c.FillPolygon({{x - 2, 474}, {x + 4, 466}, {x + 10, 474}}, ink);
  }
  // Laurels on either side of the title.
  Laurel(c, 250, 136, -1);
  Laurel(c, 550, 136, 1);
  return c;
}

}  // namespace

void RegisterTitle(Registry& r) {
  r.Picture("titleres", [](const Context&) { return Title(); });
  r.Picture("introres", [](const Context&) { return Closing(); });
}

}  // namespace art
