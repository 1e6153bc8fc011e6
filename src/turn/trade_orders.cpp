// The market's two standing orders, carried out at every end of turn while
// the lord's diplomacy is good enough: a share of one material sold, a share
// of the market's offer of one material bought.
#include "turn/economy_steps.h"
#include "turn/messages.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

struct Good {
  Long* stock;
  Long offer;
  int sale_divisor;      // a unit sold brings 100 / divisor gold
  int purchase_divisor;  // a unit bought costs 100 / divisor gold
};

// Good 1 wood, 2 stone, 3 ore; anything else trades nothing.
bool FindGood(GameState& s, int good, Good& out) {
  switch (good) {
    case 1:
      out = {&s.WoodStock, s.MarketWood, 235, 120};
      return true;
    case 2:
      out = {&s.StoneStock, s.MarketStone, 185, 90};
      return true;
    case 3:
      out = {&s.OreStock, s.MarketOre, 125, 70};
      return true;
    default:
      return false;
  }
}

}  // namespace

void CarryOutTradeOrders(Game& game) {
  GameState& s = game.state;
  if (s.LordDiplomacy < game.params.TradeDiplomacyMin) {
    if (!game.live.TradeRefusedShown) {
      game.live.TradeRefusedShown = true;
      s.SellGood = 1;
      s.BuyGood = 1;
      PostNews(game, 1, 87);
    }
    return;
  }
  game.live.TradeRefusedShown = false;
  Good good;
  if (FindGood(s, s.SellGood, good)) {
    const double stock = static_cast<double>(*good.stock);
    AddTo(s.Gold, Int(stock * s.SellPercent / good.sale_divisor));
    AddTo(*good.stock, -Int(stock * s.SellPercent / 100));
  }
  if (FindGood(s, s.BuyGood, good)) {
    const double offer = static_cast<double>(good.offer);
    AddTo(s.Gold, -Int(offer * s.BuyPercent / good.purchase_divisor));
    AddTo(*good.stock, Int(offer * s.BuyPercent / 100));
  }
}

}  // namespace valorne
