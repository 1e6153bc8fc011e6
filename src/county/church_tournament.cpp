#include "county/church_tournament.h"

#include "turn/messages.h"

namespace valorne {

namespace {

// The changes of one answer to the church.
struct ChurchEffect {
  int happiness;
  int religion;
  int nobility;
  int news;           // category 1
  const char* shown;  // the happiness change as the screen shows it
};

void ApplyChurchEffect(Game& game, const ChurchEffect& e) {
  GameState& s = game.state;
  s.Happiness = WrapInteger(s.Happiness + e.happiness);
  s.LordReligion = WrapInteger(s.LordReligion + e.religion);
  s.LordNobility = WrapInteger(s.LordNobility + e.nobility);
  PostNews(game, 1, e.news);
}

ChurchAnswer Answer(Game& game, const ChurchEffect& e) {
  ApplyChurchEffect(game, e);
  return {Accepted(), e.shown};
}

}  // namespace

ChurchAnswer PayTithe(Game& game) {
  GameState& s = game.state;
  if (s.Gold < s.TitheDemand) return {Refused(kNotEnoughResources), ""};
  s.Gold -= s.TitheDemand;
  return Answer(game, {0, +3, +1, 64, ""});
}

ChurchAnswer RefuseTithe(Game& game) {
  GameState& s = game.state;
  s.GrainStock -= 300;
  s.MeatStock -= 10;
  return Answer(game, {-10, -4, -1, 63, "- 10"});
}

ChurchAnswer AgreeToBurning(Game& game) {
  return Answer(game, {-22, +2, +1, 66, "- 22"});
}

ChurchAnswer RefuseBurning(Game& game) {
  return Answer(game, {+12, -3, -1, 65, "+12"});
}

Outcome RaiseTournamentPrize(Game& game) {
  GameState& s = game.state;
  if (s.Gold - kTournamentCost > s.TournamentPrize) {
    s.TournamentPrize = WrapInteger(s.TournamentPrize + kPrizeStep);
    return Accepted();
  }
  return Refused(kNotEnoughResources);
}

Outcome LowerTournamentPrize(Game& game) {
  GameState& s = game.state;
  if (s.TournamentPrize <= 0) return Refused();
  s.TournamentPrize = WrapInteger(s.TournamentPrize - kPrizeStep);
  return Accepted();
}

Outcome HoldTournament(Game& game) {
  GameState& s = game.state;
  const Long price = kTournamentCost + s.TournamentPrize;
  if (s.Gold < price) return Refused(kNotEnoughResources);
  s.Gold -= price;
  s.LordDiplomacy = WrapInteger(s.LordDiplomacy + 3);
  s.TournamentHeld = kTrue;
  return Accepted();
}

Outcome RefuseTournament(Game& game) {
  GameState& s = game.state;
  s.LordDiplomacy = WrapInteger(s.LordDiplomacy - 2);
  s.TournamentHeld = kFalse;
  s.TournamentPrize = 0;
  return Accepted();
}

TournamentFigures TournamentScreenFigures(const GameState& s) {
  return {std::to_string(kTournamentCost), std::to_string(s.TournamentPrize)};
}

}  // namespace valorne
