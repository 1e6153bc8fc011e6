#include "turn/seasons.h"

#include <gtest/gtest.h>

#include "state/level_params.h"
#include "turn/recording_ui.h"

namespace valorne {
namespace {

using testing::Ids;
using testing::RecordingUi;

// Every field sown: crops on the odd fields, cattle on the even ones, with
// their people at work and 1000 idle.
void SowEveryField(Game& game) {
  SetUpLevelParams(game.params, game.Difficulty);
  GameState& s = game.state;
  for (int field = 1; field <= 10; ++field) s.FieldStates[field] = field % 2 == 1 ? 1 : 2;
  s.CropsWorkers = 500;
  s.CattleWorkers = 225;
  s.IdlePeople = 1000;
}

TEST(SeasonTest, EachSeasonMovesTheMoods) {
  struct Case {
    Byte season;
    int change;
  };
  for (const Case& c : {Case{1, 4}, Case{2, -2}, Case{3, -4}, Case{4, 2}}) {
    Game game;
    game.Difficulty = 1;  // no floods
    game.state.Season = c.season;
    game.state.Happiness = 50;
    game.state.Health = 60;
    CalcSeason(game);
    EXPECT_EQ(game.state.Happiness, 50 + c.change);
    EXPECT_EQ(game.state.Health, 60 + c.change);
  }
}

TEST(FloodTest, FloodsByDifficulty) {
  struct Case {
    Byte difficulty;
    double rnd;
    Byte roll;
    OneBased<Byte, 10> fields_after;
  };
  const Case cases[] = {
      {1, 0.99, 0, {1, 2, 1, 2, 1, 2, 1, 2, 1, 2}},
      {2, 0.795, 129, {1, 2, 1, 2, 1, 2, 1, 2, 1, 2}},
      {2, 0.8, 130, {3, 2, 3, 3, 1, 2, 1, 2, 1, 2}},
      {2, 0.99, 149, {3, 2, 3, 3, 1, 2, 1, 2, 1, 2}},
      {3, 0.595, 109, {1, 2, 1, 2, 1, 2, 1, 2, 1, 2}},
      {3, 0.6, 110, {3, 2, 3, 3, 1, 2, 3, 2, 3, 2}},
  };
  for (const Case& c : cases) {
    Game game;
    game.Difficulty = c.difficulty;
    game.rng = Random::Constant(c.rnd);
    SowEveryField(game);
    game.state.Season = 3;
    CalcSeason(game);
    EXPECT_EQ(game.live.FloodRoll, c.roll) << int{c.difficulty} << " " << c.rnd;
    EXPECT_EQ(game.state.FieldStates, c.fields_after) << int{c.difficulty} << " " << c.rnd;
    // The people of a drowned field go back to the idle pool.
    int crops = 0, cattle = 0;
    for (Byte f : c.fields_after) {
      crops += f == 1;
      cattle += f == 2;
    }
    EXPECT_EQ(game.state.CropsWorkers, crops * 100);
    EXPECT_EQ(game.state.CattleWorkers, cattle * 45);
    EXPECT_EQ(game.state.IdlePeople, 1000 + (500 - crops * 100) + (225 - cattle * 45));
    const bool flooded = c.fields_after[1] == 3;
    EXPECT_EQ(Ids(game.news), flooded ? std::vector<int>{67} : std::vector<int>{});
  }
}

TEST(FloodTest, EmptyFieldsStayDryAndLeasedOnesDrown) {
  Game game;
  RecordingUi ui(game);
  game.Difficulty = 2;
  game.rng = Random::Constant(0.9);
  SetUpLevelParams(game.params, 2);
  game.state.Season = 3;
  game.state.FieldStates = {0, 0, 4, 0, 0, 0, 0, 0, 0, 0};
  game.state.LeasedFields = 1;
  CalcSeason(game);
  EXPECT_EQ(game.state.FieldStates, (OneBased<Byte, 10>{0, 0, 3, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(game.state.LeasedFields, 0);
  // The flood is announced with the message sound, even over empty fields.
  EXPECT_EQ(Ids(game.news), std::vector<int>{67});
  EXPECT_EQ(ui.Only("sound"), std::vector<std::string>{"sound EnvChanel01 message.wav"});
}

TEST(FloodTest, SummersEndDriesTheRiverFields) {
  Game game;
  SetUpLevelParams(game.params, 2);
  game.state.Season = 1;
  game.state.FieldStates = {3, 3, 3, 1, 0, 3, 3, 0, 3, 0};  // 2 and 6 are not river fields
  CalcSeason(game);
  EXPECT_EQ(game.state.FieldStates, (OneBased<Byte, 10>{0, 3, 0, 1, 0, 3, 0, 0, 0, 0}));
  EXPECT_EQ(game.state.IdlePeople, 0);
}

TEST(HealthTest, HealthDecidesThePeoplesFate) {
  struct Case {
    Byte turn;
    Integer health;
    Integer health_after;
    Long people_after;        // from 1000
    Integer happiness_after;  // from 50
    bool plague;
  };
  const Case cases[] = {
      {1, 51, 51, 1050, 55, false},  {1, 50, 50, 900, 45, false},  {1, 31, 31, 900, 45, false},
      {1, 30, 30, 1000, 50, false},  // 21..30 costs nothing
      {1, 21, 21, 1000, 50, false},  {1, 20, 20, 750, 50, true},   {1, 11, 11, 750, 50, true},
      {1, 10, 10, 488, 38, true},  // a quarter, then 35 % of the rest
      {45, 90, 25, 1000, 50, false}, {58, 0, 55, 1050, 55, false}, {90, 3, 25, 1000, 50, false},
  };
  for (const Case& c : cases) {
    Game game;
    game.state.Turn = c.turn;
    game.state.Health = c.health;
    game.state.Population = 1000;
    game.state.Happiness = 50;
    HealthAndPlague(game);
    EXPECT_EQ(game.state.Health, c.health_after) << "health " << c.health;
    EXPECT_EQ(game.state.Population, c.people_after) << "health " << c.health;
    EXPECT_EQ(game.state.Happiness, c.happiness_after) << "health " << c.health;
    EXPECT_EQ(game.live.PlagueShown, c.plague) << "health " << c.health;
    EXPECT_EQ(Ids(game.news), c.plague ? std::vector<int>{98} : std::vector<int>{});
  }
}

TEST(HealthTest, ThePlagueMovieIsQueuedOnce) {
  Game game;
  game.state.Turn = 1;
  game.state.Population = 1000;
  game.state.Health = 15;
  HealthAndPlague(game);
  EXPECT_EQ(game.live.PendingMovies[2], 1);
  game.live.PendingMovies[2] = 0;  // the movie has played
  HealthAndPlague(game);
  EXPECT_EQ(game.live.PendingMovies[2], 0);
  EXPECT_EQ(Ids(game.news), (std::vector<int>{98, 98}));  // the news repeats
  game.state.Health = 60;
  HealthAndPlague(game);
  EXPECT_FALSE(game.live.PlagueShown);
  game.state.Health = 15;
  HealthAndPlague(game);
  EXPECT_EQ(game.live.PendingMovies[2], 1);
}

TEST(RebelsTest, UnhappyPeopleRiseUnlessAnArmyKeepsOrder) {
  Game game;
  RecordingUi ui(game);
  game.rng = Random::Constant(0.5);
  GameState& s = game.state;
  s.Happiness = 19;
  s.Gold = s.GrainStock = s.WoodStock = s.StoneStock = s.OreStock = s.MeatStock = 1000;
  s.ArmyExists = {kTrue, 0, 0};
  s.ArmyWaypointNos = {9, 0, 0};  // village 1's waypoint
  RebelsTurn(game);
  EXPECT_EQ(s.Happiness, 24);
  EXPECT_FALSE(IsTrue(s.RebelsActive));
  EXPECT_TRUE(ui.log.empty());

  s.Happiness = 19;
  s.ArmyWaypointNos = {10, 0, 0};
  RebelsTurn(game);
  EXPECT_TRUE(IsTrue(s.RebelsActive));
  EXPECT_EQ(ui.log, (std::vector<std::string>{"sound EnvChanel02 mob01.wav", "ask 3/110"}));
  EXPECT_EQ(ui.kinds_seen, std::vector<Byte>{3});
  EXPECT_EQ(s.RebelStrength, (OneBased<Integer, 2>{35, 25}));
  // The mob of 60 plunders 30 of each store and 12 meat.
  EXPECT_EQ(s.Gold, 970);
  EXPECT_EQ(s.OreStock, 970);
  EXPECT_EQ(s.MeatStock, 988);

  s.Happiness = 80;  // happy again: the mob stays and plunders, but does not grow
  RebelsTurn(game);
  EXPECT_EQ(s.RebelStrength, (OneBased<Integer, 2>{35, 25}));
  EXPECT_EQ(s.GrainStock, 940);
  EXPECT_EQ(ui.Only("ask").size(), 1u);
}

TEST(RebelsTest, TheMobStopsGrowingAt500) {
  Game game;
  game.rng = Random::Constant(0.0);
  GameState& s = game.state;
  s.Happiness = 0;
  s.RebelsActive = kTrue;
  for (Integer first : {499, 500}) {
    s.RebelStrength = {first, 0};
    RebelsTurn(game);
    EXPECT_EQ(s.RebelStrength[1], first < 500 ? first + 10 : first);
    EXPECT_EQ(s.RebelStrength[2], first < 500 ? 10 : 0);
  }
}

}  // namespace
}  // namespace valorne
