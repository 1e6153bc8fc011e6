#include "military/siege_frm.h"

#include <string>

#include "military/siege.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 420;
constexpr int kHeight = 330;
constexpr int kCaptionLeft = 50;
constexpr int kFigureLeft = 270;
constexpr int kFigureWidth = 90;
constexpr int kSealTop = 210;
constexpr int kSealSpacing = 120;
constexpr int kSealLeft = (kWidth - kSealSize) / 2 - kSealSpacing;

constexpr RowColumns kColumns{kCaptionLeft, kFigureLeft, kFigureWidth};

constexpr int RowTop(int row) {
  return 100 + (row - 1) * 34;
}

constexpr int SealLeft(int n) {
  return kSealLeft + n * kSealSpacing;
}

const ControlSpec kControls[] = {
    Title("TitleLbl", {20, 16, kWidth - 40, 34}, {}, "The siege"),
    Rule("RuleLbl", {80, 56, kWidth - 160, 2}),
    TextLine("ArmyNameLbl", {kCaptionLeft, 66, kWidth - 2 * kCaptionLeft, kRowHeight}, kRowFont,
             TextAlign::Centre, kHeadingInk),
    RowCaption(kColumns, 1, RowTop(1), "Engineers in the army"),
    page_look::RowFigure(kColumns, "RegrutedLbl", RowTop(1)),
    RowCaption(kColumns, 2, RowTop(2), "Turns until the storm"),
    page_look::RowFigure(kColumns, "SeasonLbl", RowTop(2)),
    Seal("Okanibtn3", kCancelSeal, SealLeft(0), kSealTop),
    SealWord("LiftWordLbl", SealLeft(0), kSealTop, "Lift the siege"),
    Seal("Okanibtn2", kOkSeal, SealLeft(1), kSealTop),
    SealWord("InspectWordLbl", SealLeft(1), kSealTop, "See the army"),
    Seal("OkAniBtn", kOkSeal, SealLeft(2), kSealTop),
    SealWord("OkWordLbl", SealLeft(2), kSealTop, "Close"),
};

constexpr std::string_view kArmyNames[] = {"Ist Valorne", "The Lions", "The Dragons"};

// The army on the siege's waypoint, or 0.
int Besieger(const Game& game) {
  const GameState& s = game.state;
  const int army = s.SelectedArmy;
  const Byte waypoint = SiegeWaypointOf(game, game.live.SiegeMode);
  if (army < 1 || army > 3 || waypoint == 0) return 0;
  return IsTrue(s.ArmyExists[army]) && s.ArmyWaypointNos[army] == waypoint ? army : 0;
}

}  // namespace

SiegeFrm::SiegeFrm(Game&, Ui& ui)
    : Form(ui, {.name = "SiegeFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this] { ShowFigures(); });
  OnForm(FormEvent::Activate, [this] { ShowFigures(); });
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
  On("Okanibtn2", FormEvent::Click, &SiegeFrm::Okanibtn2_Click);
  On("Okanibtn3", FormEvent::Click, &SiegeFrm::Okanibtn3_Click);
}

void SiegeFrm::ShowFigures() {
  Game& g = game();
  const int army = Besieger(g);
  const Byte countdown = SiegeCountdownOf(g.state, g.live.SiegeMode);
  (*this)["ArmyNameLbl"].SetText(army != 0 ? kArmyNames[army - 1]
                                           : std::string_view("No army besieges the castle."));
  (*this)["RegrutedLbl"].SetText(army != 0 ? std::to_string(g.state.ArmySoldiers[army].Engineers)
                                           : std::string("-"));
  (*this)["SeasonLbl"].SetText(countdown < kIdle ? std::to_string(countdown) : std::string("-"));
  (*this)["Okanibtn2"].SetEnabled(army != 0);
}

void SiegeFrm::Okanibtn2_Click() {
  ui().Open("ArmyCampFrm");
}

void SiegeFrm::Okanibtn3_Click() {
  LiftSiege(game(), game().live.SiegeMode);
  Close();
}

void OpenSiegeScreen(Game& game, Ui& ui, int mode) {
  game.live.SiegeMode = static_cast<Byte>(mode);
  SelectBesiegingArmy(game, mode);
  game.PlaySound("ClickChanel01", "click01.wav");
  ui.Open("SiegeFrm");
  game.live.SiegeMode = 0;
}

}  // namespace valorne
