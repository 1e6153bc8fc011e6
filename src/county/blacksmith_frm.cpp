#include "county/blacksmith_frm.h"

#include <array>
#include <string>

#include "county/armoury_frm.h"
#include "county/county_sounds.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kColumns = 4;
constexpr int kCellWidth = 98;
constexpr int kCellHeight = 120;
constexpr int kGridLeft = 30;
constexpr int kGridTop = 76;
constexpr int kItemSize = 64;
constexpr int kNameOverhang = 22;
constexpr int kPanelLeft = 450;
constexpr int kPanelWidth = 320;
constexpr int kSealTop = 522;
constexpr int kFireFrames = 8;
constexpr int kFireFrameMs = 125;

// The labels that name the soldiers who carry the chosen item; plate armour
// has five kinds of users.
constexpr std::array<std::string_view, 5> kUserLines = {
    "SoldierListLbl", "SoldierListLbl2", "SoldierListLbl3", "SoldierListLbl4", "SoldierListLbl5"};

constexpr Rect Cell(int item) {
  const int column = (item - 1) % kColumns;
  const int row = (item - 1) / kColumns;
  return {kGridLeft + column * kCellWidth, kGridTop + row * kCellHeight, kCellWidth, kCellHeight};
}

constexpr int PanelRowTop(int row) {
  return 176 + row * (kRowHeight + 2);
}

constexpr ControlSpec PanelCaption(int index, int row, std::string_view words) {
  return Caption("CaptionLbl", index, {kPanelLeft, PanelRowTop(row), 220, kRowHeight}, words);
}

constexpr ControlSpec PanelFigure(std::string_view name, int row) {
  return Figure(name, {kPanelLeft + 220, PanelRowTop(row), 90, kRowHeight});
}

constexpr std::size_t kControlCount = 33 + 3 * kForgeItems;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", {20, 16, kWidth - 40, 36}, {}, "Blacksmith");
  c[n++] = Rule("RuleLbl", 1, {140, 56, kWidth - 280, 2});
  for (int item = 1; item <= kForgeItems; ++item) {
    const Rect cell = Cell(item);
    const auto i = static_cast<std::size_t>(item);
    c[n++] = {.name = kForgeItemInfo[i].button,
              .kind = ControlKind::AniButton,
              .rect = {cell.left + (kCellWidth - kItemSize) / 2, cell.top, kItemSize, kItemSize},
              .picture = kForgeItemLooks[i].picture};
    // A number between two rows of pictures would belong to neither: the
    // stock stands right under the name.
    c[n++] = ForgeItemName(cell, item, kItemSize, kNameOverhang);
    c[n++] = {.name = kForgeItemLooks[i].stock_label,
              .kind = ControlKind::Label,
              .rect = {cell.left, cell.top + kItemSize + 21, kCellWidth, 18},
              .fore = look::kWood,
              .font_size = 14,
              .align = TextAlign::Centre};
  }
  c[n++] = Rule("RuleLbl", 2, {kPanelLeft - 24, 76, 1, 350});
  // The chosen item.
  c[n++] = {.name = "ItemImg",
            .kind = ControlKind::Image,
            .rect = {kPanelLeft, 80, kItemSize, kItemSize},
            .visible = false};
  c[n++] = TextLine("WeaponLbl", {kPanelLeft + 76, 84, kPanelWidth - 76, 28}, 20);
  c[n++] =
      TextLine("RUNA_Label1", {kPanelLeft + 76, 116, 40, kRowHeight}, kRowFont, TextAlign::Right);
  c[n++] = TextLine("SeasonLbl", {kPanelLeft + 122, 116, kPanelWidth - 122, kRowHeight});
  c[n++] = PanelCaption(1, 0, "Wood used each turn");
  c[n++] = PanelFigure("WoodCostLbl", 0);
  c[n++] = PanelCaption(2, 1, "Ore used each turn");
  c[n++] = PanelFigure("OreCostLbl", 1);
  c[n++] = PanelCaption(3, 2, "Wood in store");
  c[n++] = PanelFigure("WoodLbl", 2);
  c[n++] = PanelCaption(4, 3, "Ore in store");
  c[n++] = PanelFigure("OreLbl", 3);
  c[n++] = Heading("HeadingLbl", 1, {kPanelLeft, PanelRowTop(4) + 8, kPanelWidth, kRowHeight},
                   "Carried by");
  for (std::size_t k = 0; k < kUserLines.size(); ++k) {
    c[n++] = TextLine(
        kUserLines[k],
        {kPanelLeft + 12, PanelRowTop(5) + 10 + static_cast<int>(k) * 20, kPanelWidth - 12, 20},
        14);
  }
  // The standing order and the way to the armoury.
  c[n++] = Rule("RuleLbl", 3, {28, 440, kWidth - 56, 1});
  c[n++] = Heading("HeadingLbl", 2, {40, 452, 160, 26}, "At the forge:");
  c[n++] = TextLine("OrderLbl", {190, 452, 300, 26}, 17);
  // The forge's fire burns while an order stands.
  c[n++] = {.name = "FireImg",
            .kind = ControlKind::Image,
            .rect = {520, 440, 40, 40},
            .picture = "fireres",
            .visible = false};
  c[n++] = {.name = "ArmouryBtn",
            .kind = ControlKind::Button,
            .rect = {kWidth - 40 - 160, 448, 160, 34},
            .text = "Armoury",
            .font_size = 15};
  c[n++] = HintLine({30, 490, kWidth - 60, 24});
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", 250, kSealTop);
  c[n++] = Seal("CancelAniBtn", "CancelAniBtn_hover", 376, kSealTop);
  c[n++] = Seal("Noanibtn", "Noanibtn_hover", 502, kSealTop);
  c[n++] = SealWord("OkWordLbl", 250, kSealTop, "Start forging");
  c[n++] = SealWord("CancelWordLbl", 376, kSealTop, "Stop");
  c[n++] = SealWord("NoWordLbl", 502, kSealTop, "Close");
  if (n != kControlCount) throw "BlacksmithFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

}  // namespace

BlacksmithFrm::BlacksmithFrm(Game&, Ui& ui)
    : Form(ui, {.name = "BlacksmithFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  // Back from the armoury the stocks are shown again.
  OnForm(FormEvent::Activate, [this] { ShowStocks(); });
  for (int item = 1; item <= kForgeItems; ++item) {
    On(kForgeItemInfo[static_cast<std::size_t>(item)].button, FormEvent::Click,
       [this, item] { Item_Click(item); });
  }
  On("OkAniBtn", FormEvent::Click, &BlacksmithFrm::OkAniBtn_Click);
  On("CancelAniBtn", FormEvent::Click, &BlacksmithFrm::CancelAniBtn_Click);
  On("ArmouryBtn", FormEvent::Click, &BlacksmithFrm::ArmouryBtn_Click);
  On("Noanibtn", FormEvent::Click, [this] { Close(); });
  AddTimer("FireTimer", kFireFrameMs, false, [this] {
    fire_frame_ = (fire_frame_ + 1) % kFireFrames;
    (*this)["FireImg"].SetStripFrame(fire_frame_);
  });
}

void BlacksmithFrm::Form_Load() {
  chosen_ = 0;
  ShowItem(0);
  ShowStocks();
  ShowOrder();
}

void BlacksmithFrm::Item_Click(int item) {
  chosen_ = item;
  ShowItem(item);
}

void BlacksmithFrm::OkAniBtn_Click() {
  const Outcome outcome = StartForging(game(), chosen_);
  if (outcome.HasHint()) ShowOn("Helper", outcome.hint);
  ShowOrder();
}

void BlacksmithFrm::CancelAniBtn_Click() {
  StopForging(game());
  chosen_ = 0;
  ShowItem(0);
  ShowOrder();
  (*this)["Helper"].ClearText();
}

void BlacksmithFrm::ArmouryBtn_Click() {
  game().PlaySound(kCountySoundChannel, "armoury01.wav");
  ui().Open("ArmouryFrm");
}

void BlacksmithFrm::ShowItem(int item) {
  const ForgeItemFigures f = ItemFigures(game().params, item);
  const bool chosen = item >= 1 && item <= kForgeItems;
  for (int k = 1; k <= kForgeItems; ++k) {
    Control& button = (*this)[kForgeItemInfo[static_cast<std::size_t>(k)].button];
    button.SetBack(k == item ? std::optional<Colour>(kChosenGlow) : std::nullopt);
  }
  Control& picture = (*this)["ItemImg"];
  picture.SetVisible(chosen);
  if (chosen) picture.SetPicture(kForgeItemLooks[static_cast<std::size_t>(item)].picture);
  ShowOn("WeaponLbl", f.Weapon);
  (*this)["RUNA_Label1"].SetText(f.Pieces);
  ShowOn("SeasonLbl", chosen ? f.Season : TextRef{});
  (*this)["WoodCostLbl"].SetText(f.WoodCost);
  (*this)["OreCostLbl"].SetText(f.OreCost);
  for (std::size_t k = 0; k < kUserLines.size(); ++k) {
    ShowOn(kUserLines[k], k < f.Users.size() ? f.Users[k] : TextRef{});
  }
}

void BlacksmithFrm::ShowStocks() {
  const ArmouryFigures f = ArmouryScreenFigures(game().state);
  for (int item = 1; item <= kForgeItems; ++item) {
    (*this)[kForgeItemLooks[static_cast<std::size_t>(item)].stock_label].SetText(
        StockOfItem(f, item));
  }
  (*this)["WoodLbl"].SetText(f.Wood);
  (*this)["OreLbl"].SetText(f.Ore);
}

void BlacksmithFrm::ShowOrder() {
  ShowOn("OrderLbl", SmithyLineText(game().state));
  const bool forging = game().state.ForgeOrder != 0;
  Control& fire = (*this)["FireImg"];
  fire.SetVisible(forging);
  fire.SetStripFrame(fire_frame_);
  GetTimer("FireTimer").SetEnabled(forging);
}

void BlacksmithFrm::ShowOn(std::string_view control, TextRef text) {
  ShowText((*this)[control], text.id, text.category, game().texts);
}

}  // namespace valorne
