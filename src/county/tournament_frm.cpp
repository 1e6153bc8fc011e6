#include "county/tournament_frm.h"

#include <string>

#include "county/church_tournament.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 480;
constexpr int kHeight = 380;
constexpr int kSealTop = kHeight - kSealSize - 36;
constexpr int kHoldLeft = 130;
constexpr int kRefuseLeft = kWidth - kHoldLeft - kSealSize;
constexpr int kCaptionLeft = 80;
constexpr int kFigureLeft = 250;
constexpr int kFigureWidth = 90;
constexpr int kRowsTop = 84;
constexpr int kEventRowHeight = 44;

constexpr int RowTop(int row) {
  return kRowsTop + row * kEventRowHeight;
}
constexpr ControlSpec RowWords(std::string_view name, int row, std::string_view words) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = {kCaptionLeft, RowTop(row) + 6, kFigureLeft - kCaptionLeft, 22},
          .text = words,
          .fore = look::kInk,
          .font_size = 16};
}
constexpr ControlSpec RowFigure(std::string_view name, int row) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = {kFigureLeft, RowTop(row) + 2, kFigureWidth, 28},
          .fore = look::kInk,
          .font_size = 20,
          .align = TextAlign::Right};
}
constexpr Rect UnderSeal(int left) {
  return {left - 30, kSealTop + kSealSize + 2, kSealSize + 60, 16};
}

const ControlSpec kControls[] = {
    Title("TitleLbl", kWidth, 14, {3, 90}),
    Rule("TitleRule", {90, 52, kWidth - 180, 1}),
    RowWords("CostCaptionLbl", 0, "Fixed cost"),
    RowFigure("CostLbl", 0),
    {.name = "PrizeCaptionLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {kCaptionLeft, RowTop(1) + 6, kFigureLeft - kCaptionLeft, 22},
     .caption = {3, 91},
     .fore = look::kInk,
     .font_size = 16},
    RowFigure("PrizeLbl", 1),
    Seal("UpAniBtn", kUpSeal, kFigureLeft + kFigureWidth + 14, RowTop(1) - 2, kArrowSize),
    Seal("DownAniBtn", kDownSeal, kFigureLeft + kFigureWidth + 50, RowTop(1) - 2, kArrowSize),
    Rule("SumRule", {kCaptionLeft, RowTop(2) - 4, kFigureLeft + kFigureWidth - kCaptionLeft, 1}),
    RowWords("GoldCaptionLbl", 2, "Gold in the treasury"),
    RowFigure("GoldLbl", 2),
    Hint({30, 228, kWidth - 60, 40}),
    Seal("OkAniBtn", kOkSeal, kHoldLeft, kSealTop),
    SealCaption("OkCaptionLbl", UnderSeal(kHoldLeft), "Hold it"),
    Seal("Noanibtn", kNoSeal, kRefuseLeft, kSealTop),
    SealCaption("NoCaptionLbl", UnderSeal(kRefuseLeft), "Refuse"),
};

// The hint line when the screen opens: what a tournament costs.
constexpr TextRef kTournamentHint{1, 97};

}  // namespace

TournamentFrm::TournamentFrm(Game&, Ui& ui)
    : Form(ui, {.name = "TournamentFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("UpAniBtn", FormEvent::Click, [this] { Act(&RaiseTournamentPrize, false); });
  On("DownAniBtn", FormEvent::Click, [this] { Act(&LowerTournamentPrize, false); });
  On("OkAniBtn", FormEvent::Click, [this] { Act(&HoldTournament, true); });
  On("Noanibtn", FormEvent::Click, [this] { Act(&RefuseTournament, true); });
}

void TournamentFrm::Form_Load() {
  ShowText((*this)["Helper"], kTournamentHint.id, kTournamentHint.category, game().texts);
  ShowFigures();
}

void TournamentFrm::ShowFigures() {
  const TournamentFigures f = TournamentScreenFigures(game().state);
  (*this)["CostLbl"].SetText(f.Cost);
  (*this)["PrizeLbl"].SetText(f.Prize);
  (*this)["GoldLbl"].SetText(std::to_string(game().state.Gold));
}

void TournamentFrm::Act(Outcome (*rule)(Game&), bool closes) {
  const Outcome outcome = rule(game());
  if (outcome.HasHint()) {
    ShowText((*this)["Helper"], outcome.hint.id, outcome.hint.category, game().texts);
  }
  ShowFigures();
  if (closes && outcome.accepted) Close();
}

}  // namespace valorne
