// The trade post's goods exchange: the player buys goods for gold, sells
// them, or gives them to the people, ten units at a time, and nothing moves
// until the deal is confirmed. Wood, stone and ore are traded only once the
// market stands, which also lowers the post's tax from 12 to 5 in the hundred.
#pragma once

#include <array>

#include "state/game.h"

namespace valorne {

// The trade post's modes (`TradeMode`).
inline constexpr Byte kTradeNone = 0;
inline constexpr Byte kTradeBuy = 1;
inline constexpr Byte kTradeSell = 2;
inline constexpr Byte kTradeGive = 3;

// Goods of the trade post, as `TradeRepeatKey` names them: 1 grain, 2 meat,
// 3 wood, 4 stone, 5 ore.
inline constexpr int kTradePostGoods = 5;

// Gold per ten units, the same for buying, selling and a gift's worth.
int TradePostPrice(int good);
Long& TradePostStock(GameState& s, int good);
// Grain and meat always; wood, stone and ore once the market stands.
bool TradePostOffers(const GameState& s, int good);

// The deal on the screen: the amount of each good, the gold of the deal
// (negative when buying) and the tax on it.
struct TradeDeal {
  std::array<Long, kTradePostGoods + 1> amounts{};  // by good 1..5
  Long gold = 0;
  Long tax = 0;
};

// One tick of a held up or down button for `good` in the screen's mode.
void TradeStepUp(const GameState& s, Byte mode, int good, TradeDeal& deal);
void TradeStepDown(const GameState& s, Byte mode, int good, TradeDeal& deal);

// Confirms the deal in the mode of `TradeMode`: the gold and the stocks move,
// a gift pleases the people, the church and the nobles. The mode and the
// held button return to none.
void ConfirmTrade(Game& game, const TradeDeal& deal);
// Cancels it: refusing the people a gift they were promised angers them;
// cancelling a purchase or a sale costs nothing.
void CancelTrade(Game& game);

}  // namespace valorne
