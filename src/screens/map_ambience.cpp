#include "screens/map_ambience.h"

#include <algorithm>

namespace valorne {

namespace {

using namespace ambience;

constexpr std::uint32_t kDiceSeed = 0x9e3779b9u;

// Paces of the looping sprites, in milliseconds a frame.
constexpr int kWindmillFrameMs = 170;
constexpr int kSmokeFrameMs = 150;
constexpr int kFireFrameMs = 100;
constexpr int kWaterfallFrameMs = 110;
constexpr int kBirdsFrameMs = 120;

// A chest glints once in its own period; chests are out of step.
constexpr int kGlintPeriodMs = 4200;
constexpr int kGlintPeriodStepMs = 1300;
constexpr int kGlintOffsetMs = 1700;

Rect ToRect(const MapRect& r) {
  return {r.left, r.top, r.width, r.height};
}

// The number at the end of a control name ("VillageImg2" gives "2").
std::string NumberOf(const std::string& name) {
  std::size_t at = name.size();
  while (at > 0 && name[at - 1] >= '0' && name[at - 1] <= '9') --at;
  return name.substr(at);
}

// The object whose rectangle holds a point (a chimney belongs to its
// village), or none.
std::string ObjectAt(const MapLayout& map, MapPoint p) {
  for (const auto& [name, object] : map.objects) {
    const MapRect& r = object.rect;
    if (p.x >= r.left && p.x < r.right() && p.y >= r.top && p.y < r.bottom()) return name;
  }
  return {};
}

bool Burnt(std::string_view picture) {
  return picture.find("Burnt") != std::string_view::npos;
}

int Looping(std::int64_t now, int frame_ms, int frames, int offset) {
  return static_cast<int>((now / frame_ms + offset) % frames);
}

}  // namespace

std::vector<AmbientPlace> AmbientPlaces(const MapLayout& map) {
  std::vector<AmbientPlace> places;
  int n = 0;
  for (const MapTerrain& fall : map.TerrainOf("waterfall")) {
    const MapRect r{fall.values[0], fall.values[1], fall.values[2], fall.values[3]};
    // A square as tall as the fall and a little more, centred on it.
    const int side = r.height + 8;
    places.push_back({"WaterfallAnimImg" + std::to_string(++n),
                      AmbientKind::Waterfall,
                      "WaterfallAnimRes",
                      {r.left + r.width / 2 - side / 2, r.top - 4, side, side},
                      {}});
  }
  if (!map.AmbientSpots("fish").empty()) {
    places.push_back(
        {"FishAnimImg", AmbientKind::Fish, "FishAnimRes", {0, 0, kFishSize, kFishSize}, {}});
  }
  for (const auto& [name, object] : map.objects) {
    if (!name.starts_with("WindmillImg")) continue;
    const MapRect& r = object.rect;
    places.push_back({"WindmillAnimImg" + NumberOf(name),
                      AmbientKind::Windmill,
                      "WindmillAnimRes",
                      {r.left + r.width / 2 - r.height / 2, r.top, r.height, r.height},
                      name});
  }
  for (const auto& [name, object] : map.objects) {
    const bool village = name.starts_with("VillageImg");
    if (!village && !name.starts_with("WindmillImg")) continue;
    const MapRect& r = object.rect;
    // The fire burns where the burnt picture shows its flames: in front of
    // a village, at the foot of a windmill.
    const Point foot = village
                           ? Point{r.left + r.width * 55 / 100 + 12, r.top + r.height * 95 / 100}
                           : Point{r.left + r.width / 2, r.bottom() - 4};
    places.push_back({(village ? "VillageFireImg" : "WindmillFireImg") + NumberOf(name),
                      AmbientKind::Fire,
                      "MapFireRes",
                      {foot.x - kFireSize / 2, foot.y - kFireSize + 2, kFireSize, kFireSize},
                      name});
  }
  n = 0;
  for (const MapPoint& chimney : map.AmbientSpots("smoke")) {
    places.push_back(
        {"SmokeAnimImg" + std::to_string(++n),
         AmbientKind::Smoke,
         "SmokeAnimRes",
         {chimney.x - kSmokeSize / 2, chimney.y - kSmokeSize + 2, kSmokeSize, kSmokeSize},
         ObjectAt(map, chimney)});
  }
  for (const auto& [name, object] : map.objects) {
    if (!name.starts_with("ChestImg")) continue;
    const Rect r = ToRect(object.rect);
    // On the lock of the lid.
    const Point lock{r.left + r.width * 62 / 100, r.top + r.height * 30 / 100};
    places.push_back({"ChestGlintImg" + NumberOf(name),
                      AmbientKind::Glint,
                      "ChestGlintRes",
                      {lock.x - kGlintSize / 2, lock.y - kGlintSize / 2, kGlintSize, kGlintSize},
                      name});
  }
  places.push_back(
      {"BirdsAnimImg", AmbientKind::Birds, "BirdsAnimRes", {0, 0, kBirdsSize, kBirdsSize}, {}});
  return places;
}

std::uint32_t MapAmbience::Dice::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

int MapAmbience::Dice::Between(int lo, int hi) {
  if (hi <= lo) return lo;
  return lo + static_cast<int>(Next() % static_cast<std::uint32_t>(hi - lo + 1));
}

MapAmbience::MapAmbience(const MapLayout& map)
    : places_(AmbientPlaces(map)),
      sprites_(places_.size()),
      fish_spots_(map.AmbientSpots("fish")),
      dice_(kDiceSeed) {
  for (std::size_t i = 0; i < places_.size(); ++i) sprites_[i].rect = places_[i].rect;
}

void MapAmbience::Advance(std::int64_t now, const Rect& view, const ObjectPicture& picture_of) {
  if (!started_) {
    started_ = true;
    next_leap_ = now + dice_.Between(1500, 4000);
    next_flight_ = now + dice_.Between(4000, 9000);
  }
  const Rect near{view.left - kViewMargin, view.top - kViewMargin, view.width + 2 * kViewMargin,
                  view.height + 2 * kViewMargin};
  int windmills = 0, fires = 0, smokes = 0, chests = 0;
  for (std::size_t i = 0; i < places_.size(); ++i) {
    const AmbientPlace& place = places_[i];
    AmbientSprite& sprite = sprites_[i];
    const std::string_view picture = place.object.empty() ? "" : picture_of(place.object);
    switch (place.kind) {
      case AmbientKind::Windmill:
        // The turning windmill stands in for the still one while it stands.
        sprite.shown = picture == "WindmillRes";
        sprite.frame = Looping(now, kWindmillFrameMs, kWindmillFrames, 3 * windmills++);
        break;
      case AmbientKind::Fire:
        sprite.shown = Burnt(picture);
        sprite.frame = Looping(now, kFireFrameMs, kFireFrames, 3 * fires++);
        break;
      case AmbientKind::Smoke:
        // A chimney smokes while its house stands.
        sprite.shown = place.object.empty() || (!picture.empty() && !Burnt(picture));
        sprite.frame = Looping(now, kSmokeFrameMs, kSmokeFrames, 5 * smokes++);
        break;
      case AmbientKind::Glint: {
        // Only a chest that is still closed holds treasure.
        const int k = chests++;
        const std::int64_t period = kGlintPeriodMs + kGlintPeriodStepMs * k;
        const std::int64_t phase = (now + kGlintOffsetMs * k) % period;
        sprite.shown = picture == "ChestRes1" && phase < kGlintFrames * kGlintFrameMs;
        sprite.frame = static_cast<int>(std::min<std::int64_t>(phase / kGlintFrameMs, 5));
        break;
      }
      case AmbientKind::Waterfall:
        sprite.shown = true;
        sprite.frame = Looping(now, kWaterfallFrameMs, kWaterfallFrames, 0);
        break;
      case AmbientKind::Fish:
        AdvanceFish(now, view, sprite, place);
        break;
      case AmbientKind::Birds:
        AdvanceBirds(now, view, sprite, place);
        break;
    }
    if (place.kind != AmbientKind::Fish && place.kind != AmbientKind::Birds) {
      sprite.rect = place.rect;
    }
    sprite.in_view = sprite.shown && !sprite.rect.Intersect(near).Empty();
  }
}

// Now and then a fish leaps at one of the fishing spots the player can see.
void MapAmbience::AdvanceFish(std::int64_t now, const Rect& view, AmbientSprite& sprite,
                              const AmbientPlace& place) {
  const std::int64_t leap_ms = static_cast<std::int64_t>(kFishFrames) * kFishFrameMs;
  if (leap_.leaping && now >= leap_.start + leap_ms) {
    leap_.leaping = false;
    next_leap_ = now + dice_.Between(1200, 4000);
  }
  if (!leap_.leaping && now >= next_leap_) {
    std::vector<MapPoint> seen;
    const Rect inner = view.Inset(place.rect.width / 2);
    for (const MapPoint& p : fish_spots_) {
      if (inner.Contains(Point{p.x, p.y})) seen.push_back(p);
    }
    if (seen.empty()) {
      next_leap_ = now + 1000;
    } else {
      const MapPoint p =
          seen[static_cast<std::size_t>(dice_.Between(0, static_cast<int>(seen.size()) - 1))];
      leap_ = {true, now, {p.x, p.y}};
    }
  }
  sprite.shown = leap_.leaping;
  sprite.frame = leap_.leaping ? static_cast<int>(std::min<std::int64_t>(
                                     (now - leap_.start) / kFishFrameMs, kFishFrames - 1))
                               : 0;
  sprite.rect = {leap_.at.x - place.rect.width / 2, leap_.at.y - place.rect.height / 2,
                 place.rect.width, place.rect.height};
}

// Now and then a flock flies across the part of the map in view, high up,
// from one side to the other.
void MapAmbience::AdvanceBirds(std::int64_t now, const Rect& view, AmbientSprite& sprite,
                               const AmbientPlace& place) {
  const int size = place.rect.width;
  if (flight_.flying && now >= flight_.end) {
    flight_.flying = false;
    next_flight_ = now + dice_.Between(15000, 35000);
  }
  if (!flight_.flying && now >= next_flight_ && !view.Empty()) {
    const bool rightwards = dice_.Between(0, 1) == 0;
    const int speed = dice_.Between(60, 85);
    const int y = view.top + dice_.Between(view.height / 10, view.height / 2);
    flight_.flying = true;
    flight_.start = now;
    flight_.from = {rightwards ? view.left - size : view.right(), y};
    flight_.dx_per_s = rightwards ? speed : -speed;
    flight_.dy_per_s = dice_.Between(-12, 12);
    flight_.end = now + static_cast<std::int64_t>(view.width + size) * 1000 / speed;
  }
  sprite.shown = flight_.flying;
  if (!flight_.flying) return;
  const std::int64_t t = now - flight_.start;
  sprite.rect = {flight_.from.x + static_cast<int>(flight_.dx_per_s * t / 1000),
                 flight_.from.y + static_cast<int>(flight_.dy_per_s * t / 1000), size, size};
  sprite.frame = Looping(now, kBirdsFrameMs, 4, 0) + (flight_.dx_per_s > 0 ? 0 : 4);
}

}  // namespace valorne
