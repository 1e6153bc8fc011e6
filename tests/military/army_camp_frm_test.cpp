// The army camp as the player meets it: its figures, the buttons it offers
// (none of the reorganising ones when the siege screen picks an army), and
// the form checks of the camp, split and combine dialogs.
#include "county/management_frm_fixture.h"
#include "military/army_screens.h"
#include "screens/toolkit/controls.h"

namespace valorne {
namespace {

using testing::ManageScreens;

struct ArmyScreens : ManageScreens {
  ArmyScreens() { RegisterArmyScreens(registry); }
};

TEST(ArmyCampFrm, TheDialogsPassTheFormChecks) {
  for (const char* name : {"ArmyCampFrm", "ArmySplitFrm", "ArmyCombineFrm"}) {
    ArmyScreens s;
    s.game.state.SelectedArmy = 1;
    s.Look([&] { EXPECT_EQ(s.Problems(s.Top()), std::vector<std::string>{}) << name; });
    s.Then([&] { s.Top().Close(); });
    s.Run(name);
  }
}

TEST(ArmyCampFrm, ShowsTheArmyAndTheButtonsThatFitIt) {
  struct Case {
    const char* what;
    Byte siege_mode;
    bool second_army_alongside;
    bool disband, split, combine;
  };
  const Case cases[] = {
      {"one army", 0, false, true, true, false},
      {"two armies on one waypoint", 0, true, true, true, true},
      {"picked for a siege", 1, true, false, false, false},
  };
  for (const Case& c : cases) {
    ArmyScreens s;
    GameState& st = s.game.state;
    st.SelectedArmy = 1;
    st.ArmySizes[1] = 0;  // recounted when shown
    s.game.live.SiegeMode = c.siege_mode;
    if (c.second_army_alongside) {
      st.ArmyExists[2] = kTrue;
      st.ArmySoldiers[2].Archers = 300;
      st.ArmyWaypointNos[2] = st.ArmyWaypointNos[1];
    }
    s.Look([&] {
      EXPECT_EQ(s.Shown("DisbandBtn"), c.disband) << c.what;
      EXPECT_EQ(s.Shown("SplitBtn"), c.split) << c.what;
      EXPECT_EQ(s.Shown("CombineBtn"), c.combine) << c.what;
      EXPECT_FALSE(s.Shown("Okanibtn2"));
      EXPECT_EQ(s.Read("RegrutedLbl"), "1010");
      EXPECT_EQ(s.Read("WeaponLbl"), "1005");  // 1010 less 5 engineers
      EXPECT_EQ(s.Read("HorseLbl"), "400");
      EXPECT_EQ(s.Read("CavalryLbl"), "300");
    });
    s.Then([&] { s.Top().Close(); });
    s.Run("ArmyCampFrm");
    EXPECT_EQ(st.ArmySizes[1], 1010);
  }
}

TEST(ArmyCampFrm, TheListChoosesAnotherArmyAndNoAsksNothingMore) {
  ArmyScreens s;
  s.game.state.SelectedArmy = 1;
  s.Then([&] {
    auto& list = s.Top().Get<ListBox>("ArmyLst");
    list.SetListIndex(1);
    s.ui.ClickOn(s.Top(), &list, MouseButton::Left);
  });
  s.Look([&] {
    EXPECT_EQ(s.game.state.SelectedArmy, 2);
    EXPECT_EQ(s.Read("RegrutedLbl"), "0");
    EXPECT_FALSE(s.Enabled("DisbandBtn"));
  });
  s.Then([&] {
    auto& list = s.Top().Get<ListBox>("ArmyLst");
    list.SetListIndex(0);
    s.ui.ClickOn(s.Top(), &list, MouseButton::Left);
  });
  s.Click("DisbandBtn");
  s.Look([&] { EXPECT_TRUE(s.Shown("Okanibtn2")); });
  s.Click("Noanibtn");
  s.Look([&] {
    EXPECT_FALSE(s.Enabled("Okanibtn2"));
    EXPECT_TRUE(IsTrue(s.game.state.ArmyExists[1]));
  });
  s.Click("OkAniBtn");
  s.Run("ArmyCampFrm");
}

}  // namespace
}  // namespace valorne
