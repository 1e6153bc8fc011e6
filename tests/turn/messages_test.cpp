#include "turn/messages.h"

#include <gtest/gtest.h>

#include "turn/recording_ui.h"

namespace valorne {
namespace {

using testing::Ids;
using testing::RecordingUi;

struct ListCase {
  const char* name;
  void (*post)(Game&, int, int);
  MessageList Game::*list;
  MessageList Game::*other;
};

class MessageListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(MessageListTest, EightNoticesFitAndTheNinthChangesNothing) {
  const ListCase& c = GetParam();
  Game game;
  RecordingUi ui(game);
  for (int id = 1; id <= 8; ++id) c.post(game, 1, 60 + id);
  EXPECT_EQ(Ids(game.*c.list), (std::vector<int>{61, 62, 63, 64, 65, 66, 67, 68}));
  EXPECT_EQ(game.live.Helper, (TextRef{1, 99}));
  EXPECT_EQ(ui.Only("sound").size(), 8u);
  EXPECT_EQ(ui.Only("sound")[0], "sound EnvChanel01 message.wav");
  EXPECT_EQ((game.*c.other).count, 0);

  // A full list stays full: not even the hint line or the sound.
  game.live.Helper = TextRef{};
  ui.log.clear();
  c.post(game, 1, 90);
  EXPECT_EQ((game.*c.list).count, 8);
  EXPECT_EQ((game.*c.list).lines[7].id, 68);
  EXPECT_EQ(game.live.Helper, TextRef{});
  EXPECT_TRUE(ui.log.empty());
}

INSTANTIATE_TEST_SUITE_P(BothLists, MessageListTest,
                         ::testing::Values(ListCase{"News", PostNews, &Game::news, &Game::reports},
                                           ListCase{"Reports", PostReport, &Game::reports,
                                                    &Game::news}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(MessagesTest, NoticeSoundFollowsTheOptions) {
  struct Case {
    bool sound_on;
    Boolean message_sound_off;
    bool plays;
  };
  for (const Case& c :
       {Case{true, kFalse, true}, Case{true, kTrue, false}, Case{false, kFalse, false}}) {
    Game game;
    RecordingUi ui(game);
    game.SoundOn = c.sound_on;
    game.options.MessageSoundOff = c.message_sound_off;
    PostReport(game, 1, 70);
    EXPECT_EQ(ui.Only("sound").size(), c.plays ? 1u : 0u);
    EXPECT_EQ(game.live.Helper, (TextRef{1, 99}));  // the hint line lights either way
  }
}

TEST(MessagesTest, ClearingEmptiesBothLists) {
  Game game;
  for (int i = 0; i < 8; ++i) PostNews(game, 1, 77);
  PostReport(game, 1, 70);
  ClearMessages(game);
  EXPECT_EQ(game.news.count, 0);
  EXPECT_EQ(game.reports.count, 0);
  EXPECT_EQ(game.news.lines[0], TextRef{});
  EXPECT_EQ(game.reports.lines[0], TextRef{});
  PostNews(game, 1, 78);  // room again
  EXPECT_EQ(Ids(game.news), std::vector<int>{78});
}

TEST(MessagesTest, AskShowsTheKindWhileOpenAndAppliesTheAnswer) {
  Game game;
  RecordingUi ui(game);
  game.state.Gold = 5000;
  ui.answers[4] = true;
  EXPECT_TRUE(Ask(game, 4, 111));
  EXPECT_EQ(ui.log, std::vector<std::string>{"ask 4/111"});
  EXPECT_EQ(ui.kinds_seen, std::vector<Byte>{4});
  EXPECT_EQ(game.live.MessageKind, 0);
  EXPECT_EQ(game.state.Gold, 1500);

  EXPECT_FALSE(Ask(game, 5, 112));
  EXPECT_EQ(game.state.LordReligion, 5 - 15);  // +5 from the donation, -15 for refusing
}

}  // namespace
}  // namespace valorne
