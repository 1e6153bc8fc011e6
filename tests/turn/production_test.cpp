#include <gtest/gtest.h>

#include "state/start_values.h"
#include "turn/economy.h"
#include "turn/economy_steps.h"

namespace valorne {
namespace {

// A county at the start of a normal game with every draw at `rnd`.
void StartCounty(Game& game, double rnd = 0.5) {
  game.rng = Random::Constant(rnd);
  game.Difficulty = 2;
  SetStartValues(game);
}

TEST(BasicProductionTest, IncomeNeedsBothFoods) {
  struct Case {
    Long grain, meat;
    Long gold_after;
  };
  // 10 % tax of 3000 people: 150; thieves 7; three leased fields: 90.
  for (const Case& c :
       {Case{1, 1, 1247}, Case{0, 500, 1000}, Case{500, 0, 1000}, Case{-5, 500, 1000}}) {
    Game game;
    StartCounty(game);
    GameState& s = game.state;
    s.Gold = 1000;
    s.Population = 3000;
    s.TaxRate = 10;
    s.ThievesIncome = {7, 0, 0, 0};
    s.LeasedFields = 3;
    s.GrainStock = c.grain;
    s.MeatStock = c.meat;
    BasicProduction(game);
    EXPECT_EQ(s.Gold, c.gold_after) << c.grain << " grain, " << c.meat << " meat";
  }
}

TEST(BasicProductionTest, WorksProduceWithoutFoodAndTheirProductsWrap) {
  Game game;
  StartCounty(game);
  GameState& s = game.state;
  s.GrainStock = 0;  // no income, but the works go on
  s.WoodStock = s.StoneStock = s.OreStock = 0;
  s.ThievesIncome = {0, 10, 20, 30};
  s.WoodSlotsUsed = 5;
  s.StoneSlotsUsed = 2;
  s.OreSlotsUsed = 200;  // a corrupt count: 200 x 210 wraps as a 16-bit product
  BasicProduction(game);
  EXPECT_EQ(s.WoodStock, 10 + 5 * 155);
  EXPECT_EQ(s.StoneStock, 20 + 2 * 120);
  EXPECT_EQ(s.OreStock, 30 + (42000 - 65536));
}

TEST(BasicProductionTest, PeopleFollowSizeAndHappiness) {
  struct Case {
    Long people;
    Integer happiness;  // with no tax, the band's happiness
    double rnd;
    Long after;
  };
  const Case cases[] = {
      // Below 5000 births and deaths cancel out; the band decides.
      {3000, 24, 0.5, 3000 - 75},
      {3000, 25, 0.5, 3000 - 60},
      {3000, 49, 0.0, 3000 - 50},
      {3000, 50, 0.0, 3000 + 50},
      {3000, 74, 0.5, 3000 + 60},
      {3000, 75, 0.5, 3000 + 75},
      // From 5000 the county shrinks by 276 to 429 before the band.
      {5000, 60, 0.0, 5000 + 20 - 300 + 50},
      {5000, 60, 0.99999994, 5000 + 24 - 449 + 69},
      {4999, 60, 0.0, 4999 + 230 - 230 + 50},
  };
  for (const Case& c : cases) {
    Game game;
    StartCounty(game, c.rnd);
    game.state.TaxRate = 0;
    game.state.Population = c.people;
    game.state.Happiness = c.happiness;
    BasicProduction(game);
    EXPECT_EQ(game.state.Population, c.after) << c.people << " people at " << c.happiness;
  }
}

TEST(BasicProductionTest, TaxesMakeThePeopleUnhappy) {
  for (auto [tax, loss] : {std::pair{0, 0}, {10, 2}, {30, 7}, {100, 25}}) {
    Game game;
    StartCounty(game);
    game.state.TaxRate = static_cast<Byte>(tax);
    game.state.Happiness = 60;
    BasicProduction(game);
    EXPECT_EQ(game.state.Happiness, 60 - loss) << tax << " %";
  }
}

TEST(CalendarTest, TurnsAndSeasonsAdvance) {
  struct Case {
    Byte turn, season, turn_after, season_after;
  };
  for (const Case& c :
       {Case{1, 1, 2, 2}, Case{2, 4, 3, 1}, Case{199, 3, 200, 4}, Case{200, 4, 2, 1}}) {
    GameState s;
    s.Turn = c.turn;
    s.Season = c.season;
    AdvanceCalendar(s);
    EXPECT_EQ(s.Turn, c.turn_after);
    EXPECT_EQ(s.Season, c.season_after);
  }
}

}  // namespace
}  // namespace valorne
