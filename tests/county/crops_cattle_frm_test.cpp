#include <gtest/gtest.h>

#include "county/county_frm_fixture.h"
#include "county/fields.h"

namespace valorne {
namespace {

using county_testing::CountyScreens;

// The figures after the end of turn's food rule, in a season without a
// harvest so only the losses and yields are set (difficulty 2: 450 grain and
// 75 meat a field before the losses).
void ComputeYields(Game& game, Byte farming_level) {
  game.state.FarmingLevel = farming_level;
  game.state.Season = 3;
  game.state.VillageStates[1] = 200;
  game.state.WindmillStates[1] = 200;
  CalcFood(game);
}

TEST(CropsFrm, ShowsTheHarvestOfTheCropsFields) {
  struct Case {
    Byte level;
    Integer workers;
    const char* field;
    const char* birds;
    const char* per_field;
    const char* harvest;
    bool farm;
  };
  const Case cases[] = {
      {0, 300, "450", "90", "+360", "+1080", false},
      // Three fields and a half: only whole fields count.
      {1, 350, "470", "91", "+379", "+1137", false},
      {2, 100, "490", "46", "+444", "+444", true},
      {4, 0, "530", "23", "+507", "+0", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    CountyScreens s;
    ComputeYields(s.game, c.level);
    s.game.state.CropsWorkers = c.workers;
    s.Play("CropsFrm", [&](Form& f) {
      EXPECT_EQ(CountyScreens::Label(f, "FrmTitleLbl"), "Crops");
      EXPECT_EQ(CountyScreens::Label(f, "RUNA_Label1"), "Crop fields");
      EXPECT_EQ(CountyScreens::Label(f, "PeopleLbl"), std::to_string(c.workers));
      EXPECT_EQ(CountyScreens::Label(f, "WorkingLbl"), "100");
      EXPECT_EQ(CountyScreens::Label(f, "FieldLbl"), c.field);
      EXPECT_EQ(CountyScreens::Label(f, "BirdsLbl"), c.birds);
      EXPECT_EQ(CountyScreens::Label(f, "Crops2Lbl"), c.per_field);
      EXPECT_EQ(CountyScreens::Label(f, "CropsLbl"), c.harvest);
      EXPECT_EQ(f["FarmImg"].visible(), c.farm);
    });
  }
}

TEST(CattleFrm, ShowsTheMeatOfTheCattleFields) {
  struct Case {
    Byte level;
    Integer workers;
    const char* field;
    const char* wolves;
    const char* per_field;
    const char* meat;
    int herds;
  };
  const Case cases[] = {
      {0, 90, "75", "15", "+60", "+120", 0},
      {3, 135, "90", "7", "+83", "+249", 1},
      // At level 4 the wolves take nothing; 100 people fill two fields.
      {6, 100, "105", "0", "+105", "+210", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    CountyScreens s;
    ComputeYields(s.game, c.level);
    s.game.state.CattleWorkers = c.workers;
    s.Play("CattleFrm", [&](Form& f) {
      EXPECT_EQ(CountyScreens::Label(f, "FrmTitleLbl"), "Cattle");
      EXPECT_EQ(CountyScreens::Label(f, "PeopleLbl"), std::to_string(c.workers));
      EXPECT_EQ(CountyScreens::Label(f, "WorkingLbl"), "45");
      EXPECT_EQ(CountyScreens::Label(f, "FieldLbl"), c.field);
      EXPECT_EQ(CountyScreens::Label(f, "WolfsLbl"), c.wolves);
      EXPECT_EQ(CountyScreens::Label(f, "Cattle2Lbl"), c.per_field);
      EXPECT_EQ(CountyScreens::Label(f, "CattleLbl"), c.meat);
      EXPECT_EQ(f["HerdImg1"].visible(), c.herds >= 1);
      EXPECT_EQ(f["HerdImg2"].visible(), c.herds >= 2);
    });
  }
}

}  // namespace
}  // namespace valorne
