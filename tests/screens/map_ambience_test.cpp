// The map's life on its own: where each sprite stands, what it shows for the
// pictures the map's objects show, how the loops turn, when chests glint,
// where fish leap and how the birds cross the view, and that the same moments
// give the same life.
#include "screens/map_ambience.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

namespace valorne {
namespace {

MapLayout SmallCounty() {
  std::istringstream in(
      "size 1000 800\n"
      "object WindmillImg1 100 100 60 95\n"
      "object VillageImg1 300 100 150 115\n"
      "object ChestImg1 600 100 44 36\n"
      "object ChestImg2 700 100 44 36\n"
      "waterfall 500 500 40 70\n"
      "ambient fish 200 600\n"
      "ambient fish 900 700\n"
      "ambient smoke 320 120\n"
      "ambient smoke 800 400\n");
  return ParseMapLayout(in, "small.map");
}

// What the objects show: standing places unless a case says otherwise.
struct Pictures {
  std::map<std::string, std::string, std::less<>> shown = {{"WindmillImg1", "WindmillRes"},
                                                           {"VillageImg1", "VillageRes1"},
                                                           {"ChestImg1", "ChestRes1"},
                                                           {"ChestImg2", "ChestRes1"}};
  ObjectPicture Fn() const {
    return [this](std::string_view object) -> std::string_view {
      auto it = shown.find(object);
      return it == shown.end() ? std::string_view() : std::string_view(it->second);
    };
  }
};

constexpr Rect kWholeMap{0, 0, 1000, 800};

std::size_t IndexOf(const MapAmbience& a, std::string_view control) {
  for (std::size_t i = 0; i < a.places().size(); ++i) {
    if (a.places()[i].control == control) return i;
  }
  ADD_FAILURE() << "no sprite " << control;
  return 0;
}

const AmbientSprite& Sprite(const MapAmbience& a, std::string_view control) {
  return a.sprites()[IndexOf(a, control)];
}

TEST(MapAmbience, EverySpriteStandsAtItsPlace) {
  struct Expect {
    const char* control;
    AmbientKind kind;
    Rect rect;
    const char* object;
  };
  const Expect expected[] = {
      {"WaterfallAnimImg1", AmbientKind::Waterfall, {481, 496, 78, 78}, ""},
      {"FishAnimImg", AmbientKind::Fish, {0, 0, 32, 32}, ""},
      // The turning windmill is a square as tall as the windmill, centred.
      {"WindmillAnimImg1", AmbientKind::Windmill, {83, 100, 95, 95}, "WindmillImg1"},
      {"VillageFireImg1", AmbientKind::Fire, {378, 179, 32, 32}, "VillageImg1"},
      {"WindmillFireImg1", AmbientKind::Fire, {114, 161, 32, 32}, "WindmillImg1"},
      // A chimney inside a village belongs to it; one outside to nothing.
      {"SmokeAnimImg1", AmbientKind::Smoke, {300, 82, 40, 40}, "VillageImg1"},
      {"SmokeAnimImg2", AmbientKind::Smoke, {780, 362, 40, 40}, ""},
      {"ChestGlintImg1", AmbientKind::Glint, {615, 98, 24, 24}, "ChestImg1"},
      {"ChestGlintImg2", AmbientKind::Glint, {715, 98, 24, 24}, "ChestImg2"},
      {"BirdsAnimImg", AmbientKind::Birds, {0, 0, 64, 64}, ""},
  };
  const std::vector<AmbientPlace> places = AmbientPlaces(SmallCounty());
  ASSERT_EQ(places.size(), std::size(expected));
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_EQ(places[i].control, expected[i].control);
    EXPECT_EQ(places[i].kind, expected[i].kind) << expected[i].control;
    EXPECT_EQ(places[i].rect, expected[i].rect) << expected[i].control;
    EXPECT_EQ(places[i].object, expected[i].object) << expected[i].control;
  }
  EXPECT_EQ(places.back().control, "BirdsAnimImg") << "the birds fly above everything";
}

TEST(MapAmbience, WhatShowsFollowsThePlaces) {
  struct Case {
    const char* what;
    const char* object;
    const char* picture;  // "" hides the object
    std::set<std::string> shown;
    std::set<std::string> hidden;
  };
  const Case cases[] = {
      {"a standing windmill turns",
       "WindmillImg1",
       "WindmillRes",
       {"WindmillAnimImg1", "WaterfallAnimImg1"},
       {"WindmillFireImg1"}},
      {"a burnt windmill smoulders and stands still",
       "WindmillImg1",
       "WindmillBurntRes",
       {"WindmillFireImg1"},
       {"WindmillAnimImg1"}},
      {"a windmill not on the map shows nothing",
       "WindmillImg1",
       "",
       {},
       {"WindmillAnimImg1", "WindmillFireImg1"}},
      {"a standing village smokes from its chimney",
       "VillageImg1",
       "VillageRes1",
       {"SmokeAnimImg1", "SmokeAnimImg2"},
       {"VillageFireImg1"}},
      {"a burnt village burns, its chimney is cold",
       "VillageImg1",
       "VillageBurntRes1",
       {"VillageFireImg1", "SmokeAnimImg2"},
       {"SmokeAnimImg1"}},
  };
  for (const Case& c : cases) {
    Pictures pictures;
    pictures.shown[c.object] = c.picture;
    MapAmbience a(SmallCounty());
    a.Advance(500, kWholeMap, pictures.Fn());
    for (const std::string& control : c.shown) {
      EXPECT_TRUE(Sprite(a, control).shown) << c.what << ": " << control;
      EXPECT_TRUE(Sprite(a, control).in_view) << c.what << ": " << control;
    }
    for (const std::string& control : c.hidden)
      EXPECT_FALSE(Sprite(a, control).shown) << c.what << ": " << control;
  }
}

TEST(MapAmbience, LoopsTurnThroughEveryFrameAndComeRound) {
  struct Case {
    const char* control;
    int frames;
  };
  const Case cases[] = {{"WindmillAnimImg1", ambience::kWindmillFrames},
                        {"SmokeAnimImg1", ambience::kSmokeFrames},
                        {"WaterfallAnimImg1", ambience::kWaterfallFrames},
                        {"VillageFireImg1", ambience::kFireFrames}};
  for (const Case& c : cases) {
    Pictures pictures;
    if (std::string_view(c.control) == "VillageFireImg1")
      pictures.shown["VillageImg1"] = "VillageBurntRes1";
    MapAmbience a(SmallCounty());
    std::set<int> seen;
    int changes = 0;
    int last = -1;
    for (int t = 0; t < 3000; t += 10) {
      a.Advance(t, kWholeMap, pictures.Fn());
      const int frame = Sprite(a, c.control).frame;
      EXPECT_GE(frame, 0) << c.control;
      EXPECT_LT(frame, c.frames) << c.control;
      seen.insert(frame);
      if (last >= 0 && frame != last) ++changes;
      last = frame;
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(c.frames)) << c.control;
    // Several rounds in three seconds, each step to the next frame round the strip.
    EXPECT_GE(changes, c.frames) << c.control;
  }
  // Two windmills of one county do not turn in step.
  std::istringstream in(
      "size 500 500\nobject WindmillImg1 0 0 60 95\nobject WindmillImg2 200 0 60 95\n");
  MapAmbience two(ParseMapLayout(in, "two.map"));
  two.Advance(0, {0, 0, 500, 500},
              [](std::string_view) { return std::string_view("WindmillRes"); });
  EXPECT_NE(Sprite(two, "WindmillAnimImg1").frame, Sprite(two, "WindmillAnimImg2").frame);
}

TEST(MapAmbience, OnlyClosedChestsGlintAndOnlyNowAndThen) {
  struct Case {
    const char* chest2;  // the second chest's picture
    bool glints;
  };
  for (const Case& c : {Case{"ChestRes1", true}, Case{"ChestRes2", false}}) {
    Pictures pictures;
    pictures.shown["ChestImg2"] = c.chest2;
    MapAmbience a(SmallCounty());
    int shown1 = 0, shown2 = 0, together = 0, steps = 0;
    for (int t = 0; t < 30000; t += 30, ++steps) {
      a.Advance(t, kWholeMap, pictures.Fn());
      const bool g1 = Sprite(a, "ChestGlintImg1").shown;
      const bool g2 = Sprite(a, "ChestGlintImg2").shown;
      shown1 += g1;
      shown2 += g2;
      together += g1 && g2;
    }
    // A glint is a moment: more than never, far less than always.
    EXPECT_GT(shown1, 0);
    EXPECT_LT(shown1, steps / 4);
    if (c.glints) {
      EXPECT_GT(shown2, 0);
      EXPECT_LT(together, shown1) << "the chests glint out of step";
    } else {
      EXPECT_EQ(shown2, 0) << "an opened chest holds no treasure";
    }
  }
}

TEST(MapAmbience, FishLeapOnlyAtSpotsInView) {
  struct Case {
    const char* what;
    Rect view;
    std::set<std::pair<int, int>> spots;  // the leaps' centres
  };
  const Case cases[] = {
      {"the whole county", kWholeMap, {{200, 600}, {900, 700}}},
      {"the west of it", {0, 400, 500, 400}, {{200, 600}}},
      {"land without water", {0, 0, 500, 300}, {}},
  };
  for (const Case& c : cases) {
    MapAmbience a(SmallCounty());
    Pictures pictures;
    std::set<std::pair<int, int>> seen;
    std::set<int> frames;
    for (int t = 0; t < 120000; t += 50) {
      a.Advance(t, c.view, pictures.Fn());
      const AmbientSprite& fish = Sprite(a, "FishAnimImg");
      if (!fish.shown) continue;
      seen.insert({fish.rect.left + fish.rect.width / 2, fish.rect.top + fish.rect.height / 2});
      frames.insert(fish.frame);
    }
    EXPECT_EQ(seen, c.spots) << c.what;
    if (!c.spots.empty()) {
      EXPECT_EQ(frames.size(), static_cast<std::size_t>(ambience::kFishFrames)) << c.what;
    }
  }
}

TEST(MapAmbience, BirdsCrossTheViewFromSideToSide) {
  const Rect view{100, 200, 600, 400};
  MapAmbience a(SmallCounty());
  Pictures pictures;
  int flights = 0;
  bool flying = false;
  int last_x = 0;
  int direction = 0;
  for (int t = 0; t < 200000; t += 100) {
    a.Advance(t, view, pictures.Fn());
    const AmbientSprite& birds = Sprite(a, "BirdsAnimImg");
    if (birds.shown && !flying) {
      ++flights;
      // They come in from just beyond one side, in the upper half.
      const bool from_left = birds.rect.right() <= view.left + 10;
      const bool from_right = birds.rect.left >= view.right() - 10;
      EXPECT_TRUE(from_left || from_right) << birds.rect.left;
      direction = from_left ? 1 : -1;
      EXPECT_GE(birds.rect.top, view.top);
      EXPECT_LE(birds.rect.top, view.top + view.height / 2 + 20);
    } else if (birds.shown) {
      EXPECT_EQ((birds.rect.left - last_x) * direction >= 0, true) << "they keep their way";
    }
    if (birds.shown) {
      // Frames 0..3 fly right, 4..7 left.
      EXPECT_EQ(birds.frame<4, direction> 0) << birds.frame;
      last_x = birds.rect.left;
    }
    if (!birds.shown && flying) {
      // Gone only once past the other side.
      EXPECT_TRUE(direction > 0 ? last_x >= view.right() - 20 : last_x <= view.left - 40);
    }
    flying = birds.shown;
  }
  EXPECT_GE(flights, 3);
  EXPECT_LE(flights, 14) << "now and then, not all the time";
}

TEST(MapAmbience, OnlySpritesNearTheViewNeedDrawing) {
  MapAmbience a(SmallCounty());
  Pictures pictures;
  a.Advance(100, {0, 0, 200, 200}, pictures.Fn());
  EXPECT_TRUE(Sprite(a, "WindmillAnimImg1").in_view);
  // Still turning away from the view, but not drawn.
  EXPECT_TRUE(Sprite(a, "WaterfallAnimImg1").shown);
  EXPECT_FALSE(Sprite(a, "WaterfallAnimImg1").in_view);
  // Just beyond the view's edge counts as near.
  a.Advance(200, {0, 0, 250, 200}, pictures.Fn());
  EXPECT_TRUE(Sprite(a, "SmokeAnimImg1").in_view);
}

TEST(MapAmbience, TheSameMomentsGiveTheSameLife) {
  MapAmbience a(SmallCounty());
  MapAmbience b(SmallCounty());
  Pictures pictures;
  int differences = 0;
  std::set<int> fish_lefts;
  for (int t = 0; t < 60000; t += 70) {
    a.Advance(t, kWholeMap, pictures.Fn());
    b.Advance(t, kWholeMap, pictures.Fn());
    for (std::size_t i = 0; i < a.sprites().size(); ++i) {
      const AmbientSprite& x = a.sprites()[i];
      const AmbientSprite& y = b.sprites()[i];
      differences += x.shown != y.shown || x.rect != y.rect || x.frame != y.frame;
    }
    const AmbientSprite& fish = Sprite(a, "FishAnimImg");
    if (fish.shown) fish_lefts.insert(fish.rect.left);
  }
  EXPECT_EQ(differences, 0);
  EXPECT_EQ(fish_lefts.size(), 2u) << "the fish leap at both spots, not always the same";
}

}  // namespace
}  // namespace valorne
