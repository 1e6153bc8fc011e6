#include "rivals/market_page.h"

#include <algorithm>

#include "state/values.h"

namespace valorne {

namespace {

// A unit sold brings 100 / sale gold, a unit bought costs 100 / purchase gold.
struct MarketPrice {
  int sale;
  int purchase;
};
constexpr MarketPrice kPrices[kMarketGoods + 1] = {{1, 1}, {235, 120}, {185, 90}, {125, 70}};

Long StockOf(const GameState& s, int good) {
  switch (good) {
    case 1:
      return s.WoodStock;
    case 2:
      return s.StoneStock;
    case 3:
      return s.OreStock;
    default:
      return 0;
  }
}

Long Part(double whole, int percent, int divisor) {
  return ToLong(Int(whole * percent / divisor));
}

}  // namespace

bool IsMarketGood(int good) {
  return good >= 1 && good <= kMarketGoods;
}

OrderFigures SaleFigures(const GameState& s, int good, int percent) {
  if (!IsMarketGood(good)) return {};
  const double stock = static_cast<double>(StockOf(s, good));
  return {Part(stock, percent, 100), Part(stock, percent, kPrices[good].sale)};
}

OrderFigures PurchaseFigures(const GameState& s, int good, int percent) {
  if (!IsMarketGood(good)) return {};
  const double offer = static_cast<double>(MarketOffer(s, good));
  return {Part(offer, percent, 100), Part(offer, percent, kPrices[good].purchase)};
}

Long* MarketStock(GameState& s, int good) {
  switch (good) {
    case 1:
      return &s.WoodStock;
    case 2:
      return &s.StoneStock;
    case 3:
      return &s.OreStock;
    default:
      return nullptr;
  }
}

Long MarketOffer(const GameState& s, int good) {
  switch (good) {
    case 1:
      return s.MarketWood;
    case 2:
      return s.MarketStone;
    case 3:
      return s.MarketOre;
    default:
      return 0;
  }
}

void StepPercent(Byte& percent, int direction) {
  if (direction > 0 && percent < 100) percent = static_cast<Byte>(std::min(100, percent + 10));
  if (direction < 0 && percent > 0) percent = static_cast<Byte>(std::max(0, percent - 10));
}

}  // namespace valorne
