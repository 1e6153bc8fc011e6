// What a rival county does against its neighbours by stealth: its thieves
// raid the player's stores, and its assassins grow and strike at the
// player's camp, at the other rival's lord and at the player's lord.
#include "rivals/rival_rules.h"
#include "turn/messages.h"
#include "turn/movie_frm.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

// What one strike of the assassins costs their county.
constexpr Long kStrikeFee = 3150;

// The rival assassins' films (the movie queue's entry for them).
constexpr Byte kStruckCamp = 1;
constexpr Byte kStopped = 2;

void Tell(Game& game, const RivalProfile& p, int id) {
  if (p.tells_by_news) {
    PostNews(game, 1, id);
  } else {
    PostReport(game, 1, id);
  }
}

void QueueMovie(Game& game, Byte film) {
  game.live.PendingMovies[kRivalAssassinMovie] = film;
}

bool PlayerHasArmy(const GameState& s) {
  return IsTrue(s.ArmyExists[1]) || IsTrue(s.ArmyExists[2]) || IsTrue(s.ArmyExists[3]);
}

void StrikeAtCamp(Game& game, RivalCounty& r) {
  AddTo(r.Gold, -kStrikeFee);
  game.rng.Randomize();
  const double roll = Int(100 * game.rng.Rnd() + 100);
  if (roll >= 150) {
    AddTo(game.state.Morale, -25);
    PostReport(game, 1, 103);
    QueueMovie(game, kStruckCamp);
  } else {
    PostReport(game, 1, 105);
    QueueMovie(game, kStopped);
  }
}

void StrikeAtOtherLord(Game& game, const RivalProfile& p, RivalCounty& r) {
  const int other = p.county == 1 ? 2 : 1;
  if (!RivalStands(game.state, other)) return;  // no lord there to strike at
  AddTo(r.Gold, -kStrikeFee);
  AddTo(RivalOf(game.state, other).Morale, -25);
  PostReport(game, 1, 104);
}

// The player's guard stands between the assassins and the lord: a guard
// weaker than the assassins loses the lord, and with him the level.
void StrikeAtLord(Game& game, const RivalProfile& p, RivalCounty& r) {
  GameState& s = game.state;
  if (s.GuardLevel < r.Assassins) {
    s.PlayerUndefeated = kFalse;
    if (game.live.DefeatText.category == 0) game.live.DefeatText = TextRef{1, 93};
    // County 1's deed comes as a message box; county 2's is told by the
    // objectives screen's defeat alone.
    if (p.county == 1) Ask(game, 22, 93);
    return;
  }
  AddTo(r.Gold, -kStrikeFee);
  PostReport(game, 1, 105);
  QueueMovie(game, kStopped);
}

}  // namespace

void RivalRaid(Game& game, const RivalProfile& p, RivalCounty& r) {
  GameState& s = game.state;
  if (s.Turn % p.raid_period != 0) return;
  Random& rng = game.rng;
  rng.Randomize();
  const double gold = Int(100 * rng.Rnd() + 100);
  if (s.Gold > 0) AddTo(s.Gold, -gold);
  for (Long* stock : {&s.WoodStock, &s.StoneStock, &s.OreStock}) {
    const double taken = Int(50 * rng.Rnd() + 50);
    if (*stock > 0) AddTo(*stock, -taken);
  }
  AddTo(r.Gold, 500);
  Tell(game, p, 101);
}

void RivalTreasuryLoss(Game& game, const RivalProfile& p, RivalCounty& r) {
  if (game.state.Turn % p.loss_period != 0) return;
  AddTo(r.Gold, -5000);
  Tell(game, p, 102);
}

void RivalAssassins(Game& game, const RivalProfile& p, RivalCounty& r) {
  const GameState& s = game.state;
  if (s.Turn % p.assassins_period == 0) AddTo(r.Assassins, 1);
  if (s.Turn % p.camp_strike_period == 0 && PlayerHasArmy(s)) StrikeAtCamp(game, r);
  if (s.Turn % p.rival_strike_period == 0) StrikeAtOtherLord(game, p, r);
  if (s.Turn % p.lord_strike_period == 0) StrikeAtLord(game, p, r);
}

}  // namespace valorne
