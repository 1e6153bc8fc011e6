// The special places of the map that the rival counties grab: each on its
// own turns, when the county has the gold and no army of the player stands
// by the place to keep it.
#include "rivals/rival_rules.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

// The waypoint each special place stands by, in the order of `SitesHeld`:
// dolmen, old dolmen, cross, chapel, great chapel, hut, obelisk, statue,
// tavern, old battlefield.
constexpr int kSiteWaypoints[] = {6, 18, 13, 42, 3, 38, 43, 29, 2, 32};

constexpr Long kGrabTreasury = 3500;  // the gold a county must have to grab a place
constexpr Long kGrabPrice = 3000;     // what the grab costs it

}  // namespace

int SiteWaypoint(int site) {
  return site >= 1 && site <= 10 ? kSiteWaypoints[site - 1] : 0;
}

void RivalSiteGrabs(GameState& s, const RivalProfile& p, RivalCounty& r) {
  for (const SiteGrab& grab : p.grabs) {
    if (s.Turn % grab.period != 0) continue;
    if (r.Gold < kGrabTreasury || s.SitesHeld[grab.site] == p.site_owner) continue;
    if (PlayerArmyOn(s, SiteWaypoint(grab.site))) continue;
    AddTo(r.Gold, -kGrabPrice);
    s.SitesHeld[grab.site] = p.site_owner;
  }
}

}  // namespace valorne
