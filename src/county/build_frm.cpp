#include "county/build_frm.h"

#include <array>
#include <string>

#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kCellWidth = 108;
constexpr int kCellGap = 42;
constexpr int kCellsLeft = (kWidth - 5 * kCellWidth - 4 * kCellGap) / 2;
constexpr int kPictureSize = 72;
constexpr int kWorkingRowTop = 112;
constexpr int kCastleRowTop = 246;
constexpr int kArrowWidth = 40;
constexpr int kArrowHeight = 26;
constexpr int kTickSize = 32;

// The cost table on the right of the lower half.
constexpr int kCostCaptionLeft = 440;
constexpr int kCostLeft = 540;
constexpr int kStoreLeft = 640;
constexpr int kFigureWidth = 90;
constexpr int kCostTop = 384;
constexpr int kSealTop = 522;

// A building's button is its picture, with its name underneath.
constexpr Rect ButtonRect(int building) {
  const int column = (building - 1) % 5;
  const int top = building < kFirstCastleStage ? kWorkingRowTop : kCastleRowTop;
  return {kCellsLeft + column * (kCellWidth + kCellGap) + (kCellWidth - kPictureSize) / 2, top,
          kPictureSize, kPictureSize};
}

constexpr Rect NameRect(int building) {
  const Rect b = ButtonRect(building);
  return {b.left - (kCellWidth - kPictureSize) / 2, b.top + kPictureSize + 2, kCellWidth, 20};
}

constexpr Rect ArrowRect(int building) {
  const Rect b = ButtonRect(building);
  return {b.left - kArrowWidth - 4, b.top + (kPictureSize - kArrowHeight) / 2, kArrowWidth,
          kArrowHeight};
}

// The tick sits on the picture's upper right corner, half over its edge.
constexpr Rect TickRect(int building) {
  const Rect b = ButtonRect(building);
  return {b.left + b.width - kTickSize + 10, b.top - 10, kTickSize, kTickSize};
}

// The short names of the buildings under their pictures.
constexpr std::array<std::string_view, kBuildings + 1> kButtonWords = {
    "",     "Blacksmith", "Barracks", "Stables", "Market", "Thieves' den",
    "Keep", "Bailey",     "Fort",     "Bunker",  "Castle"};

constexpr int CostRowTop(int row) {
  return kCostTop + row * (kRowHeight + 4);
}

constexpr std::size_t kFixedControls = 30;
constexpr std::size_t kControlCount = kFixedControls + 3 * kBuildings;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", {20, 18, kWidth - 40, 36}, {3, 10});
  c[n++] = Rule("RuleLbl", 1, {120, 58, kWidth - 240, 2});
  c[n++] = {.name = "SubtitleLbl",
            .kind = ControlKind::RunaLabel,
            .rect = {20, 64, kWidth - 40, 22},
            .caption = {3, 11},
            .fore = kHeadingInk,
            .font_size = kHeadingFont,
            .align = TextAlign::Centre};
  c[n++] = Heading("HeadingLbl", 1, {kCellsLeft, kWorkingRowTop - 26, 300, 22}, "Buildings");
  c[n++] = Heading("HeadingLbl", 2, {kCellsLeft, kCastleRowTop - 26, 300, 22}, "The castle");
  for (int b = 1; b <= kBuildings; ++b) {
    // The picture is the building's frame of the builder's strip.
    c[n++] = {.name = kBuildingInfo[static_cast<std::size_t>(b)].button,
              .kind = ControlKind::AniButton,
              .rect = ButtonRect(b),
              .picture = "buildres"};
    c[n++] = {.name = "BuildingNameLbl",
              .kind = ControlKind::Label,
              .rect = NameRect(b),
              .text = kButtonWords[static_cast<std::size_t>(b)],
              .index = b,
              .fore = look::kInk,
              .font_size = 14,
              .align = TextAlign::Centre};
  }
  for (int b = 1; b <= kBuildings; ++b) {
    c[n++] = {.name = "OkImage",
              .kind = ControlKind::Image,
              .rect = TickRect(b),
              .picture = "OkImage",
              .index = b,
              .visible = false};
  }
  c[n++] = {.name = "ArrowImg",
            .kind = ControlKind::Image,
            .rect = ArrowRect(1),
            .picture = "ArrowRes",
            .visible = false};
  c[n++] = Rule("RuleLbl", 2, {40, 346, kWidth - 80, 1});
  c[n++] = TextLine("BuildingLbl", {40, 352, kWidth - 80, 28}, 20, TextAlign::Centre);
  // The turns: left while under construction (Label3), or needed to build.
  c[n++] = {.name = "Label3",
            .kind = ControlKind::Label,
            .rect = {70, CostRowTop(1), 250, kRowHeight},
            .text = "Under construction, turns left:",
            .fore = look::kInk,
            .font_size = kRowFont,
            .visible = false};
  c[n++] = Caption("TurnsCaptionLbl", -1, {70, CostRowTop(1), 250, kRowHeight}, "Turns to build:");
  c[n++] =
      TextLine("RUNA_Label1", {320, CostRowTop(1), 70, kRowHeight}, kRowFont, TextAlign::Right);
  c[n++] = TextLine("Label4", {70, CostRowTop(3), 320, kRowHeight});
  c[n++] = Heading("HeadingLbl", 3, {kCostLeft, kCostTop, kFigureWidth, kRowHeight}, "Cost",
                   TextAlign::Right);
  c[n++] = Heading("HeadingLbl", 4, {kStoreLeft, kCostTop, kFigureWidth, kRowHeight}, "In store",
                   TextAlign::Right);
  c[n++] = Caption("CostCaptionLbl", 1, {kCostCaptionLeft, CostRowTop(1), 100, kRowHeight}, "Gold");
  c[n++] = Caption("CostCaptionLbl", 2, {kCostCaptionLeft, CostRowTop(2), 100, kRowHeight}, "Wood");
  c[n++] =
      Caption("CostCaptionLbl", 3, {kCostCaptionLeft, CostRowTop(3), 100, kRowHeight}, "Stone");
  c[n++] = Figure("GoldLbl", {kCostLeft, CostRowTop(1), kFigureWidth, kRowHeight});
  c[n++] = Figure("WoodLbl", {kCostLeft, CostRowTop(2), kFigureWidth, kRowHeight});
  c[n++] = Figure("StoneLbl", {kCostLeft, CostRowTop(3), kFigureWidth, kRowHeight});
  c[n++] = Figure("StoreGoldLbl", {kStoreLeft, CostRowTop(1), kFigureWidth, kRowHeight});
  c[n++] = Figure("StoreWoodLbl", {kStoreLeft, CostRowTop(2), kFigureWidth, kRowHeight});
  c[n++] = Figure("StoreStoneLbl", {kStoreLeft, CostRowTop(3), kFigureWidth, kRowHeight});
  c[n++] = HintLine({40, 494, kWidth - 80, 24});
  // Build and stop share a place: only one of them is ever shown.
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", 300, kSealTop);
  c[n++] = Seal("CancelAniBtn", "CancelAniBtn_hover", 300, kSealTop, false);
  c[n++] = Seal("Noanibtn", "Noanibtn_hover", 452, kSealTop);
  c[n++] = SealWord("OkWordLbl", 300, kSealTop, "Build");
  c[n++] = SealWord("CancelWordLbl", 300, kSealTop, "Stop building", false);
  c[n++] = SealWord("NoWordLbl", 452, kSealTop, "Close");
  if (n != kControlCount) throw "BuildFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

}  // namespace

BuildFrm::BuildFrm(Game&, Ui& ui)
    : Form(ui, {.name = "BuildFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  for (int b = 1; b <= kBuildings; ++b) {
    (*this)[kBuildingInfo[static_cast<std::size_t>(b)].button].SetStripFrame(b - 1);
    On(kBuildingInfo[static_cast<std::size_t>(b)].button, FormEvent::Click,
       [this, b] { Building_Click(b); });
  }
  On("OkAniBtn", FormEvent::Click, &BuildFrm::OkAniBtn_Click);
  On("CancelAniBtn", FormEvent::Click, &BuildFrm::CancelAniBtn_Click);
  On("Noanibtn", FormEvent::Click, [this] { Close(); });
}

void BuildFrm::Form_Load() {
  ShowOpening();
}

void BuildFrm::ShowOpening() {
  const BuildScreenView v = BuildScreenOnOpening(game().state);
  chosen_ = 0;
  ShowOn("Helper", v.Helper);
  ShowOn("Label4", v.Label4);
  ShowOn("BuildingLbl", v.BuildingName);
  (*this)["RUNA_Label1"].SetText(v.Turns);
  SetShown("Label3", v.show_label3);
  SetShown("TurnsCaptionLbl", !v.show_label3);
  SetShown("CancelAniBtn", v.show_cancel);
  SetShown("CancelWordLbl", v.show_cancel);
  SetShown("OkAniBtn", v.show_ok);
  SetShown("OkWordLbl", v.show_ok);
  for (int b = 1; b <= kBuildings; ++b) {
    const BuildButtonState& button = v.buttons[static_cast<std::size_t>(b)];
    (*this)[kBuildingInfo[static_cast<std::size_t>(b)].button].SetEnabled(button.enabled);
    At("OkImage", b).SetVisible(button.ticked);
  }
  PointArrowAt(v.arrow_building);
  // While a building goes up its cost stays in view: a stop gives it all back.
  ShowCosts(v.arrow_building);
  ShowStores();
}

void BuildFrm::Building_Click(int building) {
  if (!CanChooseBuilding(game().state, building)) return;
  const ChosenBuildingFigures f = BuildingFigures(game().params, building);
  ShowOn("Helper", f.Helper);
  ShowOn("BuildingLbl", f.BuildingName);
  (*this)["RUNA_Label1"].SetText(f.Turns);
  chosen_ = building;
  ShowCosts(building);
  ShowStores();
  PointArrowAt(building);
}

void BuildFrm::OkAniBtn_Click() {
  const Outcome outcome = OrderBuilding(game(), chosen_);
  if (outcome.accepted) {
    Close();
    return;
  }
  if (outcome.HasHint()) ShowOn("Helper", outcome.hint);
}

void BuildFrm::CancelAniBtn_Click() {
  const Outcome outcome = StopConstruction(game());
  if (!outcome.accepted) return;
  ShowOpening();
  if (outcome.HasHint()) ShowOn("Label4", outcome.hint);
}

void BuildFrm::ShowCosts(int building) {
  const ChosenBuildingFigures f = BuildingFigures(game().params, building);
  (*this)["GoldLbl"].SetText(f.Gold);
  (*this)["WoodLbl"].SetText(f.Wood);
  (*this)["StoneLbl"].SetText(f.Stone);
}

void BuildFrm::ShowStores() {
  const GameState& s = game().state;
  (*this)["StoreGoldLbl"].SetText(std::to_string(s.Gold));
  (*this)["StoreWoodLbl"].SetText(std::to_string(s.WoodStock));
  (*this)["StoreStoneLbl"].SetText(std::to_string(s.StoneStock));
  // A store short of the chosen building's cost is marked.
  const bool choosing = chosen_ != 0 && !UnderConstruction(s);
  const BuildingCost cost = CostOfBuilding(game().params, choosing ? chosen_ : 0);
  auto mark = [this, choosing](std::string_view label, bool short_of) {
    (*this)[label].SetFore(choosing && short_of ? kHintInk : look::kInk);
  };
  mark("StoreGoldLbl", s.Gold < cost.gold);
  mark("StoreWoodLbl", s.WoodStock < cost.wood);
  mark("StoreStoneLbl", s.StoneStock < cost.stone);
}

void BuildFrm::PointArrowAt(int building) {
  Control& arrow = (*this)["ArrowImg"];
  if (building < 1 || building > kBuildings) {
    arrow.SetVisible(false);
    return;
  }
  const Rect r = ArrowRect(building);
  arrow.Move(r.left, r.top);
  arrow.SetVisible(true);
}

void BuildFrm::ShowOn(std::string_view control, TextRef text) {
  ShowText((*this)[control], text.id, text.category, game().texts);
}

void BuildFrm::SetShown(std::string_view control, bool shown) {
  (*this)[control].SetVisible(shown);
}

}  // namespace valorne
