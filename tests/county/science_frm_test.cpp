// The science screen as the player uses it: the costs shown, research
// started and paid, refused when the county cannot pay, and stopped with
// the whole cost given back.
#include "county/science_frm.h"

#include <gtest/gtest.h>

#include "turn/turn_screens_fixture.h"

namespace valorne {
namespace {

using testing::TurnScreens;

struct Start {
  Byte level;
  Byte site6;
  Long gold;
  Long ore;
};

void Prepare(TurnScreens& s, const Start& start) {
  s.game.state.FarmingLevel = start.level;
  s.game.state.FarmingResearchTurns = 200;
  s.game.state.SitesHeld[6] = start.site6;
  s.game.state.Gold = start.gold;
  s.game.state.OreStock = start.ore;
}

TEST(ScienceFrmTest, StartingPaysTheCostsShownAndStoppingGivesThemBack) {
  struct Case {
    Start start;
    std::string gold_cost, ore_cost;
    Byte countdown;
    std::string turns_shown;
  };
  const Case cases[] = {
      {{1, 0, 1000, 200}, "300", "70", 0, "1"},
      {{1, 1, 240, 46}, "240", "46", 0, "1"},  // exactly what the hut's discount asks
      {{6, 0, 5000, 500}, "1800", "420", 2, "3"},
      {{6, 1, 5000, 500}, "1440", "273", 2, "3"},
  };
  for (const Case& c : cases) {
    TurnScreens s;
    Prepare(s, c.start);
    s.Then([&] {
      EXPECT_EQ(s.Text("GoldLbl"), c.gold_cost);
      EXPECT_EQ(s.Text("OreLbl"), c.ore_cost);
      EXPECT_EQ(s.Text("ScienceLevelLbl"), std::to_string(c.start.level));
      EXPECT_EQ(s.Text("PeopleLbl"), "+" + std::to_string(75 * c.start.level));
      EXPECT_EQ(s.Text("Label3"), s.GameText(4, 16));
      EXPECT_FALSE(s.Top()["TurnsLbl"].visible());
    });
    s.Click("OkAniBtn");
    s.ui.Open("ScienceFrm");
    EXPECT_TRUE(s.steps.steps.empty()) << "starting closes the screen";
    EXPECT_EQ(s.game.state.FarmingResearchTurns, c.countdown);
    EXPECT_EQ(s.game.state.Gold, c.start.gold - std::stol(c.gold_cost));
    EXPECT_EQ(s.game.state.OreStock, c.start.ore - std::stol(c.ore_cost));

    s.Then([&] {
      EXPECT_TRUE(s.Top()["TurnsLbl"].visible());
      EXPECT_EQ(s.Text("TurnsLbl"), c.turns_shown);
      EXPECT_FALSE(s.Top()["Label3"].visible());
    });
    s.Click("OkAniBtn");  // already under way: the screen only closes
    s.ui.Open("ScienceFrm");
    EXPECT_EQ(s.game.state.FarmingResearchTurns, c.countdown);

    s.Click("CancelAniBtn");
    s.Then([&] {
      EXPECT_EQ(s.Text("Helper"), s.GameText(4, 16));
      EXPECT_TRUE(s.Top()["Label3"].visible());
      EXPECT_FALSE(s.Top()["TurnsLbl"].visible());
    });
    s.Click("Noanibtn");
    s.ui.Open("ScienceFrm");
    EXPECT_EQ(s.game.state.FarmingResearchTurns, 200);
    EXPECT_EQ(s.game.state.Gold, c.start.gold) << "the whole cost comes back";
    EXPECT_EQ(s.game.state.OreStock, c.start.ore);
  }
}

TEST(ScienceFrmTest, TooLittleGoldOrOreIsRefusedOnTheHintLine) {
  for (const Start& start : {Start{1, 0, 299, 500}, Start{1, 0, 5000, 69}, Start{1, 1, 239, 46}}) {
    TurnScreens s;
    Prepare(s, start);
    const GameState before = s.game.state;
    s.Click("OkAniBtn");
    s.Then([&] {
      EXPECT_EQ(s.TopName(), "ScienceFrm") << "a refusal keeps the screen open";
      EXPECT_EQ(s.Text("Helper"), s.GameText(4, 17));
    });
    s.Click("CancelAniBtn");  // nothing under way: nothing to give back
    s.Click("Noanibtn");
    s.ui.Open("ScienceFrm");
    EXPECT_TRUE(s.steps.steps.empty());
    EXPECT_EQ(s.game.state, before);
  }
}

}  // namespace
}  // namespace valorne
