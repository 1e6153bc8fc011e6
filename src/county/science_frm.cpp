#include "county/science_frm.h"

#include <string>

#include "county/science.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 500;
constexpr int kHeight = 400;
constexpr int kLeftColumn = 40;
constexpr int kRightColumn = 262;
constexpr int kColumnWidth = 198;
constexpr int kFigureWidth = 80;
constexpr int kRowsTop = 134;
constexpr int kRowHeight = 24;

constexpr Rect CaptionAt(int column, int row) {
  return {column, kRowsTop + row * kRowHeight, kColumnWidth - kFigureWidth, 20};
}
constexpr Rect FigureAt(int column, int row) {
  return {column + kColumnWidth - kFigureWidth, kRowsTop + row * kRowHeight, kFigureWidth, 20};
}
constexpr ControlSpec RowWords(std::string_view name, int column, int row, std::string_view words) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = CaptionAt(column, row),
          .text = words,
          .fore = look::kInk,
          .font_size = kRowFont};
}

constexpr int kSealTop = kHeight - kSealSize - 36;
constexpr int kSealLeft[3] = {110, (kWidth - kSealSize) / 2, kWidth - 110 - kSealSize};

constexpr Rect UnderSeal(int seal) {
  return {kSealLeft[seal] - 30, kSealTop + kSealSize + 2, kSealSize + 60, 16};
}

const ControlSpec kControls[] = {
    Title("TitleLbl", kWidth, 14, {3, 77}),
    Rule("TitleRule", {90, 52, kWidth - 180, 1}),
    {.name = "LevelCaptionLbl",
     .kind = ControlKind::Label,
     .rect = {kLeftColumn, 66, 300, 26},
     .text = "Farming knowledge, level",
     .fore = look::kInk,
     .font_size = 17},
    {.name = "ScienceLevelLbl",
     .kind = ControlKind::Label,
     .rect = {340, 62, 80, 30},
     .fore = look::kInk,
     .font_size = 24},
    Heading("CostTitleLbl", {kLeftColumn, kRowsTop - 30, kColumnWidth, 22}, {3, 78}),
    RowWords("GoldCaptionLbl", kLeftColumn, 0, "Gold"),
    Figure("GoldLbl", FigureAt(kLeftColumn, 0)),
    RowWords("OreCaptionLbl", kLeftColumn, 1, "Ore"),
    Figure("OreLbl", FigureAt(kLeftColumn, 1)),
    Heading("GainsTitleLbl", {kRightColumn, kRowsTop - 30, kColumnWidth + 10, 22}, {3, 79}),
    RowWords("PeopleCaptionLbl", kRightColumn, 0, "People"),
    Figure("PeopleLbl", FigureAt(kRightColumn, 0)),
    RowWords("CropsCaptionLbl", kRightColumn, 1, "Grain"),
    Figure("CropsLbl", FigureAt(kRightColumn, 1)),
    RowWords("MeatCaptionLbl", kRightColumn, 2, "Meat"),
    Figure("MeatLbl", FigureAt(kRightColumn, 2)),
    Rule("StatusRule", {40, 222, kWidth - 80, 1}),
    Line("Label3", {40, 236, kWidth - 80, 22}, {}, TextAlign::Centre),
    {.name = "TurnsCaptionLbl",
     .kind = ControlKind::Label,
     .rect = {100, 236, 270, 22},
     .text = "Research under way, turns to go:",
     .fore = look::kInk,
     .font_size = kRowFont},
    Figure("TurnsLbl", {370, 236, 60, 22}, TextAlign::Left),
    Hint({30, 272, kWidth - 60, 20}),
    Seal("OkAniBtn", kOkSeal, kSealLeft[0], kSealTop),
    SealCaption("OkCaptionLbl", UnderSeal(0), "Research"),
    Seal("CancelAniBtn", kCancelSeal, kSealLeft[1], kSealTop),
    SealCaption("CancelCaptionLbl", UnderSeal(1), "Stop research"),
    Seal("Noanibtn", kNoSeal, kSealLeft[2], kSealTop),
    SealCaption("NoCaptionLbl", UnderSeal(2), "Close"),
};

void ShowHint(Control& helper, const Outcome& outcome, const TextTables& texts) {
  if (outcome.HasHint()) ShowText(helper, outcome.hint.id, outcome.hint.category, texts);
}

}  // namespace

ScienceFrm::ScienceFrm(Game&, Ui& ui)
    : Form(ui, {.name = "ScienceFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("OkAniBtn", FormEvent::Click, &ScienceFrm::OkAniBtn_Click);
  On("CancelAniBtn", FormEvent::Click, &ScienceFrm::CancelAniBtn_Click);
  On("Noanibtn", FormEvent::Click, [this] { Close(); });
}

void ScienceFrm::Form_Load() {
  ShowFigures();
}

void ScienceFrm::ShowFigures() {
  const ScienceFigures f = ScienceScreenFigures(game().state);
  (*this)["GoldLbl"].SetText(f.Gold);
  (*this)["OreLbl"].SetText(f.Ore);
  (*this)["ScienceLevelLbl"].SetText(f.ScienceLevel);
  (*this)["PeopleLbl"].SetText(f.People);
  (*this)["CropsLbl"].SetText(f.Crops);
  (*this)["MeatLbl"].SetText(f.Meat);
  ShowText((*this)["Label3"], f.Status.id, f.Status.category, game().texts);
  const bool running = !f.TurnsLeft.empty();
  (*this)["Label3"].SetVisible(!running);
  (*this)["TurnsCaptionLbl"].SetVisible(running);
  (*this)["TurnsLbl"].SetVisible(running);
  // A count of 0 completes at the next end of turn.
  (*this)["TurnsLbl"].SetText(
      running ? std::to_string(static_cast<int>(game().state.FarmingResearchTurns) + 1) : "");
}

void ScienceFrm::OkAniBtn_Click() {
  const Outcome outcome = StartResearch(game());
  if (outcome.accepted) {
    Close();
    return;
  }
  ShowHint((*this)["Helper"], outcome, game().texts);
}

void ScienceFrm::CancelAniBtn_Click() {
  const Outcome outcome = StopResearch(game());
  ShowHint((*this)["Helper"], outcome, game().texts);
  ShowFigures();
}

}  // namespace valorne
