// The movies the end of turn queues: shown in the order of the queue, each
// with its caption, and never shown twice.
#include "turn/movie_frm.h"

#include <gtest/gtest.h>

#include "state/start_values.h"
#include "turn/end_turn.h"
#include "turn/turn_screens_fixture.h"

namespace valorne {
namespace {

using testing::TurnScreens;

TEST(MovieFrmTest, QueuedMoviesPlayInOrderAndEmptyTheQueue) {
  struct Case {
    std::array<Byte, 5> queue;
    std::vector<std::string> anims;  // in the order shown
    std::vector<int> captions;       // category 1
  };
  const Case cases[] = {
      {{0, 0, 1, 0, 0}, {"plague.rx"}, {98}},
      {{2, 3, 1, 0, 0}, {"assassin_failed.rx", "death.rx", "plague.rx"}, {84, 93, 98}},
      {{3, 0, 0, 0, 0}, {"scout_ok.rx"}, {85}},
      {{9, 1, 0, 0, 7}, {"assassin_ok.rx"}, {103}},  // values the game does not know
  };
  for (const Case& c : cases) {
    TurnScreens s;
    s.game.live.PendingMovies = c.queue;
    for (std::size_t k = 0; k < c.anims.size(); ++k) {
      s.Then([&s, &c, k] {
        EXPECT_EQ(s.Top()["MovieImg"].picture(), "../../anim/" + c.anims[k]);
        EXPECT_EQ(s.Text("CaptionLbl"), s.GameText(1, c.captions[k]));
        EXPECT_EQ(s.Top()["MovieImg"].strip_frame(), 0) << "each movie starts at its beginning";
      });
      s.Advance(250);
      s.Then([&s] { EXPECT_EQ(s.Top()["MovieImg"].strip_frame(), 2); });
      s.Click("OkAniBtn");
    }
    s.ui.Open("MovieFrm");
    EXPECT_TRUE(s.steps.steps.empty());
    EXPECT_TRUE(s.ui.stack().empty());
    EXPECT_EQ(s.game.live.PendingMovies, (std::array<Byte, 5>{}));
  }
}

TEST(MovieFrmTest, NothingKnownToShowClosesAtOnce) {
  TurnScreens s;
  s.game.live.PendingMovies = {0, 0, 0, 5, 0};
  s.ui.Open("MovieFrm");
  EXPECT_TRUE(s.ui.stack().empty());
  EXPECT_EQ(s.game.live.PendingMovies, (std::array<Byte, 5>{}));
}

// The plague's movie plays at the end of the turn that brought it, and the
// next turn, still in the plague, does not show it again.
TEST(MovieFrmTest, ThePlagueMoviePlaysOnce) {
  TurnScreens s;
  s.game.rng = Random::Constant(0.5);
  SetStartValues(s.game);
  s.game.options.AutoSaveOption = kFalse;
  s.game.display.FadesOff = kTrue;
  s.game.ShowMessagesOption = false;
  s.game.state.Health = 5;
  std::vector<std::string> seen;
  s.Then([&] { seen.push_back(s.TopName() + " " + s.Top()["MovieImg"].picture()); });
  s.Click("OkAniBtn");
  EndTurnClick(s.game);
  s.game.state.Health = 5;
  EndTurnClick(s.game);
  EXPECT_TRUE(s.steps.steps.empty());
  EXPECT_EQ(seen, std::vector<std::string>{"MovieFrm ../../anim/plague.rx"});
}

}  // namespace
}  // namespace valorne
