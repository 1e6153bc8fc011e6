// Rule groups of the economy step that run the county itself: research and
// guard training, the thieves, the castle's income, the people's food and
// the guard's missions.
#include "military/guard_missions.h"
#include "turn/economy_steps.h"
#include "turn/messages.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

void CountDownFarmingResearch(Game& game) {
  if (CountdownFires(game.state.FarmingResearchTurns)) CompleteFarmingResearch(game);
}

void CompleteFarmingResearch(Game& game) {
  GameState& s = game.state;
  s.FarmingResearchTurns = 200;
  AddTo(s.FarmingLevel, 1);
  const int level = s.FarmingLevel;
  AddTo(s.Population, IntegerProduct(75, level));
  AddTo(s.GrainStock, IntegerProduct(250, level));
  AddTo(s.MeatStock, IntegerProduct(13, level));
  AddTo(s.Happiness, 12);
  AddTo(s.Health, 6);
  AddTo(s.EngineersAvailable, level);
  // Every level of knowledge makes the smithy faster, except at the crosses.
  auto& smithy = game.params.SmithyParams;
  for (int row : {0, 4, 5, 6, 11, 13}) smithy[row][0] = WrapInteger(smithy[row][0] + 2);
  for (int row : {7, 8, 9, 12}) smithy[row][0] = WrapInteger(smithy[row][0] + 1);
  if (level >= 10) AddTo(s.WarlordsAvailable, 1);
  PostNews(game, 1, 69);
}

void CountDownGuardTraining(Game& game) {
  GameState& s = game.state;
  if (!CountdownFires(s.GuardResearchTurns)) return;
  AddTo(s.GuardLevel, 1);
  AddTo(s.LordNobility, 2);
  PostReport(game, 1, 70);
}

void ThievesTurn(Game& game) {
  GameState& s = game.state;
  if (s.Turn % 2 == 0 && IsTrue(s.BuildingBuilt[5])) {
    game.rng.Randomize();
    for (int good = 1; good <= 4; ++good) {  // gold, wood, stone, ore
      s.ThievesIncome[good] = ToByte(Int(100 * game.rng.Rnd() + 100));
    }
    PostNews(game, 1, 81);
  }
  // The thieves move on; what they brought last keeps coming.
  if (s.Turn % 9 == 0 && IsTrue(s.BuildingBuilt[5])) {
    s.BuildingBuilt[5] = kFalse;
    PostNews(game, 1, 82);
  }
}

void CastleIncome(GameState& s) {
  const double people = s.Population;
  auto share = [&](int percent) { return Int(percent * people / 100); };
  if (IsTrue(s.CastleStageBuilt[1])) AddTo(s.Gold, share(2));  // keep
  if (IsTrue(s.CastleStageBuilt[2])) AddTo(s.Gold, share(5));  // bailey
  if (IsTrue(s.CastleStageBuilt[3])) {                         // fort
    AddTo(s.Gold, share(6));
    AddTo(s.LordNobility, 1);
  }
  if (IsTrue(s.CastleStageBuilt[4])) AddTo(s.Gold, -share(10));  // bunker
  if (IsTrue(s.CastleStageBuilt[5])) {                           // castle
    AddTo(s.Gold, share(8));
    AddTo(s.LordNobility, 2);
  }
}

void FeedPeople(GameState& s) {
  if (s.MeatStock < 1) s.EatMeat = kFalse;
  if (s.GrainStock < 1) s.EatGrain = kFalse;
  if (IsTrue(s.EatMeat)) {
    AddTo(s.MeatStock, -Fix(s.Population / 12.0));
    AddTo(s.Happiness, 5);
    AddTo(s.Health, 5);
  } else {
    AddTo(s.Happiness, -9);
    AddTo(s.Health, -9);
  }
  if (IsTrue(s.EatGrain)) {
    AddTo(s.GrainStock, -Fix(s.Population / 4.0));
    AddTo(s.Happiness, 3);
    AddTo(s.Health, 3);
  } else {
    AddTo(s.Happiness, -6);
    AddTo(s.Health, -6);
  }
}

void GuardMissionsTurn(Game& game) {
  ResolveScouts(game);
  if (game.state.Turn % 8 == 0) AddTo(game.state.AssassinLevel(), 1);
  ResolveAssassins(game);
}

}  // namespace valorne
