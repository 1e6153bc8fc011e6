// The weather screen of each season, its animation, and the flood risk it
// tells, which must be the risk the winter's end really brings.
#include "turn/weather_frm.h"

#include <gtest/gtest.h>

#include "county/fields.h"
#include "turn/seasons.h"
#include "turn/turn_screens_fixture.h"

namespace valorne {
namespace {

using testing::TurnScreens;

TEST(WeatherFrmTest, EachSeasonShowsWhatItsEndWillDo) {
  struct Case {
    Byte season;
    std::string anim;
    std::string mood;
    int line1, line2, name;
    std::vector<std::string> sounds;
  };
  const Case cases[] = {
      {1, "fall.rx", "- 2", 33, 34, 159, {"EnvChanel02: rain01.wav", "EnvChanel03: thunder02.wav"}},
      {2, "winter.rx", "- 4", 35, 33, 160, {"EnvChanel02: cave01.wav"}},
      {3, "spring.rx", "+2", 36, 35, 161, {"EnvChanel02: dolmen01.wav"}},
      {4, "summer.rx", "+4", 34, 36, 162, {"EnvChanel02: dolmen01.wav"}},
  };
  for (const Case& c : cases) {
    TurnScreens s;
    s.game.state.Season = c.season;
    s.Then([&] {
      EXPECT_EQ(s.Text("TitleLbl"), s.GameText(3, 92));
      EXPECT_EQ(s.Text("Helper"), s.GameText(1, 125));
      EXPECT_EQ(s.Text("HappinessLbl"), c.mood);
      EXPECT_EQ(s.Text("WeatherLbl"), s.GameText(4, c.line1));
      EXPECT_EQ(s.Text("WeatherLbl2"), s.GameText(4, c.line2));
      EXPECT_EQ(s.Text("SeasonLbl"), s.GameText(4, c.name));
      EXPECT_EQ(s.Top()["WeatherImg"].picture(), "../../anim/" + c.anim);
      EXPECT_EQ(s.Sounds(), c.sounds);
    });
    s.Click("OkAniBtn");
    s.ui.Open("WeatherFrm");
    EXPECT_TRUE(s.steps.steps.empty());
  }
}

TEST(WeatherFrmTest, TheAnimationPlaysOnlyWhenAnimatedScreensAreOn) {
  for (Boolean animated : {kTrue, kFalse}) {
    TurnScreens s;
    s.game.state.Season = 3;
    s.game.options.AnimatedSOption = animated;
    s.Then([&] { EXPECT_EQ(s.Top()["WeatherImg"].strip_frame(), 0); });
    s.Advance(1000);  // eight frames a second
    s.Then([&] { EXPECT_EQ(s.Top()["WeatherImg"].strip_frame(), IsTrue(animated) ? 8 : 0); });
    s.Click("OkAniBtn");
    s.ui.Open("WeatherFrm");
  }
}

TEST(WeatherFrmTest, WinterTellsTheFloodRiskOfTheDifficulty) {
  struct Case {
    Byte season;
    Byte difficulty;
    std::string chance;  // empty: no floods to fear
    std::string fields;
  };
  const Case cases[] = {
      {2, 1, "", ""}, {2, 2, "20 %", "1, 3, 4"}, {2, 3, "40 %", "1, 3, 4, 7, 9"}, {1, 3, "", ""},
      {3, 3, "", ""},  // floods come only at the end of winter
  };
  for (const Case& c : cases) {
    TurnScreens s;
    s.game.state.Season = c.season;
    s.game.Difficulty = c.difficulty;
    s.Then([&] {
      const bool floods = !c.chance.empty();
      EXPECT_EQ(s.Top()["FloodChanceLbl"].visible(), floods);
      EXPECT_EQ(s.Top()["FloodFieldsLbl"].visible(), floods);
      EXPECT_EQ(s.Top()["FloodNoneLbl"].visible(), !floods);
      EXPECT_EQ(s.Text("FloodChanceLbl"), c.chance);
      EXPECT_EQ(s.Text("FloodFieldsLbl"), c.fields);
      EXPECT_EQ(s.Text("FloodHeadLbl"), s.GameText(3, 96));
    });
    s.Click("OkAniBtn");
    s.ui.Open("WeatherFrm");
  }
}

// The risk told is the share of the hundred rolls that flood, and the fields
// told are the ones a flood drowns.
TEST(WeatherFrmTest, TheRiskToldIsTheRiskOfTheRules) {
  for (Byte difficulty : {1, 2, 3}) {
    const FloodRisk risk = FloodRiskFor(difficulty);
    int floods = 0;
    for (int k = 0; k < 100; ++k) {
      Game game;
      game.Difficulty = difficulty;
      game.rng = Random::Constant(k / 100.0 + 0.001);
      for (int field = 1; field <= 10; ++field) game.state.FieldStates[field] = FieldCrops;
      FloodFields(game);
      std::vector<int> drowned;
      for (int field = 1; field <= 10; ++field) {
        if (game.state.FieldStates[field] == FieldFlood) drowned.push_back(field);
      }
      if (drowned.empty()) continue;
      ++floods;
      EXPECT_EQ(drowned, risk.fields) << "difficulty " << int{difficulty};
    }
    EXPECT_EQ(floods, risk.percent) << "difficulty " << int{difficulty};
  }
}

}  // namespace
}  // namespace valorne
