// The command bar of the campaign map as the player uses it: each button
// opens its screen with its sounds, the army and smithy buttons refuse
// without their buildings, the help follows the pointer, and the end of turn
// refreshes the status bar and turns the hourglass.
#include "map_screens_fixture.h"
#include "screens/toolkit/look.h"

namespace valorne {
namespace {

using map_testing::MapScreens;

TEST(Camp1FrmCommands, EveryButtonOpensItsScreenWithItsSounds) {
  struct Case {
    const char* button;
    std::vector<std::string> screens;
    std::vector<std::string> sounds;
  };
  const Case cases[] = {
      {"ArmyBtn", {"ArmyFrm"}, {"EnvChanel01: army01.wav"}},
      {"BlacksmithBtn",
       {"BlacksmithFrm"},
       {"EnvChanel01: fire01.wav", "EnvChanel02: blacksmith01.wav"}},
      {"BuildBtn", {"BuildFrm"}, {}},
      {"DiploBtn", {"DiploFrm"}, {}},
      {"ScienceBtn", {"ScienceFrm"}, {"EnvChanel01: science01.wav"}},
      {"TaxBtn", {"TaxFrm"}, {"EnvChanel01: tax01.wav"}},
      {"PeopleBtn", {"PeopleFrm"}, {"EnvChanel01: people01.wav"}},
      {"PreviewBtn", {"MapPreviewFrm"}, {}},
      {"RealmBtn", {"RealmFrm"}, {}},
      {"MenuBtn", {"MenuFrm"}, {}},
      {"MessagessBtn", {"MessagesFrm"}, {}},
      {"WeatherBtn", {"WeatherFrm"}, {}},
      {"SpecialBtn", {"GuardFrm"}, {"EnvChanel01: specialunits01.wav"}},
  };
  for (const bool sound_on : {true, false}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.button) + (sound_on ? " with sound" : " without sound"));
      MapScreens s;
      s.game.SoundOn = sound_on;
      s.game.state.BuildingBuilt[1] = kTrue;
      s.game.state.BuildingBuilt[2] = kTrue;
      s.OnMap([&](Camp1Frm& map) {
        const std::size_t before = s.Played().size();
        EXPECT_EQ(s.Click(map, c.button), c.screens);
        const std::vector<std::string> all = s.Played();
        const std::vector<std::string> played(all.begin() + static_cast<long>(before), all.end());
        EXPECT_EQ(played, sound_on ? c.sounds : std::vector<std::string>{});
      });
    }
  }
}

TEST(Camp1FrmCommands, ArmyAndSmithyButtonsNeedTheirBuildings) {
  struct Case {
    const char* button;
    int building;
    const char* screen;
  };
  for (const Case& c : {Case{"ArmyBtn", 2, "ArmyFrm"}, Case{"BlacksmithBtn", 1, "BlacksmithFrm"}}) {
    SCOPED_TRACE(c.button);
    MapScreens s;
    // The other building standing does not open this one's screen.
    s.game.state.BuildingBuilt[c.building == 1 ? 2 : 1] = kTrue;
    s.game.state.BuildingBuilt[c.building] = kFalse;
    s.OnMap([&](Camp1Frm& map) {
      const std::size_t before = s.Played().size();
      EXPECT_TRUE(s.Click(map, c.button).empty());
      EXPECT_EQ(map["Helper"].Text(), s.Text({4, 23}));
      EXPECT_EQ(s.Played().size(), before) << "a refused button plays nothing";
      s.game.state.BuildingBuilt[c.building] = kTrue;
      EXPECT_EQ(s.Click(map, c.button), std::vector<std::string>{c.screen});
    });
  }
}

TEST(Camp1FrmCommands, HoverShowsTheButtonsHelpAndHighlight) {
  const std::pair<const char*, int> buttons[] = {
      {"WeatherBtn", 0}, {"MessagessBtn", 1}, {"MenuBtn", 2},   {"RealmBtn", 3},
      {"PreviewBtn", 4}, {"EndTurnBtn", 5},   {"PeopleBtn", 6}, {"TaxBtn", 7},
      {"ScienceBtn", 8}, {"DiploBtn", 9},     {"BuildBtn", 10}, {"BlacksmithBtn", 11},
      {"ArmyBtn", 12},   {"SpecialBtn", 13}};
  MapScreens s;
  s.OnMap([&](Camp1Frm& map) {
    for (const auto& [button, help] : buttons) {
      SCOPED_TRACE(button);
      Control& b = map[button];
      ASSERT_TRUE(s.ui.PointAt(map, &b));
      EXPECT_TRUE(map.ButtonHoverActive());
      // The help, and the command's key.
      EXPECT_EQ(map["Helper"].Text(), s.Text({4, static_cast<std::int16_t>(help)}) + "  [" +
                                          std::string(MapCommandKey(button)) + "]");
      EXPECT_EQ(b.picture(), std::string(button) + "_hover");
      ASSERT_TRUE(s.ui.PointAt(map, &map["MapSurface"]));
      EXPECT_FALSE(map.ButtonHoverActive());
      EXPECT_EQ(map["Helper"].Text(), "");
      EXPECT_EQ(b.picture(), button);
    }
    // Straight from one button to the next: the new one's help.
    s.ui.PointAt(map, &map["TaxBtn"]);
    s.ui.PointAt(map, &map["BuildBtn"]);
    EXPECT_EQ(map["Helper"].Text(), s.Text({4, 10}) + "  [C]");
    EXPECT_EQ(map["TaxBtn"].picture(), "TaxBtn");
  });
}

TEST(Camp1FrmCommands, TheTooltipFollowsThePointerWhileTheHintLineHoldsText) {
  MapScreens s;
  s.OnMap([&](Camp1Frm& map) {
    Control& tooltip = map["TooltipFrame"];
    s.ui.PointAt(map, &map["ScienceBtn"]);
    s.Advance(kTooltipMs);
    ASSERT_TRUE(tooltip.visible());
    // Below the pointer, or above it where the form ends; never under it.
    const Point pointer = s.ui.pointer_position();
    EXPECT_EQ(tooltip.height(), 30);
    EXPECT_TRUE(tooltip.top() == pointer.y + 30 || tooltip.rect().bottom() <= pointer.y - 30);
    EXPECT_FALSE(tooltip.rect().Contains(pointer));
    EXPECT_TRUE(Rect({0, 0, 800, 600}).Contains(tooltip.rect()));
    EXPECT_EQ(map["TooltipLbl"].Text(), s.Text({4, 8}) + "  [S]");
    // Not over a screen opened above the map.
    bool hidden_above = false;
    s.source.on_opened = [&](Form&) {
      s.Advance(kTooltipMs);
      hidden_above = !tooltip.visible();
    };
    EXPECT_EQ(s.Click(map, "ScienceBtn"), std::vector<std::string>{"ScienceFrm"});
    EXPECT_TRUE(hidden_above);
    s.ui.PointAt(map, &map["MapSurface"]);
    s.Advance(kTooltipMs);
    EXPECT_FALSE(tooltip.visible());
  });
}

TEST(Camp1FrmCommands, EndOfTurnRefreshesTheStatusBarAndTurnsTheHourglass) {
  MapScreens s;
  s.game.state.GrainStock = 10;  // the granary runs low
  s.game.state.Gold = 12345;
  s.OnMap([&](Camp1Frm& map) {
    const Byte turn = s.game.state.Turn;
    EXPECT_EQ(map["GoldLbl"].Text(), "12345");
    s.Click(map, "EndTurnBtn");
    const GameState& st = s.game.state;
    EXPECT_EQ(st.Turn, turn + 1);
    const std::pair<const char*, long> labels[] = {
        {"GoldLbl", st.Gold},         {"WoodLbl", st.WoodStock},      {"StoneLbl", st.StoneStock},
        {"OreLbl", st.OreStock},      {"CropsLbl", st.GrainStock},    {"CattleLbl", st.MeatStock},
        {"PeopleLbl", st.Population}, {"HappinessLbl", st.Happiness}, {"HealthLbl", st.Health}};
    for (const auto& [label, value] : labels) EXPECT_EQ(map[label].Text(), std::to_string(value));
    EXPECT_EQ(map["CropsLbl"].fore(), Rgb(190, 20, 20));
    EXPECT_EQ(map["GoldLbl"].fore(), look::kInk);

    Timer& busy = s.ui.timer("EndTurnTimer");
    EXPECT_TRUE(busy.enabled());
    std::vector<int> frames;
    for (int tick = 0; tick < 4; ++tick) {
      s.Advance(kBusyFrameMs);
      frames.push_back(map["EndTurnAnimImg"].left());
      if (tick < 3) {
        EXPECT_EQ(s.pointer.file.filename(), "loading01.ico");
      }
    }
    EXPECT_EQ(frames, (std::vector<int>{0, -39, -78, -117}));
    EXPECT_FALSE(busy.enabled());
    EXPECT_EQ(s.pointer.file.filename(), "normal01.ico");
  });
}

TEST(Camp1FrmCommands, TheStandardPointerStaysDuringTheHourglass) {
  MapScreens s;
  s.game.display.StandardPointer = kTrue;
  s.OnMap([&](Camp1Frm& map) {
    s.Click(map, "EndTurnBtn");
    s.Advance(4 * kBusyFrameMs);
    EXPECT_TRUE(s.pointer.file.empty());
  });
}

}  // namespace
}  // namespace valorne
