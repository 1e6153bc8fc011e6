// The layout of the county map: the size of the painted map, where every map
// object and every waypoint marker lies on it, the roads between waypoints,
// the terrain the painter draws, and the control slots of the two menu bars.
// The file is plain text ("maps/camp1.map"); its format is described at the
// top of the file itself.
#pragma once

#include <filesystem>
#include <istream>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace valorne {

struct MapRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  friend bool operator==(const MapRect&, const MapRect&) = default;
};

struct MapPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const MapPoint&, const MapPoint&) = default;
};

// A map object: its rectangle and, when it stands by a waypoint, that
// waypoint's number (0 = none).
struct MapObject {
  MapRect rect;
  int waypoint = 0;
};

struct MapRoad {
  int from = 0;
  int to = 0;
};

// A terrain feature for the painter: forest, hills, lake, river, border,
// meadow, waterfall (a rectangle: painted as a rocky ledge and animated on the
// map). The numbers are as the file gives them.
struct MapTerrain {
  std::string kind;
  std::vector<int> values;
};

// A place where the map comes alive: "fish" (a spot in the water where a
// fish may leap) or "smoke" (a chimney; the point is where the smoke starts).
struct MapAmbientSpot {
  std::string kind;
  MapPoint at;
  friend bool operator==(const MapAmbientSpot&, const MapAmbientSpot&) = default;
};

struct MapLayout {
  int width = 0;
  int height = 0;
  std::map<std::string, MapObject> objects;  // by control name
  std::map<int, MapPoint> waypoints;         // marker left/top by number
  std::vector<MapRoad> roads;
  std::vector<MapTerrain> terrain;
  std::vector<MapAmbientSpot> ambient;
  MapPoint top_bar_size;                      // menutopres
  MapPoint bottom_bar_size;                   // menubottomres
  std::map<std::string, MapRect> top_bar;     // label slots on the status bar
  std::map<std::string, MapRect> bottom_bar;  // buttons on the command bar

  // Waypoint markers are this many units square; the road runs through the
  // marker's centre.
  static constexpr int kMarkerSize = 24;
  MapPoint RoadPoint(int waypoint) const;  // centre of the marker
  std::vector<int> Neighbours(int waypoint) const;
  // The terrain features of one kind ("waterfall"), in file order.
  std::vector<MapTerrain> TerrainOf(std::string_view kind) const;
  // The ambient spots of one kind ("fish", "smoke"), in file order.
  std::vector<MapPoint> AmbientSpots(std::string_view kind) const;
};

// A missing, unreadable or malformed layout. The message names the file and,
// for a bad line, the line number and what is wrong with it.
struct MapLayoutError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

MapLayout LoadMapLayout(const std::filesystem::path& path);
MapLayout ParseMapLayout(std::istream& in, const std::string& source_name);

}  // namespace valorne
