// Where the rival counties' armies stand on the county map and what they
// look like: a camp at home, a column on the march moving along the road
// toward our castle as its arrival draws near, and the same column before
// the castle gate when it has arrived. Worked out from the game state alone;
// the map draws nothing at random here.
#pragma once

#include <string_view>

#include "screens/map_layout.h"
#include "state/game_state.h"

namespace valorne {

struct RivalCampMarker {
  bool shown = false;
  std::string_view picture;
  MapPoint at;  // the marker's left and top on the map
};

// The marker of enemy camp 1..5 (camps 1..3 are rival county 1's armies,
// 4 and 5 rival county 2's), for `EnemyCamp1Img` .. `EnemyCamp5Img`.
RivalCampMarker RivalCampMarkerOf(const GameState& s, const MapLayout& map, int camp);

// The map object of special place 1..10 (in the order of `SitesHeld`), and
// the flag over it (`SiteFlagImg1` .. `SiteFlagImg10`) that shows who holds
// it: the picture for a holder 1..3, none for a free place.
std::string_view SiteObject(int site);
std::string_view SiteFlagPicture(Byte holder);

// The way a county's marching army takes from its camp to our castle gate,
// as points of the map.
std::vector<MapPoint> MarchRoute(const MapLayout& map, int county);

}  // namespace valorne
