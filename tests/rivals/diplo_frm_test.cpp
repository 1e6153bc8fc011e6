#include "rivals/diplo_frm.h"

#include <gtest/gtest.h>

#include "../county/management_frm_fixture.h"
#include "screens/toolkit/controls.h"

namespace valorne {
namespace {

using testing::ManageScreens;

struct Diplomacy : ManageScreens {
  Diplomacy() { RegisterDiplomacyScreens(registry); }
  void Select(const std::string& list, int entry) {
    Then([this, list, entry] {
      Form& form = Top();
      form.Get<ListBox>(list).SetListIndex(entry);
      EXPECT_TRUE(ui.ClickOn(form, &form[list], MouseButton::Left));
    });
  }
};

// Envoy, two gifts and an ambassador to the fourth neutral county, as a
// player sends them; its description shows once the lord's diplomacy is 80.
TEST(DiploFrmTest, ANeutralCountyWonOver) {
  Diplomacy s;
  GameState& st = s.game.state;
  st.Gold = 20000;
  st.LordDiplomacy = 76;
  s.Click("Label5");
  s.Select("CountyLst", 3);
  s.Look([&] {
    EXPECT_EQ(s.Read("StatusLbl1"), s.Words({4, 124}));
    EXPECT_EQ(s.Top()["DiploStatusImg"].picture(), "DiploStatusRes3");
    EXPECT_EQ(s.Read("CountyTextLbl"), "");
  });
  for (const char* mission : {"EnvoyBtn", "GiftBtn", "GiftBtn", "AmbasadorBtn"}) {
    s.Click(mission);
    s.Click("EnvoyAniBtn");
  }
  s.Look([&] {
    EXPECT_EQ(st.CountyStance[4], 100);
    EXPECT_EQ(st.Gold, 20000 - 3300 - 2 * 4700 - 5000);
    EXPECT_EQ(s.Read("GoldLbl"), "5000");
    EXPECT_EQ(s.Read("StatusLbl1"), s.Words({4, 126}));
    EXPECT_EQ(s.Top()["DiploStatusImg"].picture(), "DiploStatusRes1");
    EXPECT_EQ(s.Read("CountyTextLbl"), s.Words({2, 43}));
    EXPECT_TRUE(s.Problems(s.Top()).empty());
  });
  s.Click("OkAniBtn");
  s.Run("DiploFrm");
}

TEST(DiploFrmTest, WarButtonWhileAWarRuns) {
  Diplomacy s;
  s.game.state.WarCountdown[1] = 3;
  s.Select("RivalsLst", 1);
  s.Click("WarBtn");
  s.Look([&] {
    EXPECT_EQ(s.Read("Helper"), s.Words({4, 32}));
    EXPECT_EQ(s.game.state.WarCountdown[2], 0);
    EXPECT_FALSE(s.Shown("GiftBtn"));  // no gifts to a rival
  });
  s.Click("OkAniBtn");
  s.Run("DiploFrm");
}

TEST(DiploFrmTest, TradePageSetsTheOrders) {
  Diplomacy s;
  GameState& st = s.game.state;
  st.SellPercent = 90;
  st.BuyPercent = 10;
  st.WoodStock = 2350;
  st.StoneStock = 1850;
  s.Click("TradeBtn");
  s.Select("SellLst", 1);
  s.Click("UpAniBtn");
  s.Click("UpAniBtn");  // already at all of the stock
  s.Click("DownAniBtn2");
  s.Click("DownAniBtn2");  // and none of the offer
  s.Look([&] {
    EXPECT_EQ(st.SellGood, 2);
    EXPECT_EQ(st.SellPercent, 100);
    EXPECT_EQ(st.BuyPercent, 0);
    EXPECT_EQ(s.Read("SellAmountLbl"), "1850");
    EXPECT_EQ(s.Read("SellGoldLbl"), "1000");
    EXPECT_EQ(s.Read("BuyGoldLbl"), "0");
    EXPECT_TRUE(s.Shown("SellGoodImg"));
    EXPECT_FALSE(s.Shown("RivalsLst"));
    EXPECT_EQ(s.sound.played(), (std::vector<std::string>{"ClickChanel01: click01.wav"}));
    EXPECT_TRUE(s.Problems(s.Top()).empty());
  });
  s.Click("OkAniBtn");
  s.Run("DiploFrm");
}

}  // namespace
}  // namespace valorne
