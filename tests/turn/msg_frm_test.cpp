// The question box as the player uses it: the question's text, its two
// seals, and answers that do exactly what the kind of question decides.
#include "turn/msg_frm.h"

#include <gtest/gtest.h>

#include "state/start_values.h"
#include "turn/messages.h"
#include "turn/turn_screens_fixture.h"

namespace valorne {
namespace {

using testing::TurnScreens;

void StartGame(Game& game, Long gold) {
  game.rng = Random::Constant(0.5);
  SetStartValues(game);
  game.state.Gold = gold;
}

TEST(MsgFrmTest, ClickedAnswersDoWhatTheirKindDecides) {
  struct Case {
    int kind;
    int text;
    Long gold;
    const char* seal;
  };
  const Case cases[] = {
      {4, 111, 3499, "OkAniBtn"},  // too little gold: OK changes nothing
      {4, 111, 3500, "OkAniBtn"}, {4, 111, 3499, "Noanibtn"}, {5, 112, 2700, "OkAniBtn"},
      {5, 112, 2699, "OkAniBtn"}, {7, 114, 100, "Noanibtn"},  {8, 115, 100, "Noanibtn"},
      {8, 115, 100, "OkAniBtn"},  {20, 123, 100, "Noanibtn"}, {3, 110, 100, "OkAniBtn"},
  };
  for (const Case& c : cases) {
    const bool ok = std::string(c.seal) == "OkAniBtn";
    TurnScreens s;
    StartGame(s.game, c.gold);
    Game expected;
    StartGame(expected, c.gold);
    ApplyAnswer(expected, c.kind, ok);

    s.Then([&] {
      EXPECT_EQ(s.TopName(), "MsgFrm");
      EXPECT_EQ(s.game.live.MessageKind, c.kind);
    });
    s.Click(c.seal);
    EXPECT_EQ(Ask(s.game, c.kind, c.text), ok);
    EXPECT_TRUE(s.steps.steps.empty());
    EXPECT_EQ(s.game.state, expected.state) << "kind " << c.kind << " " << c.seal;
    EXPECT_EQ(s.game.live.MessageKind, 0);
  }
}

TEST(MsgFrmTest, TheGreatDonationNeedsTheWholeSum) {
  for (Long gold : {3499, 3500}) {
    TurnScreens s;
    StartGame(s.game, gold);
    const GameState before = s.game.state;
    s.Click("OkAniBtn");
    Ask(s.game, 4, 111);
    if (gold < 3500) {
      EXPECT_EQ(s.game.state, before);
    } else {
      EXPECT_EQ(s.game.state.Gold, 0);
      EXPECT_EQ(s.game.state.LordReligion, before.LordReligion + 5);
      EXPECT_EQ(s.game.state.LordDiplomacy, before.LordDiplomacy + 3);
      EXPECT_EQ(s.game.state.LordLeadership, before.LordLeadership + 2);
    }
  }
}

TEST(MsgFrmTest, ShowsTheQuestionAndTheSealsItsKindNeeds) {
  struct Case {
    int kind;
    int text;
    bool notice;
  };
  // Kinds 16 to 18 come from the map's events with texts of their own.
  for (const Case& c : {Case{8, 115, false}, Case{2, 107, true}, Case{23, 91, true},
                        Case{22, 93, true}, Case{17, 117, false}, Case{9, 116, false}}) {
    TurnScreens s;
    s.Then([&] {
      Form& box = s.Top();
      EXPECT_EQ(s.Text("MsgLbl"), s.GameText(1, c.text));
      EXPECT_FALSE(s.Text("MsgLbl").empty());
      EXPECT_EQ(box["Noanibtn"].visible(), !c.notice) << c.kind;
      EXPECT_EQ(s.Text("OkCaptionLbl"), c.notice ? "OK" : "Yes");
      if (c.notice) {
        // The OK seal alone stands in the middle of the box.
        const Rect ok = box["OkAniBtn"].rect();
        EXPECT_EQ(ok.left + ok.width / 2, box.rect().width / 2);
      }
    });
    s.Click("OkAniBtn");
    EXPECT_TRUE(s.ui.AskQuestion(c.kind, c.text));
  }
}

TEST(MsgFrmTest, TheBoxKeepsItsLookWhenEnlarged) {
  TurnScreens s;
  s.game.LargeScreenMode = true;
  s.Then([&] {
    Form& box = s.Top();
    EXPECT_EQ(box.rect().width, 575);  // 460 enlarged by a quarter
    const Rect ok = box["OkAniBtn"].rect();
    EXPECT_EQ(ok.left + ok.width / 2, box.rect().width / 2);
    EXPECT_TRUE(CheckForm(box).empty());
  });
  s.Click("OkAniBtn");
  EXPECT_TRUE(s.ui.AskQuestion(3, 110));
}

}  // namespace
}  // namespace valorne
