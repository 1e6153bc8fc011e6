// Villages, windmills, treasure chests, the three works and the special
// places of the map. Each picture takes the size of its object in the map
// layout, so it sits exactly in its rectangle.
#include <cmath>

#include "noise.h"
#include "paint_common.h"
#include "registry.h"

namespace art {

void RegisterCastles(Registry& r);

namespace {

Canvas Sized(const Context& ctx, const std::string& object, Pt fallback) {
  Pt s = ctx.Size(object, fallback);
  return Canvas(static_cast<int>(s.x), static_cast<int>(s.y));
}

Canvas Village(const Context& ctx, int n, bool burnt) {
  Canvas c = Sized(ctx, "VillageImg" + std::to_string(n), {150, 115});
  float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
  Rng rng("village" + std::to_string(n));
  const Rgba kRoofs[] = {Hex(0x9a4a2a), Hex(0xb08040), Hex(0x7a5a3a), Hex(0xa05a30)};
  // A little church or hall at the back, cottages in rows towards the front.
  std::vector<std::pair<Pt, float>> spots;
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      if (row == 0 && col == 1) continue;
      spots.push_back(
          {{w * (0.08f + col * 0.3f) + rng.Range(-4, 4) + (row % 2) * 8, h * (0.42f + row * 0.24f)},
           w * rng.Range(0.18f, 0.22f)});
    }
  // The church stands in the gap of the first row, its cross within the picture.
  float cx = w * 0.42f, cy = h * 0.40f, ch = h * 0.6f;
  if (!burnt) {
    c.FillRect(cx, cy - ch * 0.2f, w * 0.22f, ch * 0.2f, Hex(0xd8d0c0));
    c.FillPolygon({{cx - 3, cy - ch * 0.2f},
                   {cx + w * 0.11f, cy - ch * 0.32f},
                   {cx + w * 0.22f + 3, cy - ch * 0.2f}},
                  Hex(0x6a4a3a));
    c.FillRect(cx + w * 0.07f, cy - ch * 0.42f, w * 0.08f, ch * 0.22f, Hex(0xe0d8c8));
    c.FillPolygon({{cx + w * 0.06f, cy - ch * 0.42f},
                   {cx + w * 0.11f, cy - ch * 0.56f},
                   {cx + w * 0.16f, cy - ch * 0.42f}},
                  Hex(0x5a3a2a));
    c.Line(cx + w * 0.11f, cy - ch * 0.56f, cx + w * 0.11f, cy - ch * 0.64f, 1.2f, kInk);
    c.Line(cx + w * 0.09f, cy - ch * 0.61f, cx + w * 0.13f, cy - ch * 0.61f, 1.2f, kInk);
  } else {
    c.FillRect(cx, cy - h * 0.14f, w * 0.22f, h * 0.14f, Hex(0x3a3028));
  }
  for (const auto& [p, size] : spots)
    Cottage(c, p.x, p.y, size, size * 0.95f, kRoofs[rng.Int(0, 3)], burnt,
            static_cast<std::uint32_t>(rng.Next()));
  if (burnt) {
    for (int k = 0; k < 3; ++k)
      Smoke(c, w * (0.25f + 0.25f * k), h * 0.7f, h * 0.6f, static_cast<std::uint32_t>(k + n),
            0.55f);
    Flames(c, w * 0.55f, h * 0.95f, 24, 18, static_cast<std::uint32_t>(n));
  } else {
    // The chimneys' smoke rises on the map itself, where it can move.
    c.FillCircle(w * 0.9f, h * 0.92f, 4, Hex(0x6a7a8a));  // the well
    c.Ring(w * 0.9f, h * 0.92f, 4, 1.5f, Hex(0x8a8478));
  }
  return c;
}

// A windmill: tower with a cap; sails at `angle`; burnt leaves a black stump.
Canvas Windmill(const Context& ctx, float angle, bool burnt) {
  Canvas c = Sized(ctx, "WindmillImg1", {60, 95});
  float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
  float base = h - 4, top = h * 0.42f, cx = w / 2;
  c.FillEllipse(cx + 5, base, w * 0.35f, 4, Hex(0x000000, 70));
  Rgba body = burnt ? Hex(0x2e2620) : Hex(0xe0d4b8);
  c.FillPolygon({{cx - w * 0.22f, base},
                 {cx - w * 0.14f, top},
                 {cx + w * 0.14f, top},
                 {cx + w * 0.22f, base}},
                body);
  c.FillPolygon({{cx, top}, {cx + w * 0.14f, top}, {cx + w * 0.22f, base}, {cx, base}},
                Shade(body, 0.8f));
  if (burnt) {
    Smoke(c, cx, top, h * 0.4f, 3, 0.6f);
    return c;
  }
  c.FillRect(cx - 4, base - 12, 8, 12, Hex(0x5a3818));
  c.FillCircle(cx, top + h * 0.15f, 3, Hex(0x40506a));
  c.FillPolygon({{cx - w * 0.19f, top + 1}, {cx, top - h * 0.1f}, {cx + w * 0.19f, top + 1}},
                Hex(0x8a4a2a));
  float hub_y = top - h * 0.02f, len = std::min(w * 0.48f, h * 0.4f);
  for (int k = 0; k < 4; ++k) {
    float a = angle + k * 1.5708f, dx = std::cos(a), dy = std::sin(a);
    float ex = cx + dx * len, ey = hub_y + dy * len;
    c.Line(cx, hub_y, ex, ey, 1.8f, Hex(0x4a3018));
    float px = -dy * len * 0.22f, py = dx * len * 0.22f;
    c.FillPolygon({{cx + dx * len * 0.2f, hub_y + dy * len * 0.2f},
                   {ex, ey},
                   {ex + px, ey + py},
                   {cx + dx * len * 0.2f + px, hub_y + dy * len * 0.2f + py}},
                  Hex(0xf0ece0, 230));
  }
  c.FillCircle(cx, hub_y, 2.5f, Hex(0x3a2410));
  return c;
}

Canvas Chest(const Context& ctx, float open) {
  Canvas c = Sized(ctx, "ChestImg1", {44, 36});
  float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
  float x = w * 0.1f, y = h * 0.45f, bw = w * 0.8f, bh = h * 0.45f;
  c.FillEllipse(w / 2 + 2, y + bh, bw * 0.55f, 3, Hex(0x000000, 80));
  if (open > 0) {
    c.FillRect(x + 2, y - 2, bw - 4, 6, Hex(0x201008));
    for (int k = 0; k < 6; ++k)
      c.FillCircle(x + 6 + k * (bw - 12) / 5, y + 1 - (k % 2) * 2, 3, kGold);
    c.FillCircle(x + bw / 2, y - 3, 3, Hex(0xe03040));
    float lid = h * 0.3f * open;
    c.FillRect(x, y - lid - 4, bw, lid, Hex(0x7a4a22));
    c.FillRect(x, y - lid - 4, bw, 2, kGold);
    for (int k = 0; k < 5; ++k)
      c.FillCircle(x + bw * (0.1f + 0.2f * k), y - lid - 8 - k % 2 * 3, 1.5f,
                   Hex(0xfff8c0, static_cast<std::uint8_t>(200 * open)));
  } else {
    c.FillRect(x, y - h * 0.18f, bw, h * 0.2f, Hex(0x8a5428));
    c.FillEllipse(x + bw / 2, y - h * 0.18f, bw / 2, h * 0.1f, Hex(0x9a6430));
  }
  c.FillRect(x, y, bw, bh, Hex(0x7a4a22));
  c.FillRect(x, y, bw, 3, Hex(0xc09030));
  c.FillRect(x + bw * 0.2f, y - (open > 0 ? 0 : h * 0.18f), 3, bh + (open > 0 ? 0 : h * 0.18f),
             Hex(0xc09030));
  c.FillRect(x + bw * 0.8f - 3, y - (open > 0 ? 0 : h * 0.18f), 3, bh + (open > 0 ? 0 : h * 0.18f),
             Hex(0xc09030));
  c.FillRect(x + bw / 2 - 3, y + 2, 6, 7, Hex(0xd8b040));
  return c;
}

Canvas Works(const Context& ctx, const std::string& object, int kind) {
  Canvas c = Sized(ctx, object, {100, 80});
  float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
  Rng rng(object);
  if (kind == 0) {  // wood: a sawmill hut, log piles, stumps
    Cottage(c, w * 0.1f, h * 0.62f, w * 0.42f, h * 0.5f, Hex(0x6a5030), false, 11);
    for (int k = 0; k < 3; ++k)
      for (int j = 0; j < 3 - k; ++j) {
        float lx = w * 0.6f + j * 9 + k * 4.5f, ly = h * 0.8f - k * 8;
        c.FillRect(lx - 4, ly - 4, 8, 8, Hex(0x8a5a30));
        c.FillCircle(lx + 4, ly, 4, Hex(0xd8b078));
        c.Ring(lx + 4, ly, 2, 0.8f, Hex(0x9a6a38));
      }
    c.FillEllipse(w * 0.3f, h * 0.88f, 5, 3, Hex(0xc8a070));
    c.Line(w * 0.25f, h * 0.86f, w * 0.36f, h * 0.78f, 2, Hex(0x606870));  // axe
    Tree(c, w * 0.9f, h * 0.55f, 9, Hex(0x3a7a30), 3);
  } else if (kind == 1) {  // stone: a grey quarry face, blocks, a crane
    c.FillPolygon({{0, h * 0.9f},
                   {w * 0.1f, h * 0.2f},
                   {w * 0.55f, h * 0.08f},
                   {w * 0.7f, h * 0.5f},
                   {w * 0.6f, h * 0.9f}},
                  Hex(0x8a8680));
    c.FillPolygon(
        {{w * 0.1f, h * 0.2f}, {w * 0.55f, h * 0.08f}, {w * 0.5f, h * 0.3f}, {w * 0.15f, h * 0.4f}},
        Hex(0xb0aca4));
    for (int k = 0; k < 5; ++k)
      c.Line(w * (0.1f + k * 0.1f), h * 0.45f, w * (0.12f + k * 0.1f), h * 0.85f, 1, Hex(0x5a5650));
    for (int k = 0; k < 4; ++k) {
      float bx = w * 0.62f + (k % 2) * 14, by = h * 0.92f - (k / 2) * 10;
      c.FillRect(bx, by - 9, 13, 9, Hex(0xc0bcb4));
      c.FillRect(bx + 9, by - 9, 4, 9, Hex(0x8a8680));
    }
    c.Line(w * 0.88f, h * 0.92f, w * 0.88f, h * 0.2f, 2.5f, Hex(0x6a4a28));
    c.Line(w * 0.88f, h * 0.2f, w * 0.66f, h * 0.3f, 2, Hex(0x6a4a28));
    c.Line(w * 0.68f, h * 0.3f, w * 0.68f, h * 0.55f, 0.8f, Hex(0x3a2a1a));
  } else {  // ore: a mine entrance in a hill, a cart on rails, ore heaps
    c.FillEllipse(w * 0.42f, h * 0.75f, w * 0.42f, h * 0.55f, Hex(0x7a6a50));
    c.FillEllipse(w * 0.36f, h * 0.6f, w * 0.28f, h * 0.3f, Hex(0x9a8a68));
    c.FillRect(0, h * 0.75f, w * 0.9f, h * 0.25f, Hex(0x000000, 0));
    c.FillEllipse(w * 0.4f, h * 0.72f, w * 0.13f, h * 0.18f, Hex(0x1a1208));
    c.FillRect(w * 0.27f, h * 0.72f, w * 0.26f, h * 0.2f, Hex(0x1a1208));
    c.FillRect(w * 0.25f, h * 0.52f, w * 0.3f, 4, Hex(0x6a4a28));
    c.FillRect(w * 0.25f, h * 0.52f, 4, h * 0.4f, Hex(0x6a4a28));
    c.FillRect(w * 0.53f, h * 0.52f, 4, h * 0.4f, Hex(0x6a4a28));
    c.Line(w * 0.45f, h * 0.94f, w * 0.98f, h * 0.94f, 1.5f, Hex(0x505050));
    c.FillRect(w * 0.66f, h * 0.76f, w * 0.2f, h * 0.13f, Hex(0x5a4a3a));
    for (int k = 0; k < 5; ++k) c.FillCircle(w * (0.68f + k * 0.04f), h * 0.75f, 3, Hex(0xa05a38));
    c.FillCircle(w * 0.7f, h * 0.92f, 2.5f, Hex(0x303030));
    c.FillCircle(w * 0.83f, h * 0.92f, 2.5f, Hex(0x303030));
  }
  return c;
}

Canvas Site(const Context& ctx, const std::string& object, const std::string& kind) {
  Canvas c = Sized(ctx, object, {80, 80});
  float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
  Rgba stone = Hex(0x9a968c), dark = Hex(0x6a665e);
  auto shadow = [&](float rx) { c.FillEllipse(w / 2 + 3, h - 5, rx, 4, Hex(0x000000, 70)); };
  if (kind == "dolmen" || kind == "adolmen") {
    shadow(w * 0.42f);
    bool ring = kind == "adolmen";  // the old dolmen stands in a ring of stones
    if (ring)
      for (int k = 0; k < 7; ++k) {
        float a = k * 0.9f + 0.3f, sx = w / 2 + std::cos(a) * w * 0.42f,
              sy = h * 0.7f + std::sin(a) * h * 0.2f;
        c.FillRect(sx - 3, sy - 10, 6, 10, k % 2 ? stone : dark);
      }
    c.FillRect(w * 0.25f, h * 0.45f, w * 0.12f, h * 0.4f, dark);
    c.FillRect(w * 0.62f, h * 0.45f, w * 0.12f, h * 0.4f, dark);
    c.FillPolygon({{w * 0.15f, h * 0.48f},
                   {w * 0.2f, h * 0.32f},
                   {w * 0.85f, h * 0.3f},
                   {w * 0.88f, h * 0.46f}},
                  stone);
    c.FillRect(w * 0.2f, h * 0.3f, w * 0.6f, 3, Hex(0xc0bcb0));
    c.FillEllipse(w * 0.5f, h * 0.22f, 4, 3, Hex(0x6a9a40));  // moss
  } else if (kind == "cross") {
    shadow(w * 0.3f);
    c.FillRect(w * 0.42f, h * 0.12f, w * 0.16f, h * 0.78f, stone);
    c.FillRect(w * 0.18f, h * 0.3f, w * 0.64f, h * 0.12f, stone);
    c.FillRect(w * 0.52f, h * 0.12f, w * 0.06f, h * 0.78f, dark);
    c.FillRect(w * 0.3f, h * 0.86f, w * 0.4f, h * 0.08f, dark);
  } else if (kind == "chapel" || kind == "gchapel") {
    bool great = kind == "gchapel";
    shadow(w * 0.45f);
    float nave_w = w * (great ? 0.62f : 0.5f), x0 = w * 0.08f, base = h - 6;
    c.FillRect(x0, base - h * 0.38f, nave_w, h * 0.38f, Hex(0xe0d8c4));
    c.FillRect(x0 + nave_w * 0.7f, base - h * 0.38f, nave_w * 0.3f, h * 0.38f, Hex(0xc0b8a4));
    c.FillPolygon({{x0 - 3, base - h * 0.38f},
                   {x0 + nave_w / 2, base - h * 0.56f},
                   {x0 + nave_w + 3, base - h * 0.38f}},
                  Hex(0x5a5a6a));
    float tx = x0 + nave_w, tw = w * (great ? 0.22f : 0.2f);
    c.FillRect(tx, base - h * (great ? 0.72f : 0.58f), tw, h * (great ? 0.72f : 0.58f),
               Hex(0xd8d0bc));
    c.FillPolygon({{tx - 2, base - h * (great ? 0.72f : 0.58f)},
                   {tx + tw / 2, base - h * 0.95f},
                   {tx + tw + 2, base - h * (great ? 0.72f : 0.58f)}},
                  Hex(0x4a4a5a));
    c.FillRect(x0 + nave_w * 0.4f, base - h * 0.2f, nave_w * 0.2f, h * 0.2f, Hex(0x4a2e18));
    for (int k = 0; k < (great ? 3 : 2); ++k)
      c.FillEllipse(x0 + nave_w * (0.2f + 0.3f * k), base - h * 0.28f, 2.5f, 4, Hex(0x5a80b0));
    if (great) c.FillCircle(x0 + nave_w / 2, base - h * 0.45f, 4, Hex(0xc05050));
  } else if (kind == "hut") {
    shadow(w * 0.4f);
    Cottage(c, w * 0.12f, h - 6, w * 0.7f, h * 0.8f, Hex(0x8a7a40), false, 21);
    Smoke(c, w * 0.6f, h * 0.15f, h * 0.2f, 2, 0.3f);
  } else if (kind == "obelisk") {
    shadow(w * 0.5f);
    c.FillPolygon({{w * 0.28f, h - 8},
                   {w * 0.38f, h * 0.12f},
                   {w * 0.5f, 2},
                   {w * 0.62f, h * 0.12f},
                   {w * 0.72f, h - 8}},
                  stone);
    c.FillPolygon({{w * 0.5f, 2}, {w * 0.62f, h * 0.12f}, {w * 0.72f, h - 8}, {w * 0.5f, h - 8}},
                  dark);
    for (int k = 0; k < 4; ++k)
      c.FillRect(w * 0.44f, h * (0.25f + k * 0.15f), w * 0.1f, 2, Hex(0x4a4640));
    c.FillRect(w * 0.15f, h - 10, w * 0.7f, 8, dark);
  } else if (kind == "statue") {
    shadow(w * 0.4f);
    c.FillRect(w * 0.25f, h * 0.72f, w * 0.5f, h * 0.22f, dark);
    c.FillRect(w * 0.25f, h * 0.72f, w * 0.5f, 3, stone);
    Soldier(c, w * 0.5f, h * 0.72f, h * 0.6f, stone, 1);
    c.Tint(Hex(0xa8a498), 0.6f);
  } else if (kind == "tavern") {
    shadow(w * 0.45f);
    Cottage(c, w * 0.08f, h - 6, w * 0.72f, h * 0.85f, Hex(0x7a3a2a), false, 31);
    c.Line(w * 0.84f, h - 6, w * 0.84f, h * 0.3f, 2, Hex(0x4a2e16));
    c.Line(w * 0.84f, h * 0.32f, w * 0.98f, h * 0.32f, 2, Hex(0x4a2e16));
    c.FillRect(w * 0.86f, h * 0.36f, w * 0.12f, h * 0.16f, Hex(0xd8b060));  // the tankard sign
    c.FillRect(w * 0.88f, h * 0.38f, w * 0.06f, h * 0.1f, Hex(0x8a5a20));
  } else if (kind == "battlefield" || kind == "hbattlefield") {
    Rng rng(kind);
    c.FillEllipse(w / 2, h * 0.6f, w * 0.48f, h * 0.36f, Hex(0x6a5a3a, 200));
    for (int k = 0; k < 9; ++k) {
      float x = rng.Range(w * 0.15f, w * 0.85f), y = rng.Range(h * 0.35f, h * 0.85f);
      c.Line(x, y, x + rng.Range(-6, 6), y - rng.Range(8, 16), 1.5f,
             Hex(0x6a4a28));  // broken spears
    }
    Shield(c, w * 0.3f, h * 0.7f, 9, kind == "hbattlefield" ? Hex(0x8a7a60) : side::kRival1);
    Banner(c, w * 0.7f, h * 0.85f, h * 0.6f,
           kind == "hbattlefield" ? Hex(0x6a6050) : Hex(0xa02020));
    if (kind == "hbattlefield") c.FillRect(w * 0.45f, h * 0.55f, 8, 12, stone);  // a memorial stone
  } else if (kind == "ruins" || kind == "ruins_cleared") {
    shadow(w * 0.45f);
    c.FillRect(w * 0.1f, h * 0.45f, w * 0.16f, h * 0.48f, stone);
    c.FillPolygon({{w * 0.1f, h * 0.45f}, {w * 0.18f, h * 0.3f}, {w * 0.26f, h * 0.45f}}, stone);
    c.FillRect(w * 0.26f, h * 0.68f, w * 0.5f, h * 0.25f, dark);
    c.FillPolygon({{w * 0.26f, h * 0.68f}, {w * 0.4f, h * 0.55f}, {w * 0.52f, h * 0.68f}}, dark);
    c.FillRect(w * 0.7f, h * 0.35f, w * 0.14f, h * 0.58f, stone);
    c.FillEllipse(w * 0.77f, h * 0.36f, w * 0.07f, 3, dark);
    for (int k = 0; k < 6; ++k) c.FillRect(w * (0.3f + k * 0.07f), h * 0.9f, 5, 4, stone);
    if (kind == "ruins")
      Smoke(c, w * 0.5f, h * 0.7f, h * 0.5f, 4, 0.35f);  // the outlaws' fire
    else
      Banner(c, w * 0.78f, h * 0.36f, h * 0.32f, side::kArmy[1]);
  } else if (kind == "cave" || kind == "cave_cleared") {
    c.FillEllipse(w / 2, h * 0.7f, w * 0.5f, h * 0.42f, Hex(0x7a7264));
    c.FillEllipse(w * 0.42f, h * 0.55f, w * 0.32f, h * 0.3f, Hex(0x9a9282));
    c.FillRect(0, h * 0.92f, w, h * 0.08f, Hex(0x000000, 0));
    c.FillEllipse(w * 0.5f, h * 0.82f, w * 0.18f, h * 0.22f, Hex(0x140e08));
    c.FillRect(w * 0.32f, h * 0.82f, w * 0.36f, h * 0.12f, Hex(0x140e08));
    if (kind == "cave")
      c.FillCircle(w * 0.5f, h * 0.86f, 3, Hex(0xf0a030, 220));  // eyes of a fire
    else
      Banner(c, w * 0.8f, h * 0.9f, h * 0.45f, side::kArmy[1]);
  } else if (kind == "outpost") {
    shadow(w * 0.45f);
    c.FillRect(w * 0.3f, h * 0.2f, w * 0.4f, h * 0.72f, Hex(0x8a6038));
    c.FillRect(w * 0.22f, h * 0.15f, w * 0.56f, h * 0.12f, Hex(0x6a4428));
    for (float k = 0.22f; k < 0.78f; k += 0.1f)
      c.FillRect(w * k, h * 0.08f, w * 0.05f, h * 0.08f, Hex(0x6a4428));
    c.FillRect(w * 0.44f, h * 0.7f, w * 0.12f, h * 0.22f, Hex(0x2a1a10));
    for (float k = 0.0f; k < 1.0f; k += 0.06f)
      c.FillRect(w * k, h * 0.78f, w * 0.04f, h * 0.16f, Hex(0x7a5430));
    Banner(c, w * 0.5f, h * 0.1f, h * 0.3f, side::kArmy[1]);
  } else {  // the trade post: a stall, barrels, sacks, an awning
    shadow(w * 0.45f);
    c.FillRect(w * 0.1f, h * 0.45f, w * 0.6f, h * 0.45f, Hex(0x8a6038));
    for (int k = 0; k < 5; ++k)
      c.FillPolygon({{w * (0.05f + k * 0.14f), h * 0.45f},
                     {w * (0.05f + k * 0.14f), h * 0.28f},
                     {w * (0.19f + k * 0.14f), h * 0.28f},
                     {w * (0.19f + k * 0.14f), h * 0.45f}},
                    k % 2 ? Hex(0xe8e0c8) : Hex(0x3a6aa0));
    c.FillRect(w * 0.1f, h * 0.6f, w * 0.6f, h * 0.06f, Hex(0x5a3a1a));
    for (int k = 0; k < 2; ++k) {
      c.FillEllipse(w * (0.8f + k * 0.1f), h * 0.8f, w * 0.05f, h * 0.1f, Hex(0x7a4a22));
      c.FillRect(w * (0.75f + k * 0.1f), h * 0.72f, w * 0.1f, 2, Hex(0x404040));
    }
    c.FillEllipse(w * 0.3f, h * 0.55f, 5, 4, Hex(0xd8c8a0));
    c.FillCircle(w * 0.5f, h * 0.55f, 3, kGold);
  }
  return c;
}

}  // namespace

void RegisterBuildings(Registry& r) {
  RegisterCastles(r);
  for (int n = 1; n <= 3; ++n) {
    r.Picture("VillageRes" + std::to_string(n),
              [n](const Context& ctx) { return Village(ctx, n, false); });
    r.Picture("VillageBurntRes" + std::to_string(n),
              [n](const Context& ctx) { return Village(ctx, n, true); });
  }
  r.Picture("WindmillRes", [](const Context& ctx) { return Windmill(ctx, 0.5f, false); });
  r.Picture("WindmillBurntRes", [](const Context& ctx) { return Windmill(ctx, 0, true); });
  // The turning windmill: the whole windmill in the middle of a square as
  // tall as it, the sails a quarter turn on over the eight frames (the first
  // frame is the still picture).
  r.Picture("WindmillAnimRes", [](const Context& ctx) {
    std::vector<Canvas> frames;
    for (int k = 0; k < 8; ++k) {
      Canvas mill = Windmill(ctx, 0.5f + k * 0.19635f, false);
      Canvas f(mill.height(), mill.height());
      f.Draw(mill, (mill.height() - mill.width()) / 2, 0);
      frames.push_back(f);
    }
    return Strip(frames);
  });
  r.Picture("ChestRes1", [](const Context& ctx) { return Chest(ctx, 0); });
  r.Picture("ChestRes2", [](const Context& ctx) { return Chest(ctx, 1); });
  r.Picture("ChestAnimRes", [](const Context& ctx) {
    return Strip({Chest(ctx, 0), Chest(ctx, 0.35f), Chest(ctx, 0.7f), Chest(ctx, 1)});
  });
  r.Picture("WoodCutterRes", [](const Context& ctx) { return Works(ctx, "WoodCutterImg1", 0); });
  r.Picture("StoneCutterRes", [](const Context& ctx) { return Works(ctx, "StoneCutterImg1", 1); });
  r.Picture("OreCutterRes", [](const Context& ctx) { return Works(ctx, "OreCutterImg1", 2); });
  const std::tuple<const char*, const char*, const char*> kSites[] = {
      {"DolmenRes", "DolmenImg1", "dolmen"},
      {"ADolmenRes", "ADolmenImg1", "adolmen"},
      {"CrossRes", "CrossImg1", "cross"},
      {"ChapelRes", "ChapelImg1", "chapel"},
      {"GChapelRes", "GChapelImg1", "gchapel"},
      {"HutRes", "HutImg1", "hut"},
      {"ObeliskRes", "ObeliskImg1", "obelisk"},
      {"StatueRes", "StatueImg1", "statue"},
      {"TavernRes", "TavernImg1", "tavern"},
      {"HBattlefieldRes", "HBattlefieldImg1", "hbattlefield"},
      {"BattlefieldRes", "BattlefieldImg1", "battlefield"},
      {"RuinsRes", "RuinsImg1", "ruins"},
      {"RuinsClearedRes", "RuinsImg1", "ruins_cleared"},
      {"CaveRes", "CaveImg1", "cave"},
      {"CaveClearedRes", "CaveImg1", "cave_cleared"},
      {"OutpostRes", "OutpostImg1", "outpost"},
      {"GarryRes", "GarryImg", "trade"}};
  for (const auto& [name, object, kind] : kSites) {
    std::string o = object, k = kind;
    r.Picture(name, [o, k](const Context& ctx) { return Site(ctx, o, k); });
  }
}

}  // namespace art
