// Scrolling the campaign map with the edge strips and the arrow keys: one
// step per tick, the limits checked before each move, the strip that hit a
// limit disabled until another strip moves the map.
#include "map_screens_fixture.h"

namespace valorne {
namespace {

using map_testing::MapScreens;

struct Scroll {
  MapScreens& s;
  Camp1Frm& map;
  Control& surface = map["MapSurface"];

  Point At() const { return {surface.left(), surface.top()}; }
  void Tick(int ticks = 1) { s.Advance(ticks * kScrollTickMs); }
  bool Hover(std::string_view strip) { return s.ui.PointAt(map, &map[strip]); }
};

TEST(Camp1FrmScroll, EachStripMovesTheMapOneStepPerTick) {
  struct Case {
    const char* strip;
    Byte direction;
    Point moved;  // per tick
  };
  const Case cases[] = {{"TopMargin", kScrollUp, {0, 10}},
                        {"BottomMargin", kScrollDown, {0, -10}},
                        {"LeftMargin", kScrollLeft, {10, 0}},
                        {"RightMargin", kScrollRight, {-10, 0}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.strip);
    MapScreens s;
    s.OnMap([&](Camp1Frm& map) {
      Scroll scroll{s, map};
      scroll.surface.Move(-800, -600);
      ASSERT_TRUE(scroll.Hover(c.strip));
      EXPECT_EQ(map.MapScrollDirection(), c.direction);
      scroll.Tick(3);
      EXPECT_EQ(scroll.At(), (Point{-800 + 3 * c.moved.x, -600 + 3 * c.moved.y}));
      // The pointer back on the map stops it.
      s.ui.PointAt(map, &map["MapSurface"]);
      EXPECT_EQ(map.MapScrollDirection(), kNoScroll);
      scroll.Tick(3);
      EXPECT_EQ(scroll.At(), (Point{-800 + 3 * c.moved.x, -600 + 3 * c.moved.y}));
    });
  }
}

TEST(Camp1FrmScroll, TheStepFollowsTheScrollSpeedTruncated) {
  MapScreens s;
  s.game.live.ScrollSpeed = 2.59f;
  s.OnMap([&](Camp1Frm& map) {
    Scroll scroll{s, map};
    scroll.surface.Move(-500, -500);
    scroll.Hover("RightMargin");
    scroll.Tick(2);
    EXPECT_EQ(scroll.At(), (Point{-550, -500}));
  });
}

TEST(Camp1FrmScroll, TheTopStripAtItsLimitStopsAtOnceAndIsDisabled) {
  MapScreens s;
  s.OnMap([&](Camp1Frm& map) {
    Scroll scroll{s, map};
    scroll.surface.Move(-300, 150);
    ASSERT_TRUE(scroll.Hover("TopMargin"));
    scroll.Tick();
    EXPECT_EQ(scroll.At(), (Point{-300, 150}));
    EXPECT_FALSE(map["TopMargin"].enabled());
    EXPECT_FALSE(s.ui.timer("MapTimer").enabled());
    EXPECT_FALSE(scroll.Hover("TopMargin")) << "hovering it again does nothing";
    scroll.Tick(5);
    EXPECT_EQ(scroll.At(), (Point{-300, 150}));

    // The bottom strip moves the map, and its first step enables all strips.
    ASSERT_TRUE(scroll.Hover("BottomMargin"));
    scroll.Tick();
    EXPECT_EQ(scroll.At(), (Point{-300, 140}));
    for (const char* strip : {"TopMargin", "BottomMargin", "LeftMargin", "RightMargin"}) {
      EXPECT_TRUE(map[strip].enabled()) << strip;
    }
  });
}

TEST(Camp1FrmScroll, TheLimitIsCheckedBeforeTheMoveSoTheMapMayPassItByLessThanAStep) {
  MapScreens s;
  s.OnMap([&](Camp1Frm& map) {
    Scroll scroll{s, map};
    const int width = map.rect().width;
    const int height = map.rect().height;
    const int w = scroll.surface.width();
    const int h = scroll.surface.height();
    struct Case {
      const char* strip;
      Point start;
      Point end;  // after enough ticks
    };
    const Case cases[] = {
        {"TopMargin", {-300, 145}, {-300, 155}},
        {"BottomMargin", {-300, height - h - 10}, {-300, height - h - 20}},
        {"LeftMargin", {-4, -300}, {6, -300}},
        {"RightMargin", {width - w + 3, -300}, {width - w - 7, -300}},
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(c.strip);
      for (const char* strip : {"TopMargin", "BottomMargin", "LeftMargin", "RightMargin"}) {
        map[strip].SetEnabled(true);
      }
      s.ui.PointAt(map, &map["MapSurface"]);
      scroll.surface.Move(c.start.x, c.start.y);
      ASSERT_TRUE(scroll.Hover(c.strip));
      scroll.Tick(10);
      EXPECT_EQ(scroll.At(), c.end);
      EXPECT_FALSE(map[c.strip].enabled());
    }
  });
}

TEST(Camp1FrmScroll, ArrowKeysActAsTheStrips) {
  MapScreens s;
  s.OnMap([&](Camp1Frm& map) {
    Scroll scroll{s, map};
    scroll.surface.Move(-800, -600);
    const std::pair<const char*, Point> keys[] = {{"Up", {-800, -590}},
                                                  {"Down", {-800, -600}},
                                                  {"Left", {-790, -600}},
                                                  {"Right", {-800, -600}}};
    for (const auto& [key, after] : keys) {
      SCOPED_TRACE(key);
      s.ui.Key(key, true);
      s.ui.Key(key, false);
      scroll.Tick();
      EXPECT_EQ(scroll.At(), after);
    }
    // At the top limit the up key stops at once; pressing it again while its
    // strip is disabled does nothing.
    s.ui.PointAt(map, &map["MapSurface"]);
    scroll.surface.Move(-800, 150);
    s.ui.Key("Up", true);
    scroll.Tick();
    EXPECT_FALSE(map["TopMargin"].enabled());
    s.ui.PointAt(map, &map["MapSurface"]);
    s.ui.Key("Up", true);
    EXPECT_EQ(map.MapScrollDirection(), kNoScroll);
  });
}

TEST(Camp1FrmScroll, EverythingOnTheMapMovesWithIt) {
  MapScreens s;
  s.game.state.ArmyExists[1] = kTrue;
  s.OnMap([&](Camp1Frm& map) {
    Scroll scroll{s, map};
    scroll.surface.Move(-800, -600);
    const Rect field = map["FieldImg5"].FormRect();
    const Rect army = map["ArmyCamp1Img"].FormRect();
    const Rect marker = map["WalkTo23"].FormRect();
    scroll.Hover("LeftMargin");
    scroll.Tick(4);
    EXPECT_EQ(map["FieldImg5"].FormRect(), field.Moved(40, 0));
    EXPECT_EQ(map["ArmyCamp1Img"].FormRect(), army.Moved(40, 0));
    EXPECT_EQ(map["WalkTo23"].FormRect(), marker.Moved(40, 0));
  });
}

TEST(Camp1FrmScroll, AnotherScreenOverTheMapStopsTheScrolling) {
  MapScreens s;
  s.OnMap([&](Camp1Frm& map) {
    Scroll scroll{s, map};
    scroll.surface.Move(-800, -600);
    scroll.Hover("RightMargin");
    s.Click(map, "RealmBtn");  // the pointer leaves for the button, the screen opens
    EXPECT_EQ(map.MapScrollDirection(), kNoScroll);
    EXPECT_FALSE(s.ui.timer("MapTimer").enabled());
  });
}

}  // namespace
}  // namespace valorne
