// The life of the county map while the player looks at it: the windmills'
// sails turn, smoke curls from the chimneys, burnt places smoulder, the
// treasure chests glint now and then, fish leap in the lakes and the river,
// the waterfall tumbles and flocks of birds cross the sky.
//
// This is presentation only. Every sprite is a picture strip of square
// frames laid over the map; what it shows follows from the time and from
// what the map's objects show (a burnt windmill does not turn, an opened
// chest does not glint). The moments of the fish and the birds come from a
// small generator of our own with a fixed seed, never from the game's
// random draws, so a replayed game is the same game with or without them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/geometry.h"
#include "screens/map_layout.h"

namespace valorne {

enum class AmbientKind { Windmill, Smoke, Fire, Glint, Fish, Waterfall, Birds };

// A sprite of the map: its control, the strip it shows, where it stands on
// the map (fish and birds: their size, placed when they appear) and the map
// object it belongs to (empty for none).
struct AmbientPlace {
  std::string control;
  AmbientKind kind = AmbientKind::Smoke;
  std::string_view picture;
  Rect rect;
  std::string object;
};

// The sprites of a county map, in drawing order (the birds last).
std::vector<AmbientPlace> AmbientPlaces(const MapLayout& map);

// What one sprite shows at a moment. `in_view` says whether it lies in (or
// near) the part of the map on the display; only such sprites need drawing.
struct AmbientSprite {
  bool shown = false;
  bool in_view = false;
  Rect rect;
  int frame = 0;
};

// The picture a map object shows now (empty when it is hidden).
using ObjectPicture = std::function<std::string_view(std::string_view object)>;

class MapAmbience {
 public:
  explicit MapAmbience(const MapLayout& map);

  const std::vector<AmbientPlace>& places() const { return places_; }
  const std::vector<AmbientSprite>& sprites() const { return sprites_; }

  // Brings every sprite to the moment `now_ms` (which only goes forward),
  // for the part of the map in `view` (map units) and the pictures the
  // objects show.
  void Advance(std::int64_t now_ms, const Rect& view, const ObjectPicture& picture_of);

  // A tiny generator of our own (xorshift), seeded with a constant.
  class Dice {
   public:
    explicit Dice(std::uint32_t seed) : state_(seed ? seed : 1) {}
    std::uint32_t Next();
    int Between(int lo, int hi);  // lo..hi inclusive

   private:
    std::uint32_t state_;
  };

 private:
  struct Flight {  // a flock of birds on its way across the view
    bool flying = false;
    std::int64_t start = 0;
    std::int64_t end = 0;
    Point from;
    int dx_per_s = 0;
    int dy_per_s = 0;
  };
  struct Leap {  // a fish out of the water
    bool leaping = false;
    std::int64_t start = 0;
    Point at;
  };

  void AdvanceFish(std::int64_t now, const Rect& view, AmbientSprite& sprite,
                   const AmbientPlace& place);
  void AdvanceBirds(std::int64_t now, const Rect& view, AmbientSprite& sprite,
                    const AmbientPlace& place);

  std::vector<AmbientPlace> places_;
  std::vector<AmbientSprite> sprites_;
  std::vector<MapPoint> fish_spots_;
  Dice dice_;
  bool started_ = false;
  std::int64_t next_leap_ = 0;
  std::int64_t next_flight_ = 0;
  Leap leap_;
  Flight flight_;
};

// Sizes and paces of the sprites, shared with the tests.
namespace ambience {
inline constexpr int kFishSize = 32;
inline constexpr int kBirdsSize = 64;
inline constexpr int kSmokeSize = 40;
inline constexpr int kFireSize = 32;
inline constexpr int kGlintSize = 24;
inline constexpr int kWindmillFrames = 8;
inline constexpr int kSmokeFrames = 8;
inline constexpr int kFireFrames = 8;
inline constexpr int kGlintFrames = 6;
inline constexpr int kFishFrames = 8;
inline constexpr int kWaterfallFrames = 6;
inline constexpr int kBirdsFrames = 8;  // 0..3 flying right, 4..7 flying left
inline constexpr int kFishFrameMs = 110;
inline constexpr int kGlintFrameMs = 90;
// A sprite this close to the view counts as in view, so that it is already
// in step when scrolling brings it in.
inline constexpr int kViewMargin = 64;
}  // namespace ambience

}  // namespace valorne
