#include "military/army_camp_frm.h"

#include <array>
#include <string>

#include "county/unit_catalogue.h"
#include "military/army_camp.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 720;
constexpr int kHeight = 560;
constexpr int kLeft = 30;
constexpr int kUnitsLeft = 270;
constexpr int kUnitsTop = 104;
constexpr int kUnitColumn = 220;
constexpr int kSealTop = 480;

// The count label of each army-record kind, in record order.
constexpr std::array<std::string_view, kUnitKinds> kKindLabels = {
    "MonkLbl",    "ArcherLbl",  "ClubManLbl",  "SwordManLbl", "HelebarderLbl",
    "TwoHandLbl", "CavalryLbl", "HCavalryLbl", "ChampionLbl", "TemplarLbl",
    "PaladinLbl", "LongBowLbl", "WarlordLbl",  "EnginerLbl"};

// The name text of the unit kind kept in army-record slot 1..14.
constexpr Integer NameOfSlot(int slot) {
  for (const UnitTypeInfo& unit : kUnitCatalogue) {
    if (unit.army_slot == slot) return unit.name_text;
  }
  return 0;
}

constexpr Rect UnitRow(int slot, int width) {
  const int column = (slot - 1) / 7;
  const int row = (slot - 1) % 7;
  return {kUnitsLeft + column * kUnitColumn, kUnitsTop + row * kRowHeight, width, kRowHeight};
}

struct FigureRowSpec {
  std::string_view words, figure;
};
// The army's summary and the equipment it carries, under the unit kinds.
constexpr std::array<FigureRowSpec, 3> kSummary = {
    {{"Soldiers", "RegrutedLbl"}, {"Morale", "MoralLbl"}, {"Moves left", "WalkLbl"}}};
constexpr std::array<FigureRowSpec, 5> kEquipment = {{{"Weapons", "WeaponLbl"},
                                                      {"Shields", "ShieldLbl"},
                                                      {"Chain mails", "ChainMailLbl"},
                                                      {"Plate armours", "PlateLbl"},
                                                      {"Horses", "HorseLbl"}}};
constexpr int kFiguresTop = kUnitsTop + 7 * kRowHeight + 40;

constexpr std::size_t kControlCount = 7 + 2 * kUnitKinds + 2 * 3 + 2 * 5 + 3 + 6;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", {20, 16, kWidth - 40, 36}, {3, 5});
  c[n++] = Rule("RuleLbl", 1, {140, 56, kWidth - 280, 2});
  c[n++] = Heading("HeadingLbl", 1, {kLeft, 72, 200, kRowHeight}, "Armies");
  c[n++] = {.name = "ArmyLst",
            .kind = ControlKind::RunaListBox,
            .rect = {kLeft, 98, 200, 72},
            .caption = {4, 158},
            .fore = look::kInk,
            .back = Rgb(236, 222, 188)};
  c[n++] = TextLine("ArmyNameLbl", {kUnitsLeft, 72, 420, kRowHeight}, kHeadingFont);
  for (int slot = 1; slot <= kUnitKinds; ++slot) {
    c[n++] = Caption("UnitLbl", slot, UnitRow(slot, 150), {}, {4, NameOfSlot(slot)});
    Rect figure = UnitRow(slot, 60);
    figure.left += 150;
    c[n++] = Figure(kKindLabels[static_cast<std::size_t>(slot - 1)], figure);
  }
  for (std::size_t k = 0; k < kSummary.size(); ++k) {
    const int top = kFiguresTop + static_cast<int>(k) * kRowHeight;
    c[n++] = Caption("SummaryLbl", static_cast<int>(k) + 1, {kUnitsLeft, top, 150, kRowHeight},
                     kSummary[k].words);
    c[n++] = Figure(kSummary[k].figure, {kUnitsLeft + 150, top, 60, kRowHeight});
  }
  for (std::size_t k = 0; k < kEquipment.size(); ++k) {
    const int top = kFiguresTop + static_cast<int>(k) * kRowHeight;
    c[n++] = Caption("CarriedLbl", static_cast<int>(k) + 1,
                     {kUnitsLeft + kUnitColumn, top, 150, kRowHeight}, kEquipment[k].words);
    c[n++] = Figure(kEquipment[k].figure, {kUnitsLeft + kUnitColumn + 150, top, 60, kRowHeight});
  }
  c[n++] = Heading("HeadingLbl", 2, {kUnitsLeft, kFiguresTop - 28, 200, kRowHeight}, "The army");
  c[n++] = Heading("HeadingLbl", 3, {kUnitsLeft + kUnitColumn, kFiguresTop - 28, 200, kRowHeight},
                   "It carries");
  // The reorganising buttons under the army list.
  c[n++] = {.name = "DisbandBtn",
            .kind = ControlKind::Button,
            .rect = {kLeft, 196, 200, 34},
            .text = "Disband the army"};
  c[n++] = {.name = "SplitBtn",
            .kind = ControlKind::Button,
            .rect = {kLeft, 240, 200, 34},
            .text = "Split the army"};
  c[n++] = {.name = "CombineBtn",
            .kind = ControlKind::Button,
            .rect = {kLeft, 284, 200, 34},
            .text = "Combine armies"};
  // The disband's confirmation.
  c[n++] = Text("ConfirmLbl", {kLeft, 336, 200, 40}, "Send these soldiers home?", {}, kHintInk,
                kRowFont, TextAlign::Centre);
  c[n++] = Seal("Okanibtn2", kOkSeal, kLeft + 30, 380);
  c[n++] = Seal("Noanibtn", kNoSeal, kLeft + 122, 380);
  c[n++] = HintLine({kLeft, 446, kWidth - 2 * kLeft, 24});
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", (kWidth - kSealSize) / 2, kSealTop);
  c[n++] = SealWord("OkWordLbl", (kWidth - kSealSize) / 2, kSealTop, "Close");
  if (n != kControlCount) throw "ArmyCampFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

}  // namespace

ArmyCampFrm::ArmyCampFrm(Game&, Ui& ui)
    : Form(ui, {.name = "ArmyCampFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("ArmyLst", FormEvent::Click, &ArmyCampFrm::ArmyLst_Click);
  On("DisbandBtn", FormEvent::Click, &ArmyCampFrm::DisbandBtn_Click);
  On("Okanibtn2", FormEvent::Click, &ArmyCampFrm::Okanibtn2_Click);
  On("Noanibtn", FormEvent::Click, &ArmyCampFrm::Noanibtn_Click);
  On("SplitBtn", FormEvent::Click, &ArmyCampFrm::SplitBtn_Click);
  On("CombineBtn", FormEvent::Click, &ArmyCampFrm::CombineBtn_Click);
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
  OnForm(FormEvent::KeyUp, [this](const EventArgs& a) { Form_KeyUp(a); });
}

// Escape answers the disband's question "no" while it is asked, and
// otherwise leaves the screen as its close seal does; Return is the close
// seal.
void ArmyCampFrm::Form_KeyUp(const EventArgs& args) {
  if (args.key == "Escape" && (*this)["Noanibtn"].Active()) {
    Noanibtn_Click();
  } else if (args.key == "Escape" || args.key == "Return") {
    Close();
  }
}

void ArmyCampFrm::Form_Load() {
  Confirming(false);
  ShowArmy();
}

void ArmyCampFrm::ArmyLst_Click() {
  const int entry = Get<ListBox>("ArmyLst").ListIndex();
  if (entry < 0 || entry > 2) return;
  game().state.SelectedArmy = static_cast<Byte>(entry + 1);
  Confirming(false);
  (*this)["Helper"].ClearText();
  ShowArmy();
}

// The army chosen, and the buttons that fit it.
void ArmyCampFrm::ShowArmy() {
  GameState& s = game().state;
  const int army = s.SelectedArmy;
  const bool valid = army >= 1 && army <= 3;
  if (valid) RecountArmy(s, army);
  const ArmyComposition troops = valid ? s.ArmySoldiers[army] : ArmyComposition{};
  const long size = valid ? s.ArmySizes[army] : 0;
  auto& list = Get<ListBox>("ArmyLst");
  if (valid && army - 1 < list.ListCount() && list.ListIndex() != army - 1) {
    list.SetListIndex(army - 1);
  }
  Control& name = (*this)["ArmyNameLbl"];
  if (valid) {
    ShowText(name, 111 + army, 4, game().texts);
  } else {
    name.ClearText();
  }
  for (int slot = 1; slot <= kUnitKinds; ++slot) {
    (*this)[kKindLabels[static_cast<std::size_t>(slot - 1)]].SetText(
        std::to_string(troops.Get(slot)));
  }
  const EquipmentCarried carried = EquipmentOf(troops, size);
  (*this)["RegrutedLbl"].SetText(std::to_string(size));
  (*this)["MoralLbl"].SetText(std::to_string(static_cast<long>(Int(s.Morale))));
  (*this)["WalkLbl"].SetText(valid ? std::to_string(s.ArmyMovesLeft[army]) : "0");
  (*this)["WeaponLbl"].SetText(std::to_string(carried.Weapons));
  (*this)["ShieldLbl"].SetText(std::to_string(carried.Shields));
  (*this)["ChainMailLbl"].SetText(std::to_string(carried.ChainMails));
  (*this)["PlateLbl"].SetText(std::to_string(carried.Plates));
  (*this)["HorseLbl"].SetText(std::to_string(carried.Horses));
  ShowButtons();
}

// Picking an army for a siege hides the reorganising buttons; otherwise the
// combine button shows only while two armies share a waypoint, and an army
// slot without an army offers nothing to disband or split.
void ArmyCampFrm::ShowButtons() {
  const GameState& s = game().state;
  const bool picker = game().live.SiegeMode != 0;
  const int army = s.SelectedArmy;
  const bool exists = army >= 1 && army <= 3 && IsTrue(s.ArmyExists[army]);
  const std::array<bool, 3> pairs = CombinablePairs(s);
  const bool combine = pairs[0] || pairs[1] || pairs[2];
  (*this)["DisbandBtn"].SetVisible(!picker);
  (*this)["SplitBtn"].SetVisible(!picker);
  (*this)["CombineBtn"].SetVisible(!picker && combine);
  (*this)["DisbandBtn"].SetEnabled(exists);
  (*this)["SplitBtn"].SetEnabled(exists);
}

void ArmyCampFrm::Confirming(bool asking) {
  (*this)["ConfirmLbl"].SetVisible(asking);
  (*this)["Okanibtn2"].SetEnabled(asking);
  (*this)["Noanibtn"].SetEnabled(asking);
  (*this)["Okanibtn2"].SetVisible(asking);
  (*this)["Noanibtn"].SetVisible(asking);
}

void ArmyCampFrm::DisbandBtn_Click() {
  Confirming(true);
}

void ArmyCampFrm::Okanibtn2_Click() {
  DisbandArmy(game(), game().state.SelectedArmy);
  Confirming(false);
  Close();
}

void ArmyCampFrm::Noanibtn_Click() {
  Confirming(false);
}

void ArmyCampFrm::SplitBtn_Click() {
  const TextRef refused = BeginSplitOrder(game());
  if (refused.category != 0) {
    ShowHint(refused);
    return;
  }
  Close();
}

void ArmyCampFrm::CombineBtn_Click() {
  ui().Open("ArmyCombineFrm");
  if (closed()) return;
  Close();
}

void ArmyCampFrm::ShowHint(TextRef hint) {
  ShowText((*this)["Helper"], hint.id, hint.category, game().texts);
}

}  // namespace valorne
