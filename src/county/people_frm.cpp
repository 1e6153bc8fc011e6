#include "county/people_frm.h"

#include "county/people_tax.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 540;
constexpr int kHeight = 454;
constexpr int kLeftColumn = 30;
constexpr int kRightColumn = 290;
constexpr int kColumnWidth = 220;
constexpr int kFigureWidth = 80;
constexpr int kFoodBoxWidth = 80;

constexpr int kUpperSections = 70;
constexpr int kLowerSections = 228;

// Row `row` of a column: rows 1..4 under the upper captions; row 5 is the
// line of the lower captions (the happiness and health as they are now) and
// rows 6.. lie under it.
constexpr int RowTop(int row) {
  if (row <= 4) return kUpperSections + 34 + (row - 1) * 28;
  if (row == 5) return kLowerSections;
  return kLowerSections + 34 + (row - 6) * 28;
}
constexpr ControlSpec Row(int column_left, int row, std::string_view words) {
  return Caption("RowLbl", column_left == kLeftColumn ? row : row + 10,
                 {column_left + 8, RowTop(row), kColumnWidth - kFigureWidth - 8, kWideRowHeight},
                 words);
}
constexpr ControlSpec RowFigure(std::string_view name, int column_left, int row) {
  return Figure(
      name, {column_left + kColumnWidth - kFigureWidth, RowTop(row), kFigureWidth, kWideRowHeight});
}
constexpr ControlSpec Section(std::string_view name, int column_left, int top, TextRef caption) {
  return Subtitle(name, {column_left, top, kColumnWidth - kFigureWidth, 24}, caption,
                  TextAlign::Left);
}
constexpr ControlSpec FoodBox(std::string_view name, int row, std::string_view words) {
  return {.name = name,
          .kind = ControlKind::CheckBox,
          .rect = {kRightColumn + 8, RowTop(row) - 3, kFoodBoxWidth, kWideRowHeight},
          .text = words,
          .fore = look::kInk,
          .font_size = kRowFont};
}

const ControlSpec kControls[] = {
    Title("FrmTitleLbl", kWidth, 16, {3, 63}),
    Rule("TitleRule", {60, 56, kWidth - 120, 2}),
    // The people.
    Section("RUNA_Label1", kLeftColumn, kUpperSections, {3, 64}),
    Row(kLeftColumn, 1, "People"),
    RowFigure("PeopleLbl", kLeftColumn, 1),
    Row(kLeftColumn, 2, "Last turn"),
    RowFigure("PreviousLbl", kLeftColumn, 2),
    Row(kLeftColumn, 3, "Without work"),
    RowFigure("AvailableLbl", kLeftColumn, 3),
    Row(kLeftColumn, 4, "Soldiers"),
    RowFigure("RegrutedLbl", kLeftColumn, 4),
    // What they are fed, and how much of it they eat.
    Section("RUNA_Label2", kRightColumn, kUpperSections, {3, 65}),
    {.name = "EatenLbl",
     .kind = ControlKind::Label,
     .rect = {kRightColumn + kColumnWidth - kFigureWidth - 20, kUpperSections + 4,
              kFigureWidth + 20, 20},
     .text = "each turn",
     .fore = look::kWood,
     .font_size = 12,
     .align = TextAlign::Right},
    FoodBox("MeatOption", 1, "Meat"),
    RowFigure("MeatLbl", kRightColumn, 1),
    FoodBox("CropsOption", 2, "Grain"),
    RowFigure("CropsLbl", kRightColumn, 2),
    Rule("MiddleRule", {kLeftColumn, kLowerSections - 12, kWidth - 2 * kLeftColumn, 1}),
    // What moves their happiness each turn.
    Section("RUNA_Label3", kLeftColumn, kLowerSections, {3, 66}),
    RowFigure("HappinessLbl", kLeftColumn, 5),
    Row(kLeftColumn, 6, "Taxes"),
    RowFigure("FromTaxLbl", kLeftColumn, 6),
    Row(kLeftColumn, 7, "Food"),
    RowFigure("FromFoodLbl", kLeftColumn, 7),
    Row(kLeftColumn, 8, "The lord's faith"),
    RowFigure("FromRelLbl", kLeftColumn, 8),
    Row(kLeftColumn, 9, "Tournament"),
    RowFigure("FromTourLbl", kLeftColumn, 9),
    // And their health.
    Section("RUNA_Label4", kRightColumn, kLowerSections, {3, 67}),
    RowFigure("HealthLbl", kRightColumn, 5),
    Row(kRightColumn, 6, "Sickness"),
    RowFigure("FromPlagueLbl", kRightColumn, 6),
    OkButton((kWidth - kSealSize) / 2, kHeight - kSealSize - 20),
};

// The lord's faith: a lord of the church (religion 40 or more) makes the
// people a twentieth happier each turn, a godless one a tenth less happy.
std::string FromReligionText(const GameState& s) {
  return s.LordReligion >= 40 ? "+5 %" : "- 10 %";
}

// A tournament paid for is held at the next end of turn and cheers the
// people by 20, whoever wins it.
std::string FromTournamentText(const GameState& s) {
  return IsTrue(s.TournamentHeld) ? "+20" : "0";
}

}  // namespace

PeopleFrm::PeopleFrm(Game&, Ui& ui)
    : Form(ui, {.name = "PeopleFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("MeatOption", FormEvent::Click, &PeopleFrm::MeatOption_Click);
  On("CropsOption", FormEvent::Click, &PeopleFrm::CropsOption_Click);
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
}

void PeopleFrm::Form_Load() {
  OpenPeopleScreen(game());
  ShowFigures();
}

void PeopleFrm::MeatOption_Click() {
  SetEatMeat(game(), Get<CheckBox>("MeatOption").checked());
  ShowFigures();
}

void PeopleFrm::CropsOption_Click() {
  SetEatGrain(game(), Get<CheckBox>("CropsOption").checked());
  ShowFigures();
}

void PeopleFrm::ShowFigures() {
  const GameState& s = game().state;
  const PeopleFigures f = PeopleScreenFigures(s);
  (*this)["PeopleLbl"].SetText(f.People);
  (*this)["HappinessLbl"].SetText(f.Happiness);
  (*this)["HealthLbl"].SetText(f.Health);
  (*this)["RegrutedLbl"].SetText(f.Regruted);
  (*this)["AvailableLbl"].SetText(f.Available);
  (*this)["PreviousLbl"].SetText(f.Previous);
  (*this)["FromTaxLbl"].SetText(f.FromTax);
  (*this)["FromFoodLbl"].SetText(f.FromFood);
  (*this)["FromPlagueLbl"].SetText(f.FromPlague);
  (*this)["FromRelLbl"].SetText(FromReligionText(s));
  (*this)["FromTourLbl"].SetText(FromTournamentText(s));
  (*this)["MeatLbl"].SetText(f.Meat);
  (*this)["CropsLbl"].SetText(f.Crops);
  // The boxes follow the state: a refused tick is taken back.
  CheckBox& meat = Get<CheckBox>("MeatOption");
  meat.SetChecked(f.MeatOptionChecked);
  meat.SetEnabled(f.MeatOptionEnabled);
  CheckBox& grain = Get<CheckBox>("CropsOption");
  grain.SetChecked(f.CropsOptionChecked);
  grain.SetEnabled(f.CropsOptionEnabled);
}

}  // namespace valorne
