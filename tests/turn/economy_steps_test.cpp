#include "turn/economy_steps.h"

#include <gtest/gtest.h>

#include <functional>

#include "state/start_values.h"
#include "turn/church_tournament_turn.h"
#include "turn/recording_ui.h"
#include "turn/sieges.h"

namespace valorne {
namespace {

using testing::Ids;
using testing::RecordingUi;

TEST(HeldSitesTest, EachSiteGivesItsOwn) {
  struct Case {
    int site;
    std::function<void(GameState&)> change;
  };
  const Case cases[] = {
      {1, [](GameState& s) { s.Morale += 1; }},
      {2, [](GameState& s) { s.Morale += 3; }},
      {3, [](GameState&) {}},
      {4, [](GameState& s) { s.Happiness += 1; }},
      {5, [](GameState& s) { s.Happiness += 2; }},
      {6, [](GameState&) {}},
      {7, [](GameState& s) { s.Health += 3; }},
      {8, [](GameState&) {}},
      {9,
       [](GameState& s) {  // one gold a soldier of the three armies
         s.Morale += 4;
         s.Gold -= 1010 + 300 + 7;
         s.Happiness += 2;
       }},
      {10,
       [](GameState& s) {
         s.OreStock += 100;
         s.WoodStock += 200;
       }},
  };
  for (const Case& c : cases) {
    for (Byte holder : {1, 2}) {  // only the player's own holding counts
      GameState s;
      s.Gold = 5000;
      s.ArmySizes = {1010, 300, 7};
      s.SitesHeld[c.site] = holder;
      GameState expected = s;
      if (holder == 1) c.change(expected);
      ApplyHeldSites(s);
      EXPECT_EQ(s, expected) << "site " << c.site << " held by " << int{holder};
    }
  }
}

TEST(LordAttributesTest, MoraleAndHappinessFollowTheLord) {
  struct Case {
    Integer leadership, nobility, religion, happiness;
    Single morale_after;
    Integer happiness_after, leadership_after, diplomacy_after;
  };
  const Case cases[] = {
      // The normal start: 60 -> 63 (+5 %) -> 57 (-10 %) -> 59 (+5 %).
      {25, 1, 55, 60, ToSingle(ToSingle(25 + 0.5) - 0.2), 59, 26, 51},
      // Everything low: morale falls by a fifth of each attribute.
      {10, 5, 39, 100, ToSingle(ToSingle(25 - 2.0) - 1.0), 73, 10, 47},
      // Everything high.
      {50, 50, 50, 20, ToSingle(ToSingle(25 + 1.0) + 1.0), 23, 52, 51},
      // H x 5 is a 16-bit product: 7000 x 5 wraps to -30536, so 7000 -> 6695;
      // 6695 x 5 wraps to -32061 -> 6375; 6375 x 5 = 31875 fits -> 6693.
      {25, 50, 50, 7000, ToSingle(ToSingle(25 + 0.5) + 1.0), 6693, 27, 51},
  };
  for (const Case& c : cases) {
    GameState s;
    s.Morale = 25;
    s.LordDiplomacy = 50;
    s.LordLeadership = c.leadership;
    s.LordNobility = c.nobility;
    s.LordReligion = c.religion;
    s.Happiness = c.happiness;
    ApplyLordAttributes(s);
    EXPECT_EQ(s.Morale, c.morale_after) << c.happiness;
    EXPECT_EQ(s.Happiness, c.happiness_after) << c.happiness;
    EXPECT_EQ(s.LordLeadership, c.leadership_after) << c.happiness;
    EXPECT_EQ(s.LordDiplomacy, c.diplomacy_after) << c.happiness;
  }
}

TEST(LordFameTest, FameIsAnnouncedOnceEachTimeItIsReached) {
  Game game;
  RecordingUi ui(game);
  GameState& s = game.state;
  s.LordLeadership = 50;
  s.LordNobility = 50;
  s.LordDiplomacy = 49;
  s.LordReligion = 51;  // average exactly 50
  ApplyLordFame(game);
  EXPECT_EQ(s.Population, 15);
  EXPECT_EQ(s.Happiness, 2);
  EXPECT_EQ(s.Morale, 1);
  EXPECT_EQ(s.LordNobility, 51);
  EXPECT_EQ(s.LordDiplomacy, 50);
  ApplyLordFame(game);  // still famous: the gains again, no second notice
  EXPECT_EQ(s.Population, 30);
  EXPECT_EQ(ui.log, std::vector<std::string>{"ask 2/107"});

  s.LordNobility = 0;  // the average drops below 50 and the notice may return
  ApplyLordFame(game);
  EXPECT_EQ(s.Population, 30);
  s.LordNobility = 60;
  ApplyLordFame(game);
  EXPECT_EQ(ui.log, (std::vector<std::string>{"ask 2/107", "ask 2/107"}));
}

TEST(TitheTest, DemandFollowsThePeopleAndTheHolySites) {
  struct Case {
    std::vector<int> sites;
    Long demand;
  };
  // 1003 people: 401; the cross 321, the chapel 289, the great chapel 232,
  // the tavern adds a fifth.
  const Case cases[] = {
      {{}, 401},        {{3}, 321}, {{4}, 361},          {{3, 4}, 289},
      {{3, 4, 5}, 232}, {{9}, 481}, {{3, 4, 5, 9}, 278}, {{6, 7, 8}, 401},
  };
  for (const Case& c : cases) {
    Game game;
    RecordingUi ui(game);
    game.state.Population = 1003;
    for (int site : c.sites) game.state.SitesHeld[site] = 1;
    Byte mode = 0;
    ui.on_open["ReligionFrm"] = [&] { mode = game.live.ReligionMode; };
    AskTithe(game);
    EXPECT_EQ(game.state.TitheDemand, c.demand);
    EXPECT_EQ(mode, kTitheQuestion);
  }
}

TEST(ResearchTest, CountdownCompletesAtZero) {
  struct Case {
    Byte turns, after;
    bool completes;
  };
  for (const Case& c : {Case{200, 200, false}, Case{250, 250, false}, Case{0, 200, true},
                        Case{1, 200, true}, Case{2, 1, false}, Case{199, 198, false}}) {
    Game game;
    game.state.FarmingLevel = 1;
    game.state.FarmingResearchTurns = c.turns;
    CountDownFarmingResearch(game);
    EXPECT_EQ(game.state.FarmingResearchTurns, c.after) << int{c.turns};
    EXPECT_EQ(game.state.FarmingLevel, c.completes ? 2 : 1) << int{c.turns};
  }
}

TEST(ResearchTest, ANewLevelFeedsTheCounty) {
  Game game;
  game.rng = Random::Constant(0.5);
  SetStartValues(game);
  GameState& s = game.state;
  const GameState before = s;
  const LevelParams params_before = game.params;
  CompleteFarmingResearch(game);
  EXPECT_EQ(s.FarmingLevel, 2);
  EXPECT_EQ(s.Population, before.Population + 150);
  EXPECT_EQ(s.GrainStock, before.GrainStock + 500);
  EXPECT_EQ(s.MeatStock, before.MeatStock + 26);
  EXPECT_EQ(s.EngineersAvailable, 2);
  EXPECT_EQ(s.Happiness, before.Happiness + 12);
  EXPECT_EQ(s.Health, before.Health + 6);
  EXPECT_EQ(s.WarlordsAvailable, 0);
  const int growth[14] = {2, 0, 0, 0, 2, 2, 2, 1, 1, 1, 0, 2, 1, 2};
  for (std::size_t row = 0; row < 14; ++row) {
    EXPECT_EQ(game.params.SmithyParams[row][0], params_before.SmithyParams[row][0] + growth[row])
        << "row " << row;
    EXPECT_EQ(game.params.SmithyParams[row][1], params_before.SmithyParams[row][1]);
  }
  EXPECT_EQ(Ids(game.news), std::vector<int>{69});
}

TEST(ResearchTest, TenthLevelBringsAWarlordAndGrainWraps) {
  Game game;
  game.state.FarmingLevel = 9;
  CompleteFarmingResearch(game);
  EXPECT_EQ(game.state.WarlordsAvailable, 1);
  EXPECT_EQ(game.state.GrainStock, 2500);
  game.state.FarmingLevel = 200;  // 250 x 201 wraps as a 16-bit product
  CompleteFarmingResearch(game);
  EXPECT_EQ(game.state.GrainStock, 2500 + 50250 - 65536);
}

TEST(GuardTrainingTest, CompletionIsReported) {
  Game game;
  game.state.GuardLevel = 2;
  game.state.GuardResearchTurns = 1;
  CountDownGuardTraining(game);
  EXPECT_EQ(game.state.GuardResearchTurns, 200);
  EXPECT_EQ(game.state.GuardLevel, 3);
  EXPECT_EQ(game.state.LordNobility, 2);
  EXPECT_EQ(Ids(game.reports), std::vector<int>{70});
  CountDownGuardTraining(game);  // idle now
  EXPECT_EQ(game.state.GuardLevel, 3);
}

TEST(TournamentTest, RollDecidesWinOrLoss) {
  struct Case {
    double rnd;
    Long gold_after;
    Integer nobility_after;
    std::vector<int> news;
  };
  for (const Case& c : {Case{0.5, 1300, 12, {74, 75}}, Case{0.49, 1000, 8, {74, 76}},
                        Case{0.0, 1000, 8, {74, 76}}}) {
    Game game;
    game.rng = Random::Constant(c.rnd);
    GameState& s = game.state;
    s.Gold = 1000;
    s.LordNobility = 10;
    s.Happiness = 40;
    s.Morale = 10;
    s.TournamentHeld = kTrue;
    s.TournamentPrize = 100;
    SettleTournament(game);
    EXPECT_EQ(s.Gold, c.gold_after);
    EXPECT_EQ(s.LordNobility, c.nobility_after);
    EXPECT_EQ(s.Happiness, 60);
    EXPECT_EQ(s.Morale, 15);
    EXPECT_EQ(s.TournamentHeld, kFalse);
    EXPECT_EQ(s.TournamentPrize, 0);
    EXPECT_EQ(game.live.TournamentRoll, 0);
    EXPECT_EQ(Ids(game.news), c.news);
  }
  Game idle;
  SettleTournament(idle);  // none announced: nothing happens
  EXPECT_EQ(idle.state, GameState{});
}

TEST(ThievesTest, LootEverySecondTurnGoneEveryNinth) {
  struct Case {
    Byte turn;
    bool den;
    bool new_loot;
    bool den_after;
    std::vector<int> news;
  };
  const Case cases[] = {
      {2, true, true, true, {81}},   {3, true, false, true, {}},
      {9, true, false, false, {82}}, {18, true, true, false, {81, 82}},
      {4, false, false, false, {}},
  };
  for (const Case& c : cases) {
    Game game;
    game.rng = Random::Constant(0.25);
    game.state.Turn = c.turn;
    game.state.BuildingBuilt[5] = ToBoolean(c.den);
    game.state.ThievesIncome = {1, 2, 3, 4};
    ThievesTurn(game);
    const OneBased<Byte, 4> loot =
        c.new_loot ? OneBased<Byte, 4>{125, 125, 125, 125} : OneBased<Byte, 4>{1, 2, 3, 4};
    EXPECT_EQ(game.state.ThievesIncome, loot) << "turn " << int{c.turn};
    EXPECT_EQ(IsTrue(game.state.BuildingBuilt[5]), c.den_after) << "turn " << int{c.turn};
    EXPECT_EQ(Ids(game.news), c.news) << "turn " << int{c.turn};
  }
}

TEST(CastleIncomeTest, EachStagePaysItsShare) {
  struct Case {
    int stage;
    Long gold_after;
    Integer nobility_after;
  };
  // 1099 people: 2 % is 21.98, 5 % 54.95, 6 % 65.94, 10 % 109.9, 8 % 87.92.
  for (const Case& c : {Case{0, 1000, 5}, Case{1, 1021, 5}, Case{2, 1054, 5}, Case{3, 1065, 6},
                        Case{4, 891, 5}, Case{5, 1087, 7}}) {
    GameState s;
    s.Gold = 1000;
    s.Population = 1099;
    s.LordNobility = 5;
    if (c.stage > 0) s.CastleStageBuilt[c.stage] = kTrue;
    CastleIncome(s);
    EXPECT_EQ(s.Gold, c.gold_after) << "stage " << c.stage;
    EXPECT_EQ(s.LordNobility, c.nobility_after) << "stage " << c.stage;
  }
}

TEST(FoodTest, PeopleEatWhatThereIs) {
  struct Case {
    Long grain, meat;
    Boolean eat_grain, eat_meat;
    Long grain_after, meat_after;
    Integer mood_after;  // happiness and health alike, from 50
    Boolean eat_grain_after, eat_meat_after;
  };
  // 1000 people eat 250 grain and Fix(83.3) = 83 meat.
  const Case cases[] = {
      {1000, 100, kTrue, kTrue, 750, 17, 58, kTrue, kTrue},
      {1000, 0, kTrue, kTrue, 750, 0, 44, kTrue, kFalse},
      {0, 100, kTrue, kTrue, 0, 17, 49, kFalse, kTrue},
      {1000, 100, kFalse, kTrue, 1000, 17, 49, kFalse, kTrue},
      {1000, 100, kFalse, kFalse, 1000, 100, 35, kFalse, kFalse},
      {100, 50, kTrue, kTrue, -150, -33, 58, kTrue, kTrue},
  };
  for (const Case& c : cases) {
    GameState s;
    s.Population = 1000;
    s.Happiness = s.Health = 50;
    s.GrainStock = c.grain;
    s.MeatStock = c.meat;
    s.EatGrain = c.eat_grain;
    s.EatMeat = c.eat_meat;
    FeedPeople(s);
    EXPECT_EQ(s.GrainStock, c.grain_after);
    EXPECT_EQ(s.MeatStock, c.meat_after);
    EXPECT_EQ(s.Happiness, c.mood_after);
    EXPECT_EQ(s.Health, c.mood_after);
    EXPECT_EQ(s.EatGrain, c.eat_grain_after);
    EXPECT_EQ(s.EatMeat, c.eat_meat_after);
  }
}

TEST(PeriodicQuestionsTest, AskedInTheirOrder) {
  struct Case {
    Byte turn;
    Byte difficulty;
    std::vector<std::string> asked;
  };
  const Case cases[] = {
      {16, 2, {"ask 1/106"}},
      {48, 2, {"ask 1/106", "ask 4/111"}},
      {80, 2, {"ask 1/106", "ask 6/113", "ask 7/114"}},
      {120, 2, {"ask 4/111", "ask 6/113", "ask 7/114"}},
      {190, 2, {"ask 5/112"}},
      {195, 2, {"ask 8/115"}},
      {35, 1, {}},
      {35, 2, {"ask 20/123"}},
      {140, 3, {"ask 7/114", "ask 20/123"}},
      {47, 1, {}},
      {94, 3, {"ask 21/124"}},
      {1, 2, {}},
  };
  for (const Case& c : cases) {
    Game game;
    RecordingUi ui(game);
    game.Difficulty = c.difficulty;
    game.state.Turn = c.turn;
    AskPeriodicQuestions(game);
    EXPECT_EQ(ui.Only("ask"), c.asked) << "turn " << int{c.turn};
  }
}

TEST(SiegeCountdownTest, TheStormIsOfferedAtZero) {
  struct Case {
    Byte first, second;
    Byte first_after, second_after;
    std::vector<std::string> asked;
  };
  const Case cases[] = {
      {200, 200, 200, 200, {}},
      {2, 200, 1, 200, {}},
      {1, 200, 200, 200, {"ask 14/117"}},
      {0, 1, 200, 200, {"ask 14/117", "ask 15/117"}},
      {201, 3, 201, 2, {}},
  };
  for (const Case& c : cases) {
    Game game;
    RecordingUi ui(game);
    game.state.RivalStatus[1] = c.first;
    game.state.RivalStatus4 = c.second;
    CountDownSieges(game);
    EXPECT_EQ(game.state.RivalStatus[1], c.first_after);
    EXPECT_EQ(game.state.RivalStatus4, c.second_after);
    EXPECT_EQ(ui.Only("ask"), c.asked);
  }
}

}  // namespace
}  // namespace valorne
