#include "county/religion_frm.h"

#include <string>

#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"
#include "turn/church_tournament_turn.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 480;
constexpr int kHeight = 380;
constexpr int kSealTop = kHeight - kSealSize - 36;
constexpr int kYesLeft = 130;
constexpr int kNoLeft = kWidth - kYesLeft - kSealSize;
constexpr int kFigureTop = 196;

constexpr Rect UnderSeal(int left) {
  return {left - 30, kSealTop + kSealSize + 2, kSealSize + 60, 16};
}

const ControlSpec kControls[] = {
    Title("TitleLbl", kWidth, 14, {3, 71}),
    Rule("TitleRule", {90, 52, kWidth - 180, 1}),
    Heading("TitheTitleLbl", {30, 62, kWidth - 60, 22}, {3, 72}, TextAlign::Centre),
    Heading("StakeTitleLbl", {30, 62, kWidth - 60, 22}, {3, 73}, TextAlign::Centre),
    {.name = "QuestionLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {40, 96, kWidth - 80, 80},
     .fore = look::kInk,
     .font_size = 17,
     .align = TextAlign::Centre},
    {.name = "AmountCaptionLbl",
     .kind = ControlKind::Label,
     .rect = {110, kFigureTop, 170, 24},
     .text = "The church asks",
     .fore = look::kInk,
     .font_size = kRowFont},
    {.name = "AmountLbl",
     .kind = ControlKind::Label,
     .rect = {280, kFigureTop - 2, 90, 26},
     .fore = look::kInk,
     .font_size = 20,
     .align = TextAlign::Right},
    {.name = "HappinessCaptionLbl",
     .kind = ControlKind::Label,
     .rect = {110, kFigureTop, 170, 24},
     .text = "Happiness",
     .fore = look::kInk,
     .font_size = kRowFont},
    {.name = "HappinessLbl",
     .kind = ControlKind::Label,
     .rect = {280, kFigureTop - 2, 90, 26},
     .fore = look::kInk,
     .font_size = 20,
     .align = TextAlign::Right},
    Hint({30, 240, kWidth - 60, 20}),
    Seal("TaxOkAniBtn", kOkSeal, kYesLeft, kSealTop),
    SealCaption("TaxOkCaptionLbl", UnderSeal(kYesLeft), "Pay"),
    Seal("TaxNoAniBtn", kNoSeal, kNoLeft, kSealTop),
    SealCaption("TaxNoCaptionLbl", UnderSeal(kNoLeft), "Refuse"),
    Seal("StakeOkAniBtn", kOkSeal, kYesLeft, kSealTop),
    SealCaption("StakeOkCaptionLbl", UnderSeal(kYesLeft), "Burn"),
    Seal("StakeNoAniBtn", kNoSeal, kNoLeft, kSealTop),
    SealCaption("StakeNoCaptionLbl", UnderSeal(kNoLeft), "Spare"),
    Seal("OkAniBtn", kOkSeal, (kWidth - kSealSize) / 2, kSealTop),
};

// The controls of each way the screen can open, shown together.
constexpr std::string_view kTitheControls[] = {"TitheTitleLbl",  "AmountCaptionLbl", "AmountLbl",
                                               "TaxOkAniBtn",    "TaxOkCaptionLbl",  "TaxNoAniBtn",
                                               "TaxNoCaptionLbl"};
constexpr std::string_view kStakeControls[] = {
    "StakeTitleLbl",     "HappinessCaptionLbl", "HappinessLbl",     "StakeOkAniBtn",
    "StakeOkCaptionLbl", "StakeNoAniBtn",       "StakeNoCaptionLbl"};

// The questions' texts (category 1).
constexpr int kTitheQuestionText = 95;
constexpr int kStakeQuestionText = 96;

}  // namespace

ReligionFrm::ReligionFrm(Game&, Ui& ui)
    : Form(ui, {.name = "ReligionFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("TaxOkAniBtn", FormEvent::Click, [this] { Answer(&PayTithe); });
  On("TaxNoAniBtn", FormEvent::Click, [this] { Answer(&RefuseTithe); });
  On("StakeOkAniBtn", FormEvent::Click, [this] { Answer(&AgreeToBurning); });
  On("StakeNoAniBtn", FormEvent::Click, [this] { Answer(&RefuseBurning); });
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
}

void ReligionFrm::Form_Load() {
  const Byte mode = game().live.ReligionMode;
  const bool tithe = mode == kTitheQuestion;
  const bool stake = mode == kStakeQuestion;
  for (std::string_view name : kTitheControls) (*this)[name].SetVisible(tithe);
  for (std::string_view name : kStakeControls) (*this)[name].SetVisible(stake);
  (*this)["OkAniBtn"].SetVisible(!tithe && !stake);
  Control& question = (*this)["QuestionLbl"];
  if (tithe) {
    ShowText(question, kTitheQuestionText, 1, game().texts);
    (*this)["AmountLbl"].SetText(std::to_string(game().state.TitheDemand));
  } else if (stake) {
    ShowText(question, kStakeQuestionText, 1, game().texts);
    // What burning the heretic costs in the people's happiness.
    (*this)["HappinessLbl"].SetText("- 22");
  }
}

void ReligionFrm::Answer(ChurchAnswer (*answer)(Game&)) {
  const ChurchAnswer a = answer(game());
  if (!a.outcome.accepted) {
    const TextRef& hint = a.outcome.hint;
    ShowText((*this)["Helper"], hint.id, hint.category, game().texts);
    return;
  }
  (*this)["HappinessLbl"].SetText(a.HappinessShown);
  Close();
}

}  // namespace valorne
