// The diplomacy screen `DiploFrm`: the rival counties' page and the neutral
// counties' page (`Label4`, `Label5`) with their lists, the missions and the
// declaration of war, and the market's trade page (`TradeBtn`) with the
// standing sale and purchase orders.
#pragma once

#include <span>

#include "rivals/diplomacy.h"
#include "screens/toolkit/form.h"
#include "screens/toolkit/screen_registry.h"

namespace valorne {

class DiploFrm : public Form {
 public:
  DiploFrm(Game& game, Ui& ui);

  DiploPage page() const { return page_; }
  Mission mission() const { return mission_; }

 private:
  void Form_Load();
  void ShowPage(DiploPage page);
  void Party_Click();
  void ChooseMission(Mission mission);
  void EnvoyAniBtn_Click();
  void WarBtn_Click();

  // The trade page.
  void TradeBtn_Click();
  void SellLst_Click();
  void BuyLst_Click();
  void StepSale(int direction);
  void StepPurchase(int direction);
  void ShowTradeFigures();
  void ShowGoodPicture(std::string_view image, int good);

  int SelectedParty() const;
  void ShowRelation();
  void ShowMission();
  void ShowOn(std::string_view control, TextRef text);
  void Hint(TextRef text);

  DiploPage page_ = DiploPage::Rivals;
  Mission mission_ = Mission::None;
};

// The screen's control table and size.
std::span<const ControlSpec> DiploFrmControls();
Size DiploFrmSize();
// Where the glow behind mission button `slot` (0..3, in the row's order) lies.
Rect DiploMissionGlowRect(int slot);

// The controls of each page: shown only while their page is.
std::span<const std::string_view> DiploRivalControls();
std::span<const std::string_view> DiploCountyControls();
std::span<const std::string_view> DiploRelationControls();  // rivals and counties
std::span<const std::string_view> DiploTradeControls();

// Registers the diplomacy screen.
void RegisterDiplomacyScreens(ScreenRegistry& registry);

}  // namespace valorne
