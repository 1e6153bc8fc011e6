#include <gtest/gtest.h>

#include "county/army_frm.h"
#include "county/leader_frm.h"
#include "management_frm_fixture.h"

namespace valorne {
namespace {

using testing::ManageScreens;

TEST(ManagementScreensTest, EveryScreenIsSound) {
  ManageScreens s;
  FormCheckOptions options;
  options.picture_exists = testing::DataSetHasPicture;
  options.texts = &s.game.texts;
  EXPECT_EQ(CheckRegisteredScreens(s.registry, s.game, s.ui, options), std::vector<std::string>{});
  EXPECT_EQ(s.registry.Names(),
            (std::vector<std::string>{"ArmouryFrm", "ArmyFrm", "BlacksmithFrm", "BuildFrm",
                                      "BuildingFrm", "CastleFrm", "LeaderFrm", "RealmFrm"}));
  // The screens made for a place or a lord.
  ArmyFrm outpost(s.game, s.ui, kRecruitPlaceOutpost);
  EXPECT_EQ(s.Problems(outpost), std::vector<std::string>{});
  for (int lord = 2; lord <= 3; ++lord) {
    LeaderFrm leader(s.game, s.ui, lord);
    EXPECT_EQ(s.Problems(leader), std::vector<std::string>{});
  }
}

// In the large screen mode the small screens grow by a quarter and every
// screen still fits the smallest display.
TEST(ManagementScreensTest, EveryScreenFitsTheDisplayInTheLargeScreenMode) {
  ManageScreens s;
  s.game.LargeScreenMode = true;
  struct Case {
    const char* screen;
    bool enlarged;
  };
  const Case cases[] = {{"ArmouryFrm", false}, {"ArmyFrm", false},    {"BlacksmithFrm", false},
                        {"BuildFrm", false},   {"BuildingFrm", true}, {"CastleFrm", false},
                        {"LeaderFrm", true},   {"RealmFrm", false}};
  for (const Case& c : cases) {
    s.Look([&] {
      SCOPED_TRACE(c.screen);
      const Rect r = s.Top().rect();
      EXPECT_TRUE((Rect{0, 0, 800, 600}.Contains(r))) << r.left << "," << r.top;
      EXPECT_EQ(s.Top().scale(), c.enlarged ? kLargeScreenFactor : 1.0);
    });
    s.Then([&] { s.Top().Close(); });
    s.Run(c.screen);
  }
}

// Every picture a screen puts on a control while it runs is in the data set:
// the castle stages, the portraits and the items.
TEST(ManagementScreensTest, PicturesShownWhileRunningExist) {
  ManageScreens s;
  GameState& st = s.game.state;
  for (int stage = 1; stage <= 5; ++stage) {
    st.CastleStageBuilt = {};
    st.CastleStageBuilt[stage] = kTrue;
    s.Look([&] { EXPECT_TRUE(testing::DataSetHasPicture(s.Top()["CastleImg"].picture())); });
    s.Click("OkAniBtn");
    s.Run("CastleFrm");
  }
  st.LordReligion = 100;
  st.BuildingBuilt[3] = kTrue;
  const char* types[] = {"MonkBtn",    "ArcherBtn",  "MacemanBtn",  "SwordsmenBtn", "HelebarderBtn",
                         "TwoHandBtn", "CavalryBtn", "HCavalryBtn", "ChampionBtn",  "TemplarBtn",
                         "PaladinBtn", "EnginerBtn", "LongBowBtn",  "WarlordBtn"};
  for (const char* type : types) {
    s.Click(type);
    s.Look([&, type] {
      EXPECT_TRUE(testing::DataSetHasPicture(s.Top()["PortraitImg"].picture())) << type;
    });
  }
  s.Click("Noanibtn");
  s.Run("ArmyFrm");
  const char* items[] = {"BowBtn",       "ClubBtn",  "SwordBtn", "HelebardBtn",
                         "TwoHandBtn",   "MaceBtn",  "PikeBtn",  "CrossBtn",
                         "ChainMailBtn", "PlateBtn", "ShieldBtn"};
  for (const char* item : items) {
    s.Click(item);
    s.Look([&, item] {
      EXPECT_TRUE(testing::DataSetHasPicture(s.Top()["ItemImg"].picture())) << item;
    });
  }
  s.Click("Noanibtn");
  s.Run("BlacksmithFrm");
}

}  // namespace
}  // namespace valorne
