// The trade post's goods screen `GarryFrm`: buying, selling or giving grain
// and meat (and wood, stone and ore once the market stands), ten units a
// step on held buttons, confirmed or cancelled as one deal.
#pragma once

#include <string_view>

#include "screens/toolkit/form.h"
#include "turn/trade_post.h"

namespace valorne {

class GarryFrm : public Form {
 public:
  GarryFrm(Game& game, Ui& ui);

  // The pace of the held amount buttons.
  static constexpr int kRepeatIntervalMs = 120;

  const TradeDeal& deal() const { return deal_; }

 private:
  void Form_Load();
  void ChooseMode(Byte mode);
  void Hold(int good, int direction);
  void Release();
  void TradeUpTimer_Tick();
  void TradeDownTimer_Tick();
  void OkAniBtn_Click();
  void Noanibtn_Click();

  void ShowPanel();
  void ShowFigures();

  TradeDeal deal_;
};

}  // namespace valorne
