#include "paint_icons.h"

#include <cmath>

#include "paint_common.h"

namespace art {
namespace {

// Drawing in a 32-unit box.
struct Box {
  Canvas& c;
  float x, y, s;
  float X(float u) const { return x + u * s; }
  float Y(float u) const { return y + u * s; }
  void Rect(float u, float v, float w, float h, Rgba col) const {
    c.FillRect(X(u), Y(v), w * s, h * s, col);
  }
  void Circle(float u, float v, float r, Rgba col) const { c.FillCircle(X(u), Y(v), r * s, col); }
  void Ellipse(float u, float v, float rx, float ry, Rgba col) const {
    c.FillEllipse(X(u), Y(v), rx * s, ry * s, col);
  }
  void Line(float u0, float v0, float u1, float v1, float w, Rgba col) const {
    c.Line(X(u0), Y(v0), X(u1), Y(v1), w * s, col);
  }
  void Poly(std::initializer_list<Pt> pts, Rgba col) const {
    std::vector<Pt> out;
    for (Pt p : pts) out.push_back({X(p.x), Y(p.y)});
    c.FillPolygon(out, col);
  }
  void RingAt(float u, float v, float r, float w, Rgba col) const {
    c.Ring(X(u), Y(v), r * s, w * s, col);
  }
};

void Coins(const Box& b) {
  for (int k = 0; k < 4; ++k) {
    b.Ellipse(16, 25 - k * 4.5f, 10, 4, Hex(0xa07818));
    b.Ellipse(16, 24 - k * 4.5f, 10, 4, kGold);
  }
  b.Ellipse(16, 10.5f, 6, 2, Hex(0xfff0a0));
}

void Bag(const Box& b) {
  b.Ellipse(16, 21, 11, 9, Hex(0x9a7040));
  b.Poly({{11, 12}, {16, 6}, {21, 12}}, Hex(0x9a7040));
  b.Line(11, 12, 21, 12, 2, Hex(0x5a3a18));
  b.Circle(16, 21, 4.5f, kGold);
  b.Rect(15.2f, 17.5f, 1.6f, 7, Hex(0x8a6010));
}

void Logs(const Box& b) {
  for (int k = 0; k < 3; ++k) {
    float yy = 24 - (k == 2 ? 8 : 0), xx = k == 2 ? 9 : 3 + k * 12;
    b.Rect(xx, yy - 5, 14, 10, Hex(0x8a5a30));
    b.Circle(xx + 14, yy, 5, Hex(0xd8b078));
    b.RingAt(xx + 14, yy, 2.5f, 1, Hex(0x9a6a38));
  }
}

void Stones(const Box& b) {
  b.Rect(3, 17, 13, 10, Hex(0xb0aca4));
  b.Rect(16, 17, 13, 10, Hex(0x9a968e));
  b.Rect(9, 7, 13, 10, Hex(0xc4c0b8));
  b.Rect(3, 25, 26, 2, Hex(0x6a665e));
  b.Rect(9, 15, 13, 2, Hex(0x6a665e));
}

void Ore(const Box& b) {
  b.Poly({{4, 26}, {8, 14}, {16, 10}, {22, 16}, {28, 26}}, Hex(0x6a5a50));
  for (auto [u, v] : {std::pair{11.0f, 18.0f}, {18.0f, 15.0f}, {20.0f, 22.0f}, {13.0f, 24.0f}})
    b.Circle(u, v, 2.4f, Hex(0xc8703a));
  b.Circle(17, 14, 1, Hex(0xfff0e0));
}

void Sheaf(const Box& b) {
  for (int k = -2; k <= 2; ++k) {
    b.Line(16 + k * 1.5f, 28, 16 + k * 3.5f, 6, 1.6f, Hex(0xc8a030));
    b.Ellipse(16 + k * 3.5f, 6, 1.6f, 3.5f, Hex(0xe8c850));
  }
  b.Line(10, 19, 22, 19, 2.5f, Hex(0x8a5a10));
}

void CowHead(const Box& b) {
  b.Ellipse(16, 16, 8, 10, Hex(0x8a5a30));
  b.Ellipse(16, 23, 6, 4.5f, Hex(0xe0b0a0));
  b.Circle(14, 23, 1, Hex(0x3a2010));
  b.Circle(18, 23, 1, Hex(0x3a2010));
  b.Circle(12.5f, 14, 1.5f, Hex(0x1a1008));
  b.Circle(19.5f, 14, 1.5f, Hex(0x1a1008));
  b.Poly({{8, 9}, {3, 5}, {9, 7}}, Hex(0xe8e0c8));
  b.Poly({{24, 9}, {29, 5}, {23, 7}}, Hex(0xe8e0c8));
}

void Head(const Box& b, float u, float v, float k, Rgba hood) {
  b.Ellipse(u, v + 9 * k, 8 * k, 6 * k, hood);
  b.Circle(u, v, 5.5f * k, Hex(0xe8b890));
  b.Ellipse(u, v - 3 * k, 6 * k, 3 * k, Hex(0x6a4020));
  b.Circle(u - 2 * k, v, 0.8f * k, kInk);
  b.Circle(u + 2 * k, v, 0.8f * k, kInk);
}

void Hammer(const Box& b) {
  b.Line(8, 27, 20, 12, 3, Hex(0x8a5a30));
  b.Poly({{14, 9}, {21, 4}, {28, 12}, {22, 16}}, Hex(0x8a9098));
  b.Poly({{21, 4}, {28, 12}, {26, 13}, {19, 6}}, Hex(0xb8c0c8));
}

void Anvil(const Box& b) {
  b.Poly({{3, 11}, {27, 11}, {29, 14}, {22, 17}, {20, 22}, {12, 22}, {10, 17}, {6, 16}},
         Hex(0x3a4048));
  b.Rect(9, 11, 18, 2, Hex(0x7a8490));
  b.Rect(8, 22, 16, 5, Hex(0x2a3038));
  b.Circle(22, 7, 1.5f, Hex(0xffa030));
  b.Circle(26, 5, 1, Hex(0xffd060));
}

void Sword(const Box& b, float tilt) {
  b.Line(16 - tilt, 29, 16 + tilt, 4, 3, Hex(0xd0d6dc));
  b.Line(16 - tilt, 29, 16 + tilt, 4, 1, Hex(0xffffff));
  b.Line(10, 22, 22, 22, 3, Hex(0x8a6020));
  b.Circle(16 - tilt * 1.1f, 29, 2, kGold);
}

void CrossedSwords(const Box& b) {
  b.Line(6, 27, 26, 5, 3, Hex(0xd0d6dc));
  b.Line(26, 27, 6, 5, 3, Hex(0xd0d6dc));
  b.Line(6, 21, 12, 27, 2.5f, Hex(0x8a6020));
  b.Line(26, 21, 20, 27, 2.5f, Hex(0x8a6020));
}

void Hourglass(const Box& b) {
  b.Rect(7, 3, 18, 3, Hex(0x6a4020));
  b.Rect(7, 26, 18, 3, Hex(0x6a4020));
  b.Poly({{9, 6}, {23, 6}, {17, 16}, {23, 26}, {9, 26}, {15, 16}}, Hex(0xd8e8f0, 220));
  b.Poly({{11, 8}, {21, 8}, {16, 14}}, Hex(0xd8b060));
  b.Poly({{12, 25}, {20, 25}, {16, 20}}, Hex(0xd8b060));
  b.Line(16, 14, 16, 21, 0.8f, Hex(0xd8b060));
}

void Heart(const Box& b) {
  b.Circle(11, 12, 6, Hex(0xd02828));
  b.Circle(21, 12, 6, Hex(0xd02828));
  b.Poly({{5.3f, 14}, {16, 27}, {26.7f, 14}, {16, 12}}, Hex(0xd02828));
  b.Circle(9, 10, 2, Hex(0xff9090));
}

void Smile(const Box& b) {
  b.Circle(16, 16, 12, Hex(0xf0c040));
  b.Circle(12, 13, 1.6f, kInk);
  b.Circle(20, 13, 1.6f, kInk);
  b.c.Polyline({{b.X(10), b.Y(18)},
                {b.X(13), b.Y(21.5f)},
                {b.X(16), b.Y(22.5f)},
                {b.X(19), b.Y(21.5f)},
                {b.X(22), b.Y(18)}},
               1.8f * b.s, kInk);
}

void Leaf(const Box& b) {
  b.Poly({{6, 26}, {8, 12}, {18, 5}, {27, 5}, {25, 16}, {16, 24}}, Hex(0x3a9a40));
  b.Poly({{6, 26}, {16, 24}, {25, 16}, {27, 5}}, Hex(0xd89a30));
  b.Line(6, 26, 25, 7, 1.2f, Hex(0x2a5a20));
}

void MiniField(const Box& b, Rgba colour, int mark) {
  b.Rect(4, 7, 24, 18, Hex(0x5a3c1e));
  b.Rect(6, 9, 20, 14, colour);
  for (int k = 0; k < 4; ++k)
    b.Line(7, 11 + k * 3.5f, 25, 11 + k * 3.5f, 0.8f, Shade(colour, 0.8f));
  if (mark == 1) b.Circle(16, 16, 3.5f, kGold);
  if (mark == 2) b.Ellipse(16, 16, 4.5f, 3, Hex(0xf0ece4));
}

void Helmet(const Box& b) {
  b.Ellipse(16, 16, 11, 11, Hex(0x9aa2aa));
  b.Rect(5, 16, 22, 10, Hex(0x9aa2aa));
  b.Rect(5, 16, 22, 2, Hex(0x6a7278));
  b.Rect(15, 16, 2, 10, Hex(0x6a7278));
  b.Rect(8, 20, 6, 2, kInk);
  b.Rect(18, 20, 6, 2, kInk);
  b.Ellipse(12, 10, 3, 2, Hex(0xe0e8f0));
}

void Boot(const Box& b) {
  b.Poly({{9, 4}, {18, 4}, {18, 20}, {28, 22}, {28, 28}, {8, 28}}, Hex(0x6a4020));
  b.Rect(8, 26, 20, 2, Hex(0x2a1808));
  b.Rect(9, 4, 9, 3, Hex(0x9a6a38));
}

void Crest(const Box& b) {
  Shield(b.c, b.X(16), b.Y(15), 18 * b.s, side::kArmy[1]);
}

void Book(const Box& b) {
  b.Rect(5, 5, 21, 23, Hex(0x7a2a20));
  b.Rect(7, 6, 19, 21, Hex(0x9a3a2a));
  b.Rect(25, 6, 3, 21, Hex(0xe8dcc0));
  b.Rect(10, 10, 12, 2, kGold);
  b.Rect(10, 14, 12, 1, kGold);
  b.Rect(5, 5, 3, 23, Hex(0x5a1a10));
}

void Letter(const Box& b) {
  b.Rect(3, 8, 26, 17, Hex(0xf0e4c8));
  b.Poly({{3, 8}, {16, 18}, {29, 8}}, Hex(0xd8c8a8));
  b.c.Polyline({{b.X(3), b.Y(8)}, {b.X(16), b.Y(18)}, {b.X(29), b.Y(8)}}, 1 * b.s, Hex(0x8a7a5a));
  b.Circle(16, 18, 4, Hex(0xc02020));
  b.Circle(15, 17, 1.5f, Hex(0xf06060));
}

void Weather(const Box& b) {
  for (int k = 0; k < 8; ++k) {
    float a = k * 0.785f;
    b.Line(12 + std::cos(a) * 8, 12 + std::sin(a) * 8, 12 + std::cos(a) * 11, 12 + std::sin(a) * 11,
           1.8f, Hex(0xf0b020));
  }
  b.Circle(12, 12, 6.5f, Hex(0xf8c830));
  b.Ellipse(20, 22, 9, 5, Hex(0xe8eef4));
  b.Circle(16, 19, 5, Hex(0xf4f8fc));
  b.Circle(23, 18, 4, Hex(0xf4f8fc));
}

void MapIcon(const Box& b) {
  b.Poly({{3, 8}, {11, 5}, {21, 8}, {29, 5}, {29, 25}, {21, 28}, {11, 25}, {3, 28}}, Hex(0xe8d8a8));
  b.Poly({{11, 5}, {21, 8}, {21, 28}, {11, 25}}, Hex(0xd0c090));
  b.c.Polyline({{b.X(5), b.Y(22)}, {b.X(12), b.Y(16)}, {b.X(19), b.Y(19)}, {b.X(26), b.Y(11)}},
               1.2f * b.s, Hex(0x8a3a20));
  b.Line(23, 9, 27, 13, 1.5f, Hex(0xc02020));
  b.Line(27, 9, 23, 13, 1.5f, Hex(0xc02020));
  b.Ellipse(8, 12, 2.5f, 2, Hex(0x4a8a3a));
}

void Crown(const Box& b) {
  b.Poly({{4, 25}, {4, 10}, {10, 17}, {16, 6}, {22, 17}, {28, 10}, {28, 25}}, kGold);
  b.Rect(4, 22, 24, 4, Hex(0xb08020));
  b.Circle(16, 6, 2, Hex(0xd02020));
  b.Circle(4, 10, 2, Hex(0x2050d0));
  b.Circle(28, 10, 2, Hex(0x2050d0));
  b.Circle(16, 23.5f, 1.6f, Hex(0x20a040));
}

void Flask(const Box& b) {
  b.Rect(13, 3, 6, 9, Hex(0xd8e8f0, 230));
  b.Poly({{13, 11}, {19, 11}, {27, 26}, {5, 26}}, Hex(0xd8e8f0, 230));
  b.Poly({{10, 18}, {22, 18}, {27, 26}, {5, 26}}, Hex(0x40b060));
  b.Circle(13, 22, 1.5f, Hex(0xb0f0c0));
  b.Circle(18, 20, 1, Hex(0xb0f0c0));
  b.Rect(12, 2, 8, 2, Hex(0x8a5a30));
  b.Circle(24, 6, 1.5f, Hex(0xf0e060));
  b.Circle(27, 10, 1, Hex(0xf0e060));
}

void Bricks(const Box& b) {
  for (int row = 0; row < 3; ++row)
    for (int k = 0; k < 3; ++k)
      b.Rect(2 + k * 9 + (row % 2) * 4, 18 + row * 4.5f, 8, 4, Hex(0xb06040));
  Hammer(Box{b.c, b.x, b.y - 3 * b.s, b.s});
}

void Hood(const Box& b) {
  b.Poly({{6, 29}, {9, 11}, {16, 4}, {23, 11}, {26, 29}}, Hex(0x2a2430));
  b.Ellipse(16, 15, 5, 6, Hex(0x0a080c));
  b.Circle(14, 14, 0.9f, Hex(0xf0d040));
  b.Circle(18, 14, 0.9f, Hex(0xf0d040));
  b.Line(20, 28, 28, 16, 2.2f, Hex(0xd0d4d8));
  b.Line(18, 24, 23, 29, 2, Hex(0x8a6020));
}

void Scroll(const Box& b) {
  b.Rect(6, 6, 20, 20, Hex(0xf0e0b8));
  b.Ellipse(6, 16, 3, 10, Hex(0xd8c090));
  b.Ellipse(26, 16, 3, 10, Hex(0xd8c090));
  for (int k = 0; k < 4; ++k) b.Line(10, 10 + k * 3.5f, 22, 10 + k * 3.5f, 0.8f, Hex(0x6a5030));
  b.Line(14, 22, 11, 30, 2, Hex(0x2040a0));
  b.Line(18, 22, 21, 30, 2, Hex(0x2040a0));
  b.Circle(16, 23, 4, Hex(0xc02020));
}

void People(const Box& b) {
  Head(b, 11, 12, 0.9f, Hex(0x6a7a40));
  Head(b, 21, 14, 1.0f, Hex(0x8a5a30));
}

void Banner32(const Box& b) {
  Banner(b.c, b.X(10), b.Y(29), 26 * b.s, side::kArmy[1]);
}

}  // namespace

void LabelIcon(Canvas& c, std::string_view label, float x, float y, float size) {
  Box b{c, x, y, size / 32.0f};
  if (label == "CountyNameLbl")
    Crest(b);
  else if (label == "GoldLbl")
    Coins(b);
  else if (label == "WoodLbl")
    Logs(b);
  else if (label == "StoneLbl")
    Stones(b);
  else if (label == "OreLbl")
    Ore(b);
  else if (label == "CropsLbl")
    Sheaf(b);
  else if (label == "CattleLbl")
    CowHead(b);
  else if (label == "PeopleLbl")
    Head(b, 16, 13, 1.2f, Hex(0x6a7a40));
  else if (label == "HappinessLbl")
    Smile(b);
  else if (label == "HealthLbl")
    Heart(b);
  else if (label == "SeassonLbl")
    Leaf(b);
  else if (label == "TaxLbl")
    Bag(b);
  else if (label == "CHireLbl")
    MiniField(b, Hex(0xb0a048), 1);
  else if (label == "CEmptyLbl")
    MiniField(b, Hex(0x7a5a36), 0);
  else if (label == "CCropsLbl")
    MiniField(b, Hex(0xd8c050), 0);
  else if (label == "CCattleLbl")
    MiniField(b, Hex(0x7aa848), 2);
  else if (label == "BuildLbl")
    Hammer(b);
  else if (label == "BlacksmithLbl")
    Anvil(b);
  else if (label == "ProduceWeaponLbl")
    Sword(b, 4);
  else if (label == "ArmyNumLbl")
    Helmet(b);
  else if (label == "MoralLbl")
    Banner32(b);
  else if (label == "WalkLbl")
    Boot(b);
  else if (label == "WarLbl")
    CrossedSwords(b);
  else if (label == "TimeLbl")
    Hourglass(b);
}

void CommandIcon(Canvas& c, std::string_view button, float x, float y, float size) {
  Box b{c, x, y, size / 32.0f};
  if (button == "MenuBtn")
    Book(b);
  else if (button == "MessagessBtn")
    Letter(b);
  else if (button == "WeatherBtn")
    Weather(b);
  else if (button == "PreviewBtn")
    MapIcon(b);
  else if (button == "RealmBtn")
    Crown(b);
  else if (button == "PeopleBtn")
    People(b);
  else if (button == "TaxBtn")
    Bag(b);
  else if (button == "ScienceBtn")
    Flask(b);
  else if (button == "BuildBtn")
    Bricks(b);
  else if (button == "BlacksmithBtn")
    Anvil(b);
  else if (button == "ArmyBtn") {
    CrossedSwords(b);
    Shield(c, b.X(16), b.Y(17), 11 * b.s, side::kArmy[1]);
  } else if (button == "SpecialBtn")
    Hood(b);
  else if (button == "DiploBtn")
    Scroll(b);
  else if (button == "EndTurnBtn")
    Hourglass(b);
}

Canvas CommandButton(std::string_view button, int size, bool hover) {
  Canvas c(size, size);
  float r = size * 0.14f;
  auto plate = [&](float inset, Rgba colour) {
    float x0 = inset, x1 = size - inset;
    c.FillRect(x0 + r, x0, x1 - x0 - 2 * r, x1 - x0, colour);
    c.FillRect(x0, x0 + r, x1 - x0, x1 - x0 - 2 * r, colour);
    for (float cx : {x0 + r, x1 - r})
      for (float cy : {x0 + r, x1 - r}) c.FillCircle(cx, cy, r, colour);
  };
  plate(0, Hex(0x2a1a0c));
  plate(1.5f, hover ? Hex(0xf0c850) : Hex(0xa07a38));
  plate(4, hover ? Hex(0x8a6a48) : Hex(0x5e4630));
  for (int y = 4; y < size - 4; ++y)
    c.FillRect(4, static_cast<float>(y), size - 8.0f, 1,
               Hex(0xffffff, static_cast<std::uint8_t>(std::max(0.0f, 40 - y * 2.5f))));
  if (hover) c.FillCircle(size / 2.0f, size / 2.0f, size * 0.34f, Hex(0xfff0b0, 70));
  float icon = size * 0.7f, off = (size - icon) / 2;
  Canvas glyph(size, size);
  CommandIcon(glyph, button, off, off, icon);
  glyph.DropShadow(1, 2, 0.55f);
  c.Draw(glyph, 0, 0);
  return c;
}

}  // namespace art
