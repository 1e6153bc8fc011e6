// The county map's life on the map screen as the player sees it: the
// sprites move on over (virtual) time while the map animations are on and
// not at all while they are off, ticking the box on the options page takes
// effect at once, the pointer passes through the sprites to the places below,
// and the game played is the same game with or without them.
#include <algorithm>

#include "level/level_screens.h"
#include "map_screens_fixture.h"
#include "screens/toolkit/recording_canvas.h"
#include "state/record.h"

namespace valorne {
namespace {

using map_testing::MapScreens;

// The sprites shown on the map now, by control name.
std::vector<std::string> ShownSprites(const Camp1Frm& map) {
  std::vector<std::string> shown;
  for (const AmbientPlace& place : map.ambience().places()) {
    if (map[place.control].visible()) shown.push_back(place.control);
  }
  return shown;
}

// What the map draws of its life: the lines of the sprites' pictures.
std::vector<std::string> DrawnLife(const Camp1Frm& map) {
  RecordingCanvas canvas;
  for (const AmbientPlace& place : map.ambience().places()) {
    canvas.pictures[std::string(place.picture)] = {8 * 64, 64};
  }
  map.Draw(canvas);
  std::vector<std::string> drawn;
  for (const std::string& call : canvas.calls) {
    for (const AmbientPlace& place : map.ambience().places()) {
      if (call.starts_with("picture " + std::string(place.picture) + " ")) drawn.push_back(call);
    }
  }
  return drawn;
}

MapPoint CentreOf(const Camp1Frm& map, const std::string& object) {
  const MapRect& r = map.layout().map().objects.at(object).rect;
  return {r.left + r.width / 2, r.top + r.height / 2};
}

TEST(Camp1FrmAmbience, TheMapComesAliveOverTimeWhileTheOptionIsOn) {
  struct Case {
    const char* place;   // brought to the middle of the view
    const char* sprite;  // moves on there
  };
  const Case cases[] = {{"WindmillImg1", "WindmillAnimImg1"},
                        {"VillageImg2", "SmokeAnimImg3"},
                        {"ChapelImg1", "WaterfallAnimImg1"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.place);
    MapScreens s;
    s.OnMap([&](Camp1Frm& map) {
      map.CentreMapOn(CentreOf(map, c.place));
      s.Advance(150);
      ASSERT_TRUE(map[c.sprite].visible());
      const std::vector<std::string> first = DrawnLife(map);
      const std::optional<int> frame = map[c.sprite].strip_frame();
      s.Advance(430);
      EXPECT_NE(map[c.sprite].strip_frame(), frame);
      const std::vector<std::string> later = DrawnLife(map);
      EXPECT_FALSE(first.empty());
      EXPECT_NE(first, later) << "the drawn frames move on";
    });
  }
}

TEST(Camp1FrmAmbience, TheTurningWindmillTakesThePlaceOfTheStillOne) {
  struct Case {
    const char* what;
    Byte windmill_state;
    bool turning;
  };
  for (const Case& c : {Case{"standing", 0, true}, Case{"burnt", 4, false}}) {
    SCOPED_TRACE(c.what);
    MapScreens s;
    s.game.state.WindmillStates[1] = c.windmill_state;
    s.OnMap([&](Camp1Frm& map) {
      map.CentreMapOn(CentreOf(map, "WindmillImg1"));
      s.Advance(250);
      EXPECT_EQ(map["WindmillAnimImg1"].visible(), c.turning);
      EXPECT_EQ(map["WindmillImg1"].opacity(), c.turning ? 0 : 255);
      EXPECT_EQ(map["WindmillFireImg1"].visible(), !c.turning) << "a burnt windmill smoulders";
      EXPECT_TRUE(map["WindmillImg1"].visible()) << "the still windmill keeps its place";
    });
  }
}

TEST(Camp1FrmAmbience, NothingMovesWhileTheOptionIsOff) {
  MapScreens s;
  s.game.options.MapAnimOption = kFalse;
  s.OnMap([&](Camp1Frm& map) {
    for (const char* place : {"WindmillImg1", "VillageImg2", "ChapelImg1", "WarBuilding"}) {
      map.CentreMapOn(CentreOf(map, place));
      s.Advance(60000);
      EXPECT_EQ(ShownSprites(map), std::vector<std::string>{}) << place;
      EXPECT_EQ(DrawnLife(map), std::vector<std::string>{}) << place;
    }
    EXPECT_EQ(map["WindmillImg1"].opacity(), 255);
  });
}

TEST(Camp1FrmAmbience, TheOptionsBoxStartsAndStopsTheLifeAtOnce) {
  MapScreens s;
  RegisterLevelScreens(s.registry);
  s.ui.SetEventSource(&s.steps);
  Camp1Frm* map = nullptr;
  std::vector<std::string> seen_under_menu;
  auto click = [&](std::string_view control) {
    s.steps.steps.push_back([&s, control] {
      Form& top = *s.ui.top();
      s.ui.ClickOn(top, &top[control], MouseButton::Left);
    });
  };
  auto step = [&](std::function<void()> f) { s.steps.steps.push_back(std::move(f)); };
  step([&] {
    map = dynamic_cast<Camp1Frm*>(s.ui.top());
    ASSERT_NE(map, nullptr);
    s.Advance(300);
    EXPECT_FALSE(ShownSprites(*map).empty()) << "the tavern's chimney smokes by the castle";
  });
  click("MenuBtn");
  click("OptionsLbl");
  click("MapAnimOption");  // off
  step([&] {
    s.Advance(kAmbientTickMs + 10);
    seen_under_menu = ShownSprites(*map);
    EXPECT_EQ(map->ambience().sprites().size(), map->ambience().places().size());
  });
  click("MapAnimOption");  // on again, while the menu is still open
  step([&] {
    s.Advance(kAmbientTickMs + 10);
    EXPECT_EQ(ShownSprites(*map), std::vector<std::string>{}) << "the map rests beneath the menu";
  });
  click("MenuLbl");
  click("ResumeLbl");
  step([&] {
    s.Advance(kAmbientTickMs + 10);
    EXPECT_FALSE(ShownSprites(*map).empty()) << "back in front, the map lives again";
    map->Close();
  });
  s.ui.Open("Camp1Frm");
  EXPECT_EQ(seen_under_menu, std::vector<std::string>{}) << "stopped at once under the menu";
  EXPECT_TRUE(s.steps.steps.empty());
}

TEST(Camp1FrmAmbience, ThePointerPassesThroughTheLifeToThePlaces) {
  struct Case {
    const char* sprite;
    const char* place;
  };
  const Case cases[] = {{"WindmillAnimImg1", "WindmillImg1"}, {"SmokeAnimImg1", "VillageImg1"}};
  for (const Case& c : cases) {
    MapScreens s;
    s.OnMap([&](Camp1Frm& map) {
      map.CentreMapOn(CentreOf(map, c.place));
      s.Advance(200);
      const Control& sprite = map[c.sprite];
      ASSERT_TRUE(sprite.visible()) << c.sprite;
      // A point of the sprite that lies on the place.
      const Rect on_place = sprite.FormRect().Intersect(map[c.place].FormRect());
      ASSERT_FALSE(on_place.Empty());
      const Control* hit = map.HitTest(on_place.Centre());
      ASSERT_NE(hit, nullptr);
      EXPECT_EQ(hit->name(), c.place);
    });
  }
}

// Two runs of the same seeded game, one with the map's life and one
// without, end in the same county with the same next draw.
TEST(Camp1FrmAmbience, TheGameIsTheSameWithOrWithoutTheLife) {
  struct Run {
    Record record{};
    double next_draw = 0;
    int turns = 0;
  };
  auto play = [](bool animations) {
    MapScreens s;
    s.game.rng = Random::Seeded(29);
    SetStartValues(s.game);
    s.game.options.MapAnimOption = ToBoolean(animations);
    Run run;
    const int first_turn = s.game.state.Turn;
    s.OnMap([&](Camp1Frm& map) {
      s.Advance(7000);
      for (int turn = 0; turn < 3; ++turn) {
        s.Click(map, "EndTurnBtn");
        s.Advance(20000);
      }
    });
    PackGameState(s.game.state, run.record);
    run.next_draw = s.game.rng.Rnd();
    run.turns = s.game.state.Turn - first_turn;
    return run;
  };
  const Run with = play(true);
  const Run without = play(false);
  EXPECT_EQ(with.record, without.record);
  EXPECT_EQ(with.next_draw, without.next_draw);
  EXPECT_EQ(with.turns, 3) << "the turns were played";
  EXPECT_EQ(without.turns, 3);
}

}  // namespace
}  // namespace valorne
