#include "turn/trade_post.h"

#include <cstdlib>

#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

constexpr int kPrices[kTradePostGoods + 1] = {0, 10, 40, 20, 40, 60};
constexpr int kMarket = 4;  // the market among the buildings

bool IsGood(int good) {
  return good >= 1 && good <= kTradePostGoods;
}

bool MarketBuilt(const GameState& s) {
  return IsTrue(s.BuildingBuilt[kMarket]);
}

// The tax is shown again after every step: a twelfth part of the deal's gold
// at the post alone, a twentieth once the market takes the trade.
Long TradeTax(const GameState& s, Long gold) {
  const int rate = MarketBuilt(s) ? 5 : 12;
  return ToLong(Fix(std::abs(static_cast<double>(gold) * rate / 100)));
}

// Grain when the good is not one of the post's.
template <class State>
auto& StockOf(State& s, int good) {
  switch (good) {
    case 2:
      return s.MeatStock;
    case 3:
      return s.WoodStock;
    case 4:
      return s.StoneStock;
    case 5:
      return s.OreStock;
    default:
      return s.GrainStock;
  }
}

}  // namespace

int TradePostPrice(int good) {
  return IsGood(good) ? kPrices[good] : 0;
}

Long& TradePostStock(GameState& s, int good) {
  return StockOf(s, good);
}

bool TradePostOffers(const GameState& s, int good) {
  if (good == 1 || good == 2) return true;
  return IsGood(good) && MarketBuilt(s);
}

void TradeStepUp(const GameState& s, Byte mode, int good, TradeDeal& deal) {
  if (!TradePostOffers(s, good) || mode == kTradeNone) return;
  Long& amount = deal.amounts[static_cast<std::size_t>(good)];
  const int price = TradePostPrice(good);
  if (mode == kTradeBuy) {
    // The cost so far, before this step and without the tax, must be below
    // the treasury.
    if (std::abs(deal.gold) < s.Gold) {
      amount += 10;
      deal.gold -= price;
    }
  } else {
    if (amount < StockOf(s, good)) {
      amount += 10;
      deal.gold += price;
    }
  }
  deal.tax = TradeTax(s, deal.gold);
}

void TradeStepDown(const GameState& s, Byte mode, int good, TradeDeal& deal) {
  if (!IsGood(good) || mode == kTradeNone) return;
  Long& amount = deal.amounts[static_cast<std::size_t>(good)];
  if (amount > 0) {
    amount -= 10;
    deal.gold += mode == kTradeBuy ? TradePostPrice(good) : -TradePostPrice(good);
  }
  deal.tax = TradeTax(s, deal.gold);
}

void ConfirmTrade(Game& game, const TradeDeal& deal) {
  GameState& s = game.state;
  const Byte mode = game.live.TradeMode;
  if (mode == kTradeBuy || mode == kTradeSell) {
    s.Gold += deal.gold - deal.tax;
    for (int good = 1; good <= kTradePostGoods; ++good) {
      const Long amount = deal.amounts[static_cast<std::size_t>(good)];
      TradePostStock(s, good) += mode == kTradeBuy ? amount : -amount;
    }
  } else if (mode == kTradeGive) {
    for (int good = 1; good <= kTradePostGoods; ++good) {
      TradePostStock(s, good) -= deal.amounts[static_cast<std::size_t>(good)];
    }
    // The gift's worth in gold pleases the people, the army, the nobles and
    // the church.
    const double worth = static_cast<double>(deal.gold);
    AddTo(s.Happiness, Int(worth / 100));
    AddTo(s.Morale, Int(worth / 500));
    AddTo(s.LordNobility, Int(worth / 200));
    AddTo(s.LordReligion, Int(worth / 250));
  }
  game.live.TradeMode = kTradeNone;
  s.TradeRepeatKey = 0;
}

void CancelTrade(Game& game) {
  GameState& s = game.state;
  if (game.live.TradeMode == kTradeGive) {
    AddTo(s.Happiness, -12);
    AddTo(s.Morale, -15);
    AddTo(s.LordNobility, -23);
    AddTo(s.LordReligion, -4);
  }
  game.live.TradeMode = kTradeNone;
  s.TradeRepeatKey = 0;
}

}  // namespace valorne
