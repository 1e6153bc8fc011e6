#include "county/castle_frm.h"

#include <array>
#include <string>

#include "county/construction.h"
#include "county/unit_catalogue.h"
#include "military/army_walk.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 780;
constexpr int kHeight = 580;
constexpr int kLeft = 30;
constexpr int kPictureWidth = 400;
constexpr int kPictureHeight = 300;
constexpr int kGarrisonLeft = 470;
constexpr int kGarrisonWidth = 280;
constexpr int kGarrisonTop = 132;
constexpr int kSealTop = 506;
constexpr int kSealLeft = kGarrisonLeft + (kGarrisonWidth - kSealSize) / 2;

// The large pictures of the castle stages 1..5.
constexpr std::array<std::string_view, kCastleStages + 1> kStagePictures = {
    "", "keepres", "bailyres", "fortres", "bunkerres", "castleres"};

constexpr int LeftRowTop(int row) {
  return 390 + row * (kRowHeight + 2);
}

constexpr ControlSpec LeftCaption(int index, int row, std::string_view words) {
  return Caption("CaptionLbl", index, {kLeft, LeftRowTop(row), 200, kRowHeight}, words);
}

constexpr ControlSpec LeftFigure(std::string_view name, int row) {
  return Figure(name, {kLeft + 200, LeftRowTop(row), 80, kRowHeight});
}

// The siege stores, two to a row under their heading.
constexpr int kStoresTop = 474;
constexpr int kStoreColumn = 210;

constexpr ControlSpec StoreCaption(int index, int column, int row, std::string_view words) {
  return Caption(
      "CaptionLbl", index,
      {kLeft + column * kStoreColumn, kStoresTop + row * (kRowHeight + 2), 120, kRowHeight}, words);
}

constexpr ControlSpec StoreFigure(std::string_view name, int column, int row) {
  return Figure(name, {kLeft + column * kStoreColumn + 120, kStoresTop + row * (kRowHeight + 2), 60,
                       kRowHeight});
}

// The name text of the unit type kept in an army slot.
constexpr Integer NameOfSlot(int slot) {
  for (const UnitTypeInfo& unit : kUnitCatalogue) {
    if (unit.army_slot == slot) return unit.name_text;
  }
  return 0;
}

constexpr std::size_t kFixedControls = 21;
constexpr std::size_t kControlCount = kFixedControls + 2 * kUnitTypes;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("NameLbl", {20, 16, kWidth - 40, 36}, {});
  c[n++] = Rule("RuleLbl", 1, {140, 56, kWidth - 280, 2});
  c[n++] = {.name = "CastleImg",
            .kind = ControlKind::Image,
            .rect = {kLeft, 70, kPictureWidth, kPictureHeight}};
  c[n++] = LeftCaption(1, 0, "Income from the people");
  c[n++] = LeftFigure("GoldLbl", 0);
  c[n++] = LeftCaption(2, 1, "Soldiers it holds");
  c[n++] = LeftFigure("GarisonLbl", 1);
  c[n++] = Heading("HeadingLbl", 1, {kLeft, kStoresTop - 26, 300, kRowHeight}, "Siege stores");
  c[n++] = StoreCaption(3, 0, 0, "Boiling oil");
  c[n++] = StoreFigure("OilsLbl", 0, 0);
  c[n++] = StoreCaption(4, 1, 0, "Stones");
  c[n++] = StoreFigure("StonesLbl", 1, 0);
  c[n++] = StoreCaption(5, 0, 1, "Pikes");
  c[n++] = StoreFigure("PikesLbl", 0, 1);
  c[n++] = StoreCaption(6, 1, 1, "Fire arrows");
  c[n++] = StoreFigure("FireArrowsLbl", 1, 1);
  c[n++] = Heading("HeadingLbl", 2, {kGarrisonLeft, 70, kGarrisonWidth, kRowHeight}, "Garrison");
  c[n++] = TextLine("ArmyNameLbl", {kGarrisonLeft, 96, kGarrisonWidth, kRowHeight});
  // The garrison by army slot, each row named after its unit type.
  for (int slot = 1; slot <= kUnitTypes; ++slot) {
    const int top = kGarrisonTop + (slot - 1) * kRowHeight;
    c[n++] =
        Caption("UnitLbl", slot, {kGarrisonLeft, top, 200, kRowHeight}, {}, {4, NameOfSlot(slot)});
    c[n++] = FigureAt("SoldierLbl", slot, {kGarrisonLeft + 200, top, 80, kRowHeight});
  }
  // The garrison marches out to the waypoint before the gate.
  c[n++] = {.name = "UngarisonBtn",
            .kind = ControlKind::Button,
            .rect = {kGarrisonLeft + 40, 456, 200, 34},
            .text = "Leave the castle",
            .enabled = false};
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", kSealLeft, kSealTop);
  c[n++] = SealWord("OkWordLbl", kSealLeft, kSealTop, "Close");
  if (n != kControlCount) throw "CastleFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

}  // namespace

CastleFrm::CastleFrm(Game&, Ui& ui)
    : Form(ui, {.name = "CastleFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
  On("UngarisonBtn", FormEvent::Click, [this] {
    LeaveCastle(game());
    Close();
  });
}

void CastleFrm::Form_Load() {
  const GameState& s = game().state;
  const CastleFigures f = CastleScreenFigures(s);
  ShowText((*this)["NameLbl"], f.Name.id, f.Name.category, game().texts);
  const int stage = HighestCastleStage(s);
  Control& picture = (*this)["CastleImg"];
  picture.SetPicture(kStagePictures[static_cast<std::size_t>(stage)]);
  picture.SetVisible(stage > 0);
  (*this)["GoldLbl"].SetText(f.Gold);
  (*this)["GarisonLbl"].SetText(f.Garison);
  Control& army = (*this)["ArmyNameLbl"];
  if (f.ArmyName.category != 0) {
    ShowText(army, f.ArmyName.id, f.ArmyName.category, game().texts);
  } else {
    army.SetText("No army holds the castle.");
  }
  for (int slot = 1; slot <= kUnitTypes; ++slot) {
    At("SoldierLbl", slot).SetText(f.Soldiers[static_cast<std::size_t>(slot - 1)]);
  }
  // The garrison can leave while it has a move left this turn.
  const int garrison = s.GarrisonedArmy;
  (*this)["UngarisonBtn"].SetEnabled(garrison >= 1 && garrison <= 3 &&
                                     s.ArmyMovesLeft[garrison] > 0);
  (*this)["OilsLbl"].SetText(f.Oils);
  (*this)["StonesLbl"].SetText(f.Stones);
  (*this)["PikesLbl"].SetText(f.Pikes);
  (*this)["FireArrowsLbl"].SetText(f.FireArrows);
}

}  // namespace valorne
