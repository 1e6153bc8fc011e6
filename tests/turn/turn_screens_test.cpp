// Every screen of the end of turn and of the church passes the check of its
// control table, with the game's own pictures and texts, in both sizes.
#include <gtest/gtest.h>

#include "screens/toolkit/page_look.h"
#include "turn/movie_frm.h"
#include "turn/turn_screens_fixture.h"

namespace valorne {
namespace {

using testing::TurnScreens;

TEST(TurnScreensTest, EveryScreenIsSound) {
  TurnScreens s;
  EXPECT_EQ(s.registry.Names(),
            (std::vector<std::string>{"EndTurnFrm", "GarryFrm", "MessagesFrm", "MovieFrm", "MsgFrm",
                                      "ReligionFrm", "ScienceFrm", "TournamentFrm", "WeatherFrm"}));
  EXPECT_EQ(s.CheckScreens(), std::vector<std::string>{});
}

// Enlarged by a quarter (screens of 96 dots per inch), every screen still
// fits the smallest display.
TEST(TurnScreensTest, EveryScreenFitsTheSmallestDisplayEnlarged) {
  TurnScreens s;
  for (const std::string& name : s.registry.Names()) {
    std::unique_ptr<Form> form = s.ui.Create(name);
    if (form->enlarges()) form->Enlarge(kLargeScreenFactor);
    EXPECT_LE(form->rect().width, 800) << name;
    EXPECT_LE(form->rect().height, 600) << name;
  }
}

// The animations the screens show (every known movie, the weather of every
// season) are in the game folder, where the strips are looked up.
TEST(TurnScreensTest, TheAnimationsShownAreThere) {
  TurnScreens s;
  std::vector<std::string> pictures;
  for (int entry = 0; entry < 5; ++entry) {
    for (int value = 1; value < 256; ++value) {
      if (auto movie = QueuedMovie(entry, static_cast<Byte>(value))) {
        pictures.push_back(page_look::AnimPicture(movie->anim));
      }
    }
  }
  for (Byte season = 1; season <= 4; ++season) {
    s.game.state.Season = season;
    s.Then([&] { pictures.push_back(s.Top()["WeatherImg"].picture()); });
    s.Click("OkAniBtn");
    s.ui.Open("WeatherFrm");
  }
  EXPECT_EQ(pictures.size(), 5u + 3u + 255u + 4u);
  const auto exists = PicturesIn(VALORNE_GAME_DIR);
  for (const std::string& picture : pictures) EXPECT_TRUE(exists(picture)) << picture;
}

}  // namespace
}  // namespace valorne
