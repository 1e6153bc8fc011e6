// The market's two standing orders as the trade page shows them: which
// material is sold and bought, at what share, and what the share comes to at
// the market's prices. The end of turn carries the orders out with the same
// figures.
#pragma once

#include "state/game_state.h"

namespace valorne {

// Goods of the market: 1 wood, 2 stone, 3 ore.
inline constexpr int kMarketGoods = 3;

bool IsMarketGood(int good);

// What an order moves in one turn: the material leaving or entering the
// store, and the gold it brings or costs.
struct OrderFigures {
  Long amount = 0;
  Long gold = 0;
};

// The sale of `percent` of the stock of `good`; nothing for another good.
OrderFigures SaleFigures(const GameState& s, int good, int percent);
// The purchase of `percent` of the market's offer of `good`.
OrderFigures PurchaseFigures(const GameState& s, int good, int percent);

// The store of a market good and the market's offer of it this turn.
Long* MarketStock(GameState& s, int good);
Long MarketOffer(const GameState& s, int good);

// A share raised (+1) or lowered (-1) by ten, kept within 0..100.
void StepPercent(Byte& percent, int direction);

}  // namespace valorne
