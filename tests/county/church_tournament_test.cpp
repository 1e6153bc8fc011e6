#include "county/church_tournament.h"

#include <gtest/gtest.h>

#include <functional>

namespace valorne {
namespace {

void SetCounty(GameState& s) {
  s.Gold = 1000;
  s.GrainStock = 200;
  s.MeatStock = 5;
  s.Happiness = 50;
  s.LordReligion = 40;
  s.LordNobility = 20;
  s.TitheDemand = 600;
}

TEST(Church, EachAnswerChangesTheCountyAndPostsItsNews) {
  struct Case {
    const char* name;
    std::function<ChurchAnswer(Game&)> answer;
    int happiness, religion, nobility;
    Long gold, grain, meat;
    std::int16_t news;
    const char* shown;
  };
  const Case cases[] = {
      {"pay", PayTithe, 0, 3, 1, 400, 200, 5, 64, ""},
      {"refuse tithe", RefuseTithe, -10, -4, -1, 1000, -100, -5, 63, "- 10"},
      {"burn", AgreeToBurning, -22, 2, 1, 1000, 200, 5, 66, "- 22"},
      {"spare", RefuseBurning, 12, -3, -1, 1000, 200, 5, 65, "+12"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Game game;
    SetCounty(game.state);
    const ChurchAnswer a = c.answer(game);
    EXPECT_TRUE(a.outcome.accepted);
    EXPECT_EQ(a.HappinessShown, c.shown);
    EXPECT_EQ(game.state.Happiness, 50 + c.happiness);
    EXPECT_EQ(game.state.LordReligion, 40 + c.religion);
    EXPECT_EQ(game.state.LordNobility, 20 + c.nobility);
    EXPECT_EQ(game.state.Gold, c.gold);
    EXPECT_EQ(game.state.GrainStock, c.grain);
    EXPECT_EQ(game.state.MeatStock, c.meat);
    ASSERT_EQ(game.news.count, 1);
    EXPECT_EQ(game.news.lines[0], (TextRef{1, c.news}));
  }
}

TEST(Church, TitheRefusedWhenTheTreasuryIsShort) {
  Game game;
  SetCounty(game.state);
  game.state.Gold = 599;
  const GameState before = game.state;
  const ChurchAnswer a = PayTithe(game);
  EXPECT_FALSE(a.outcome.accepted);
  EXPECT_EQ(a.outcome.hint, kNotEnoughResources);
  EXPECT_EQ(game.state, before);
  EXPECT_EQ(game.news.count, 0);

  game.state.Gold = 600;  // exactly the demand is enough
  EXPECT_TRUE(PayTithe(game).outcome.accepted);
  EXPECT_EQ(game.state.Gold, 0);
}

TEST(Tournament, PrizeCannotRisePastTheTreasury) {
  Game game;
  game.state.Gold = 3800;
  int raised = 0;
  while (RaiseTournamentPrize(game).accepted) ++raised;
  EXPECT_EQ(raised, 3);
  EXPECT_EQ(game.state.TournamentPrize, 300);
  EXPECT_EQ(RaiseTournamentPrize(game).hint, kNotEnoughResources);
  EXPECT_EQ(TournamentScreenFigures(game.state).Prize, "300");
  EXPECT_EQ(TournamentScreenFigures(game.state).Cost, "3500");

  // Cost and prize are exactly the treasury: the tournament can be held.
  game.state.LordDiplomacy = 10;
  EXPECT_TRUE(HoldTournament(game).accepted);
  EXPECT_EQ(game.state.Gold, 0);
  EXPECT_EQ(game.state.LordDiplomacy, 13);
  EXPECT_TRUE(IsTrue(game.state.TournamentHeld));
}

TEST(Tournament, PrizeGoesDownToZeroOnly) {
  Game game;
  game.state.TournamentPrize = 100;
  EXPECT_TRUE(LowerTournamentPrize(game).accepted);
  EXPECT_EQ(game.state.TournamentPrize, 0);
  EXPECT_FALSE(LowerTournamentPrize(game).accepted);
  EXPECT_EQ(game.state.TournamentPrize, 0);
}

TEST(Tournament, HoldingRefusedWhenGoldIsShort) {
  Game game;
  game.state.Gold = 3599;
  game.state.TournamentPrize = 100;
  game.state.LordDiplomacy = 10;
  const Outcome o = HoldTournament(game);
  EXPECT_FALSE(o.accepted);
  EXPECT_EQ(o.hint, kNotEnoughResources);
  EXPECT_EQ(game.state.Gold, 3599);
  EXPECT_EQ(game.state.LordDiplomacy, 10);
  EXPECT_FALSE(IsTrue(game.state.TournamentHeld));
}

TEST(Tournament, RefusingCostsDiplomacyAndClearsThePrize) {
  Game game;
  game.state.Gold = 9000;
  game.state.TournamentPrize = 500;
  game.state.TournamentHeld = kTrue;
  game.state.LordDiplomacy = 10;
  EXPECT_TRUE(RefuseTournament(game).accepted);
  EXPECT_EQ(game.state.LordDiplomacy, 8);
  EXPECT_EQ(game.state.TournamentPrize, 0);
  EXPECT_FALSE(IsTrue(game.state.TournamentHeld));
  EXPECT_EQ(game.state.Gold, 9000);
}

}  // namespace
}  // namespace valorne
