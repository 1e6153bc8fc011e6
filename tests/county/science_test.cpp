#include "county/science.h"

#include <gtest/gtest.h>

namespace valorne {
namespace {

struct ResearchCase {
  int level;
  bool hut_held;
  Long gold;
  Long ore;
  Byte turns;
};

TEST(Science, CostsAndTurnsByLevelAndHut) {
  const ResearchCase cases[] = {
      {1, false, 300, 70, 0},  {1, true, 240, 46, 0},   {2, false, 600, 140, 0},
      {2, true, 480, 91, 0},   {3, false, 900, 210, 1}, {6, false, 1800, 420, 2},
      {6, true, 1440, 273, 2}, {9, true, 2160, 410, 3}, {10, true, 2400, 455, 3},
  };
  for (const ResearchCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "level " << c.level << " hut " << c.hut_held);
    Game game;
    game.state.FarmingLevel = static_cast<Byte>(c.level);
    game.state.FarmingResearchTurns = kIdle;
    game.state.SitesHeld[6] = c.hut_held ? 1 : 0;
    game.state.Gold = 10000;
    game.state.OreStock = 5000;

    const ScienceFigures shown = ScienceScreenFigures(game.state);
    EXPECT_EQ(shown.Gold, std::to_string(c.gold));
    EXPECT_EQ(shown.Ore, std::to_string(c.ore));
    EXPECT_EQ(shown.Status, kNoResearch);

    const Outcome started = StartResearch(game);
    EXPECT_TRUE(started.accepted);
    EXPECT_EQ(game.state.Gold, 10000 - c.gold);
    EXPECT_EQ(game.state.OreStock, 5000 - c.ore);
    EXPECT_EQ(game.state.FarmingResearchTurns, c.turns);
  }
}

TEST(Science, SiteHeldByARivalGivesNoDiscount) {
  Game game;
  game.state.FarmingLevel = 6;
  game.state.SitesHeld[6] = 2;
  EXPECT_EQ(ResearchCostsNow(game.state).gold, 1800);
}

TEST(Science, RefusedForWantOfGoldOrOre) {
  struct Case {
    Long gold, ore;
    bool accepted;
  };
  // Level 6 costs 1800 gold and 420 ore.
  const Case cases[] = {{1800, 420, true}, {1799, 420, false}, {1800, 419, false}, {0, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.gold << " gold, " << c.ore << " ore");
    Game game;
    game.state.FarmingLevel = 6;
    game.state.FarmingResearchTurns = kIdle;
    game.state.Gold = c.gold;
    game.state.OreStock = c.ore;
    const Outcome o = StartResearch(game);
    EXPECT_EQ(o.accepted, c.accepted);
    if (c.accepted) {
      EXPECT_EQ(game.state.Gold, 0);
      EXPECT_EQ(game.state.OreStock, 0);
    } else {
      EXPECT_EQ(o.hint, kNotEnoughResources);
      EXPECT_EQ(game.state.Gold, c.gold);
      EXPECT_EQ(game.state.OreStock, c.ore);
      EXPECT_EQ(game.state.FarmingResearchTurns, kIdle);
    }
  }
}

TEST(Science, StoppingRefundsExactlyWhatWasPaid) {
  for (const bool hut : {false, true}) {
    Game game;
    game.state.FarmingLevel = 7;
    game.state.FarmingResearchTurns = kIdle;
    game.state.SitesHeld[6] = hut ? 1 : 0;
    game.state.Gold = 5000;
    game.state.OreStock = 1000;
    ASSERT_TRUE(StartResearch(game).accepted);
    EXPECT_LT(game.state.Gold, 5000);
    // A second order while it runs changes nothing.
    EXPECT_TRUE(StartResearch(game).accepted);
    const Outcome stopped = StopResearch(game);
    EXPECT_TRUE(stopped.accepted);
    EXPECT_EQ(stopped.hint, kNoResearch);
    EXPECT_EQ(game.state.Gold, 5000);
    EXPECT_EQ(game.state.OreStock, 1000);
    EXPECT_EQ(game.state.FarmingResearchTurns, kIdle);
    // Stopping again gives nothing back.
    EXPECT_FALSE(StopResearch(game).accepted);
    EXPECT_EQ(game.state.Gold, 5000);
  }
}

TEST(Science, ScreenShowsGainsOfThePresentLevel) {
  Game game;
  game.state.FarmingLevel = 4;
  game.state.FarmingResearchTurns = 1;
  const ScienceFigures f = ScienceScreenFigures(game.state);
  EXPECT_EQ(f.ScienceLevel, "4");
  EXPECT_EQ(f.People, "+300");
  EXPECT_EQ(f.Crops, "+1000");
  EXPECT_EQ(f.Meat, "+52");
  EXPECT_EQ(f.Status.category, 0);
  EXPECT_EQ(f.TurnsLeft, "1");
}

}  // namespace
}  // namespace valorne
