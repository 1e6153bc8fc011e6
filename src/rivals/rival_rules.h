// The rule groups of a rival county's turn. Both rival counties run the same
// rules; what sets them apart (the value they mark their sites with, how
// often each thing happens, their muster table, whether they tell the player
// by news or by report) is their profile.
#pragma once

#include <span>

#include "state/game.h"
#include "state/troops.h"

namespace valorne {

// One fixed muster: on `turn` the county's `army` (1..3) is given these
// troops, for `gold` and `people` of the county.
struct MusterRow {
  Byte turn;
  int army;
  Long gold;
  Long people;
  CampComposition troops;
};

// A special place the county grabs every `period` turns.
struct SiteGrab {
  int site;
  int period;
};

struct RivalProfile {
  int county;          // 1 or 2
  Byte site_owner;     // the value of `SitesHeld` for a site the county holds
  int fame_text;       // the question telling of its lord's fame
  int gift_period;     // every n-th turn its people are given 15 happiness
  int raid_period;     // its thieves raid the player's stores
  int loss_period;     // its treasury loses 5000 gold
  bool tells_by_news;  // raids and losses as news (else reports)
  std::span<const SiteGrab> grabs;
  int assassins_period;     // its assassins grow stronger
  int camp_strike_period;   // its assassins strike at the player's camp
  int rival_strike_period;  // ... at the other rival county's lord
  int lord_strike_period;   // ... at the player's lord, past the guard
  std::span<const MusterRow> musters;
  int armies;  // 3 for county 1, 2 for county 2
};

const RivalProfile& ProfileOf(int county);

// The county's record and the map camp (1..5) of its army 1..3.
RivalCounty& RivalOf(GameState& s, int county);
int CampOf(int county, int army);
bool RivalStands(const GameState& s, int county);

// True when one of the player's armies stands on waypoint `waypoint`.
bool PlayerArmyOn(const GameState& s, int waypoint);

// The county's economy: taxes and people, its sites, its lord, the church,
// the stake, its guard, its tournament, its castle and the player's plague.
void RivalTaxes(Game& game, RivalCounty& r);
void RivalPeople(Game& game, RivalCounty& r);
void RivalHeldSites(const GameState& s, const RivalProfile& p, RivalCounty& r);
void RivalLordAttributes(RivalCounty& r);
void RivalLordFame(Game& game, const RivalProfile& p, RivalCounty& r);
void RivalChurch(const GameState& s, const RivalProfile& p, RivalCounty& r);
void RivalStake(const GameState& s, RivalCounty& r);
void RivalGuardTraining(RivalCounty& r);
void RivalTournament(const GameState& s, RivalCounty& r);
void RivalCastleIncome(RivalCounty& r);
void PlagueReachesRival(const GameState& s, RivalCounty& r);

// The county's thieves and its treasury's loss.
void RivalRaid(Game& game, const RivalProfile& p, RivalCounty& r);
void RivalTreasuryLoss(Game& game, const RivalProfile& p, RivalCounty& r);

// The special places it grabs, unless an army of the player stands there.
// The waypoint a site stands by, 0 for none.
int SiteWaypoint(int site);
void RivalSiteGrabs(GameState& s, const RivalProfile& p, RivalCounty& r);

// Its assassins: they grow, strike at the player's camp, at the other
// county's lord and at the player's lord.
void RivalAssassins(Game& game, const RivalProfile& p, RivalCounty& r);

// Its armies: the fixed musters, its own declaration of war, the armies it
// buys before a war.
void RivalMusters(Game& game, const RivalProfile& p, RivalCounty& r);
void RivalDeclaresWar(Game& game, const RivalProfile& p);
void RivalPurchases(Game& game, const RivalProfile& p, RivalCounty& r);

// Its people rise when unhappy and burn village 2.
void RivalRebellion(Game& game, const RivalProfile& p, RivalCounty& r);

// The turns a marching army needs from the number of its engineers.
int ArrivalTurns(long engineers);

// The war countdowns, and the march of a rival's army when its turn comes.
void WarCountdowns(Game& game);

// The clamps of a standing county's values.
void ClampRival(RivalCounty& r);

// A rival's attack countdown; its army at the castle. Returns true when the
// castle fell without a battle.
bool RivalAttack(Game& game, int county);

// The market's three offers of the turn.
void DrawMarketOffers(Game& game);

}  // namespace valorne
