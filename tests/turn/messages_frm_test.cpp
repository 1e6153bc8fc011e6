// The message screen as the player reads it: both lists as they arrived,
// the ninth notice nowhere, the markers moved by the arrows, and the option
// that opens the screen after every turn.
#include "turn/messages_frm.h"

#include <gtest/gtest.h>

#include "screens/toolkit/controls.h"
#include "turn/messages.h"
#include "turn/turn_screens_fixture.h"

namespace valorne {
namespace {

using testing::TurnScreens;

std::vector<std::string> Lines(const TurnScreens& s, const std::string& base) {
  std::vector<std::string> lines;
  for (int i = 0; i < 8; ++i) lines.push_back(s.Top().At(base, i).Text());
  return lines;
}

TEST(MessagesFrmTest, TheNinthNoticeIsNowhere) {
  TurnScreens s;
  const int news[9] = {63, 64, 65, 66, 67, 69, 74, 75, 76};
  for (int i = 0; i < 8; ++i) PostNews(s.game, 1, news[i]);
  PostReport(s.game, 1, 103);
  s.game.live.Helper = TextRef{};
  const std::size_t sounds = s.Sounds().size();
  PostNews(s.game, 1, news[8]);
  EXPECT_EQ(s.game.live.Helper, TextRef{}) << "the ninth notice lights nothing";
  EXPECT_EQ(s.Sounds().size(), sounds) << "and plays nothing";

  s.Then([&] {
    std::vector<std::string> expected;
    for (int i = 0; i < 8; ++i) expected.push_back(s.GameText(1, news[i]));
    EXPECT_EQ(Lines(s, "MsgLbl"), expected);
    EXPECT_EQ(Lines(s, "MsgLbl2"),
              (std::vector<std::string>{s.GameText(1, 103), "", "", "", "", "", "", ""}));
    EXPECT_EQ(s.Text("TitleLbl"), s.GameText(3, 56));
    EXPECT_EQ(s.Text("NewsHintLbl"), s.GameText(4, 148));
    EXPECT_EQ(s.Text("ReportsHintLbl"), s.GameText(4, 149));
  });
  s.Click("OkAniBtn");
  s.ui.Open("MessagesFrm");
  EXPECT_TRUE(s.steps.steps.empty());
}

TEST(MessagesFrmTest, TheArrowsMoveEachMarkerOverItsOwnLines) {
  TurnScreens s;
  for (int id : {63, 64, 65}) PostNews(s.game, 1, id);
  auto markers = [&s] {
    const auto& m = dynamic_cast<const MessagesFrm&>(s.Top());
    return std::pair{m.news_marker(), m.reports_marker()};
  };
  auto expect = [&](int news, int reports) {
    s.Then([&s, markers, news, reports] {
      EXPECT_EQ(markers(), (std::pair{news, reports}));
      const Control& marker = s.Top()["MsgMarker"];
      EXPECT_TRUE(marker.visible());
      EXPECT_EQ(marker.top(), s.Top().At("MsgLbl", news - 1).top());
      EXPECT_EQ(s.Top()["MsgMarker2"].visible(), reports > 0);
    });
  };
  expect(1, 0);
  s.ClickTimes("CDownAniBtn", 4);  // the last line is as far as it goes
  expect(3, 0);
  s.Click("CUpAniBtn");
  expect(2, 0);
  s.ClickTimes("CUpAniBtn", 3);
  expect(1, 0);
  s.ClickTimes("CDownAniBtn2", 2);  // an empty list has no marker to move
  expect(1, 0);
  s.Click("OkAniBtn");
  const std::size_t before = s.Sounds().size();
  s.ui.Open("MessagesFrm");
  // Every arrow clicks.
  EXPECT_EQ(s.Sounds().size() - before, 10u);
  EXPECT_EQ(s.Sounds().back(), "ClickChanel01: click01.wav");
}

TEST(MessagesFrmTest, ArrowsAreSilentWithoutSound) {
  TurnScreens s;
  s.game.SoundOn = false;
  PostReport(s.game, 1, 103);
  PostReport(s.game, 1, 105);
  s.Click("CDownAniBtn2");
  s.Then([&] { EXPECT_EQ(dynamic_cast<const MessagesFrm&>(s.Top()).reports_marker(), 2); });
  s.Click("OkAniBtn");
  s.ui.Open("MessagesFrm");
  EXPECT_TRUE(s.Sounds().empty());
}

TEST(MessagesFrmTest, TheOptionShowsAndSetsWhetherTheScreenFollowsEveryTurn) {
  for (bool start : {true, false}) {
    TurnScreens s;
    s.game.ShowMessagesOption = start;
    s.Then([&] {
      EXPECT_EQ(s.Top().Get<CheckBox>("MsgOption").checked(), start);
      EXPECT_EQ(s.Text("MsgOption"), s.GameText(3, 59));
    });
    s.Click("MsgOption");
    s.Then([&] { EXPECT_EQ(s.game.ShowMessagesOption, !start); });
    s.Click("MsgOption");
    s.Click("MsgOption");
    s.Click("OkAniBtn");
    s.ui.Open("MessagesFrm");
    EXPECT_EQ(s.game.ShowMessagesOption, !start);
  }
}

}  // namespace
}  // namespace valorne
