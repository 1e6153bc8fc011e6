#include "county/field_menu.h"

#include <gtest/gtest.h>

#include "county/crops_cattle_screens.h"
#include "county/fields.h"
#include "county/screen_log_ui.h"

namespace valorne {
namespace {

using county_testing::ScreenLogUi;

void SetUpNormal(Game& game) {
  SetUpLevelParams(game.params, 2);
  game.state.VillageStates = {200, 100, 100};
  game.state.WindmillStates = {200, 100, 100};
}

TEST(FieldMenu, SeasonDecidesTheButtons) {
  struct Case {
    int season;
    bool empty, crops, cattle, lease;
  };
  const Case cases[] = {{1, true, true, false, true},
                        {2, true, false, true, true},
                        {3, true, false, false, true},
                        {4, true, false, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "season " << c.season);
    const SmallFieldButtons shown = ShowSmallFieldsBtns(c.season);
    EXPECT_EQ(shown.Field1Pic, c.empty);
    EXPECT_EQ(shown.Field2Pic, c.crops);
    EXPECT_EQ(shown.Field3Pic, c.cattle);
    EXPECT_EQ(shown.Field4Pic, c.lease);
  }
}

TEST(FieldMenu, FloodedFieldOpensNoMenu) {
  Game game;
  ScreenLogUi ui(game);
  game.state.Season = 1;
  game.state.FieldStates[5] = FieldFlood;
  EXPECT_FALSE(FieldMenuChoices(game, 5).Any());
  EXPECT_FALSE(OpenFieldMenu(game, 5));
  EXPECT_FALSE(game.live.FieldMenuShown);
  EXPECT_TRUE(ui.sounds.empty());
  // Not even the empty button of a flooded field may drain it.
  EXPECT_FALSE(ChooseFieldAction(game, 5, FieldMenuButton::Field1Pic).accepted);
  EXPECT_EQ(game.state.FieldStates[5], FieldFlood);

  game.state.FieldStates[6] = FieldHire;
  EXPECT_TRUE(OpenFieldMenu(game, 6));
  EXPECT_TRUE(game.live.FieldMenuShown);
  EXPECT_EQ(game.live.SelectedField, 6);
  EXPECT_EQ(ui.sounds, (std::vector<std::string>{"EnvChanel03 rollover01.wav"}));
  EXPECT_FALSE(OpenFieldMenu(game, 11));
}

TEST(FieldMenu, ButtonsNeedIdlePeopleForCropsAndCattle) {
  struct Case {
    const char* name;
    int season;
    Byte from;
    FieldMenuButton button;
    Long idle;
    bool accepted;
    Byte state_after;
    Long idle_after;
    const char* sound;  // nullptr: none played
  };
  const Case cases[] = {
      {"sow with exactly a field's people", 1, 0, FieldMenuButton::Field2Pic, 100, true, 1, 0,
       "crops01.wav"},
      {"sow one short", 1, 0, FieldMenuButton::Field2Pic, 99, false, 0, 99, "crops01.wav"},
      {"cattle with 45", 2, 0, FieldMenuButton::Field3Pic, 45, true, 2, 0, "cattle01.wav"},
      {"cattle with 44", 2, 0, FieldMenuButton::Field3Pic, 44, false, 0, 44, "cattle01.wav"},
      {"crops to cattle frees 55", 2, 1, FieldMenuButton::Field3Pic, 45, true, 2, 100,
       "cattle01.wav"},
      // The check is made even on a field that already has the use.
      {"crops again, too few", 1, 1, FieldMenuButton::Field2Pic, 10, false, 1, 10, "crops01.wav"},
      {"crops again", 1, 1, FieldMenuButton::Field2Pic, 100, true, 1, 100, "crops01.wav"},
      {"lease crops", 3, 1, FieldMenuButton::Field4Pic, 0, true, 4, 100, "tax01.wav"},
      {"empty cattle", 4, 2, FieldMenuButton::Field1Pic, 0, true, 0, 45, "plain01.wav"},
      {"sow in autumn", 3, 0, FieldMenuButton::Field2Pic, 1000, false, 0, 1000, nullptr},
      {"cattle in spring", 1, 0, FieldMenuButton::Field3Pic, 1000, false, 0, 1000, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Game game;
    SetUpNormal(game);
    ScreenLogUi ui(game);
    GameState& s = game.state;
    s.Season = static_cast<Byte>(c.season);
    s.FieldStates[2] = c.from;
    s.CropsWorkers = c.from == FieldCrops ? 100 : 0;
    s.CattleWorkers = c.from == FieldCattle ? 45 : 0;
    s.IdlePeople = c.idle;
    ASSERT_TRUE(OpenFieldMenu(game, 2));
    ui.sounds.clear();
    const Outcome outcome = ChooseFieldAction(game, 2, c.button);
    EXPECT_EQ(outcome.accepted, c.accepted);
    EXPECT_FALSE(outcome.HasHint()) << "refusals here are silent";
    EXPECT_EQ(s.FieldStates[2], c.state_after);
    EXPECT_EQ(s.IdlePeople, c.idle_after);
    EXPECT_EQ(game.live.FieldMenuShown, !c.accepted) << "a refusal leaves the menu open";
    if (c.sound) {
      EXPECT_EQ(ui.sounds, (std::vector<std::string>{std::string("EnvChanel03 ") + c.sound}));
    } else {
      EXPECT_TRUE(ui.sounds.empty());
    }
  }
}

TEST(FieldMenu, LeftClickOpensTheInformationScreen) {
  struct Case {
    Byte state;
    const char* form;   // empty: none
    const char* sound;  // empty: none
  };
  const Case cases[] = {{FieldEmpty, "", ""},
                        {FieldCrops, "CropsFrm", "EnvChanel03 crops01.wav"},
                        {FieldCattle, "CattleFrm", "EnvChanel03 cattle01.wav"},
                        {FieldFlood, "", ""},
                        {FieldHire, "", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "state " << int{c.state});
    Game game;
    ScreenLogUi ui(game);
    game.state.FieldStates[9] = c.state;
    EXPECT_EQ(FieldInfoScreen(game, 9), c.form);
    EXPECT_EQ(OpenFieldInfo(game, 9), *c.form != '\0');
    EXPECT_EQ(ui.screens, *c.form ? std::vector<std::string>{c.form} : std::vector<std::string>{});
    EXPECT_EQ(ui.sounds, *c.sound ? std::vector<std::string>{c.sound} : std::vector<std::string>{});
  }
}

TEST(FieldScreens, CropsAndCattleFigures) {
  Game game;
  SetUpNormal(game);
  GameState& s = game.state;
  s.FarmingLevel = 0;
  s.Season = 3;
  s.CropsWorkers = 300;
  s.CattleWorkers = 90;
  CalcFood(game);

  const CropsFigures crops = CropsScreenFigures(game);
  EXPECT_EQ(crops.FrmTitle, (TextRef{3, 19}));
  EXPECT_EQ(crops.Label1, (TextRef{3, 20}));
  EXPECT_EQ(crops.Crops, "+1080");
  EXPECT_EQ(crops.People, "300");
  EXPECT_EQ(crops.Field, "450");
  EXPECT_EQ(crops.Working, "100");
  EXPECT_EQ(crops.Birds, "90");
  EXPECT_EQ(crops.Crops2, "+360");

  const CattleFigures cattle = CattleScreenFigures(game);
  EXPECT_EQ(cattle.FrmTitle, (TextRef{3, 17}));
  EXPECT_EQ(cattle.Label1, (TextRef{3, 18}));
  EXPECT_EQ(cattle.Cattle, "+120");
  EXPECT_EQ(cattle.People, "90");
  EXPECT_EQ(cattle.Field, "75");
  EXPECT_EQ(cattle.Working, "45");
  EXPECT_EQ(cattle.Wolfs, "15");
  EXPECT_EQ(cattle.Cattle2, "+60");
}

TEST(FieldScreens, GrossFiguresAndPicturesFollowTheFarmingLevel) {
  struct Case {
    int level;
    const char* crops_field;
    const char* cattle_field;
    bool farm;
    int cattle_pictures;
  };
  const Case cases[] = {{1, "470", "80", false, 0}, {2, "490", "85", true, 0},
                        {3, "510", "90", true, 1},  {5, "550", "100", true, 1},
                        {6, "570", "105", true, 2}, {10, "650", "125", true, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "level " << c.level);
    Game game;
    SetUpNormal(game);
    game.state.FarmingLevel = static_cast<Byte>(c.level);
    const CropsFigures crops = CropsScreenFigures(game);
    const CattleFigures cattle = CattleScreenFigures(game);
    EXPECT_EQ(crops.Field, c.crops_field);
    EXPECT_EQ(cattle.Field, c.cattle_field);
    EXPECT_EQ(crops.FarmPicture, c.farm);
    EXPECT_EQ(cattle.ExtraPictures, c.cattle_pictures);
  }
}

}  // namespace
}  // namespace valorne
