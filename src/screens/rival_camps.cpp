#include "screens/rival_camps.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <string>

#include "rivals/rival_rules.h"

namespace valorne {

namespace {

constexpr int kCastleGate = 1;     // our castle's waypoint
constexpr int kRival1Castle = 51;  // rival county 1's castle, where its road begins
constexpr Byte kMarching = 2;
constexpr Byte kAtTheCastle = 3;

constexpr std::string_view kSiteObjects[] = {
    "DolmenImg1", "ADolmenImg1", "CrossImg1",  "ChapelImg1", "GChapelImg1",
    "HutImg1",    "ObeliskImg1", "StatueImg1", "TavernImg1", "HBattlefieldImg1"};
constexpr std::string_view kSiteFlags[] = {"SiteFlagRes1", "SiteFlagRes2", "SiteFlagRes3"};

constexpr std::string_view kCampPictures[] = {"EnemyCampRes1", "EnemyCampRes2"};
constexpr std::string_view kMarchPictures[] = {"EnemyMarchRes1", "EnemyMarchRes2"};

std::string CampObject(int camp) {
  return "EnemyCamp" + std::to_string(camp) + "Img";
}

MapPoint Centre(const MapRect& r) {
  return {r.left + r.width / 2, r.top + r.height / 2};
}

// The waypoints of the shortest road from `from` to `to`, both included;
// empty when no road leads there.
std::vector<int> RoadBetween(const MapLayout& map, int from, int to) {
  if (!map.waypoints.contains(from) || !map.waypoints.contains(to)) return {};
  std::map<int, int> came_from{{from, from}};
  std::deque<int> open{from};
  while (!open.empty() && !came_from.contains(to)) {
    const int here = open.front();
    open.pop_front();
    for (int next : map.Neighbours(here)) {
      if (came_from.emplace(next, here).second) open.push_back(next);
    }
  }
  if (!came_from.contains(to)) return {};
  std::vector<int> road{to};
  while (road.back() != from) road.push_back(came_from.at(road.back()));
  std::reverse(road.begin(), road.end());
  return road;
}

// The point a fraction 0..1 of the way along the route.
MapPoint AlongRoute(const std::vector<MapPoint>& route, double fraction) {
  if (route.empty()) return {};
  double length = 0;
  for (std::size_t i = 1; i < route.size(); ++i) {
    length += std::hypot(route[i].x - route[i - 1].x, route[i].y - route[i - 1].y);
  }
  double left = std::clamp(fraction, 0.0, 1.0) * length;
  for (std::size_t i = 1; i < route.size(); ++i) {
    const MapPoint a = route[i - 1];
    const MapPoint b = route[i];
    const double leg = std::hypot(b.x - a.x, b.y - a.y);
    if (left <= leg && leg > 0) {
      const double t = left / leg;
      return {static_cast<int>(std::lround(a.x + (b.x - a.x) * t)),
              static_cast<int>(std::lround(a.y + (b.y - a.y) * t))};
    }
    left -= leg;
  }
  return route.back();
}

}  // namespace

std::string_view SiteObject(int site) {
  return site >= 1 && site <= 10 ? kSiteObjects[site - 1] : std::string_view{};
}

std::string_view SiteFlagPicture(Byte holder) {
  return holder >= 1 && holder <= 3 ? kSiteFlags[holder - 1] : std::string_view{};
}

std::vector<MapPoint> MarchRoute(const MapLayout& map, int county) {
  const int camp = CampOf(county, 2);
  const auto object = map.objects.find(CampObject(camp));
  if (object == map.objects.end() || !map.waypoints.contains(kCastleGate)) return {};
  std::vector<MapPoint> route{Centre(object->second.rect)};
  // County 1 comes up the road from its castle; county 2 has no road to us
  // and comes straight over the hills.
  if (county == 1) {
    for (int waypoint : RoadBetween(map, kRival1Castle, kCastleGate)) {
      route.push_back(map.RoadPoint(waypoint));
    }
  } else {
    route.push_back(map.RoadPoint(kCastleGate));
  }
  return route;
}

RivalCampMarker RivalCampMarkerOf(const GameState& s, const MapLayout& map, int camp) {
  const int county = camp <= 3 ? 1 : 2;
  const int army = camp <= 3 ? camp : camp - 3;
  const RivalCounty& r = s.Rivals[county];
  const auto object = map.objects.find(CampObject(camp));
  const bool stands = IsTrue(county == 1 ? s.Rival1Standing : s.Rival2Standing);
  const Byte state = r.CampStates[army];
  RivalCampMarker marker;
  if (object == map.objects.end() || !stands || state == 0) return marker;
  const MapRect& home = object->second.rect;
  marker.shown = true;
  marker.picture = kCampPictures[county - 1];
  marker.at = {home.left, home.top};
  if (state != kMarching && state != kAtTheCastle) return marker;
  // On the road: as far along as the arrival countdown has run.
  double fraction = 1.0;
  if (state == kMarching) {
    const int total = ArrivalTurns(s.CampArmies[camp].Engineers);
    const int remaining = s.RivalStatus[county + 1];
    fraction = remaining >= 1 && remaining <= total
                   ? static_cast<double>(total - remaining + 1) / (total + 1)
                   : 0.0;
  }
  const MapPoint centre = AlongRoute(MarchRoute(map, county), fraction);
  marker.picture = kMarchPictures[county - 1];
  marker.at = {centre.x - home.width / 2, centre.y - home.height / 2};
  return marker;
}

}  // namespace valorne
