#include <gtest/gtest.h>

#include "county/county_frm_fixture.h"
#include "screens/toolkit/controls.h"

namespace valorne {
namespace {

using county_testing::CountyScreens;

void SetUpPeople(GameState& s) {
  s.Population = 6000;
  s.PreviousPopulation = 5930;
  s.IdlePeople = 1210;
  s.ArmySizes = {300, 0, 45};
  s.Happiness = 61;
  s.Health = 50;
  s.TaxRate = 30;
  s.MeatStock = 800;
  s.GrainStock = 4000;
  s.EatMeat = kTrue;
  s.EatGrain = kTrue;
}

TEST(PeopleFrm, ShowsThePeopleAndWhatMovesThem) {
  CountyScreens s;
  SetUpPeople(s.game.state);
  s.game.state.LordReligion = 40;
  s.game.state.TournamentHeld = kTrue;
  s.Play("PeopleFrm", [&](Form& f) {
    EXPECT_EQ(CountyScreens::Label(f, "FrmTitleLbl"), "People");
    EXPECT_EQ(CountyScreens::Label(f, "RUNA_Label4"), "Health");
    EXPECT_EQ(CountyScreens::Label(f, "PeopleLbl"), "6000");
    EXPECT_EQ(CountyScreens::Label(f, "PreviousLbl"), "5930");
    EXPECT_EQ(CountyScreens::Label(f, "AvailableLbl"), "1210");
    EXPECT_EQ(CountyScreens::Label(f, "RegrutedLbl"), "345");
    EXPECT_EQ(CountyScreens::Label(f, "HappinessLbl"), "61");
    EXPECT_EQ(CountyScreens::Label(f, "HealthLbl"), "50");
    EXPECT_EQ(CountyScreens::Label(f, "FromTaxLbl"), "- 7");
    EXPECT_EQ(CountyScreens::Label(f, "FromFoodLbl"), "+8");
    EXPECT_EQ(CountyScreens::Label(f, "FromPlagueLbl"), "- 3");
    EXPECT_EQ(CountyScreens::Label(f, "FromRelLbl"), "+5 %");
    EXPECT_EQ(CountyScreens::Label(f, "FromTourLbl"), "+20");
    EXPECT_EQ(CountyScreens::Label(f, "MeatLbl"), "500");
    EXPECT_EQ(CountyScreens::Label(f, "CropsLbl"), "1500");
  });
  s.game.state.LordReligion = 39;
  s.game.state.TournamentHeld = kFalse;
  s.game.state.Health = 51;
  s.Play("PeopleFrm", [&](Form& f) {
    EXPECT_EQ(CountyScreens::Label(f, "FromRelLbl"), "- 10 %");
    EXPECT_EQ(CountyScreens::Label(f, "FromTourLbl"), "0");
    EXPECT_EQ(CountyScreens::Label(f, "FromPlagueLbl"), "+5");
  });
}

TEST(PeopleFrm, TheFoodBoxesSetWhatThePeopleEat) {
  CountyScreens s;
  SetUpPeople(s.game.state);
  s.Play("PeopleFrm", [&](Form& f) {
    // Untick the meat: the people eat grain only.
    EXPECT_TRUE(s.Click(f, "MeatOption"));
    EXPECT_FALSE(IsTrue(s.game.state.EatMeat));
    EXPECT_FALSE(f.Get<CheckBox>("MeatOption").checked());
    EXPECT_EQ(CountyScreens::Label(f, "MeatLbl"), "0");
    EXPECT_EQ(CountyScreens::Label(f, "FromFoodLbl"), "+3");
    // Untick the grain too: nothing to eat.
    EXPECT_TRUE(s.Click(f, "CropsOption"));
    EXPECT_FALSE(IsTrue(s.game.state.EatGrain));
    EXPECT_EQ(CountyScreens::Label(f, "CropsLbl"), "0");
    EXPECT_EQ(CountyScreens::Label(f, "FromFoodLbl"), "-8");
    // Meat again.
    EXPECT_TRUE(s.Click(f, "MeatOption"));
    EXPECT_TRUE(IsTrue(s.game.state.EatMeat));
    EXPECT_EQ(CountyScreens::Label(f, "MeatLbl"), "500");
    EXPECT_EQ(CountyScreens::Label(f, "FromFoodLbl"), "- 3");
  });
  EXPECT_TRUE(IsTrue(s.game.state.EatMeat));
  EXPECT_FALSE(IsTrue(s.game.state.EatGrain));
}

TEST(PeopleFrm, AnEmptyStoreCannotBeChosen) {
  CountyScreens s;
  SetUpPeople(s.game.state);
  s.game.state.MeatStock = 0;
  s.Play("PeopleFrm", [&](Form& f) {
    const CheckBox& meat = f.Get<CheckBox>("MeatOption");
    EXPECT_FALSE(meat.enabled());
    EXPECT_FALSE(meat.checked());
    EXPECT_FALSE(IsTrue(s.game.state.EatMeat));
    EXPECT_EQ(CountyScreens::Label(f, "MeatLbl"), "0");
    EXPECT_EQ(CountyScreens::Label(f, "FromFoodLbl"), "+3");
    // The player cannot tick it.
    EXPECT_FALSE(s.Click(f, "MeatOption"));
    EXPECT_FALSE(IsTrue(s.game.state.EatMeat));
    EXPECT_TRUE(f.Get<CheckBox>("CropsOption").enabled());
  });
}

}  // namespace
}  // namespace valorne
