#include "turn/garry_frm.h"

#include <gtest/gtest.h>

#include "../county/management_frm_fixture.h"

namespace valorne {
namespace {

using testing::ManageScreens;

constexpr int kTick = GarryFrm::kRepeatIntervalMs;

struct TradePost : ManageScreens {
  TradePost() { registry.Register<GarryFrm>("GarryFrm"); }
  const TradeDeal& Deal() const { return static_cast<const GarryFrm&>(Top()).deal(); }
};

// What each mode shows: the goods' rows (wood, stone and ore only with the
// market), and the gold and tax rows only when money changes hands.
TEST(GarryFrmTest, ThePanelOfEachMode) {
  const struct {
    const char* label;  // "" opens with no mode chosen
    bool market, grain, wood, gold;
  } cases[] = {{"", true, false, false, false},      {"Label3", true, true, true, true},
               {"Label3", false, true, false, true}, {"Label4", true, true, true, true},
               {"Label5", true, true, true, false},  {"Label5", false, true, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.label) + (c.market ? " with market" : " without"));
    TradePost s;
    s.game.state.BuildingBuilt[4] = c.market ? kTrue : kFalse;
    if (*c.label) s.Click(c.label);
    s.Look([&] {
      EXPECT_EQ(s.Shown("CropsUpAniBtn"), c.grain);
      EXPECT_EQ(s.Shown("MeatLbl"), c.grain);
      EXPECT_EQ(s.Shown("OreDownAniBtn"), c.wood);
      EXPECT_EQ(s.Shown("WoodLbl"), c.wood);
      EXPECT_EQ(s.Shown("GoldLbl"), c.gold);
      EXPECT_EQ(s.Shown("TradeTaxLbl"), c.gold);
      EXPECT_TRUE(s.Problems(s.Top()).empty());
    });
    s.Click("Noanibtn");
    s.Run("GarryFrm");
    EXPECT_EQ(s.game.live.TradeMode, 0);
  }
}

TEST(GarryFrmTest, HeldButtonsStepTenAtEachTick) {
  TradePost s;
  GameState& st = s.game.state;
  st.Gold = 1000;
  st.MeatStock = 1000;
  const Long grain = st.GrainStock;
  s.Click("Label4");
  s.Down("MeatUpAniBtn");  // the press is the first step
  s.Advance(2 * kTick);
  s.Look([&] {
    EXPECT_EQ(st.TradeRepeatKey, 2);
    EXPECT_EQ(s.Read("MeatLbl"), "30");
    EXPECT_EQ(s.Read("GoldLbl"), "120");
    EXPECT_EQ(s.Read("TradeTaxLbl"), "6");
  });
  s.Up("MeatUpAniBtn");
  s.Advance(5 * kTick);
  s.Down("MeatDownAniBtn");
  s.Up("MeatDownAniBtn");
  s.Look([&] {
    EXPECT_EQ(st.TradeRepeatKey, 0);
    EXPECT_EQ(s.Read("MeatLbl"), "20");
    EXPECT_EQ(s.Read("GoldLbl"), "80");
  });
  s.Click("OkAniBtn");
  s.Run("GarryFrm");
  EXPECT_EQ(st.MeatStock, 980);
  EXPECT_EQ(st.Gold, 1000 + 80 - 4);
  EXPECT_EQ(st.GrainStock, grain);
}

// The people's plea accepted: the screen opens on its giving panel, and
// turning them away there costs the promised goodwill.
TEST(GarryFrmTest, RefusingThePromisedGift) {
  TradePost s;
  GameState& st = s.game.state;
  st.Happiness = 50;
  st.LordNobility = 30;
  s.game.live.TradeMode = 3;
  s.Look([&] {
    EXPECT_TRUE(s.Shown("CropsUpAniBtn"));
    EXPECT_FALSE(s.Shown("GoldLbl"));
  });
  s.Click("CropsUpAniBtn");
  s.Click("Noanibtn");
  const Long grain = st.GrainStock;
  s.Run("GarryFrm");
  EXPECT_EQ(st.Happiness, 38);
  EXPECT_EQ(st.LordNobility, 7);
  EXPECT_EQ(st.GrainStock, grain);
  EXPECT_EQ(s.game.live.TradeMode, 0);
}

}  // namespace
}  // namespace valorne
