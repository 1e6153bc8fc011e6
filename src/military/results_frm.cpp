#include "military/results_frm.h"

#include <array>
#include <string>

#include "county/unit_catalogue.h"
#include "military/battle_exchange.h"
#include "military/battle_results.h"
#include "military/battle_run.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 620;
constexpr int kHeight = 540;
constexpr int kLeft = 40;
constexpr int kColumn = 280;
constexpr int kLossesTop = 76;
constexpr int kUnitsTop = 160;
constexpr int kPlunderTop = 356;
constexpr int kSealTop = kHeight - kSealSize - 34;

constexpr Integer NameOfSlot(int slot) {
  for (const UnitTypeInfo& unit : kUnitCatalogue) {
    if (unit.army_slot == slot) return unit.name_text;
  }
  return 0;
}

// The unit rows: army slots 1..14 in two columns of seven.
constexpr Rect UnitRect(int slot, int left_offset, int width) {
  const int column = (slot - 1) / 7;
  const int row = (slot - 1) % 7;
  return {kLeft + column * kColumn + left_offset, kUnitsTop + 24 + row * kRowHeight, width,
          kRowHeight};
}

constexpr std::array<std::string_view, 5> kPlunderWords = {"Wood", "Stone", "Ore", "Grain", "Meat"};

constexpr Rect PlunderRect(int n, int left_offset, int width) {
  const int column = (n - 1) % 3;
  const int row = (n - 1) / 3;
  return {kLeft + column * 180 + left_offset, kPlunderTop + 24 + row * kRowHeight, width,
          kRowHeight};
}

constexpr std::size_t kFixedControls = 12;
constexpr std::size_t kControlCount = kFixedControls + 2 * kUnitTypes + 2 * 5;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", kWidth, 16, {});
  c[n++] = Rule("RuleLbl", 1, {120, 56, kWidth - 240, 2});
  c[n++] = Caption("CaptionLbl", 1, {kLeft, kLossesTop, 180, kRowHeight}, "Our dead");
  c[n++] = Figure("WeDeathLbl", {kLeft + 180, kLossesTop, 70, kRowHeight});
  c[n++] = Caption("CaptionLbl", 2, {kLeft + kColumn, kLossesTop, 180, kRowHeight}, "Enemy dead");
  c[n++] = Figure("EnemyDeathLbl", {kLeft + kColumn + 180, kLossesTop, 70, kRowHeight});
  c[n++] = TextLine("ArmyNameLbl", {kLeft, kUnitsTop - 24, kWidth - 2 * kLeft, kRowHeight},
                    kHeadingFont, TextAlign::Left, kHeadingInk);
  c[n++] = Heading("HeadingLbl", 1, {kLeft, kUnitsTop, 300, kRowHeight}, "Soldiers left");
  for (int slot = 1; slot <= kUnitTypes; ++slot) {
    c[n++] = Caption("UnitLbl", slot, UnitRect(slot, 0, 180), {}, {4, NameOfSlot(slot)});
    c[n++] = FigureAt("SoldierLbl", slot, UnitRect(slot, 180, 70));
  }
  c[n++] = Heading("HeadingLbl", 2, {kLeft, kPlunderTop, 300, kRowHeight}, "Plunder");
  for (int p = 1; p <= 5; ++p) {
    c[n++] = Caption("PlunderCaptionLbl", p, PlunderRect(p, 0, 90),
                     kPlunderWords[static_cast<std::size_t>(p - 1)]);
    c[n++] = FigureAt("PlunderLbl", p, PlunderRect(p, 90, 60));
  }
  c[n++] = Caption("CaptionLbl", 3, {kLeft, kPlunderTop + 24, kWidth - 2 * kLeft, kRowHeight},
                   "Nothing was taken.", {}, TextAlign::Centre);
  c[n++] = OkButton((kWidth - kSealSize) / 2, kSealTop);
  c[n++] = SealWord("OkWordLbl", (kWidth - kSealSize) / 2, kSealTop, "Close");
  if (n != kControlCount) throw "ResultsFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

constexpr std::string_view kArmyNames[] = {"Ist Valorne", "The Lions", "The Dragons"};

}  // namespace

ResultsFrm::ResultsFrm(Game&, Ui& ui)
    : Form(ui, {.name = "ResultsFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("OkAniBtn", FormEvent::Click, &ResultsFrm::OkAniBtn_Click);
}

void ResultsFrm::Form_Load() {
  Game& g = game();
  std::string problem;
  if (!ReadBattleOutput(g, problem)) {
    // The outcome went between the poll and this screen: no results.
    Close();
    FailBattle(g, ui(), problem);
    return;
  }
  read_ = true;
  TakePlunder(g);
  ShowFigures();
  g.PlaySound("EnvChanel01", g.live.BattleOutcome != 0 ? "victory.wav" : "defeat.wav");
}

void ResultsFrm::ShowFigures() {
  const Game& g = game();
  const GameState& s = g.state;
  const LiveState& live = g.live;
  const bool won = live.BattleOutcome != 0;
  ShowText((*this)["TitleLbl"], won ? 48 : 47, 4, g.texts);
  (*this)["WeDeathLbl"].SetText(std::to_string(live.OurDead));
  (*this)["EnemyDeathLbl"].SetText(std::to_string(live.EnemyDead));
  const int army = s.SelectedArmy;
  const bool ours = army >= 1 && army <= 3;
  Control& name = (*this)["ArmyNameLbl"];
  name.SetText(ours ? kArmyNames[army - 1] : std::string_view("The county's people"));
  for (int slot = 1; slot <= kUnitTypes; ++slot) {
    const long count = ours ? s.ArmySoldiers[army].Get(slot) : 0;
    At("SoldierLbl", slot).SetText(std::to_string(count));
  }
  const bool plunder = live.BattleOutcome == kOutcomeVictoryWithPlunder;
  for (int p = 1; p <= 5; ++p) {
    At("PlunderCaptionLbl", p).SetVisible(plunder);
    Control& figure = At("PlunderLbl", p);
    figure.SetVisible(plunder);
    figure.SetText(std::to_string(live.Plunder[static_cast<std::size_t>(p - 1)]));
  }
  At("CaptionLbl", 3).SetVisible(!plunder);
}

void ResultsFrm::OkAniBtn_Click() {
  Game& g = game();
  Close();
  if (!read_) return;
  if (g.live.BattleOutcome != 0) {
    ApplyVictory(g, g.live.BattleTarget);
  } else {
    ApplyDefeat(g);
  }
  EndBattle(g);
}

}  // namespace valorne
