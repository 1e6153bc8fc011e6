#include "military/army_split_frm.h"

#include <array>
#include <string>

#include "county/unit_catalogue.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 640;
constexpr int kHeight = 560;
constexpr int kLeft = 30;
constexpr int kListTop = 100;
constexpr int kColumnsLeft = 250;
constexpr int kStayLeft = 420;
constexpr int kGoLeft = 520;
constexpr int kArrowsLeft = 80;
constexpr int kSealTop = 480;

constexpr Integer NameOfSlot(int slot) {
  for (const UnitTypeInfo& unit : kUnitCatalogue) {
    if (unit.army_slot == slot) return unit.name_text;
  }
  return 0;
}

constexpr int RowTop(int slot) {
  return kListTop + (slot - 1) * kRowHeight;
}

constexpr std::size_t kControlCount = 6 + 3 * kUnitKinds + 4 + 4 + 5;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", {20, 16, kWidth - 40, 36}, {}, "Split the army");
  c[n++] = Rule("RuleLbl", 1, {120, 56, kWidth - 240, 2});
  c[n++] = Heading("HeadingLbl", 1, {kLeft, 72, 180, kRowHeight}, "Unit kind");
  c[n++] =
      Heading("HeadingLbl", 2, {kStayLeft - 20, 72, 100, kRowHeight}, "Stay", TextAlign::Right);
  c[n++] =
      Heading("HeadingLbl", 3, {kGoLeft - 20, 72, 100, kRowHeight}, "March off", TextAlign::Right);
  c[n++] = {.name = "ArmyLst",
            .kind = ControlKind::RunaListBox,
            .rect = {kLeft, kListTop, 200, kUnitKinds * kRowHeight},
            .fore = look::kInk,
            .back = Rgb(236, 222, 188)};
  for (int slot = 1; slot <= kUnitKinds; ++slot) {
    c[n++] = Caption("UnitLbl", slot, {kColumnsLeft, RowTop(slot), 160, kRowHeight}, {},
                     {4, NameOfSlot(slot)});
    c[n++] = FigureAt("StayLbl", slot, {kStayLeft, RowTop(slot), 80, kRowHeight});
    c[n++] = FigureAt("DetachLbl", slot, {kGoLeft, RowTop(slot), 80, kRowHeight});
  }
  const int totals = RowTop(kUnitKinds + 1) + 4;
  c[n++] = Rule("RuleLbl", 2, {kColumnsLeft, totals - 2, kGoLeft + 80 - kColumnsLeft, 1});
  c[n++] = Caption("TotalCaptionLbl", 1, {kColumnsLeft, totals, 160, kRowHeight}, "In all");
  c[n++] = Figure("RaisedTotalLbl", {kStayLeft, totals, 80, kRowHeight});
  c[n++] = Figure("RegrutedLbl2", {kGoLeft, totals, 80, kRowHeight});
  const int arrows = kListTop + kUnitKinds * kRowHeight + 14;
  c[n++] = Seal("UpAniBtn", kUpSeal, kArrowsLeft, arrows);
  c[n++] = Seal("DownAniBtn", kDownSeal, kArrowsLeft + 70, arrows);
  c[n++] = SealWord("UpWordLbl", kArrowsLeft, arrows, "March off");
  c[n++] = SealWord("DownWordLbl", kArrowsLeft + 70, arrows, "Stay");
  c[n++] = HintLine({kLeft, kSealTop - 30, kWidth - 2 * kLeft, 24});
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", 220, kSealTop);
  c[n++] = Seal("Noanibtn", "Noanibtn_hover", 372, kSealTop);
  c[n++] = SealWord("OkWordLbl", 220, kSealTop, "Split");
  c[n++] = SealWord("NoWordLbl", 372, kSealTop, "Cancel");
  if (n != kControlCount) throw "ArmySplitFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

}  // namespace

ArmySplitFrm::ArmySplitFrm(Game&, Ui& ui)
    : Form(ui, {.name = "ArmySplitFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("ArmyLst", FormEvent::Click, &ArmySplitFrm::ArmyLst_Click);
  AddTimer("SplitUpTimer", kRepeatMs, false, [this] { SplitUpTimer_Timer(); });
  AddTimer("SplitDownTimer", kRepeatMs, false, [this] { SplitDownTimer_Timer(); });
  On("UpAniBtn", FormEvent::MouseDown, [this] { Hold("SplitUpTimer", true); });
  On("UpAniBtn", FormEvent::MouseUp, [this] { Hold("SplitUpTimer", false); });
  On("DownAniBtn", FormEvent::MouseDown, [this] { Hold("SplitDownTimer", true); });
  On("DownAniBtn", FormEvent::MouseUp, [this] { Hold("SplitDownTimer", false); });
  On("OkAniBtn", FormEvent::Click, &ArmySplitFrm::OkAniBtn_Click);
  On("Noanibtn", FormEvent::Click, &ArmySplitFrm::Noanibtn_Click);
  // Closed without an answer, the split is cancelled as by No.
  OnForm(FormEvent::Unload, [this] {
    Hold("SplitUpTimer", false);
    Hold("SplitDownTimer", false);
    if (game().live.ArmyClickMode == 1) CancelSplit(game());
  });
}

void ArmySplitFrm::Form_Load() {
  const Game& g = game();
  columns_ = BeginSplit(g.state, g.state.SelectedArmy);
  selected_type_ = 0;
  auto& list = Get<ListBox>("ArmyLst");
  list.Clear();
  for (int slot = 1; slot <= kUnitKinds; ++slot) list.AddItem(g.texts.Utf8({4, NameOfSlot(slot)}));
  ShowColumns();
}

void ArmySplitFrm::ArmyLst_Click() {
  selected_type_ = SplitUnitType(Get<ListBox>("ArmyLst").ListIndex());
}

void ArmySplitFrm::Hold(std::string_view timer, bool held) {
  GetTimer(timer).SetEnabled(held);
}

void ArmySplitFrm::SplitUpTimer_Timer() {
  if (DetachOne(columns_, selected_type_)) ShowColumns();
}

void ArmySplitFrm::SplitDownTimer_Timer() {
  if (ReturnOne(columns_, selected_type_)) ShowColumns();
}

void ArmySplitFrm::OkAniBtn_Click() {
  const TextRef refused = FinishSplit(game(), columns_);
  if (refused.category != 0) {
    ShowText((*this)["Helper"], refused.id, refused.category, game().texts);
    return;
  }
  selected_type_ = 0;
  columns_ = {};
  Close();
}

void ArmySplitFrm::Noanibtn_Click() {
  CancelSplit(game());
  selected_type_ = 0;
  columns_ = {};
  Close();
}

void ArmySplitFrm::ShowColumns() {
  for (int slot = 1; slot <= kUnitKinds; ++slot) {
    At("StayLbl", slot).SetText(std::to_string(columns_.RaisedSoldiers.Get(slot)));
    At("DetachLbl", slot).SetText(std::to_string(columns_.Detached.Get(slot)));
  }
  (*this)["RaisedTotalLbl"].SetText(std::to_string(columns_.RaisedTotal));
  (*this)["RegrutedLbl2"].SetText(std::to_string(columns_.DetachedTotal));
}

}  // namespace valorne
