// The controls of the diplomacy screen: the page links along the top, the
// party lists on the left, the relation, the missions and the war on the
// right, and the trade page's two orders side by side.
#include <array>

#include "rivals/diplo_frm.h"
#include "screens/toolkit/page_look.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 720;
constexpr int kHeight = 560;
constexpr int kListTop = 110;
constexpr int kRight = 280;
constexpr int kMissionTop = 262;
constexpr int kSealTop = 478;
constexpr int kSaleLeft = 50;
constexpr int kPurchaseLeft = 390;

constexpr Rect MissionButtonRect(int slot) {
  return {kRight + slot * 106, kMissionTop, 100, 30};
}

constexpr Rect MissionGlowRect(int slot) {
  const Rect r = MissionButtonRect(slot);
  return {r.left - 4, r.top - 4, r.width + 8, r.height + 8};
}

constexpr ControlSpec Link(std::string_view name, Rect rect, std::string_view words) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = rect,
          .text = words,
          .fore = kLinkInk,
          .font_size = kHeadingFont,
          .align = TextAlign::Centre};
}

constexpr ControlSpec WoodButton(std::string_view name, Rect rect, TextRef caption,
                                 std::string_view words = {}) {
  return {.name = name,
          .kind = ControlKind::Button,
          .rect = rect,
          .text = words,
          .caption = caption,
          .font_size = kRowFont,
          .align = TextAlign::Centre};
}

constexpr ControlSpec List(std::string_view name, Rect rect, TextRef caption,
                           std::string_view words = {}) {
  return {.name = name,
          .kind = ControlKind::ListBox,
          .rect = rect,
          .text = words,
          .caption = caption,
          .fore = look::kInk,
          .font_size = kRowFont};
}

// One of the trade page's two orders: its list of goods, the good's
// picture, the share with its buttons and the figures of a turn.
struct OrderNames {
  std::string_view heading, list, picture, down, percent, up;
  std::string_view amount_caption, amount, gold_caption, gold, base_caption, base;
  TextRef amount_text;
  std::string_view heading_words, base_words;
  std::string_view note, note_words;  // when the order is carried out
};
constexpr OrderNames kSale{"SaleHeadingLbl",
                           "SellLst",
                           "SellGoodImg",
                           "DownAniBtn",
                           "SellPercentLbl",
                           "UpAniBtn",
                           "SellAmountCaptionLbl",
                           "SellAmountLbl",
                           "SellGoldCaptionLbl",
                           "SellGoldLbl",
                           "SellStockCaptionLbl",
                           "SellStockLbl",
                           {3, 27},
                           "Sale to the market",
                           "In store",
                           "SaleWordLbl",
                           "Carried out at every end of turn."};
constexpr OrderNames kPurchase{"PurchaseHeadingLbl",
                               "BuyLst",
                               "BuyGoodImg",
                               "DownAniBtn2",
                               "BuyPercentLbl",
                               "UpAniBtn2",
                               "BuyAmountCaptionLbl",
                               "BuyAmountLbl",
                               "BuyGoldCaptionLbl",
                               "BuyGoldLbl",
                               "BuyOfferCaptionLbl",
                               "BuyOfferLbl",
                               {3, 28},
                               "Purchase from the market",
                               "On offer",
                               "PurchaseWordLbl",
                               "Paid at every end of turn."};

constexpr std::size_t kOrderControls = 13;
constexpr std::size_t kControlCount = 27 + 2 * kOrderControls;

template <std::size_t N>
constexpr void AddOrder(std::array<ControlSpec, N>& c, std::size_t& n, const OrderNames& o,
                        int left) {
  c[n++] = Heading(o.heading, -1, {left, kListTop, 290, kRowHeight}, o.heading_words);
  c[n++] = List(o.list, {left, kListTop + 30, 150, 74}, {}, "Wood\nStone\nOre");
  c[n++] = {.name = o.picture,
            .kind = ControlKind::Image,
            .rect = {left + 180, kListTop + 34, 64, 64},
            .picture = "iconsres",
            .visible = false};
  c[n++] = Seal(o.down, kDownSeal, left, kListTop + 116, kArrowSize);
  c[n++] = Figure(o.percent, {left + 40, kListTop + 121, 70, kRowHeight}, TextAlign::Centre);
  c[n++] = Seal(o.up, kUpSeal, left + 118, kListTop + 116, kArrowSize);
  c[n++] = Caption(o.base_caption, -1, {left, kListTop + 170, 180, kRowHeight}, o.base_words);
  c[n++] = Figure(o.base, {left + 180, kListTop + 170, 100, kRowHeight});
  c[n++] = Line(o.amount_caption, {left, kListTop + 198, 180, kRowHeight}, o.amount_text);
  c[n++] = Figure(o.amount, {left + 180, kListTop + 198, 100, kRowHeight});
  c[n++] = Line(o.gold_caption, {left, kListTop + 226, 180, kRowHeight}, {4, 142});
  c[n++] = Figure(o.gold, {left + 180, kListTop + 226, 100, kRowHeight});
  c[n++] = Caption(o.note, -1, {left, kListTop + 254, 290, 40}, o.note_words);
}

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", {20, 14, kWidth - 40, 36}, {}, "Diplomacy");
  c[n++] = Rule("RuleLbl", 1, {160, 52, kWidth - 320, 2});
  c[n++] = Link("Label4", {40, 66, 200, 26}, "Rival counties");
  c[n++] = Link("Label5", {260, 66, 200, 26}, "Neutral counties");
  c[n++] = WoodButton("TradeBtn", {520, 64, 150, 30}, {}, "Market");
  // The parties.
  c[n++] = List("RivalsLst", {30, kListTop, 220, 60}, {5, 173});
  c[n++] = List("CountyLst", {30, kListTop, 220, 250}, {5, 174});
  // The relation with the chosen party.
  c[n++] = {
      .name = "DiploStatusImg", .kind = ControlKind::Image, .rect = {kRight, kListTop, 32, 32}};
  c[n++] = TextLine("StatusLbl1", {kRight + 44, kListTop, 390, kRowHeight});
  c[n++] = TextLine("StatusLbl2", {kRight + 44, kListTop + 22, 390, kRowHeight}, kSmallFont,
                    TextAlign::Left, kHeadingInk);
  c[n++] = TextLine("CountyTextLbl", {kRight, kListTop + 52, 410, 92}, kSmallFont);
  // The missions, the chosen one glowing behind its button.
  c[n++] = {.name = "ChosenMissionLbl",
            .kind = ControlKind::Label,
            .rect = MissionGlowRect(0),
            .back = kChosenGlow,
            .visible = false};
  c[n++] = WoodButton("EnvoyBtn", MissionButtonRect(0), {4, 120});
  c[n++] = WoodButton("AmbasadorBtn", MissionButtonRect(1), {4, 119});
  c[n++] = WoodButton("SpieBtn", MissionButtonRect(2), {4, 121});
  c[n++] = WoodButton("GiftBtn", MissionButtonRect(3), {4, 122});
  c[n++] = TextLine("MissionNameLbl", {kRight, kMissionTop + 40, 410, kRowHeight}, kHeadingFont,
                    TextAlign::Left, kHeadingInk);
  c[n++] = TextLine("MissionTextLbl", {kRight, kMissionTop + 64, 410, 60}, kSmallFont);
  c[n++] = Caption("PriceCaptionLbl", -1, {kRight, kMissionTop + 132, 80, kRowHeight}, "Price");
  c[n++] = Figure("GoldLbl", {kRight + 80, kMissionTop + 132, 80, kRowHeight});
  c[n++] = Seal("EnvoyAniBtn", kOkSeal, kRight + 300, kMissionTop + 122);
  c[n++] = SealWord("SendWordLbl", kRight + 300, kMissionTop + 122, "Send");
  // War on the chosen rival.
  c[n++] = WoodButton("WarBtn", {30, kListTop + 80, 220, 32}, {}, "Declare war");
  // The trade page.
  AddOrder(c, n, kSale, kSaleLeft);
  AddOrder(c, n, kPurchase, kPurchaseLeft);
  c[n++] = Rule("RuleLbl", 2, {kWidth / 2, kListTop, 1, 290});
  c[n++] = HintLine({30, kSealTop - 34, kWidth - 60, 24});
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", (kWidth - kSealSize) / 2, kSealTop);
  c[n++] = SealWord("OkWordLbl", (kWidth - kSealSize) / 2, kSealTop, "Close");
  if (n != kControlCount) throw "DiploFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

constexpr std::string_view kRivalControls[] = {"RivalsLst", "WarBtn"};
constexpr std::string_view kCountyControls[] = {"CountyLst", "GiftBtn", "CountyTextLbl"};
constexpr std::string_view kRelationControls[] = {
    "ChosenMissionLbl", "DiploStatusImg", "StatusLbl1",     "StatusLbl2",     "EnvoyBtn",
    "AmbasadorBtn",     "SpieBtn",        "MissionNameLbl", "MissionTextLbl", "PriceCaptionLbl",
    "GoldLbl",          "EnvoyAniBtn",    "SendWordLbl"};
constexpr std::string_view kTradeControls[] = {"SaleHeadingLbl",
                                               "SellLst",
                                               "SellGoodImg",
                                               "DownAniBtn",
                                               "SellPercentLbl",
                                               "UpAniBtn",
                                               "SellStockCaptionLbl",
                                               "SellStockLbl",
                                               "SellAmountCaptionLbl",
                                               "SellAmountLbl",
                                               "SellGoldCaptionLbl",
                                               "SellGoldLbl",
                                               "SaleWordLbl",
                                               "PurchaseHeadingLbl",
                                               "BuyLst",
                                               "BuyGoodImg",
                                               "DownAniBtn2",
                                               "BuyPercentLbl",
                                               "UpAniBtn2",
                                               "BuyOfferCaptionLbl",
                                               "BuyOfferLbl",
                                               "BuyAmountCaptionLbl",
                                               "BuyAmountLbl",
                                               "BuyGoldCaptionLbl",
                                               "BuyGoldLbl",
                                               "PurchaseWordLbl",
                                               "RuleLbl(2)"};

}  // namespace

std::span<const ControlSpec> DiploFrmControls() {
  return kControls;
}
std::span<const std::string_view> DiploRivalControls() {
  return kRivalControls;
}
std::span<const std::string_view> DiploCountyControls() {
  return kCountyControls;
}
std::span<const std::string_view> DiploRelationControls() {
  return kRelationControls;
}
std::span<const std::string_view> DiploTradeControls() {
  return kTradeControls;
}

Rect DiploMissionGlowRect(int slot) {
  return MissionGlowRect(slot);
}

Size DiploFrmSize() {
  return {kWidth, kHeight};
}

}  // namespace valorne
