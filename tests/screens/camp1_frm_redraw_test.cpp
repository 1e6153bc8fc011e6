// The map screen drawn only where it changed: a map at rest draws nothing,
// its life marks only the sprites' parts, a scroll redraws the map, and a
// frame kept and redrawn in parts over the kept still layer of the land and
// the buildings is, pixel for pixel, the frame drawn whole control by control.
#include <algorithm>
#include <functional>
#include <numeric>

#include "map_screens_fixture.h"
#include "platform/sdl/offscreen_canvas.h"
#include "screens/toolkit/recording_canvas.h"

namespace valorne {
namespace {

using map_testing::MapScreens;

// The map screens with the built game's pictures, so that the frames
// compared are the real ones.
struct PaintedMap : MapScreens {
  std::unique_ptr<OffscreenCanvas> kept;  // the window's frame, redrawn in parts
  PaintedMap() {
    std::filesystem::create_directory_symlink(std::filesystem::path(VALORNE_GAME_DIR) / "graphics",
                                              folder / "graphics");
  }
};

// Every sprite's part of the display now.
std::vector<Rect> SpriteAreas(const Camp1Frm& map) {
  std::vector<Rect> areas;
  for (const AmbientPlace& place : map.ambience().places())
    areas.push_back(map[place.control].DisplayArea());
  return areas;
}

TEST(Camp1FrmRedraw, AMapAtRestDrawsNothingAndItsLifeOnlyTheSprites) {
  struct Case {
    const char* what;
    bool animations;
    bool something_drawn;
  };
  const Case cases[] = {{"animations off: nothing, tick after tick", false, false},
                        {"animations on: the sprites' parts", true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MapScreens s;
    s.game.options.MapAnimOption = c.animations ? kTrue : kFalse;
    s.OnMap([&](Camp1Frm& map) {
      OffscreenCanvas frame(s.ui.display_size(), [](const std::string&) {});
      s.ui.Draw(frame.canvas());
      bool drawn = false;
      for (int tick = 0; tick < 30; ++tick) {
        const std::vector<Rect> before = SpriteAreas(map);
        s.Advance(kAmbientTickMs);
        const std::vector<Rect> after = SpriteAreas(map);
        ASSERT_FALSE(s.ui.dirty().whole()) << "tick " << tick;
        for (const Rect& area : s.ui.dirty().areas()) {
          // Each part marked is made of sprites' parts, before or after.
          const auto inside = [&area](const Rect& sprite) {
            return !sprite.Empty() && area.Intersect(sprite) == sprite;
          };
          EXPECT_TRUE(std::any_of(before.begin(), before.end(), inside) ||
                      std::any_of(after.begin(), after.end(), inside))
              << RecordingCanvas::Where(area);
        }
        drawn = drawn || s.ui.NeedsRedraw();
        s.ui.DrawChanged(frame.canvas());
      }
      EXPECT_EQ(drawn, c.something_drawn);
    });
  }
}

TEST(Camp1FrmRedraw, AScrollRedrawsTheWholeMapPart) {
  MapScreens s;
  s.game.options.MapAnimOption = kFalse;
  s.OnMap([&](Camp1Frm& map) {
    OffscreenCanvas frame(s.ui.display_size(), [](const std::string&) {});
    s.ui.Draw(frame.canvas());
    s.ui.Key("Right", true);
    s.Advance(kScrollTickMs);
    s.ui.Key("Right", false);
    const Rect seen = map.layout().map_area().Moved(map.rect().left, map.rect().top);
    ASSERT_TRUE(s.ui.NeedsRedraw());
    EXPECT_TRUE(s.ui.dirty().whole() ||
                std::any_of(s.ui.dirty().areas().begin(), s.ui.dirty().areas().end(),
                            [&seen](const Rect& area) { return area.Contains(seen); }));
  });
}

TEST(Camp1FrmRedraw, AFrameRedrawnInPartsIsTheFrameDrawnWhole) {
  struct Step {
    const char* what;
    std::function<void(PaintedMap&, Camp1Frm&)> act;
  };
  const Step steps[] = {
      {"the map's life for a minute, drawn tick by tick (birds and fish come and go)",
       [](PaintedMap& s, Camp1Frm&) {
         for (int tick = 0; tick < 600; ++tick) {
           s.Advance(kAmbientTickMs);
           s.ui.DrawChanged(s.kept->canvas());
         }
       }},
      {"the pointer on a command button",
       [](PaintedMap& s, Camp1Frm& map) { s.ui.PointAt(map, &map["BuildBtn"]); }},
      {"the pointer back on the map",
       [](PaintedMap& s, Camp1Frm& map) { s.ui.PointAt(map, &map["MapSurface"]); }},
      {"a building in view changed its picture (the still layer drawn anew)",
       [](PaintedMap&, Camp1Frm& map) {
         for (const std::string& name : map.layout().ObjectsInDrawingOrder()) {
           Control& object = map[name];
           if (!object.visible() || object.DisplayArea().Empty() || object.picture().empty())
             continue;
           object.SetPicture("CropsShadow");
           return;
         }
         FAIL() << "no building in view";
       }},
      {"the map scrolled right and its life on",
       [](PaintedMap& s, Camp1Frm&) {
         s.ui.Key("Right", true);
         s.Advance(10 * kScrollTickMs);
         s.ui.Key("Right", false);
         s.Advance(500);
       }},
      {"the gold changed", [](PaintedMap& s, Camp1Frm& map) {
         s.game.state.Gold += 123;
         map.RedrawStatusBar();
       }}};
  PaintedMap s;
  s.OnMap([&](Camp1Frm& map) {
    s.kept = std::make_unique<OffscreenCanvas>(s.ui.display_size(), [](const std::string&) {});
    OffscreenCanvas& kept = *s.kept;
    ASSERT_TRUE(kept.ok()) << kept.error();
    s.ui.Draw(kept.canvas());
    for (const Step& step : steps) {
      SCOPED_TRACE(step.what);
      // The window's loop draws after every pass: here after every tick.
      for (int tick = 0; tick < 40 && s.ui.NeedsRedraw(); ++tick) s.ui.DrawChanged(kept.canvas());
      step.act(s, map);
      ASSERT_FALSE(s.ui.dirty().whole());
      s.ui.DrawChanged(kept.canvas());
      // The frame drawn whole keeps no still layer: every control drawn.
      OffscreenCanvas whole(s.ui.display_size(), [](const std::string&) {});
      whole.canvas().KeepLayers(false);
      s.ui.Draw(whole.canvas());
      const std::vector<std::uint32_t> a = kept.Pixels();
      const std::vector<std::uint32_t> b = whole.Pixels();
      ASSERT_EQ(a.size(), b.size());
      const auto differing = std::inner_product(a.begin(), a.end(), b.begin(), std::size_t{0},
                                                std::plus<>(), std::not_equal_to<>());
      EXPECT_EQ(differing, 0u);
    }
  });
}

}  // namespace
}  // namespace valorne
