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
// player sends them (an ambassador needs all three); the county's
// description shows once the lord's diplomacy reaches 80.
TEST(DiploFrmTest, ANeutralCountyWonOver) {
  Diplomacy s;
  GameState& st = s.game.state;
  st.Gold = 20000;
  st.LordDiplomacy = 75;
  s.Click("Label5");
  s.Select("CountyLst", 3);
  s.Look([&] {
    EXPECT_EQ(s.Read("StatusLbl1"), s.Words({4, 124}));
    EXPECT_EQ(s.Top()["DiploStatusImg"].picture(), "DiploStatusRes3");
    EXPECT_EQ(s.Read("CountyTextLbl"), "");
  });
  const auto send = [&](std::initializer_list<const char*> missions) {
    for (const char* mission : missions) {
      s.Click(mission);
      s.Click("EnvoyAniBtn");
    }
  };
  send({"EnvoyBtn", "GiftBtn", "AmbasadorBtn"});
  s.Look([&] {
    EXPECT_EQ(st.CountyStance[4], 2);
    EXPECT_EQ(s.Read("Helper"), s.Words({4, 24}));  // the ambassador came too early
    EXPECT_EQ(st.LordDiplomacy, 77);
    EXPECT_EQ(s.Read("CountyTextLbl"), "");
  });
  send({"GiftBtn", "AmbasadorBtn"});
  s.Look([&] {
    EXPECT_EQ(st.CountyStance[4], 100);
    EXPECT_EQ(st.Gold, 20000 - 3300 - 2 * 4700 - 5000);
    EXPECT_EQ(s.Read("GoldLbl"), "5000");
    EXPECT_EQ(s.Read("StatusLbl1"), s.Words({4, 126}));
    EXPECT_EQ(s.Top()["DiploStatusImg"].picture(), "DiploStatusRes1");
    EXPECT_EQ(s.Read("CountyTextLbl"), s.Words({2, 43}));
    EXPECT_TRUE(s.Problems(s.Top()).empty());
  });
  // The trade page: a good chosen in a list clicks and shows its picture.
  s.Click("TradeBtn");
  s.Select("SellLst", 1);
  s.Look([&] {
    EXPECT_EQ(st.SellGood, 2);
    EXPECT_TRUE(s.Shown("SellGoodImg"));
    EXPECT_FALSE(s.Shown("CountyLst"));
    EXPECT_EQ(s.sound.played(), (std::vector<std::string>{"ClickChanel01: click01.wav"}));
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

}  // namespace
}  // namespace valorne
