// The trade page of the diplomacy screen: the standing orders with the
// market, a share of one material sold and a share of the market's offer of
// one material bought at every end of turn.
#include "county/county_sounds.h"
#include "rivals/diplo_frm.h"
#include "rivals/market_page.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

// The goods' icons in the status bar's strip: wood, stone, ore.
constexpr int kGoodIcons[kMarketGoods + 1] = {0, 2, 3, 4};

// The merchants will not trade while the lord's diplomacy is too low.
constexpr TextRef kTradeRefused{1, 87};

}  // namespace

void DiploFrm::TradeBtn_Click() {
  const GameState& s = game().state;
  Get<ListBox>("SellLst").SetListIndex(IsMarketGood(s.SellGood) ? s.SellGood - 1 : -1);
  Get<ListBox>("BuyLst").SetListIndex(IsMarketGood(s.BuyGood) ? s.BuyGood - 1 : -1);
  ShowPage(DiploPage::Trade);
  ShowGoodPicture("SellGoodImg", s.SellGood);
  ShowGoodPicture("BuyGoodImg", s.BuyGood);
  if (s.LordDiplomacy < game().params.TradeDiplomacyMin) Hint(kTradeRefused);
}

void DiploFrm::SellLst_Click() {
  GameState& s = game().state;
  const int index = Get<ListBox>("SellLst").ListIndex();
  if (index < 0) return;
  s.SellGood = static_cast<Byte>(index + 1);
  game().PlaySound(kClickChannel, kClickSound);
  ShowGoodPicture("SellGoodImg", s.SellGood);
  ShowTradeFigures();
}

void DiploFrm::BuyLst_Click() {
  GameState& s = game().state;
  const int index = Get<ListBox>("BuyLst").ListIndex();
  if (index < 0) return;
  s.BuyGood = static_cast<Byte>(index + 1);
  game().PlaySound(kClickChannel, kClickSound);
  ShowGoodPicture("BuyGoodImg", s.BuyGood);
  ShowTradeFigures();
}

void DiploFrm::StepSale(int direction) {
  StepPercent(game().state.SellPercent, direction);
  ShowTradeFigures();
}

void DiploFrm::StepPurchase(int direction) {
  StepPercent(game().state.BuyPercent, direction);
  ShowTradeFigures();
}

// The good's picture, shown while the animated screens are on.
void DiploFrm::ShowGoodPicture(std::string_view image, int good) {
  Control& picture = (*this)[image];
  const bool shown = IsMarketGood(good) && IsTrue(game().options.AnimatedSOption);
  picture.SetVisible(shown);
  if (shown) picture.SetStripFrame(kGoodIcons[good]);
}

void DiploFrm::ShowTradeFigures() {
  GameState& s = game().state;
  const OrderFigures sale = SaleFigures(s, s.SellGood, s.SellPercent);
  const OrderFigures purchase = PurchaseFigures(s, s.BuyGood, s.BuyPercent);
  const Long* stock = MarketStock(s, s.SellGood);
  (*this)["SellPercentLbl"].SetText(std::to_string(s.SellPercent) + " %");
  (*this)["SellStockLbl"].SetText(stock ? std::to_string(*stock) : "");
  (*this)["SellAmountLbl"].SetText(std::to_string(sale.amount));
  (*this)["SellGoldLbl"].SetText(std::to_string(sale.gold));
  (*this)["BuyPercentLbl"].SetText(std::to_string(s.BuyPercent) + " %");
  (*this)["BuyOfferLbl"].SetText(IsMarketGood(s.BuyGood) ? std::to_string(MarketOffer(s, s.BuyGood))
                                                         : "");
  (*this)["BuyAmountLbl"].SetText(std::to_string(purchase.amount));
  (*this)["BuyGoldLbl"].SetText(std::to_string(purchase.gold));
}

}  // namespace valorne
