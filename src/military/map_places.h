// The map's places as the player explores them: a click on a place plays its
// sound and puts its name and description on the map's information panel
// (the ruins and the cave add whether their outlaws are beaten and how
// strong they are); a click on an enemy force shows what it is and, where the
// county knows it, how many soldiers it has. Three remote places (the dolmen
// at waypoint 18, the statue at waypoint 29, the chapel at waypoint 42) stay
// off the map until scouts or an army discover them.
//
// The click handlers of the map call ShowPlaceInfo (or ShowForceInfo) first
// and then go on with the place's own behaviour where it has one (the trade
// post's goods, the siege markers, the battlefield, the outpost).
#pragma once

#include <string_view>

#include "state/game.h"

namespace valorne {

// The channel the places' sounds play on.
inline constexpr std::string_view kPlaceSoundChannel = "EnvChanel02";

// A place of the map and what its click tells.
struct PlaceInfo {
  std::string_view object;  // its control on the map
  std::string_view sound;
  TextRef name;  // first line of the panel (`Helper4`)
  TextRef text;  // second line (`Helper3`)
};

// The place of a map control; nullptr for a control that is no such place.
const PlaceInfo* FindPlaceInfo(std::string_view object);

// The information action of a place: its sound, then the panel emptied and
// filled with its name, description and (ruins, cave, allied armies) its
// third line. False, and nothing changes, for a control that is no place.
bool ShowPlaceInfo(Game& game, std::string_view object);

// The information action of an enemy force (`EnemyCamp1Img`..`EnemyCamp5Img`,
// `OutLawArmyImg1`..`OutLawArmyImg3`, `RebelionArmyImg1`..
// `RebelionArmyImg3`). False for any other control.
bool ShowForceInfo(Game& game, std::string_view object);

// The soldiers behind an enemy marker, or -1 while the county cannot know
// them (a rival's camp without our ambassador at its court).
long ForceTroops(const GameState& state, std::string_view object);

// Outlaw band 4 holds the cave, band 5 the ruins; the place is cleared once
// its band has no soldier left.
inline constexpr int kCaveBand = 4;
inline constexpr int kRuinsBand = 5;
bool PlaceCleared(const GameState& state, int band);

// The strength hint of a band of `soldiers` (4/131 .. 4/134).
TextRef StrengthHint(long soldiers);

// The remote places, by scout target: 1 the dolmen, 2 the statue, 3 the
// chapel. Their waypoint and map object; 0 and "" outside 1..3.
Byte RemoteSiteWaypoint(int site);
std::string_view RemoteSiteObject(int site);
bool RemoteSiteDiscovered(const Game& game, int site);

// Site 1..3 is discovered: its flag becomes 1, and the flag markers of the
// status bar go up to tell the player. A site found before stays as it is.
void DiscoverRemoteSite(Game& game, int site);

}  // namespace valorne
