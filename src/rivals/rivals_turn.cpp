#include "rivals/rivals_turn.h"

#include "rivals/rival_rules.h"

namespace valorne {

namespace {

// One rival county's turn, its steps in their order.
void RivalTurn(Game& game, int county) {
  GameState& s = game.state;
  const RivalProfile& p = ProfileOf(county);
  RivalCounty& r = RivalOf(s, county);
  RivalTaxes(game, r);
  RivalPeople(game, r);
  RivalHeldSites(s, p, r);
  RivalLordAttributes(r);
  RivalLordFame(game, p, r);
  RivalChurch(s, p, r);
  RivalStake(s, r);
  if (s.Turn % p.gift_period == 0) r.Happiness += 15;
  RivalGuardTraining(r);
  RivalTournament(s, r);
  RivalRaid(game, p, r);
  RivalTreasuryLoss(game, p, r);
  RivalCastleIncome(r);
  PlagueReachesRival(s, r);
  RivalSiteGrabs(s, p, r);
  RivalAssassins(game, p, r);
  RivalMusters(game, p, r);
  RivalDeclaresWar(game, p);
  RivalPurchases(game, p, r);
  RivalRebellion(game, p, r);
}

}  // namespace

void CalcRivals(Game& game) {
  GameState& s = game.state;
  const bool undefeated = IsTrue(s.PlayerUndefeated);
  if (undefeated) game.live.DefeatText = TextRef{};
  DrawMarketOffers(game);
  if (IsTrue(s.Rival1Standing)) RivalTurn(game, 1);
  if (IsTrue(s.Rival2Standing)) RivalTurn(game, 2);
  WarCountdowns(game);
  for (int county = 1; county <= 2; ++county) {
    if (RivalStands(s, county)) ClampRival(RivalOf(s, county));
  }
  for (int county = 1; county <= 2; ++county) {
    if (RivalStands(s, county)) RivalAttack(game, county);
  }
  // The level lost this turn (the lord murdered, the castle fallen): the
  // objectives screen turns to its defeat and leaves only the replay or the
  // menu.
  if (undefeated && !IsTrue(s.PlayerUndefeated)) game.ui().OpenScreen("TipsFrm");
}

}  // namespace valorne
