#include "turn/garry_frm.h"

#include <array>
#include <string>

#include "county/county_sounds.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 560;
constexpr int kHeight = 470;
constexpr int kRowsTop = 128;
constexpr int kRowStep = 40;
constexpr int kGoldTop = kRowsTop + 5 * kRowStep + 8;
constexpr int kSealTop = 384;

// A row of the panel: the good's icon in the status bar's strip, its name,
// the amount label and its two buttons.
struct GoodRow {
  int icon;
  std::string_view name, amount, up, down;
};
constexpr std::array<GoodRow, kTradePostGoods> kRows = {{
    {5, "Grain", "CropsLbl", "CropsUpAniBtn", "CropsDownAniBtn"},
    {6, "Meat", "MeatLbl", "MeatUpAniBtn", "MeatDownAniBtn"},
    {2, "Wood", "WoodLbl", "WoodUpAniBtn", "WoodDownAniBtn"},
    {3, "Stone", "StoneLbl", "StoneUpAniBtn", "StoneDownAniBtn"},
    {4, "Ore", "OreLbl", "OreUpAniBtn", "OreDownAniBtn"},
}};

constexpr std::array<std::string_view, 3> kModeLabels = {"Label3", "Label4", "Label5"};

constexpr int RowTop(int good) {
  return kRowsTop + (good - 1) * kRowStep;
}

constexpr std::size_t kPerRow = 6;
constexpr std::size_t kControlCount = 6 + 3 + kPerRow * kTradePostGoods + 9;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", kWidth, 14, {3, 30});
  c[n++] = Rule("RuleLbl", 1, {110, 52, kWidth - 220, 2});
  for (std::size_t m = 0; m < kModeLabels.size(); ++m) {
    c[n++] = {.name = kModeLabels[m],
              .kind = ControlKind::RunaLabel,
              .rect = {70 + static_cast<int>(m) * 150, 64, 120, 28},
              .caption = {3, static_cast<std::int16_t>(31 + m)},
              .fore = kLinkInk,
              .font_size = kHeadingFont,
              .align = TextAlign::Centre};
  }
  c[n++] = Caption("ChooseLbl", -1, {40, 200, kWidth - 80, kRowHeight},
                   "Choose whether to buy, sell or give goods.", {}, TextAlign::Centre);
  c[n++] = Heading("HeadingLbl", 1, {40, 102, 150, kRowHeight}, "Goods");
  c[n++] = Heading("HeadingLbl", 2, {190, 102, 100, kRowHeight}, "In store", TextAlign::Right);
  c[n++] = Heading("HeadingLbl", 3, {330, 102, 170, kRowHeight}, "In the deal", TextAlign::Centre);
  for (int good = 1; good <= kTradePostGoods; ++good) {
    const GoodRow& row = kRows[static_cast<std::size_t>(good - 1)];
    const int top = RowTop(good);
    c[n++] = {.name = "GoodImg",
              .kind = ControlKind::Image,
              .rect = {40, top, 32, 32},
              .picture = "iconsres",
              .index = good};
    c[n++] = Caption("GoodLbl", good, {82, top + 5, 100, kRowHeight}, row.name);
    c[n++] = {.name = "StockLbl",
              .kind = ControlKind::Label,
              .rect = {190, top + 5, 100, kRowHeight},
              .index = good,
              .fore = look::kInk,
              .font_size = kRowFont,
              .align = TextAlign::Right};
    c[n++] = Seal(row.down, kDownSeal, 340, top, kArrowSize);
    c[n++] = Figure(row.amount, {376, top + 5, 84, kRowHeight}, TextAlign::Centre);
    c[n++] = Seal(row.up, kUpSeal, 464, top, kArrowSize);
  }
  // The gold of the deal and its tax, shown when buying and selling.
  c[n++] = Line("Label1", {190, kGoldTop, 140, kRowHeight}, {3, 34});
  c[n++] = Figure("GoldLbl", {376, kGoldTop, 84, kRowHeight}, TextAlign::Centre);
  c[n++] = Line("Label2", {190, kGoldTop + 26, 140, kRowHeight}, {3, 35});
  c[n++] = Figure("TradeTaxLbl", {376, kGoldTop + 26, 84, kRowHeight}, TextAlign::Centre);
  c[n++] = HintLine({30, kSealTop - 30, kWidth - 60, 24});
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", 180, kSealTop);
  c[n++] = Seal("Noanibtn", "Noanibtn_hover", 332, kSealTop);
  c[n++] = SealWord("OkWordLbl", 180, kSealTop, "Confirm");
  if (n + 1 != kControlCount) throw "GarryFrm: the control count is wrong";
  c[n++] = SealWord("NoWordLbl", 332, kSealTop, "Cancel");
  return c;
}

constexpr auto kControls = MakeControls();

}  // namespace

GarryFrm::GarryFrm(Game&, Ui& ui)
    : Form(ui, {.name = "GarryFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  for (std::size_t m = 0; m < kModeLabels.size(); ++m) {
    const Byte mode = static_cast<Byte>(kTradeBuy + m);
    On(kModeLabels[m], FormEvent::Click, [this, mode] { ChooseMode(mode); });
  }
  for (int good = 1; good <= kTradePostGoods; ++good) {
    const GoodRow& row = kRows[static_cast<std::size_t>(good - 1)];
    On(row.up, FormEvent::MouseDown, [this, good] { Hold(good, +1); });
    On(row.up, FormEvent::MouseUp, [this] { Release(); });
    On(row.down, FormEvent::MouseDown, [this, good] { Hold(good, -1); });
    On(row.down, FormEvent::MouseUp, [this] { Release(); });
  }
  AddTimer("TradeUpTimer", kRepeatIntervalMs, false, [this] { TradeUpTimer_Tick(); });
  AddTimer("TradeDownTimer", kRepeatIntervalMs, false, [this] { TradeDownTimer_Tick(); });
  On("OkAniBtn", FormEvent::Click, &GarryFrm::OkAniBtn_Click);
  On("Noanibtn", FormEvent::Click, &GarryFrm::Noanibtn_Click);
  OnForm(FormEvent::Unload, [this] { Release(); });
}

void GarryFrm::Form_Load() {
  for (int good = 1; good <= kTradePostGoods; ++good) {
    At("GoodImg", good).SetStripFrame(kRows[static_cast<std::size_t>(good - 1)].icon);
  }
  game().state.TradeRepeatKey = 0;
  ShowPanel();
}

void GarryFrm::ChooseMode(Byte mode) {
  game().PlaySound(kClickChannel, kClickSound);
  game().live.TradeMode = mode;
  deal_ = {};
  ShowPanel();
}

// Pressing a button makes the first step at once; holding it repeats.
void GarryFrm::Hold(int good, int direction) {
  game().PlaySound(kClickChannel, kClickSound);
  game().state.TradeRepeatKey = static_cast<Byte>(good);
  if (direction > 0) {
    TradeUpTimer_Tick();
    GetTimer("TradeUpTimer").SetEnabled(true);
  } else {
    TradeDownTimer_Tick();
    GetTimer("TradeDownTimer").SetEnabled(true);
  }
}

void GarryFrm::Release() {
  game().state.TradeRepeatKey = 0;
  GetTimer("TradeUpTimer").SetEnabled(false);
  GetTimer("TradeDownTimer").SetEnabled(false);
}

void GarryFrm::TradeUpTimer_Tick() {
  const GameState& s = game().state;
  TradeStepUp(s, game().live.TradeMode, s.TradeRepeatKey, deal_);
  ShowFigures();
}

void GarryFrm::TradeDownTimer_Tick() {
  const GameState& s = game().state;
  TradeStepDown(s, game().live.TradeMode, s.TradeRepeatKey, deal_);
  ShowFigures();
}

void GarryFrm::OkAniBtn_Click() {
  Release();
  ConfirmTrade(game(), deal_);
  Close();
}

void GarryFrm::Noanibtn_Click() {
  Release();
  CancelTrade(game());
  Close();
}

void GarryFrm::ShowPanel() {
  const GameState& s = game().state;
  const Byte mode = game().live.TradeMode;
  for (std::size_t m = 0; m < kModeLabels.size(); ++m) {
    const bool chosen = mode == kTradeBuy + m;
    (*this)[kModeLabels[m]].SetBack(chosen ? std::optional<Colour>(kChosenGlow) : std::nullopt);
  }
  const bool panel = mode != kTradeNone;
  (*this)["ChooseLbl"].SetVisible(!panel);
  for (std::string_view heading : {"HeadingLbl(1)", "HeadingLbl(2)", "HeadingLbl(3)"}) {
    (*this)[heading].SetVisible(panel);
  }
  for (int good = 1; good <= kTradePostGoods; ++good) {
    const GoodRow& row = kRows[static_cast<std::size_t>(good - 1)];
    const bool shown = panel && TradePostOffers(s, good);
    for (std::string_view name : {row.amount, row.up, row.down}) (*this)[name].SetVisible(shown);
    for (std::string_view name : {"GoodImg", "GoodLbl", "StockLbl"}) {
      At(name, good).SetVisible(shown);
    }
  }
  const bool money = mode == kTradeBuy || mode == kTradeSell;
  for (std::string_view name : {"Label1", "GoldLbl", "Label2", "TradeTaxLbl"}) {
    (*this)[name].SetVisible(money);
  }
  ShowFigures();
}

void GarryFrm::ShowFigures() {
  GameState& s = game().state;
  for (int good = 1; good <= kTradePostGoods; ++good) {
    const GoodRow& row = kRows[static_cast<std::size_t>(good - 1)];
    (*this)[row.amount].SetText(std::to_string(deal_.amounts[static_cast<std::size_t>(good)]));
    At("StockLbl", good).SetText(std::to_string(TradePostStock(s, good)));
  }
  (*this)["GoldLbl"].SetText(std::to_string(deal_.gold));
  (*this)["TradeTaxLbl"].SetText(std::to_string(deal_.tax));
}

}  // namespace valorne
