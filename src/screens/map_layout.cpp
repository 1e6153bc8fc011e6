#include "screens/map_layout.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <set>
#include <sstream>

namespace valorne {
namespace {

// How many numbers each terrain keyword takes: exact, or a minimum with an
// odd/even rule for polylines.
struct TerrainShape {
  const char* kind;
  std::size_t min_values;
  bool polyline;      // after the fixed values, pairs of points
  std::size_t fixed;  // values before the points (polylines only)
};

constexpr TerrainShape kTerrainShapes[] = {
    {"forest", 3, false, 0},     // x y radius
    {"hills", 3, false, 0},      // x y radius
    {"meadow", 3, false, 0},     // x y radius
    {"lake", 4, false, 0},       // x y radius-x radius-y
    {"river", 5, true, 1},       // width x1 y1 x2 y2 ...
    {"border", 4, true, 0},      // x1 y1 x2 y2 ...
    {"waterfall", 4, false, 0},  // left top width height
};

// The kinds of "ambient KIND X Y" lines.
constexpr std::string_view kAmbientKinds[] = {"fish", "smoke"};

class LineParser {
 public:
  LineParser(const std::string& source, int line_no, std::vector<std::string> words)
      : source_(source), line_no_(line_no), words_(std::move(words)) {}

  [[noreturn]] void Fail(const std::string& what) const {
    throw MapLayoutError(source_ + " line " + std::to_string(line_no_) + ": " + what);
  }

  std::size_t size() const { return words_.size(); }
  const std::string& word(std::size_t i) const { return words_[i]; }

  void ExpectCount(std::size_t count, const char* usage) const {
    if (words_.size() != count) Fail(std::string("expected \"") + usage + "\"");
  }

  int Number(std::size_t i) const {
    const std::string& w = words_[i];
    int value = 0;
    auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), value);
    if (ec != std::errc() || end != w.data() + w.size())
      Fail("\"" + w + "\" is not a whole number");
    return value;
  }

  int NonNegative(std::size_t i) const {
    int v = Number(i);
    if (v < 0) Fail("\"" + words_[i] + "\" is negative");
    return v;
  }

  MapRect Rect(std::size_t first) const {
    MapRect r{NonNegative(first), NonNegative(first + 1), NonNegative(first + 2),
              NonNegative(first + 3)};
    if (r.width == 0 || r.height == 0) Fail("a rectangle needs a width and a height");
    return r;
  }

 private:
  const std::string& source_;
  int line_no_;
  std::vector<std::string> words_;
};

std::vector<std::string> SplitWords(const std::string& line) {
  std::string text = line.substr(0, line.find('#'));
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool Inside(const MapRect& r, MapPoint size) {
  return r.right() <= size.x && r.bottom() <= size.y;
}

void ParseTerrain(const LineParser& p, MapLayout& layout) {
  for (const TerrainShape& shape : kTerrainShapes) {
    if (p.word(0) != shape.kind) continue;
    std::size_t n = p.size() - 1;
    bool ok = shape.polyline ? n >= shape.min_values && (n - shape.fixed) % 2 == 0
                             : n == shape.min_values;
    if (!ok) p.Fail(std::string("wrong count of numbers for ") + shape.kind);
    MapTerrain t{shape.kind, {}};
    for (std::size_t i = 1; i < p.size(); ++i) t.values.push_back(p.Number(i));
    if (t.kind == "waterfall") {
      MapRect r = p.Rect(1);
      if (!Inside(r, {layout.width, layout.height})) p.Fail("the waterfall lies outside the map");
    }
    layout.terrain.push_back(std::move(t));
    return;
  }
  p.Fail("unknown keyword \"" + p.word(0) + "\"");
}

void ParseBarSlot(const LineParser& p, std::map<std::string, MapRect>& slots, MapPoint bar_size,
                  const char* bar) {
  p.ExpectCount(6, "top|bottom NAME LEFT TOP WIDTH HEIGHT");
  if (bar_size.x == 0) p.Fail(std::string("the ") + bar + " bar's size must come first");
  MapRect r = p.Rect(2);
  if (!Inside(r, bar_size)) p.Fail("\"" + p.word(1) + "\" lies outside the " + bar + " bar");
  if (!slots.emplace(p.word(1), r).second) p.Fail("\"" + p.word(1) + "\" is given twice");
}

void ParseLine(const LineParser& p, MapLayout& layout) {
  const std::string& key = p.word(0);
  MapPoint size{layout.width, layout.height};
  if (key == "size") {
    p.ExpectCount(3, "size WIDTH HEIGHT");
    if (layout.width != 0) p.Fail("the size is given twice");
    layout.width = p.NonNegative(1);
    layout.height = p.NonNegative(2);
    if (layout.width == 0 || layout.height == 0) p.Fail("the map needs a width and a height");
  } else if (key == "topbar" || key == "bottombar") {
    p.ExpectCount(3, "topbar|bottombar WIDTH HEIGHT");
    MapPoint& bar = key == "topbar" ? layout.top_bar_size : layout.bottom_bar_size;
    bar = {p.NonNegative(1), p.NonNegative(2)};
    if (bar.x == 0 || bar.y == 0) p.Fail("a bar needs a width and a height");
  } else if (key == "top") {
    ParseBarSlot(p, layout.top_bar, layout.top_bar_size, "top");
  } else if (key == "bottom") {
    ParseBarSlot(p, layout.bottom_bar, layout.bottom_bar_size, "bottom");
  } else if (layout.width == 0) {
    p.Fail("the first line must give the map's size");
  } else if (key == "object") {
    if (p.size() != 6 && !(p.size() == 8 && p.word(6) == "at"))
      p.Fail("expected \"object NAME LEFT TOP WIDTH HEIGHT [at WAYPOINT]\"");
    MapObject obj{p.Rect(2), p.size() == 8 ? p.NonNegative(7) : 0};
    if (!Inside(obj.rect, size)) p.Fail("\"" + p.word(1) + "\" lies outside the map");
    if (!layout.objects.emplace(p.word(1), obj).second)
      p.Fail("\"" + p.word(1) + "\" is given twice");
  } else if (key.starts_with("WalkTo")) {
    p.ExpectCount(3, "WalkToN LEFT TOP");
    int n = 0;
    const char* first = key.data() + 6;
    const char* last = key.data() + key.size();
    auto [end, ec] = std::from_chars(first, last, n);
    if (first == last || ec != std::errc() || end != last || n <= 0)
      p.Fail("\"" + key + "\" has no waypoint number");
    MapRect marker{p.NonNegative(1), p.NonNegative(2), MapLayout::kMarkerSize,
                   MapLayout::kMarkerSize};
    if (!Inside(marker, size)) p.Fail("\"" + key + "\" lies outside the map");
    if (!layout.waypoints.emplace(n, MapPoint{marker.left, marker.top}).second)
      p.Fail("\"" + key + "\" is given twice");
  } else if (key == "ambient") {
    p.ExpectCount(4, "ambient fish|smoke X Y");
    const std::string& kind = p.word(1);
    if (std::find(std::begin(kAmbientKinds), std::end(kAmbientKinds), kind) ==
        std::end(kAmbientKinds))
      p.Fail("unknown ambient kind \"" + kind + "\"");
    MapPoint at{p.NonNegative(2), p.NonNegative(3)};
    if (at.x >= size.x || at.y >= size.y) p.Fail("the " + kind + " spot lies outside the map");
    layout.ambient.push_back({kind, at});
  } else if (key == "road") {
    p.ExpectCount(3, "road FROM TO");
    MapRoad road{p.NonNegative(1), p.NonNegative(2)};
    if (road.from == road.to) p.Fail("a road needs two different waypoints");
    layout.roads.push_back(road);
  } else {
    ParseTerrain(p, layout);
  }
}

}  // namespace

MapPoint MapLayout::RoadPoint(int waypoint) const {
  MapPoint p = waypoints.at(waypoint);
  return {p.x + kMarkerSize / 2, p.y + kMarkerSize / 2};
}

std::vector<int> MapLayout::Neighbours(int waypoint) const {
  std::vector<int> out;
  for (const MapRoad& r : roads) {
    if (r.from == waypoint) out.push_back(r.to);
    if (r.to == waypoint) out.push_back(r.from);
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<MapTerrain> MapLayout::TerrainOf(std::string_view kind) const {
  std::vector<MapTerrain> out;
  for (const MapTerrain& t : terrain) {
    if (t.kind == kind) out.push_back(t);
  }
  return out;
}

std::vector<MapPoint> MapLayout::AmbientSpots(std::string_view kind) const {
  std::vector<MapPoint> out;
  for (const MapAmbientSpot& s : ambient) {
    if (s.kind == kind) out.push_back(s.at);
  }
  return out;
}

MapLayout ParseMapLayout(std::istream& in, const std::string& source_name) {
  MapLayout layout;
  std::vector<int> road_lines;
  int line_no = 0;
  for (std::string line; std::getline(in, line);) {
    ++line_no;
    std::vector<std::string> words = SplitWords(line);
    if (words.empty()) continue;
    std::size_t roads_before = layout.roads.size();
    ParseLine(LineParser(source_name, line_no, std::move(words)), layout);
    if (layout.roads.size() != roads_before) road_lines.push_back(line_no);
  }
  if (layout.width == 0) throw MapLayoutError(source_name + ": the map's size is missing");
  std::set<std::pair<int, int>> seen;
  for (std::size_t i = 0; i < layout.roads.size(); ++i) {
    const MapRoad& r = layout.roads[i];
    auto fail = [&](const std::string& what) {
      throw MapLayoutError(source_name + " line " + std::to_string(road_lines[i]) + ": " + what);
    };
    for (int end : {r.from, r.to}) {
      if (!layout.waypoints.contains(end))
        fail("the road leads to waypoint " + std::to_string(end) + ", which is not on the map");
    }
    if (!seen.insert({std::min(r.from, r.to), std::max(r.from, r.to)}).second)
      fail("the road is given twice");
  }
  for (const auto& [name, obj] : layout.objects) {
    if (obj.waypoint != 0 && !layout.waypoints.contains(obj.waypoint))
      throw MapLayoutError(source_name + ": \"" + name + "\" stands at waypoint " +
                           std::to_string(obj.waypoint) + ", which is not on the map");
  }
  return layout;
}

MapLayout LoadMapLayout(const std::filesystem::path& path) {
  std::ifstream in(path);
  if (!in) throw MapLayoutError("cannot open the map layout " + path.string());
  return ParseMapLayout(in, path.filename().string());
}

}  // namespace valorne
