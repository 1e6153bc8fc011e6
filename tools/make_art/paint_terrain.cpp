// The painted county ("mapres") and the whole-map preview ("mappreviewres").
// The land comes from the terrain lines of the map layout: grass with
// meadows, woods, hill country, lakes and rivers, the ledges of the
// waterfalls, the county borders, and the roads between neighbouring
// waypoints with bridges where they cross water. Objects that change during
// the game are not painted here; the preview is the same land in miniature,
// its places marked by the preview screen itself. The guard screen's small
// maps of the scouts' places are cut from the same land.
#include <algorithm>
#include <cmath>
#include <mutex>
#include <string>

#include "noise.h"
#include "paint_ambient.h"
#include "paint_common.h"
#include "registry.h"

namespace art {
namespace {

constexpr std::uint32_t kSeed = 9001;
// The preview's miniature: the map at 24 %.
constexpr int kPreviewWidth = 576;
constexpr int kPreviewHeight = 432;

struct Masks {
  int w, h;
  Canvas water, clear, road;
  std::vector<float> forest, hills, meadow;
  float At(const std::vector<float>& f, int x, int y) const {
    return f[static_cast<std::size_t>(std::clamp(y, 0, h - 1)) * w + std::clamp(x, 0, w - 1)];
  }
};

// A road or river between two points, bent a little by noise; the ends stay.
std::vector<Pt> Wobble(Pt a, Pt b, float amount, std::uint32_t seed) {
  float dx = b.x - a.x, dy = b.y - a.y, len = std::sqrt(dx * dx + dy * dy);
  int steps = std::max(2, static_cast<int>(len / 12));
  std::vector<Pt> out;
  for (int k = 0; k <= steps; ++k) {
    float t = static_cast<float>(k) / steps;
    float off = (ValueNoise(t * 3, 0.5f, seed) - 0.5f) * 2 * amount * std::sin(t * 3.14159f);
    out.push_back({a.x + dx * t - dy / len * off, a.y + dy * t + dx / len * off});
  }
  return out;
}

void Stroke(Canvas& c, const std::vector<Pt>& pts, float width, Rgba colour) {
  for (std::size_t k = 0; k + 1 < pts.size(); ++k)
    c.Line(pts[k].x, pts[k].y, pts[k + 1].x, pts[k + 1].y, width, colour);
}

std::vector<Pt> RiverPath(const std::vector<int>& v, std::uint32_t seed) {
  std::vector<Pt> out;
  for (std::size_t k = 1; k + 3 < v.size(); k += 2) {
    std::vector<Pt> part = Wobble({static_cast<float>(v[k]), static_cast<float>(v[k + 1])},
                                  {static_cast<float>(v[k + 2]), static_cast<float>(v[k + 3])}, 10,
                                  seed + static_cast<std::uint32_t>(k));
    if (!out.empty()) part.erase(part.begin());
    out.insert(out.end(), part.begin(), part.end());
  }
  return out;
}

std::vector<std::vector<Pt>> RoadPaths(const valorne::MapLayout& m) {
  std::vector<std::vector<Pt>> roads;
  for (const valorne::MapRoad& r : m.roads) {
    valorne::MapPoint a = m.RoadPoint(r.from), b = m.RoadPoint(r.to);
    roads.push_back(Wobble({static_cast<float>(a.x), static_cast<float>(a.y)},
                           {static_cast<float>(b.x), static_cast<float>(b.y)}, 7,
                           static_cast<std::uint32_t>(r.from * 100 + r.to)));
  }
  return roads;
}

Masks BuildMasks(const valorne::MapLayout& m) {
  Masks k{m.width,
          m.height,
          Canvas(m.width, m.height),
          Canvas(m.width, m.height),
          Canvas(m.width, m.height),
          {},
          {},
          {}};
  std::size_t n = static_cast<std::size_t>(m.width) * m.height;
  k.forest.assign(n, 0);
  k.hills.assign(n, 0);
  k.meadow.assign(n, 0);
  Rgba on = Hex(0xffffff);
  for (const valorne::MapTerrain& t : m.terrain) {
    const std::vector<int>& v = t.values;
    if (t.kind == "lake") {
      k.water.FillEllipse(v[0], v[1], v[2], v[3], on);
    } else if (t.kind == "river") {
      std::vector<Pt> path = RiverPath(v, kSeed + static_cast<std::uint32_t>(v[1]));
      Stroke(k.water, path, static_cast<float>(v[0]), on);
    } else if (t.kind == "waterfall") {
      // Neither trees nor hills on the ledge.
      k.clear.FillRect(v[0] - 24, v[1] - 10, v[2] + 48, v[3] + 20, on);
    } else if (t.kind == "forest" || t.kind == "hills" || t.kind == "meadow") {
      std::vector<float>& field = t.kind == "forest"  ? k.forest
                                  : t.kind == "hills" ? k.hills
                                                      : k.meadow;
      float r = static_cast<float>(v[2]);
      for (int y = std::max(0, v[1] - v[2] - 40); y < std::min(m.height, v[1] + v[2] + 40); ++y)
        for (int x = std::max(0, v[0] - v[2] - 40); x < std::min(m.width, v[0] + v[2] + 40); ++x) {
          float d = std::hypot(x - v[0], y - v[1]) / r;
          float edge = (Fbm(x / 45.0f, y / 45.0f, kSeed + 11, 3) - 0.5f) * 0.7f;
          float f = std::clamp((1.0f - d + edge) * 2.5f, 0.0f, 1.0f);
          float& cell = field[static_cast<std::size_t>(y) * m.width + x];
          cell = std::max(cell, f);
        }
    }
  }
  for (const auto& road : RoadPaths(m)) {
    Stroke(k.road, road, 12, on);
    Stroke(k.clear, road, 26, on);
  }
  for (const auto& [name, obj] : m.objects)
    k.clear.FillRect(obj.rect.left - 8, obj.rect.top - 8, obj.rect.width + 16, obj.rect.height + 16,
                     on);
  for (const auto& [number, p] : m.waypoints) k.clear.FillCircle(p.x + 12, p.y + 12, 22, on);
  return k;
}

bool Clear(const Masks& k, float x, float y) {
  return k.clear.Get(static_cast<int>(x), static_cast<int>(y)).a > 20;
}

void PaintGround(Canvas& c, const Masks& k) {
  for (int y = 0; y < k.h; ++y)
    for (int x = 0; x < k.w; ++x) {
      float big = Fbm(x / 220.0f, y / 220.0f, kSeed, 4);
      float fine = Fbm(x / 18.0f, y / 18.0f, kSeed + 1, 3);
      float hill = k.At(k.hills, x, y), meadow = k.At(k.meadow, x, y),
            forest = k.At(k.forest, x, y);
      Rgba g = Mix(Hex(0x5f8a34), Hex(0x86a84a), big);
      g = Mix(g, Hex(0x9cbc5a), meadow * 0.55f);
      g = Mix(g, Hex(0x8a8a52), hill * 0.55f * (0.6f + 0.4f * fine));
      g = Mix(g, Hex(0x34552a), forest * 0.85f);
      // Relief: light from the upper left on a height made of the hills.
      float hx = k.At(k.hills, x + 2, y) - k.At(k.hills, x - 2, y);
      float hy = k.At(k.hills, x, y + 2) - k.At(k.hills, x, y - 2);
      float bumps = Fbm(x / 30.0f, y / 30.0f, kSeed + 5, 3);
      float shade = 1.0f - (hx + hy) * 0.9f + (bumps - 0.5f) * 0.25f * (0.3f + hill);
      g = Shade(g, (0.9f + 0.2f * fine) * shade);
      float grain = Hash01(x, y, kSeed);
      if (grain > 0.985f && forest < 0.3f) g = Shade(g, 1.25f);  // flowers of light
      float water = k.water.Get(x, y).a / 255.0f;
      if (water > 0) {
        float ripple =
            0.5f + 0.5f * std::sin(x / 7.0f + Fbm(x / 30.0f, y / 12.0f, kSeed + 9, 2) * 9);
        Rgba w = Mix(Hex(0x2c5f93), Hex(0x4a86bb), 0.4f * fine + 0.3f * ripple);
        g = Mix(Mix(g, Hex(0xb8a878), std::min(1.0f, water * 3)), w,
                std::clamp(water * 1.4f - 0.3f, 0.0f, 1.0f));
      } else {
        // Sand along the shores.
        float near = 0;
        for (int d : {4, 7}) {
          near = std::max({near, k.water.Get(x + d, y).a / 255.0f, k.water.Get(x - d, y).a / 255.0f,
                           k.water.Get(x, y + d).a / 255.0f, k.water.Get(x, y - d).a / 255.0f});
        }
        g = Mix(g, Hex(0xb9ac78), near * 0.55f);
      }
      c.Set(x, y, g);
    }
}

void PaintHills(Canvas& c, const Masks& k) {
  Rng rng("hills");
  for (int y = 20; y < k.h; y += 26)
    for (int x = 10; x < k.w; x += 34) {
      float px = x + rng.Range(-10, 10), py = y + rng.Range(-8, 8);
      float hill = k.At(k.hills, static_cast<int>(px), static_cast<int>(py));
      if (hill < 0.35f || rng.Uniform() > hill || Clear(k, px, py) || Clear(k, px, py - 20))
        continue;
      if (k.water.Get(static_cast<int>(px), static_cast<int>(py)).a > 0) continue;
      float w = rng.Range(26, 44), h = w * rng.Range(0.45f, 0.65f);
      Rgba base = Mix(Hex(0x8c8c50), Hex(0x9a8a60), rng.Uniform());
      std::vector<Pt> dome;
      for (int a = 0; a <= 16; ++a) {
        float t = a / 16.0f * 3.14159f;
        dome.push_back({px - std::cos(t) * w / 2, py - std::sin(t) * h});
      }
      c.FillPolygon(dome, Shade(base, 0.78f));
      std::vector<Pt> lit = {{px - w / 2, py}};
      for (int a = 0; a <= 8; ++a) {
        float t = a / 16.0f * 3.14159f;
        lit.push_back({px - std::cos(t) * w / 2, py - std::sin(t) * h});
      }
      lit.push_back({px + w * 0.05f, py - h * 0.4f});
      lit.push_back({px - w * 0.1f, py});
      c.FillPolygon(lit, Shade(base, 1.12f));
      if (rng.Uniform() < 0.4f) c.FillEllipse(px + w * 0.15f, py - h * 0.35f, 3, 2, Hex(0x9a9890));
    }
}

// Water (or its bank) under a tree's crown or beside its trunk.
bool NearWater(const Masks& k, float px, float py) {
  for (int dy : {-16, -8, 0}) {
    for (int dx : {-12, 0, 12}) {
      if (k.water.Get(static_cast<int>(px) + dx, static_cast<int>(py) + dy).a > 0) return true;
    }
  }
  return false;
}

void PaintTrees(Canvas& c, const Masks& k, bool only_lone) {
  Rng rng(only_lone ? "lone trees" : "woods");
  int step = only_lone ? 60 : 11;
  for (int y = 6; y < k.h + 10; y += step)
    for (int x = 4; x < k.w; x += step) {
      float px = x + rng.Range(-step * 0.45f, step * 0.45f),
            py = y + rng.Range(-step * 0.45f, step * 0.45f);
      float forest = k.At(k.forest, static_cast<int>(px), static_cast<int>(py));
      float roll = rng.Uniform();
      if (only_lone ? (forest > 0.05f || roll > 0.18f) : roll > forest * 1.1f) continue;
      if (Clear(k, px, py) || Clear(k, px, py - 14) ||
          k.water.Get(static_cast<int>(px), static_cast<int>(py)).a > 0 ||
          k.water.Get(static_cast<int>(px), static_cast<int>(py) + 4).a > 0 || NearWater(k, px, py))
        continue;
      float hill = k.At(k.hills, static_cast<int>(px), static_cast<int>(py));
      bool conifer = rng.Uniform() < 0.15f + hill * 0.6f + (py < 500 ? 0.2f : 0.0f);
      Rgba leaf = Mix(Hex(0x2f6a2a), Hex(0x4f8a34), rng.Uniform());
      if (conifer)
        Conifer(c, px, py, rng.Range(16, 24), Mix(Hex(0x1f4a2c), Hex(0x2d5e34), rng.Uniform()));
      else
        Tree(c, px, py, rng.Range(6, 9), leaf, static_cast<std::uint32_t>(rng.Next()));
    }
}

void PaintRoads(Canvas& c, const valorne::MapLayout& m, const Masks& k) {
  std::vector<std::vector<Pt>> roads = RoadPaths(m);
  for (const auto& r : roads) Stroke(c, r, 15, Hex(0x6a5432, 200));
  for (const auto& r : roads) Stroke(c, r, 11, Hex(0xb89c68));
  for (const auto& r : roads) {
    for (std::size_t i = 0; i + 1 < r.size(); ++i) {
      float dx = r[i + 1].x - r[i].x, dy = r[i + 1].y - r[i].y, len = std::hypot(dx, dy);
      float nx = -dy / len * 2.5f, ny = dx / len * 2.5f;  // cart ruts
      c.Line(r[i].x + nx, r[i].y + ny, r[i + 1].x + nx, r[i + 1].y + ny, 1.2f, Hex(0x8a7048, 150));
      c.Line(r[i].x - nx, r[i].y - ny, r[i + 1].x - nx, r[i + 1].y - ny, 1.2f, Hex(0x8a7048, 150));
    }
  }
  // Bridges: wherever a road runs over water.
  for (const auto& r : roads)
    for (std::size_t i = 0; i + 1 < r.size(); ++i) {
      Pt a = r[i], b = r[i + 1];
      bool wet = false;
      for (float t : {0.0f, 0.5f, 1.0f})
        wet = wet || k.water.Get(static_cast<int>(a.x + (b.x - a.x) * t),
                                 static_cast<int>(a.y + (b.y - a.y) * t))
                             .a > 100;
      if (!wet) continue;
      float dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
      float ex = dx / len * 5, ey = dy / len * 5;
      c.Line(a.x - ex, a.y - ey, b.x + ex, b.y + ey, 21, Hex(0x000000, 60));
      c.Line(a.x - ex, a.y - ey, b.x + ex, b.y + ey, 18, Hex(0x4a2e16));
      c.Line(a.x - ex, a.y - ey, b.x + ex, b.y + ey, 13, Hex(0x9a6a3a));
      for (float t = 0; t <= 1.0f; t += 3.0f / len) {
        float px = a.x + dx * t, py = a.y + dy * t, nx = -dy / len * 6.5f, ny = dx / len * 6.5f;
        c.Line(px - nx, py - ny, px + nx, py + ny, 0.8f, Hex(0x5a3a1e));
      }
    }
}

void PaintBorders(Canvas& c, const valorne::MapLayout& m) {
  for (const valorne::MapTerrain& t : m.terrain) {
    if (t.kind != "border") continue;
    float carry = 0;
    for (std::size_t k = 0; k + 3 < t.values.size(); k += 2) {
      Pt a{static_cast<float>(t.values[k]), static_cast<float>(t.values[k + 1])};
      Pt b{static_cast<float>(t.values[k + 2]), static_cast<float>(t.values[k + 3])};
      float len = std::hypot(b.x - a.x, b.y - a.y);
      for (float d = carry; d < len; d += 16) {
        float t0 = d / len, t1 = std::min(1.0f, (d + 9) / len);
        c.Line(a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0, a.x + (b.x - a.x) * t1,
               a.y + (b.y - a.y) * t1, 4, Hex(0x801818, 170));
        carry = d + 16 - len;
      }
    }
  }
}

// Worn ground round the villages and the castles, so they sit in the land.
void PaintYards(Canvas& c, const valorne::MapLayout& m) {
  for (const auto& [name, obj] : m.objects) {
    bool yard = name.starts_with("VillageImg") || name.starts_with("WarBuilding") ||
                name.starts_with("GarryImg") || name.starts_with("OutpostImg");
    if (!yard) continue;
    const valorne::MapRect& r = obj.rect;
    c.FillEllipse(r.left + r.width / 2.0f, r.top + r.height * 0.62f, r.width * 0.62f,
                  r.height * 0.48f, Hex(0xa89a66, 110));
  }
}

const Canvas& BaseMap(const Context& ctx) {
  static std::once_flag once;
  static Canvas map;
  std::call_once(once, [&] {
    const valorne::MapLayout& m = ctx.map;
    Masks k = BuildMasks(m);
    map = Canvas(m.width, m.height);
    PaintGround(map, k);
    PaintYards(map, m);
    PaintHills(map, k);
    PaintWaterfalls(map, m);
    PaintBorders(map, m);
    PaintRoads(map, m, k);
    PaintTrees(map, k, false);
    PaintTrees(map, k, true);
  });
  return map;
}

// A small map of the land round waypoint `waypoint`, the place ringed in
// red like a mark on a scout's chart.
Canvas ScoutMap(const Context& ctx, int waypoint) {
  constexpr int kW = 160, kH = 120, kCropW = 640, kCropH = 480;
  const Canvas& land = BaseMap(ctx);
  const auto it = ctx.map.waypoints.find(waypoint);
  const int cx = it == ctx.map.waypoints.end() ? land.width() / 2 : it->second.x + 12;
  const int cy = it == ctx.map.waypoints.end() ? land.height() / 2 : it->second.y + 12;
  const int left = std::clamp(cx - kCropW / 2, 0, std::max(0, land.width() - kCropW));
  const int top = std::clamp(cy - kCropH / 2, 0, std::max(0, land.height() - kCropH));
  Canvas small = land.Crop(left, top, kCropW, kCropH).Scaled(kW, kH);
  small.FillRect(0, 0, kW, kH, Hex(0xe9dbb5, 48));
  const float x = (cx - left) * kW / static_cast<float>(kCropW);
  const float y = (cy - top) * kH / static_cast<float>(kCropH);
  small.Ring(x, y, 13, 3, Hex(0xb01810));
  small.Line(x - 5, y - 5, x + 5, y + 5, 2.5f, Hex(0xb01810));
  small.Line(x - 5, y + 5, x + 5, y - 5, 2.5f, Hex(0xb01810));
  Bevel(small, 0, 0, kW, kH, 3, 0.7f, true);
  return small;
}

}  // namespace

void RegisterTerrain(Registry& r) {
  // The scouts' places: the dolmen (waypoint 18), the statue (29), the
  // chapel (42).
  const int places[] = {18, 29, 42};
  for (int k = 0; k < 3; ++k) {
    const int waypoint = places[k];
    r.Picture("ScoutMapRes" + std::to_string(k + 1),
              [waypoint](const Context& ctx) { return ScoutMap(ctx, waypoint); });
  }
  r.Picture("mapres", [](const Context& ctx) { return BaseMap(ctx); });
  // The land in miniature, a little faded like an old map so that the
  // preview's markers stand out, with a dark rim.
  r.Picture("mappreviewres", [](const Context& ctx) {
    Canvas small = BaseMap(ctx).Scaled(kPreviewWidth, kPreviewHeight);
    small.FillRect(0, 0, kPreviewWidth, kPreviewHeight, Hex(0xe9dbb5, 56));
    Bevel(small, 0, 0, kPreviewWidth, kPreviewHeight, 4, 0.7f, true);
    return small;
  });
}

}  // namespace art
