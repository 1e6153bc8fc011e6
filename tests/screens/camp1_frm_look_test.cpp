// The map and the objectives screen as the player sees them: the control
// tables pass the screen checks at every display size, every slot of the
// bars finds its place, and both screens drawn through the software canvas
// fill the display with the game's own pictures. Set VALORNE_SHOTS to a
// folder to keep the pictures.
#include <cstdlib>
#include <set>

#include "map_screens_fixture.h"
#include "platform/data_files.h"
#include "platform/sdl/offscreen_canvas.h"
#include "screens/toolkit/form_checks.h"

namespace valorne {
namespace {

using map_testing::MapScreens;

constexpr Size kDisplays[] = {{800, 600}, {1024, 768}, {1280, 1024}};

std::string SizeName(Size s) {
  return std::to_string(s.width) + "x" + std::to_string(s.height);
}

TEST(MapScreensLook, BothScreensPassTheScreenChecksAtEveryDisplaySize) {
  for (const Size display : kDisplays) {
    SCOPED_TRACE(SizeName(display));
    MapScreens s(display);
    Camp1Frm map(s.game, s.ui);
    TipsFrm tips(s.game, s.ui);
    FormCheckOptions options;
    options.picture_exists = PicturesIn(VALORNE_GAME_DIR);
    options.texts = &s.game.texts;
    options.may_overhang = map.layout().overhanging();
    EXPECT_EQ(CheckForm(map, options), std::vector<std::string>{});
    EXPECT_EQ(CheckForm(tips, options), std::vector<std::string>{});
    EXPECT_EQ(map.rect().width, display.width);
    EXPECT_EQ(map.rect().height, display.height);
  }
}

TEST(MapScreensLook, EverySlotOfTheBarsIsOnTheScreenWithoutOverlapping) {
  for (const Size display : kDisplays) {
    SCOPED_TRACE(SizeName(display));
    MapScreens s(display);
    Camp1Frm map(s.game, s.ui);
    const MapLayout& layout = map.layout().map();
    const Rect screen{0, 0, display.width, display.height};
    std::vector<Rect> placed;
    for (const auto* bar : {&layout.top_bar, &layout.bottom_bar}) {
      for (const auto& [name, slot] : *bar) {
        const Control* c = map.Find(name);
        ASSERT_NE(c, nullptr) << name << " is missing";
        const Rect at = c->FormRect();
        EXPECT_TRUE(screen.Contains(at)) << name << " is off the screen";
        for (const Rect& other : placed) {
          EXPECT_TRUE(other.Intersect(at).Empty()) << name << " overlaps another slot";
        }
        placed.push_back(at);
      }
    }
    // Between the bars lies the map, at least 300 rows of it.
    EXPECT_GE(map.layout().map_area().height, 300);
  }
}

// Draws the open screens at `display`; the canvas reports missing pictures.
struct Shot {
  explicit Shot(Size display)
      : canvas(display, [this](const std::string& m) { missing.push_back(m); }) {}
  OffscreenCanvas canvas;
  std::vector<std::string> missing;

  int DistinctColours() {
    std::set<std::uint32_t> colours;
    const Size size = canvas.size();
    for (int y = 2; y < size.height; y += 7) {
      for (int x = 3; x < size.width; x += 7) {
        const Colour c = canvas.PixelAt(x, y);
        colours.insert(static_cast<std::uint32_t>(c.r << 16 | c.g << 8 | c.b));
      }
    }
    return static_cast<int>(colours.size());
  }

  void Keep(const std::string& name) {
    if (const char* folder = std::getenv("VALORNE_SHOTS")) {
      EXPECT_EQ(canvas.SavePng(std::filesystem::path(folder) / name), "");
    }
  }
};

TEST(MapScreensLook, TheMapAndTheObjectivesAreDrawnWithTheirPictures) {
  for (const Size display : {Size{800, 600}, Size{1280, 1024}}) {
    SCOPED_TRACE(SizeName(display));
    MapScreens s(display);
    std::filesystem::create_directory_symlink(std::filesystem::path(VALORNE_GAME_DIR) / "graphics",
                                              s.folder / "graphics");
    s.game.live.Helper = {4, 8};
    Shot map_shot(display);
    Shot tips_shot(display);
    ASSERT_TRUE(map_shot.canvas.ok()) << map_shot.canvas.error();
    s.source.on_opened = [&](Form&) { s.ui.Draw(tips_shot.canvas.canvas()); };
    s.OnMap([&](Camp1Frm& map) {
      map.RedrawAll();
      s.ui.Draw(map_shot.canvas.canvas());
      s.Click(map, "Image1");
    });
    for (Shot* shot : {&map_shot, &tips_shot}) {
      EXPECT_EQ(shot->missing, std::vector<std::string>{});
      EXPECT_EQ(shot->canvas.size(), display);
      EXPECT_GT(shot->DistinctColours(), 200) << "the picture is nearly blank";
    }
    // Between the bars the county's grass and woods are seen, not the dark
    // edge round the map.
    int green = 0;
    int samples = 0;
    for (int y = 240; y < display.height - 120; y += 11) {
      for (int x = 20; x < display.width - 20; x += 13) {
        const Colour c = map_shot.canvas.PixelAt(x, y);
        green += c.g > c.r && c.g > c.b;
        ++samples;
      }
    }
    EXPECT_GT(green * 2, samples);
    map_shot.Keep("camp1frm_" + SizeName(display) + ".png");
    tips_shot.Keep("tipsfrm_" + SizeName(display) + ".png");
  }
}

// A county in the middle of a game, scrolled to the fields by the river:
// crops, cattle, a flood, a burnt village, the plague, rebels, the field menu
// open and the trade post named on the information panel.
TEST(MapScreensLook, ABusyCountyIsDrawnWithEveryPictureItNeeds) {
  for (const Size display : kDisplays) {
    SCOPED_TRACE(SizeName(display));
    MapScreens s(display);
    std::filesystem::create_directory_symlink(std::filesystem::path(VALORNE_GAME_DIR) / "graphics",
                                              s.folder / "graphics");
    GameState& st = s.game.state;
    st.Season = 1;
    st.FieldStates[1] = 1;
    st.FieldStates[2] = 2;
    st.FieldStates[3] = 3;
    st.FieldStates[4] = 4;
    st.VillageStates[1] = 3;
    st.WindmillStates[1] = 2;
    st.RebelsActive = kTrue;
    st.ArmyExists[2] = kTrue;
    st.ArmyWaypointNos[2] = 8;
    st.ChestStates[2] = 1;
    st.ConstructionTurns = 4;
    st.ConstructionBuilding = 2;
    st.ForgeOrder = 3;
    s.game.live.PlagueShown = true;
    s.game.live.GrainLow = true;
    Shot shot(display);
    ASSERT_TRUE(shot.canvas.ok()) << shot.canvas.error();
    s.OnMap([&](Camp1Frm& map) {
      Control& surface = map["MapSurface"];
      surface.Move(std::max(display.width - surface.width(), -1850), -420);
      s.Click(map, "GarryImg");
      s.ui.ClickOn(map, &map["FieldImg4"], MouseButton::Right);
      s.ui.PointAt(map, &map["ArmyBtn"]);
      s.ui.Draw(shot.canvas.canvas());
    });
    EXPECT_EQ(shot.missing, std::vector<std::string>{});
    EXPECT_GT(shot.DistinctColours(), 200);
    shot.Keep("camp1frm_busy_" + SizeName(display) + ".png");
  }
}

}  // namespace
}  // namespace valorne
