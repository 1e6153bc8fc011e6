#include <gtest/gtest.h>

#include "county/leader_frm.h"
#include "county/management_screens.h"
#include "county/realm.h"
#include "management_frm_fixture.h"

namespace valorne {
namespace {

using testing::ManageScreens;

TEST(RealmFrmTest, SumsUpTheCounty) {
  ManageScreens s;
  GameState& st = s.game.state;
  st.WoodWorkers = 300;
  st.StoneWorkers = 120;
  st.CropsWorkers = 3 * s.game.params.CropsParams[1];
  st.CattleWorkers = 2 * s.game.params.CattleParams[1] + 1;
  st.GuardLevel = 4;
  st.SitesHeld[3] = 1;
  st.SitesHeld[10] = 1;
  st.SitesHeld[5] = 2;  // held by a rival
  st.ArmyExists[3] = kTrue;
  s.Look([&] {
    EXPECT_EQ(s.Read("WoodCutterLbl"), "300");
    EXPECT_EQ(s.Read("StoneCutterLbl"), "120");
    EXPECT_EQ(s.Read("OreCutterLbl"), "0");
    EXPECT_EQ(s.Read("CropsFieldLbl"), "3");
    EXPECT_EQ(s.Read("CattleFieldLbl"), "2");
    EXPECT_EQ(s.Read("PlainFieldLbl"), "5");
    EXPECT_EQ(s.Read("GuardLbl"), "4");
    EXPECT_EQ(s.Read("ScoutLbl"), "0");
    for (int k = 1; k <= kMapSites; ++k) {
      const std::string_view line = kSiteLines[static_cast<std::size_t>(k - 1)];
      EXPECT_EQ(s.Read(line), (k == 3 || k == 10) ? "1" : "0") << line;
    }
    EXPECT_EQ(s.Read("SiteNameLbl(3)"), s.Words({4, 93}));
    EXPECT_EQ(s.Read("ArmyNameLbl1"), s.Words({4, 112}));
    EXPECT_EQ(s.Read("ArmyNameLbl2"), "-");
    EXPECT_EQ(s.Read("ArmyNameLbl3"), s.Words({4, 114}));
    EXPECT_EQ(s.Read("Label4"), s.Words({5, 11}));
    // Army 1 is selected at the start and marked so.
    EXPECT_TRUE(s.Top()["ArmyLbl1"].back().has_value());
    EXPECT_FALSE(s.Top()["ArmyLbl3"].back().has_value());
  });
  s.Look([&] {
    // The lines that lead on glow under the pointer.
    Form& form = s.Top();
    s.ui.PointAt(form, &form["Image2"]);
    EXPECT_TRUE(form["Image2"].back().has_value());
    s.ui.PointAt(form, nullptr);
    EXPECT_FALSE(form["Image2"].back().has_value());
    EXPECT_FALSE(form["WoodCutterLbl"].back().has_value());
  });
  s.Click("ArmyLbl2");  // no second army: nothing changes
  s.Look([&] { EXPECT_EQ(st.SelectedArmy, 1); });
  s.Click("ArmyLbl3");
  s.Look([&] {
    EXPECT_EQ(st.SelectedArmy, 3);
    EXPECT_FALSE(s.Top()["ArmyLbl1"].back().has_value());
    EXPECT_TRUE(s.Top()["ArmyLbl3"].back().has_value());
  });
  s.Click("OkAniBtn");
  s.Run("RealmFrm");
}

TEST(RealmFrmTest, PicturesLeadToTheirScreensWithTheirSounds) {
  struct Case {
    const char* image;
    const char* screen;  // none: nothing opens
    const char* sound;
  };
  const Case cases[] = {
      {"Image2", "WoodFrm", "woodcutter01.wav"},
      {"Image4", "Stonefrm", "stonecutter01.wav"},
      {"Image7", nullptr, nullptr},  // the ore works lie in rival county 1, which stands
      {"Image8", "CropsFrm", "crops01.wav"},
      {"Image5", "CattleFrm", "cattle01.wav"},
      {"Image1", "GuardFrm", "specialunits01.wav"},
      {"Image6", "GuardFrm", "specialunits01.wav"},
      {"Image9", "GuardFrm", "specialunits01.wav"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.image);
    ManageScreens s;
    s.Click(c.image);
    if (c.screen) {
      s.Look([&] {
        EXPECT_EQ(s.TopName(), c.screen);
        s.game.state.WoodWorkers = 150;  // changed on the screen opened
      });
      s.Click("CloseBtn");  // the screens of other parts are not registered here
      s.Look([&] { EXPECT_EQ(s.Read("WoodCutterLbl"), "150"); });
    }
    s.Look([&] { EXPECT_EQ(s.TopName(), "RealmFrm"); });
    s.Click("OkAniBtn");
    s.Run("RealmFrm");
    const std::vector<std::string> sounds =
        c.sound ? std::vector<std::string>{std::string("EnvChanel03: ") + c.sound}
                : std::vector<std::string>{};
    EXPECT_EQ(s.sound.played(), sounds);
  }
}

TEST(LeaderFrmTest, TheLordAndTheRivalsKnownOrNot) {
  ManageScreens s;
  GameState& st = s.game.state;
  st.Morale = 61.5f;
  st.LordLeadership = 60;
  st.LordNobility = 50;
  st.LordDiplomacy = 40;
  st.LordReligion = 30;
  RivalCounty& rival = st.Rivals[1];
  rival.Morale = 44;
  rival.Leadership = 90;
  rival.Nobility = 81;
  rival.Diplomacy = 12;
  rival.Religion = 20;
  st.RivalStance = {100, 1};  // an ambassador at the first court, an envoy at the second
  struct Case {
    const char* link;
    TextRef name, caption;
    std::array<const char*, 6> values;  // morale, leadership, nobility, diplomacy, religion, status
  };
  const Case cases[] = {
      {"Label2", {5, 9}, {1, 56}, {"61", "60", "50", "40", "30", "45%"}},
      {"Label3", {5, 10}, {1, 57}, {"44", "90", "81", "12", "20", "50%"}},
      {"Label4", {5, 11}, {1, 58}, {"?", "?", "?", "?", "?", "?"}},
  };
  for (const Case& c : cases) {
    s.Click(c.link);
    s.Look([&, c] {
      SCOPED_TRACE(c.link);
      EXPECT_EQ(s.TopName(), "LeaderFrm");
      EXPECT_EQ(s.Read("NameLbl"), s.Words(c.name));
      EXPECT_EQ(s.Read("Label3"), s.Words(c.caption));
      const char* lines[] = {"MoralLbl", "LeadershipLbl", "NobilityLbl",
                             "DiploLbl", "ReligionLbl",   "StatusLbl"};
      for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(s.Read(lines[k]), c.values[k]) << lines[k];
    });
    s.Click("OkAniBtn");
  }
  s.Click("OkAniBtn");
  s.Run("RealmFrm");

  // Opened by its name, the screen shows the player's lord.
  s.Look([&] { EXPECT_EQ(s.Read("StatusLbl"), "45%"); });
  s.Click("OkAniBtn");
  s.Run("LeaderFrm");
  // Opened for a rival lord.
  s.Look([&] { EXPECT_EQ(s.Read("LeadershipLbl"), "?"); });
  s.Click("OkAniBtn");
  OpenLeader(s.game, s.ui, 3);
  EXPECT_TRUE(s.steps.steps.empty());
}

}  // namespace
}  // namespace valorne
