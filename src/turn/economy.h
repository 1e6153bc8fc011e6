// The county's economy at the end of turn: what it produces and how its
// people grow, the large economy step (calendar, the lord, the church,
// research, tournaments, thieves, castle income, food, health, trade, rebels,
// the periodic questions, sieges), the blacksmith's order, the building
// countdown and the final clamps. The end of turn runs them in this order,
// with the seasons and the rival counties between them.
#pragma once

#include "state/game.h"

namespace valorne {

// Income, the works' output, tax unrest, births and deaths, and the
// happiness band's effect on the people.
void BasicProduction(Game& game);

// The large economy step; it first advances the turn and the season, so
// everything after it sees the new ones.
void CalcEconomy(Game& game);

// The blacksmith's standing order: this turn's pieces, paid in wood and ore,
// or the order ends when the stores run short.
void CalcBlacksmith(Game& game);

// Repairs of villages and windmills, and the building under construction.
void CalcConstruction(Game& game);

// The final clamps, the low-stock warnings and the release of workers the
// people can no longer staff.
void CheckLimits(Game& game);

// The people at the works and on the fields, summed as a 16-bit Integer.
Integer CountWorkers(const GameState& s);

}  // namespace valorne
