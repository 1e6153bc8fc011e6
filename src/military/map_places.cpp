#include "military/map_places.h"

#include <array>
#include <string>

namespace valorne {

namespace {

constexpr std::array<PlaceInfo, 24> kPlaces = {{
    {"DolmenImg1", "dolmen01.wav", {4, 91}, {1, 34}},
    {"ADolmenImg1", "dolmen01.wav", {4, 92}, {1, 35}},
    {"CrossImg1", "cross01.wav", {4, 93}, {1, 36}},
    {"ChapelImg1", "chapel01.wav", {4, 94}, {1, 37}},
    {"GChapelImg1", "gchapel01.wav", {4, 95}, {1, 38}},
    {"HutImg1", "hut01.wav", {4, 96}, {1, 39}},
    {"ObeliskImg1", "obelisk01.wav", {4, 97}, {1, 40}},
    {"StatueImg1", "statue01.wav", {4, 98}, {1, 41}},
    {"TavernImg1", "tavern01.wav", {4, 99}, {1, 42}},
    {"HBattlefieldImg1", "battlefield01.wav", {4, 100}, {1, 43}},
    {"RuinsImg1", "ruins01.wav", {4, 101}, {1, 44}},
    {"CaveImg1", "cave01.wav", {4, 102}, {1, 45}},
    {"ChestImg1", "treasure01.wav", {4, 103}, {1, 46}},
    {"ChestImg2", "treasure01.wav", {4, 103}, {1, 46}},
    {"ChestImg3", "treasure01.wav", {4, 103}, {1, 46}},
    {"GarryImg", "trade01.wav", {4, 104}, {1, 47}},
    {"SiegeImg", "siege01.wav", {4, 105}, {1, 48}},
    {"SiegeImg2", "siege01.wav", {4, 105}, {1, 48}},
    {"SiegeImg3", "siege01.wav", {4, 105}, {1, 48}},
    {"BattlefieldImg1", "battlefield01.wav", {4, 106}, {1, 49}},
    {"VillageImg1", "people01.wav", {4, 85}, {1, 50}},
    {"WindmillImg1", "windmill01.wav", {4, 107}, {1, 51}},
    {"OutpostImg1", "army01.wav", {4, 108}, {1, 52}},
    {"AlliesArmyImg1", "siege01.wav", {4, 130}, {1, 62}},
}};

constexpr std::string_view kSecondAllies = "AlliesArmyImg2";

// The enemy forces: their name (category 4) and description (category 1).
constexpr TextRef kCampName{4, 153};
constexpr TextRef kOutlawName{4, 154};
constexpr TextRef kRebelName{4, 155};
constexpr TextRef kCampText{1, 53};
constexpr TextRef kOutlawText{1, 54};
constexpr TextRef kRebelText{1, 55};
constexpr TextRef kSoldiers{4, 156};  // "Soldiers:", the total follows

constexpr TextRef kPlaceHeld{4, 41};
constexpr TextRef kPlaceClearedText{4, 42};

// The number at the end of a control name after `prefix` and before
// `suffix` ("EnemyCamp3Img" gives 3); 0 when the name is not of that form.
int NumberIn(std::string_view name, std::string_view prefix, std::string_view suffix) {
  if (!name.starts_with(prefix) || !name.ends_with(suffix)) return 0;
  const std::string_view digits =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (digits.size() != 1 || digits[0] < '1' || digits[0] > '9') return 0;
  return digits[0] - '0';
}

void ClearPanel(LiveState& live) {
  live.InfoName = live.InfoText = live.InfoState = live.InfoStateHint = TextRef{};
  live.InfoTroops = -1;
}

struct RemoteSite {
  Byte waypoint;
  std::string_view object;
  Byte LiveState::*discovered;
};
constexpr std::array<RemoteSite, 3> kRemoteSites = {{
    {18, "ADolmenImg1", &LiveState::DolmenDiscovered},
    {29, "StatueImg1", &LiveState::StatueDiscovered},
    {42, "ChapelImg1", &LiveState::ChapelDiscovered},
}};

const RemoteSite* FindSite(int site) {
  return site >= 1 && site <= 3 ? &kRemoteSites[static_cast<std::size_t>(site - 1)] : nullptr;
}

}  // namespace

const PlaceInfo* FindPlaceInfo(std::string_view object) {
  // The second allied army, the other villages and windmills tell the same
  // as the first.
  if (object == kSecondAllies) object = "AlliesArmyImg1";
  if (object == "VillageImg2" || object == "VillageImg3") object = "VillageImg1";
  if (object == "WindmillImg2" || object == "WindmillImg3") object = "WindmillImg1";
  for (const PlaceInfo& place : kPlaces) {
    if (place.object == object) return &place;
  }
  return nullptr;
}

bool ShowPlaceInfo(Game& game, std::string_view object) {
  const PlaceInfo* place = FindPlaceInfo(object);
  if (!place) return false;
  game.PlaySound(kPlaceSoundChannel, place->sound);
  LiveState& live = game.live;
  ClearPanel(live);
  live.InfoName = place->name;
  live.InfoText = place->text;
  const int band = place->object == "RuinsImg1"  ? kRuinsBand
                   : place->object == "CaveImg1" ? kCaveBand
                                                 : 0;
  if (band != 0) {
    if (PlaceCleared(game.state, band)) {
      live.InfoState = kPlaceClearedText;
    } else {
      live.InfoState = kPlaceHeld;
      live.InfoStateHint = StrengthHint(game.state.Outlaws.Band(band).Total());
    }
  } else if (place->object == "AlliesArmyImg1") {
    live.InfoState = {4, 131};
  }
  return true;
}

long ForceTroops(const GameState& s, std::string_view object) {
  if (const int camp = NumberIn(object, "EnemyCamp", "Img"); camp >= 1 && camp <= 5) {
    const int county = camp <= 3 ? 1 : 2;
    return s.RivalStance[county] == 100 ? s.CampArmies[camp].Total() : -1;
  }
  if (const int band = NumberIn(object, "OutLawArmyImg", ""); band >= 1 && band <= 3) {
    return s.Outlaws.Band(band).Total();
  }
  switch (NumberIn(object, "RebelionArmyImg", "")) {
    case 1:
      return static_cast<long>(s.RebelStrength[1]) + s.RebelStrength[2];
    case 2:
      return s.RebelBandStrengths[1];
    case 3:
      return s.RebelBandStrengths[2];
    default:
      return -1;
  }
}

bool ShowForceInfo(Game& game, std::string_view object) {
  TextRef name;
  TextRef text;
  if (const int camp = NumberIn(object, "EnemyCamp", "Img"); camp >= 1 && camp <= 5) {
    name = kCampName;
    text = kCampText;
  } else if (const int band = NumberIn(object, "OutLawArmyImg", ""); band >= 1 && band <= 3) {
    name = kOutlawName;
    text = kOutlawText;
  } else if (const int mob = NumberIn(object, "RebelionArmyImg", ""); mob >= 1 && mob <= 3) {
    name = kRebelName;
    text = kRebelText;
  } else {
    return false;
  }
  game.PlaySound(kPlaceSoundChannel, "siege01.wav");
  LiveState& live = game.live;
  ClearPanel(live);
  live.InfoName = name;
  live.InfoText = text;
  live.InfoTroops = ForceTroops(game.state, object);
  if (live.InfoTroops >= 0) live.InfoState = kSoldiers;
  return true;
}

bool PlaceCleared(const GameState& state, int band) {
  return state.Outlaws.Band(band).Total() <= 0;
}

TextRef StrengthHint(long soldiers) {
  if (soldiers <= 400) return {4, 131};
  if (soldiers <= 800) return {4, 132};
  if (soldiers <= 1200) return {4, 133};
  return {4, 134};
}

Byte RemoteSiteWaypoint(int site) {
  const RemoteSite* s = FindSite(site);
  return s ? s->waypoint : 0;
}

std::string_view RemoteSiteObject(int site) {
  const RemoteSite* s = FindSite(site);
  return s ? s->object : std::string_view{};
}

bool RemoteSiteDiscovered(const Game& game, int site) {
  const RemoteSite* s = FindSite(site);
  return s && game.live.*(s->discovered) == 1;
}

void DiscoverRemoteSite(Game& game, int site) {
  const RemoteSite* s = FindSite(site);
  if (!s || game.live.*(s->discovered) == 1) return;
  game.live.*(s->discovered) = 1;
  game.live.DiscoveryFlagsRaised = true;
}

}  // namespace valorne
