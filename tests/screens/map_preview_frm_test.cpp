// The whole-map preview used as a player would: opened from the map's
// command bar, it marks the places as the map shows them and the part of the
// map in view; a click on the miniature brings that place to the middle of
// the map (within the scroll limits) and closes it; Close and Escape close it
// and leave the map where it was.
#include "screens/map_preview_frm.h"

#include <functional>

#include "map_screens_fixture.h"
#include "screens/toolkit/form_checks.h"

namespace valorne {
namespace {

using map_testing::MapScreens;

// Opens the map, then the preview from its command bar, and runs `body` on
// both; closes what is still open afterwards.
void WithPreview(MapScreens& s, const std::function<void(Camp1Frm&, MapPreviewFrm&)>& body) {
  s.ui.SetEventSource(&s.steps);
  Camp1Frm* map = nullptr;
  s.steps.steps.push_back([&] {
    map = dynamic_cast<Camp1Frm*>(s.ui.top());
    ASSERT_NE(map, nullptr);
    s.ui.ClickOn(*map, &(*map)["PreviewBtn"], MouseButton::Left);
  });
  s.steps.steps.push_back([&] {
    auto* preview = dynamic_cast<MapPreviewFrm*>(s.ui.top());
    ASSERT_NE(preview, nullptr) << s.ui.top()->name();
    body(*map, *preview);
    if (s.ui.top() == preview) preview->Close();
  });
  s.steps.steps.push_back([&] {
    if (s.ui.top() == map) map->Close();
  });
  s.ui.Open("Camp1Frm");
  EXPECT_TRUE(s.steps.steps.empty());
}

// A press and release of the left button at a point of a control.
void ClickAt(Ui& ui, const Control& control, Point at) {
  const Rect r = control.FormRect().Moved(control.form().rect().left, control.form().rect().top);
  const Point p{r.left + at.x, r.top + at.y};
  for (auto kind :
       {InputEvent::Kind::PointerMove, InputEvent::Kind::ButtonDown, InputEvent::Kind::ButtonUp}) {
    InputEvent event;
    event.kind = kind;
    event.position = p;
    ui.Dispatch(event);
  }
}

TEST(MapPreviewFrm, PassesTheScreenChecksAtEveryDisplaySize) {
  for (const Size display : {Size{800, 600}, Size{1280, 1024}}) {
    MapScreens s(display);
    s.game.LargeScreenMode = true;
    MapPreviewFrm preview(s.game, s.ui);
    FormCheckOptions options;
    options.picture_exists = PicturesIn(VALORNE_GAME_DIR);
    options.texts = &s.game.texts;
    EXPECT_EQ(CheckForm(preview, options), std::vector<std::string>{});
    EXPECT_LE(preview.rect().width, 800);
    EXPECT_LE(preview.rect().height, 600);
    EXPECT_FALSE(preview.enlarges()) << "it fills the smallest display already";
  }
}

TEST(MapPreviewFrm, EachPlaceHasItsSign) {
  struct Case {
    const char* object;
    bool has_sign;
    PreviewMark mark;
  };
  const Case cases[] = {
      {"WarBuilding", true, PreviewMark::OurCastle},
      {"WarBuilding2", true, PreviewMark::RivalCastle1},
      {"WarBuilding3", true, PreviewMark::RivalCastle2},
      {"WarBuilding4", false, {}},
      {"EnemyCamp3Img", true, PreviewMark::RivalCamp1},
      {"EnemyCamp4Img", true, PreviewMark::RivalCamp2},
      {"EnemyCamp9Img", false, {}},
      {"ADolmenImg1", true, PreviewMark::Site},
      {"DolmenImg1", true, PreviewMark::Site},
      {"GChapelImg1", true, PreviewMark::Site},
      {"ChestImg2", true, PreviewMark::Chest},
      {"OutpostImg1", true, PreviewMark::Post},
      {"RebelionArmyImg3", true, PreviewMark::Hostile},
      {"VillageImg2", true, PreviewMark::Village},
      {"FieldImg3", false, {}},
      {"ArmyCamp1Img", false, {}},
      {"SiegeImg2", false, {}},
  };
  for (const Case& c : cases) {
    PreviewMark mark{};
    EXPECT_EQ(PreviewMarkOf(c.object, mark), c.has_sign) << c.object;
    if (c.has_sign) {
      EXPECT_EQ(mark, c.mark) << c.object;
    }
  }
}

TEST(MapPreviewFrm, MarkersShowThePlacesAsTheMapShowsThem) {
  struct Case {
    const char* what;
    std::function<void(GameState&)> change;
    const char* marker;
    bool shown;
    int frame;
  };
  const Case cases[] = {
      {"our castle", [](GameState&) {}, "MarkWarBuilding", true, 0},
      {"a village", [](GameState&) {}, "MarkVillageImg3", true, 1},
      {"a closed chest", [](GameState&) {}, "MarkChestImg3", true, 14},
      {"an opened chest", [](GameState& g) { g.ChestStates[3] = 1; }, "MarkChestImg3", false, 14},
      {"rival 1's raised camp", [](GameState&) {}, "MarkEnemyCamp1Img", true, 6},
      {"a camp not raised", [](GameState&) {}, "MarkEnemyCamp2Img", false, 6},
      {"rival 1's castle", [](GameState&) {}, "MarkWarBuilding2", true, 4},
      {"rival 1 fallen", [](GameState& g) { g.Rival1Standing = 0; }, "MarkWarBuilding2", true, 15},
      {"its camps gone with it", [](GameState& g) { g.Rival1Standing = 0; }, "MarkEnemyCamp1Img",
       false, 6},
      {"a rebel mob", [](GameState& g) { g.RebelsActive = kTrue; }, "MarkRebelionArmyImg1", true,
       12},
      {"no rebels", [](GameState&) {}, "MarkRebelionArmyImg1", false, 12},
      {"our first army", [](GameState&) {}, "MarkArmy1", true, 9},
      {"no second army", [](GameState&) {}, "MarkArmy2", false, 10},
      {"a second army",
       [](GameState& g) {
         g.ArmyExists[2] = kTrue;
         g.ArmyWaypointNos[2] = 23;
       },
       "MarkArmy2", true, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MapScreens s;
    c.change(s.game.state);
    WithPreview(s, [&](Camp1Frm&, MapPreviewFrm& preview) {
      const Control& marker = preview[c.marker];
      EXPECT_EQ(marker.visible(), c.shown);
      EXPECT_EQ(marker.strip_frame(), std::optional<int>(c.frame));
      EXPECT_EQ(marker.parent()->name(), "MapImg");
      EXPECT_FALSE(marker.takes_pointer()) << "a click on a marker is a click on the map";
    });
  }
}

TEST(MapPreviewFrm, AnArmyIsMarkedAtItsWaypoint) {
  MapScreens s;
  s.game.state.ArmyWaypointNos[1] = 42;
  WithPreview(s, [&](Camp1Frm& map, MapPreviewFrm& preview) {
    const MapPoint road = map.layout().map().RoadPoint(42);
    const Control& image = preview["MapImg"];
    const Point centre = preview["MarkArmy1"].rect().Centre();
    EXPECT_NEAR(centre.x, road.x * image.width() / map.layout().map().width, 1);
    EXPECT_NEAR(centre.y, road.y * image.height() / map.layout().map().height, 1);
  });
}

TEST(MapPreviewFrm, TheViewRectangleIsThePartOfTheMapInView) {
  MapScreens s;
  WithPreview(s, [&](Camp1Frm& map, MapPreviewFrm& preview) {
    const Rect seen = map.VisibleMapPart();
    const Rect frame = preview["ViewFrame"].rect();
    const MapPoint corner = preview.MapPointAt(frame.left, frame.top);
    EXPECT_TRUE(preview["ViewFrame"].visible());
    EXPECT_NEAR(corner.x, seen.left, 5);
    EXPECT_NEAR(corner.y, seen.top, 5);
    const MapPoint far = preview.MapPointAt(frame.right(), frame.bottom());
    EXPECT_NEAR(far.x, seen.right(), 5);
    EXPECT_NEAR(far.y, seen.bottom(), 5);
  });
}

TEST(MapPreviewFrm, AClickOnTheMiniatureCentresTheMapThereAndCloses) {
  struct Case {
    const char* what;
    Point at;  // on the miniature
  };
  const Case cases[] = {
      {"the middle of the county", {288, 216}}, {"the waterfall in the south-west", {70, 400}},
      {"the far north-east corner", {574, 2}},  {"the far south-west corner", {2, 430}},
      {"on a marker: village 2", {360, 252}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MapScreens s;
    WithPreview(s, [&](Camp1Frm& map, MapPreviewFrm& preview) {
      const MapPoint target = preview.MapPointAt(c.at.x, c.at.y);
      ClickAt(s.ui, preview["MapImg"], c.at);
      EXPECT_TRUE(preview.closed());
      const Rect seen = map.VisibleMapPart();
      EXPECT_TRUE(seen.Contains(Point{target.x, target.y}))
          << "the place clicked is in view: " << target.x << "," << target.y;
      const Control& surface = map["MapSurface"];
      const Rect area = map.layout().map_area();
      // In the middle of the view, unless the map stands at a scroll limit.
      const bool at_limit_x =
          surface.left() == 0 || surface.left() == map.rect().width - surface.width();
      const bool at_limit_y =
          surface.top() >= 150 || surface.top() <= map.rect().height - surface.height() - 15;
      if (!at_limit_x) {
        EXPECT_EQ(surface.left() + target.x, area.left + area.width / 2);
      }
      if (!at_limit_y) {
        EXPECT_EQ(surface.top() + target.y, area.top + area.height / 2);
      }
      EXPECT_LE(surface.left(), 0);
      EXPECT_LE(surface.top(), 150);
      EXPECT_GE(surface.left(), map.rect().width - surface.width());
    });
  }
}

TEST(MapPreviewFrm, AClickByNameIsAClickInTheMiddle) {
  MapScreens s;
  WithPreview(s, [&](Camp1Frm& map, MapPreviewFrm& preview) {
    s.ui.ClickOn(preview, &preview["MapImg"], MouseButton::Left);
    EXPECT_TRUE(preview.closed());
    const Rect seen = map.VisibleMapPart();
    const MapLayout& county = map.layout().map();
    EXPECT_TRUE(seen.Contains(Point{county.width / 2, county.height / 2}));
  });
}

TEST(MapPreviewFrm, CloseAndEscapeLeaveTheMapWhereItWas) {
  for (const char* way : {"CloseBtn", "Escape"}) {
    SCOPED_TRACE(way);
    MapScreens s;
    WithPreview(s, [&](Camp1Frm& map, MapPreviewFrm& preview) {
      const Rect before = map["MapSurface"].rect();
      if (std::string_view(way) == "Escape") {
        s.ui.Key("Escape", true);
        s.ui.Key("Escape", false);
      } else {
        s.ui.ClickOn(preview, &preview[way], MouseButton::Left);
      }
      EXPECT_TRUE(preview.closed());
      EXPECT_EQ(map["MapSurface"].rect(), before);
    });
  }
}

}  // namespace
}  // namespace valorne
