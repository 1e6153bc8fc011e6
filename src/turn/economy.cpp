// The large economy step of the end of turn and its first rule groups: the
// calendar, the places the lord holds, the lord himself.
#include "turn/economy.h"

#include "county/fields.h"
#include "turn/church_tournament_turn.h"
#include "turn/economy_steps.h"
#include "turn/messages.h"
#include "turn/seasons.h"
#include "turn/sieges.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

bool EveryNthTurn(const GameState& s, int n) {
  return s.Turn % n == 0;
}

}  // namespace

void AdvanceCalendar(GameState& s) {
  s.Season = s.Season == 4 ? 1 : static_cast<Byte>(s.Season + 1);
  s.Turn = s.Turn == 200 ? 2 : static_cast<Byte>(s.Turn + 1);
}

void ApplyHeldSites(GameState& s) {
  auto held = [&](int site) { return s.SitesHeld[site] == 1; };
  if (held(2)) AddTo(s.Morale, 3);     // the ancient dolmen
  if (held(4)) AddTo(s.Happiness, 1);  // the chapel
  if (held(5)) AddTo(s.Happiness, 2);  // the great chapel
  if (held(9)) {                       // the tavern: one gold a soldier
    AddTo(s.Morale, 4);
    AddTo(s.Gold, -static_cast<double>(WrapInteger(static_cast<long>(s.ArmySizes[1]) +
                                                   s.ArmySizes[2] + s.ArmySizes[3])));
    AddTo(s.Happiness, 2);
  }
  if (held(7)) AddTo(s.Health, 3);  // the obelisk
  if (held(1)) AddTo(s.Morale, 1);  // the dolmen
  if (held(10)) {                   // the old battlefield
    AddTo(s.OreStock, 100);
    AddTo(s.WoodStock, 200);
  }
}

void ApplyLordAttributes(GameState& s) {
  // The happiness moves by a share of itself: H x 5 and H x 10 are Integer
  // products; the morale moves by a fraction of the attribute.
  auto gain = [&] { AddTo(s.Happiness, Fix(IntegerProduct(s.Happiness, 5) / 100)); };
  auto loss = [&] { AddTo(s.Happiness, -Fix(IntegerProduct(s.Happiness, 10) / 100)); };
  if (s.LordLeadership >= 20) {
    AddTo(s.Morale, s.LordLeadership / 50.0);
    gain();
  } else {
    AddTo(s.Morale, -(s.LordLeadership / 5.0));
    loss();
  }
  if (s.LordNobility >= 10) {
    AddTo(s.Morale, s.LordNobility / 50.0);
    gain();
    AddTo(s.LordLeadership, 1);
  } else {
    AddTo(s.Morale, -(s.LordNobility / 5.0));
    loss();
  }
  if (s.LordReligion >= 40) {
    gain();
    AddTo(s.LordDiplomacy, 1);
    AddTo(s.LordLeadership, 1);
  } else {
    loss();
    AddTo(s.LordDiplomacy, -3);
  }
}

void ApplyLordFame(Game& game) {
  GameState& s = game.state;
  const Integer sum = WrapInteger(static_cast<long>(s.LordLeadership) + s.LordNobility +
                                  s.LordDiplomacy + s.LordReligion);
  if (Fix(sum / 4.0) < 50) {
    game.live.LordFameShown = false;
    return;
  }
  AddTo(s.Population, 15);
  AddTo(s.Happiness, 2);
  AddTo(s.Morale, 1);
  AddTo(s.LordNobility, 1);
  AddTo(s.LordDiplomacy, 1);
  if (!game.live.LordFameShown) {
    game.live.LordFameShown = true;
    Ask(game, 2, 107);
  }
}

void CalcEconomy(Game& game) {
  GameState& s = game.state;
  AdvanceCalendar(s);
  ApplyHeldSites(s);
  ApplyLordAttributes(s);
  ApplyLordFame(game);
  if (EveryNthTurn(s, 6)) AskTithe(game);
  if (EveryNthTurn(s, 8)) AskStake(game);
  CountDownFarmingResearch(game);
  CountDownGuardTraining(game);
  SettleTournament(game);
  if (EveryNthTurn(s, 11)) game.ui().OpenScreen("TournamentFrm");
  ThievesTurn(game);
  CastleIncome(s);
  CalcFood(game);
  FeedPeople(s);
  HealthAndPlague(game);
  GuardMissionsTurn(game);
  CarryOutTradeOrders(game);
  RebelsTurn(game);
  AskPeriodicQuestions(game);
  CountDownSieges(game);
}

}  // namespace valorne
