// The market's two standing orders, carried out at every end of turn while
// the lord's diplomacy is good enough: a share of one material sold, a share
// of the market's offer of one material bought. The figures are those the
// trade page shows.
#include "rivals/market_page.h"
#include "turn/economy_steps.h"
#include "turn/messages.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

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
  // The gold of the sale is reckoned on the stock before the sale.
  if (Long* stock = MarketStock(s, s.SellGood)) {
    const OrderFigures sale = SaleFigures(s, s.SellGood, s.SellPercent);
    AddTo(s.Gold, sale.gold);
    AddTo(*stock, -sale.amount);
  }
  if (Long* stock = MarketStock(s, s.BuyGood)) {
    const OrderFigures purchase = PurchaseFigures(s, s.BuyGood, s.BuyPercent);
    AddTo(s.Gold, -purchase.gold);
    AddTo(*stock, purchase.amount);
  }
}

}  // namespace valorne
