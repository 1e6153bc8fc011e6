// The steps of the large economy step, in the order it runs them. Each is a
// rule group of its own; the economy step calls them, tests call them alone.
#pragma once

#include "state/game.h"

namespace valorne {

// Turn 200 is followed by 2; the season runs 1..4 and 4 is followed by 1.
void AdvanceCalendar(GameState& s);
// The special places the lord holds.
void ApplyHeldSites(GameState& s);
// The lord's leadership, nobility and religion move morale and happiness.
void ApplyLordAttributes(GameState& s);
// A lord of fame (the four attributes average 50 or more).
void ApplyLordFame(Game& game);
// The farming research countdown, and its completion.
void CountDownFarmingResearch(Game& game);
void CompleteFarmingResearch(Game& game);
// The guard training countdown, and its completion.
void CountDownGuardTraining(Game& game);
// The thieves' den: new loot every 2nd turn, gone every 9th.
void ThievesTurn(Game& game);
// The castle stage built pays (or, the bunker, costs) a share of the people.
void CastleIncome(GameState& s);
// The people eat what they are given and what there is.
void FeedPeople(GameState& s);
// The scouts, the assassins' experience and the assassins.
void GuardMissionsTurn(Game& game);
// The market's standing orders of sale and purchase.
void CarryOutTradeOrders(Game& game);
// The questions that come every so many turns, in their fixed order.
void AskPeriodicQuestions(Game& game);

}  // namespace valorne
