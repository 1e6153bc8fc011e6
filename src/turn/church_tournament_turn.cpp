#include "turn/church_tournament_turn.h"

#include "turn/messages.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

// The demand less (or more) a share of itself, the share truncated.
Long Adjusted(Long demand, int percent) {
  return ToLong(static_cast<double>(demand) + Fix(static_cast<double>(demand) * percent / 100));
}

}  // namespace

void AskTithe(Game& game) {
  GameState& s = game.state;
  Long demand = ToLong(Fix(static_cast<double>(s.Population) * 40 / 100));
  if (s.SitesHeld[3] == 1) demand = Adjusted(demand, -20);  // the cross
  if (s.SitesHeld[4] == 1) demand = Adjusted(demand, -10);  // the chapel
  if (s.SitesHeld[5] == 1) demand = Adjusted(demand, -20);  // the great chapel
  if (s.SitesHeld[9] == 1) demand = Adjusted(demand, 20);   // the tavern
  s.TitheDemand = demand;
  game.live.ReligionMode = kTitheQuestion;
  game.ui().OpenScreen("ReligionFrm");
}

void AskStake(Game& game) {
  game.live.ReligionMode = kStakeQuestion;
  game.ui().OpenScreen("ReligionFrm");
}

void SettleTournament(Game& game) {
  GameState& s = game.state;
  if (!IsTrue(s.TournamentHeld)) return;
  game.rng.Randomize();
  game.live.TournamentRoll = ToByte(Int(100 * game.rng.Rnd() + 100));
  PostNews(game, 1, 74);
  if (game.live.TournamentRoll < 150) {
    PostNews(game, 1, 76);
    AddTo(s.LordNobility, -2);
  } else {
    PostNews(game, 1, 75);
    AddTo(s.Gold, IntegerProduct(3, s.TournamentPrize));
    AddTo(s.LordNobility, 2);
  }
  AddTo(s.Happiness, 20);
  AddTo(s.Morale, 5);
  s.TournamentHeld = kFalse;
  s.TournamentPrize = 0;
  game.live.TournamentRoll = 0;
}

}  // namespace valorne
