// The objectives screen: its three faces as the state decides them, the
// green lines of the objectives met, the story, and the ways on from the
// victory and the defeat.
#include "level/saves.h"
#include "map_screens_fixture.h"
#include "screens/toolkit/look.h"

namespace valorne {
namespace {

using map_testing::MapScreens;

struct Standing {
  bool rival_falls = false;
  Integer army_total = 0;
  Byte farming = 1;
  Single morale = 10;
  bool defeated = false;
};

void Apply(const Standing& st, Game& game) {
  game.state.Rival1Standing = ToBoolean(!st.rival_falls);
  game.live.ArmyTotal = st.army_total;
  game.state.FarmingLevel = st.farming;
  game.state.Morale = st.morale;
  game.state.PlayerUndefeated = ToBoolean(!st.defeated);
}

std::vector<std::string> Shown(const Form& f) {
  std::vector<std::string> names;
  for (const char* c : {"Image1", "CloseLbl", "Label1", "NextLbl", "ContinueLbl", "Image3",
                        "ReplayLbl", "Image4", "MenuLbl"}) {
    if (f[c].visible()) names.push_back(c);
  }
  return names;
}

TEST(TipsFrm, TheFaceAndTheGreenLinesFollowTheObjectives) {
  struct Case {
    const char* what;
    Standing standing;
    TipsFace face;
    bool won;
    std::array<bool, 4> green;
    std::vector<std::string> shown;
  };
  const std::vector<std::string> objectives = {"Image1", "CloseLbl", "Label1"};
  const std::vector<std::string> victory = {"NextLbl", "ContinueLbl"};
  const std::vector<std::string> defeat = {"Image3", "ReplayLbl", "Image4", "MenuLbl"};
  const Case cases[] = {
      {"nothing met yet",
       {},
       TipsFace::Objectives,
       false,
       {false, false, false, false},
       objectives},
      {"two met in the middle of the level",
       {.farming = 10, .morale = 80},
       TipsFace::Objectives,
       false,
       {false, false, true, true},
       objectives},
      {"999 soldiers and morale 74.9",
       {.rival_falls = true, .army_total = 999, .farming = 12, .morale = 74.9f},
       TipsFace::Objectives,
       false,
       {true, false, true, false},
       objectives},
      {"exactly 1000 soldiers and morale 75",
       {.rival_falls = true, .army_total = 1000, .farming = 10, .morale = 75},
       TipsFace::Victory,
       true,
       {true, true, true, true},
       victory},
      {"lost while all four hold",
       {.rival_falls = true, .army_total = 2000, .farming = 10, .morale = 90, .defeated = true},
       TipsFace::Defeat,
       true,
       {false, true, true, true},
       defeat},
      {"lost", {.defeated = true}, TipsFace::Defeat, false, {false, false, false, false}, defeat},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MapScreens s;
    Apply(c.standing, s.game);
    EXPECT_EQ(FaceOf(s.game), c.face);
    s.Run("TipsFrm", [&](Form& f) {
      auto& tips = dynamic_cast<TipsFrm&>(f);
      EXPECT_EQ(tips.face(), c.face);
      EXPECT_EQ(tips.LevelWon(), c.won);
      for (int line = 1; line <= 4; ++line) {
        const Colour ink = f.At("TipLbl", line).fore();
        if (line == 1 && c.face == TipsFace::Defeat) {
          EXPECT_EQ(ink, kDefeatInk);
        } else {
          EXPECT_EQ(ink, c.green[line - 1] ? kObjectiveMetInk : look::kInk) << "line " << line;
        }
      }
      EXPECT_EQ(Shown(f), c.shown);
    });
  }
}

TEST(TipsFrm, TheLinesTellTheObjectivesOrTheDefeat) {
  for (const bool defeated : {false, true}) {
    SCOPED_TRACE(defeated ? "defeat" : "objectives");
    MapScreens s;
    Apply({.defeated = defeated}, s.game);
    s.Run("TipsFrm", [&](Form& f) {
      EXPECT_EQ(f["TitleLbl"].Text(), s.Text({3, 84}));
      for (int line = 1; line <= 6; ++line) {
        std::string expected = s.Text({5, static_cast<std::int16_t>(83 + line)});
        if (defeated) expected = line == 1 ? s.Text({4, 137}) : "";
        EXPECT_EQ(f.At("TipLbl", line).Text(), expected) << "line " << line;
      }
      EXPECT_EQ(f["ReplayLbl"].Text(), s.Text({3, 87}));
      EXPECT_EQ(f["MenuLbl"].Text(), s.Text({3, 88}));
    });
  }
}

TEST(TipsFrm, TheStoryTakesThePlaceOfTheObjectives) {
  MapScreens s;
  s.Run("TipsFrm", [&](Form& f) {
    EXPECT_EQ(f["Label1"].Text(), s.Text({3, 89}));
    s.Click(f, "Label1");
    EXPECT_FALSE(f["TitleLbl"].visible());
    for (int line = 1; line <= 6; ++line) EXPECT_FALSE(f.At("TipLbl", line).visible());
    EXPECT_TRUE(f["ChapterLbl"].visible());
    EXPECT_EQ(f["ChapterLbl"].Text(), s.Text({2, 18}));
    EXPECT_EQ(f["IntroTextLbl"].Text(), s.Text({2, 28}));
    EXPECT_EQ(s.Played().back(), "ClickChanel01: click01.wav");
  });
}

TEST(TipsFrm, CloseAndItsCaptionBothCloseTheScreen) {
  for (const char* control : {"Image1", "CloseLbl"}) {
    SCOPED_TRACE(control);
    MapScreens s;
    bool closed = false;
    s.Run("TipsFrm", [&](Form& f) {
      s.ui.Press(f, &f[control], MouseButton::Left);
      EXPECT_TRUE(f["Image1"].pressed());
      s.ui.Release(f, &f[control], MouseButton::Left);
      EXPECT_FALSE(f["Image1"].pressed());
      closed = f.closed();
    });
    EXPECT_TRUE(closed);
  }
}

TEST(TipsFrm, VictoryGoesOnToTheNextLevel) {
  MapScreens s;
  Apply({.rival_falls = true, .army_total = 1500, .farming = 10, .morale = 75}, s.game);
  s.Run("TipsFrm", [&](Form& f) { s.Click(f, "NextLbl"); });
  EXPECT_TRUE(s.game.live.ProgramEnding);
  ASSERT_FALSE(s.services.started.empty());
  EXPECT_EQ(s.services.started.back().filename(), "introdata.rx");
}

TEST(TipsFrm, DefeatOffersTheMenu) {
  MapScreens s;
  Apply({.defeated = true}, s.game);
  s.Run("TipsFrm", [&](Form& f) { s.Click(f, "Image4"); });
  EXPECT_TRUE(s.game.live.ProgramEnding);
  ASSERT_FALSE(s.services.started.empty());
  EXPECT_EQ(s.services.started.back().filename(), "menudata.rx");
}

TEST(TipsFrm, ReplayLoadsTheFirstSaveAndCloses) {
  MapScreens s;
  ASSERT_TRUE(SaveToFile(s.game, "FirstSave").ok());
  const Long gold = s.game.state.Gold;
  Apply({.defeated = true}, s.game);
  s.game.state.Gold = 1;
  bool closed = false;
  s.Run("TipsFrm", [&](Form& f) {
    s.Click(f, "Image3");
    closed = f.closed();
  });
  EXPECT_TRUE(closed);
  EXPECT_EQ(s.game.state.Gold, gold);
  EXPECT_TRUE(IsTrue(s.game.state.PlayerUndefeated));
}

TEST(TipsFrm, ReplayWithoutAFirstSaveSaysSoAndStays) {
  MapScreens s;
  Apply({.defeated = true}, s.game);
  bool closed = true;
  s.Run("TipsFrm", [&](Form& f) {
    s.Click(f, "Image3");
    closed = f.closed();
    EXPECT_NE(f.At("TipLbl", 2).Text(), "");
  });
  EXPECT_FALSE(closed);
  EXPECT_FALSE(s.game.live.ProgramEnding);
}

}  // namespace
}  // namespace valorne
