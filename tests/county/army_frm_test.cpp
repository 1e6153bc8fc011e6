#include "county/army_frm.h"

#include <gtest/gtest.h>

#include "county/management_screens.h"
#include "county/recruitment.h"
#include "management_frm_fixture.h"

namespace valorne {
namespace {

using testing::ManageScreens;

constexpr int kRaiseTick = ArmyFrm::kRaiseIntervalMs;

const Recruiting& RecruitingOf(const ManageScreens& s) {
  return static_cast<const ArmyFrm&>(s.Top()).recruiting();
}

// A normal start: 145 bows, 42 swords, 40 shields, 12 plate armours, one
// cross, 3500 idle people, a lord of religion 55 and army 1 in the field.
TEST(ArmyFrmTest, HeldButtonsRaiseAndReleaseOneSoldierATick) {
  ManageScreens s;
  GameState& st = s.game.state;
  s.Click("ArcherBtn");
  s.Down("UpAniBtn");
  s.Advance(kRaiseTick - 1);
  s.Look([&] { EXPECT_EQ(RecruitingOf(s).RaisedTotal, 0); });  // not a tick yet
  s.Advance(1 + 9 * kRaiseTick);
  s.Up("UpAniBtn");
  s.Look([&] {
    EXPECT_EQ(RecruitingOf(s).RaisedSoldiers.Archers, 10);
    EXPECT_EQ(st.Bows, 135);
    EXPECT_EQ(s.Read("RaisedLbl"), "10");
    EXPECT_EQ(s.Read("RaisedTotalLbl"), "10");
    EXPECT_EQ(s.Read("WeaponLbl"), "135");
  });
  // Let go, the button raises no more.
  s.Advance(20 * kRaiseTick);
  s.Look([&] { EXPECT_EQ(st.Bows, 135); });
  s.Down("DownAniBtn");
  s.Advance(3 * kRaiseTick);
  s.Up("DownAniBtn");
  s.Look([&] {
    EXPECT_EQ(RecruitingOf(s).RaisedSoldiers.Archers, 7);
    EXPECT_EQ(RecruitingOf(s).RaisedTotal, 7);
    EXPECT_EQ(st.Bows, 138);
    EXPECT_EQ(s.Read("RaisedLbl"), "7");
  });
  // Releasing more than were raised stops at none.
  s.Down("DownAniBtn");
  s.Advance(12 * kRaiseTick);
  s.Up("DownAniBtn");
  s.Look([&] {
    EXPECT_EQ(RecruitingOf(s).RaisedTotal, 0);
    EXPECT_EQ(st.Bows, 145);
  });
  s.Click("Noanibtn");
  s.Run("ArmyFrm");
  EXPECT_EQ(st.IdlePeople, 3500);
}

TEST(ArmyFrmTest, TypesThatCannotBeChosenAndCapsThatStopRaising) {
  ManageScreens s;
  GameState& st = s.game.state;
  st.Crosses = 10;
  s.Click("ArcherBtn");
  s.Click("MonkBtn");  // religion 55 is below the 70 monks need here
  s.Look([&] {
    EXPECT_EQ(RecruitingOf(s).SelectedUnitType, 2);
    EXPECT_EQ(s.Read("Helper"), "");
  });
  s.Click("CavalryBtn");  // no stables
  s.Look([&] {
    EXPECT_EQ(RecruitingOf(s).SelectedUnitType, 2);
    EXPECT_EQ(s.Read("Helper"), s.Words(kBuildingMissing));
    st.LordReligion = 70;
  });
  s.Click("MonkBtn");
  s.Look([&] {
    EXPECT_EQ(RecruitingOf(s).SelectedUnitType, 1);
    EXPECT_EQ(s.Read("NameLbl"), s.Words({4, 60}));
    EXPECT_EQ(s.Read("HintLbl"), s.Words({1, 20}));
    EXPECT_EQ(s.Top()["PortraitImg"].picture(), "sold1res");
    EXPECT_EQ(s.Read("AttackLbl"), "0");
    EXPECT_EQ(s.Read("SpeedLbl"), "5");
    EXPECT_EQ(s.Read("NeedWeaponLbl"), "1");
    EXPECT_EQ(s.Read("NeedPlateLbl"), "0");
    // Under the pointer a portrait names its type; away, the choice shows again.
    Form& form = s.Top();
    s.ui.PointAt(form, &form["WarlordBtn"]);
    EXPECT_EQ(s.Read("NameLbl"), s.Words({4, 73}));
    s.ui.PointAt(form, nullptr);
    EXPECT_EQ(s.Read("NameLbl"), s.Words({4, 60}));
    EXPECT_EQ(RecruitingOf(s).SelectedUnitType, 1);
  });
  // Held for six ticks: the fifth monk is the last of one army.
  s.Down("UpAniBtn");
  s.Advance(6 * kRaiseTick);
  s.Up("UpAniBtn");
  s.Look([&] {
    EXPECT_EQ(RecruitingOf(s).RaisedSoldiers.Monks, 5);
    EXPECT_EQ(st.Crosses, 5);
    EXPECT_EQ(s.Read("Helper"), s.Words({4, 18}));
  });
  // A swordsman takes a sword, a shield and a plate armour; twelve plates
  // make twelve swordsmen.
  s.Click("SwordsmenBtn");
  s.Down("UpAniBtn");
  s.Advance(15 * kRaiseTick);
  s.Up("UpAniBtn");
  s.Look([&] {
    EXPECT_EQ(RecruitingOf(s).RaisedSoldiers.SwordMen, 12);
    EXPECT_EQ(st.Swords, 30);
    EXPECT_EQ(st.Shields, 28);
    EXPECT_EQ(st.PlateArmours, 0);
    EXPECT_EQ(s.Read("PlateLbl"), "0");
    EXPECT_EQ(s.Read("Helper"), s.Words({4, 18}));
    EXPECT_EQ(RecruitingOf(s).RaisedTotal, 17);
  });
  // Too few to form an army.
  s.Click("OkAniBtn");
  s.Look([&] {
    EXPECT_EQ(s.TopName(), "ArmyFrm");
    EXPECT_EQ(s.Read("Helper"), s.Words({4, 19}));
  });
  // Cancelling restores every stock.
  s.Click("Noanibtn");
  s.Run("ArmyFrm");
  EXPECT_EQ(st.Crosses, 10);
  EXPECT_EQ(st.Swords, 42);
  EXPECT_EQ(st.Shields, 40);
  EXPECT_EQ(st.PlateArmours, 12);
  EXPECT_EQ(st.Bows, 145);
  EXPECT_EQ(st.ArmyExists[2], kFalse);
  EXPECT_EQ(st.Population, 3500);
}

TEST(ArmyFrmTest, RaisingStopsAtTheIdlePeople) {
  ManageScreens s;
  GameState& st = s.game.state;
  st.IdlePeople = 4;
  s.Click("ArcherBtn");
  s.Down("UpAniBtn");
  s.Advance(6 * kRaiseTick);
  s.Up("UpAniBtn");
  s.Look([&] {
    EXPECT_EQ(RecruitingOf(s).RaisedTotal, 4);
    EXPECT_EQ(st.Bows, 141);
    EXPECT_EQ(s.Read("Helper"), s.Words({4, 20}));
  });
  s.Click("Noanibtn");
  s.Run("ArmyFrm");
}

TEST(ArmyFrmTest, FormingTheArmyTakesTheFirstFreeSlotAtTheCastleOrTheOutpost) {
  struct Case {
    Byte place;
    Byte waypoint;
  };
  for (const Case& c : {Case{kRecruitPlaceCastle, kCastleGateWaypoint},
                        Case{kRecruitPlaceOutpost, kOutpostWaypoint}}) {
    SCOPED_TRACE(static_cast<int>(c.place));
    ManageScreens s;
    GameState& st = s.game.state;
    st.Clubs = 60;
    s.Look([&] {
      EXPECT_TRUE(s.Enabled("OkAniBtn"));
      EXPECT_EQ(s.Read("ArmyNameLbl"), s.Words({4, 113}));
    });
    s.Click("ArcherBtn");
    s.Down("UpAniBtn");
    s.Advance(60 * kRaiseTick);
    s.Up("UpAniBtn");
    s.Click("MacemanBtn");
    s.Down("UpAniBtn");
    s.Advance(39 * kRaiseTick);
    s.Up("UpAniBtn");
    s.Click("OkAniBtn");  // 99 soldiers are not an army
    s.Look([&] { EXPECT_EQ(s.Read("Helper"), s.Words({4, 19})); });
    s.Down("UpAniBtn");
    s.Advance(kRaiseTick);
    s.Up("UpAniBtn");
    s.Click("OkAniBtn");
    if (c.place == kRecruitPlaceCastle) {
      s.Run("ArmyFrm");
    } else {
      OpenRecruiting(s.game, s.ui, c.place);
      EXPECT_TRUE(s.steps.steps.empty());
    }
    EXPECT_EQ(s.ui.top(), nullptr);
    EXPECT_EQ(st.ArmyExists[2], kTrue);
    EXPECT_EQ(st.ArmySizes[2], 100);
    EXPECT_EQ(st.ArmySoldiers[2].Archers, 60);
    EXPECT_EQ(st.ArmySoldiers[2].ClubMen, 40);
    EXPECT_EQ(st.ArmySoldiers[2].Total(), 100);
    EXPECT_EQ(st.ArmyWaypointNos[2], c.waypoint);
    EXPECT_EQ(st.Population, 3400);
    EXPECT_EQ(st.IdlePeople, 3400);
    EXPECT_EQ(st.Bows, 85);
    EXPECT_EQ(st.Clubs, 20);
    EXPECT_EQ(st.ArmySizes[1], 1010);  // the first army is untouched
    EXPECT_EQ(st.ArmyExists[3], kFalse);
  }
}

TEST(ArmyFrmTest, WithThreeArmiesNoFourthCanBeFormed) {
  ManageScreens s;
  GameState& st = s.game.state;
  st.ArmyExists = {kTrue, kTrue, kTrue};
  st.ArmySizes = {1010, 200, 300};
  s.Look([&] {
    EXPECT_FALSE(s.Enabled("OkAniBtn"));
    EXPECT_EQ(s.Read("Helper"), s.Words({4, 28}));
    EXPECT_EQ(s.Read("ArmyNameLbl"), "");
  });
  s.Click("Noanibtn");
  s.Run("ArmyFrm");
}

}  // namespace
}  // namespace valorne
