#include "county/build_frm.h"

#include <gtest/gtest.h>

#include "county/construction.h"
#include "management_frm_fixture.h"

namespace valorne {
namespace {

using testing::ManageScreens;

// A normal start: 2500 gold, 1000 wood, 350 stone; the market and the fort
// stand.
TEST(BuildFrmTest, OrderingPaysInFullOrRefusesAndPaysNothing) {
  struct Case {
    const char* button;
    Long gold, wood, stone;
    bool accepted;
    Byte turns;  // the countdown once ordered
  };
  const Case cases[] = {
      {"BlacksmithBtn", 5000, 800, 200, true, 2},  // exactly the cost is enough
      {"BlacksmithBtn", 4999, 800, 200, false, 0}, {"BaracksBtn", 9000, 9000, 999, false, 0},
      {"StablesBtn", 6000, 1499, 9000, false, 0},  {"StablesBtn", 6000, 1500, 200, true, 1},
      {"CastleBtn", 20000, 7000, 9000, true, 16},  // the castle without the keep
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    ManageScreens s;
    GameState& st = s.game.state;
    st.Gold = c.gold;
    st.WoodStock = c.wood;
    st.StoneStock = c.stone;
    int building = 0;
    for (int b = 1; b <= kBuildings; ++b) {
      if (kBuildingInfo[static_cast<std::size_t>(b)].button == c.button) building = b;
    }
    const BuildingCost cost = CostOfBuilding(s.game.params, building);
    s.Click(c.button);
    s.Look([&] {
      EXPECT_EQ(s.Read("GoldLbl"), std::to_string(cost.gold));
      EXPECT_EQ(s.Read("WoodLbl"), std::to_string(cost.wood));
      EXPECT_EQ(s.Read("StoneLbl"), std::to_string(cost.stone));
      EXPECT_EQ(s.Read("RUNA_Label1"), " -- " + std::to_string(cost.turns));
      const BuildingInfo& info = kBuildingInfo[static_cast<std::size_t>(building)];
      EXPECT_EQ(s.Read("BuildingLbl"), s.Words({4, info.name_text}));
      EXPECT_EQ(s.Read("Helper"), s.Words({1, info.hint_text}));
      EXPECT_TRUE(s.Shown("ArrowImg"));
    });
    s.Click("OkAniBtn");
    if (!c.accepted) {
      s.Look([&] {
        EXPECT_EQ(s.TopName(), "BuildFrm");
        EXPECT_EQ(s.Read("Helper"), s.Words(kNotEnoughResources));
      });
      s.Click("Noanibtn");
    }
    s.Run("BuildFrm");
    if (c.accepted) {
      EXPECT_EQ(st.ConstructionBuilding, building);
      EXPECT_EQ(st.ConstructionTurns, c.turns);
      EXPECT_EQ(st.Gold, c.gold - cost.gold);
      EXPECT_EQ(st.WoodStock, c.wood - cost.wood);
      EXPECT_EQ(st.StoneStock, c.stone - cost.stone);
    } else {
      EXPECT_EQ(st.ConstructionBuilding, 0);
      EXPECT_EQ(st.ConstructionTurns, kIdle);
      EXPECT_EQ(st.Gold, c.gold);
      EXPECT_EQ(st.WoodStock, c.wood);
      EXPECT_EQ(st.StoneStock, c.stone);
    }
  }
}

TEST(BuildFrmTest, BuildWithNothingChosenSaysSo) {
  ManageScreens s;
  s.Click("OkAniBtn");
  s.Look([&] { EXPECT_EQ(s.Read("Helper"), s.Words(kNothingChosen)); });
  s.Click("Noanibtn");
  s.Run("BuildFrm");
  EXPECT_EQ(s.game.state.ConstructionTurns, kIdle);
  EXPECT_EQ(s.game.state.Gold, 2500);
}

TEST(BuildFrmTest, FinishedBuildingsAreDisabledAndTicked) {
  ManageScreens s;
  s.game.state.BuildingBuilt[1] = kTrue;  // the blacksmith; the market stands from the start
  s.Look([&] {
    struct Expect {
      const char* button;
      bool enabled, ticked;
    };
    const Expect expected[] = {
        {"BlacksmithBtn", false, true}, {"BaracksBtn", true, false}, {"StablesBtn", true, false},
        {"MarketBtn", false, true},     {"ThievesBtn", true, false}, {"KeepBtn", false, false},
        {"BailyBtn", false, false},     {"FortBtn", false, true},    {"BunkerBtn", true, false},
        {"CastleBtn", true, false},
    };
    for (int b = 1; b <= kBuildings; ++b) {
      const Expect& e = expected[b - 1];
      EXPECT_EQ(s.Enabled(e.button), e.enabled) << e.button;
      EXPECT_EQ(s.Top().At("OkImage", b).visible(), e.ticked) << e.button;
    }
    EXPECT_EQ(s.Read("Label4"), s.Words(kNothingRunning));
    EXPECT_FALSE(s.Shown("Label3"));
    EXPECT_FALSE(s.Shown("CancelAniBtn"));
    EXPECT_TRUE(s.Shown("OkAniBtn"));
    EXPECT_FALSE(s.Shown("ArrowImg"));
    // A disabled building takes no click.
    Form& form = s.Top();
    EXPECT_FALSE(s.ui.ClickOn(form, &form["BlacksmithBtn"], MouseButton::Left));
    EXPECT_EQ(static_cast<BuildFrm&>(form).chosen(), 0);
  });
  s.Click("Noanibtn");
  s.Run("BuildFrm");
}

TEST(BuildFrmTest, UnderConstructionTheScreenOnlyShowsAndStopsWithAFullRefund) {
  ManageScreens s;
  GameState& st = s.game.state;
  st.Gold = 7000;
  st.WoodStock = 2000;
  s.Click("StablesBtn");
  s.Click("OkAniBtn");
  s.Run("BuildFrm");
  ASSERT_EQ(st.ConstructionBuilding, 3);
  ASSERT_EQ(st.Gold, 1000);

  s.Look([&] {
    EXPECT_EQ(s.Read("Helper"), s.Words({4, 30}));
    EXPECT_EQ(s.Read("BuildingLbl"), s.Words({4, 75}));
    EXPECT_EQ(s.Read("RUNA_Label1"), "1");
    EXPECT_TRUE(s.Shown("Label3"));
    EXPECT_TRUE(s.Shown("CancelAniBtn"));
    EXPECT_FALSE(s.Shown("OkAniBtn"));
    EXPECT_TRUE(s.Shown("ArrowImg"));
    EXPECT_EQ(s.Top()["ArrowImg"].top(), s.Top()["StablesBtn"].top() + 23);
    EXPECT_EQ(s.Read("GoldLbl"), "6000");  // what a stop gives back
  });
  // A second building cannot be chosen while one goes up.
  s.Click("BaracksBtn");
  s.Look([&] {
    EXPECT_EQ(static_cast<BuildFrm&>(s.Top()).chosen(), 0);
    EXPECT_EQ(s.Read("BuildingLbl"), s.Words({4, 75}));
  });
  s.Click("CancelAniBtn");
  s.Look([&] {
    EXPECT_EQ(st.Gold, 7000);
    EXPECT_EQ(st.WoodStock, 2000);
    EXPECT_EQ(st.StoneStock, 350);
    EXPECT_EQ(st.ConstructionTurns, kIdle);
    EXPECT_EQ(st.ConstructionBuilding, 0);
    EXPECT_EQ(s.Read("Label4"), s.Words(kNothingRunning));
    EXPECT_FALSE(s.Shown("CancelAniBtn"));
    EXPECT_FALSE(s.Shown("Label3"));
    EXPECT_TRUE(s.Shown("OkAniBtn"));
    EXPECT_FALSE(s.Shown("ArrowImg"));
    EXPECT_EQ(s.Read("StoreGoldLbl"), "7000");
  });
  // Once stopped, a new building can be ordered at once.
  s.Click("BaracksBtn");
  s.Look([&] { EXPECT_EQ(static_cast<BuildFrm&>(s.Top()).chosen(), 2); });
  s.Click("Noanibtn");
  s.Run("BuildFrm");
  EXPECT_EQ(st.ConstructionTurns, kIdle);
}

TEST(BuildingFrmTest, YesShowsTheCastleAndNoCloses) {
  {
    ManageScreens s;
    s.Click("OkAniBtn");
    s.Look([&] {
      EXPECT_EQ(s.TopName(), "CastleFrm");
      EXPECT_EQ(s.Read("NameLbl"), s.Words({4, 80}));
    });
    s.Click("OkAniBtn");
    s.Run("BuildingFrm");
    EXPECT_EQ(s.ui.top(), nullptr);
    EXPECT_EQ(s.sound.played(), (std::vector<std::string>{"EnvChanel03: manor01.wav"}));
  }
  {
    ManageScreens s;
    s.Look([&] { EXPECT_EQ(s.Read("MsgLbl"), s.Words({3, 15})); });
    s.Click("Noanibtn");
    s.Run("BuildingFrm");
    EXPECT_TRUE(s.sound.played().empty());
  }
}

TEST(CastleFrmTest, ShowsTheStageStandingAndItsGarrison) {
  struct Case {
    int stage;
    const char* picture;
    const char* gold;
    const char* garrison;
  };
  const Case cases[] = {{1, "keepres", "+2%", "400"},
                        {2, "bailyres", "+5%", "600"},
                        {3, "fortres", "+6%", "700"},
                        {4, "bunkerres", "- 10%", "1500"},
                        {5, "castleres", "+8%", "1100"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stage);
    ManageScreens s;
    GameState& st = s.game.state;
    st.CastleStageBuilt = {};
    st.CastleStageBuilt[c.stage] = kTrue;
    // Army 2 holds the castle on odd stages.
    const bool garrisoned = c.stage % 2 == 1;
    st.GarrisonedArmy = garrisoned ? 2 : 0;
    st.ArmySoldiers[2].Archers = 120;
    st.ArmySoldiers[2].Warlords = 1;
    s.Look([&] {
      EXPECT_EQ(s.Read("NameLbl"), s.Words({4, static_cast<std::int16_t>(77 + c.stage)}));
      EXPECT_EQ(s.Top()["CastleImg"].picture(), c.picture);
      EXPECT_EQ(s.Read("GoldLbl"), c.gold);
      EXPECT_EQ(s.Read("GarisonLbl"), c.garrison);
      EXPECT_EQ(s.Read("ArmyNameLbl"),
                garrisoned ? s.Words({4, 113}) : std::string("No army holds the castle."));
      EXPECT_EQ(s.Read("SoldierLbl(2)"), garrisoned ? "120" : "0");  // archers
      EXPECT_EQ(s.Read("SoldierLbl(13)"), garrisoned ? "1" : "0");   // the warlord
      EXPECT_EQ(s.Read("UnitLbl(13)"), s.Words({4, 73}));
      EXPECT_EQ(s.Read("SoldierLbl(1)"), "0");
      for (const char* store : {"OilsLbl", "StonesLbl", "PikesLbl", "FireArrowsLbl"}) {
        EXPECT_EQ(s.Read(store), "0");
      }
      // Leaving the castle is done from the army camp.
      EXPECT_FALSE(s.Enabled("UngarisonBtn"));
    });
    s.Click("OkAniBtn");
    s.Run("CastleFrm");
  }
}

}  // namespace
}  // namespace valorne
