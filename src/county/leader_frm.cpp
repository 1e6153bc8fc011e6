#include "county/leader_frm.h"

#include <array>

#include "county/realm.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 480;
constexpr int kHeight = 380;
constexpr int kCaptionLeft = 110;
constexpr int kFigureLeft = 290;
constexpr int kFigureWidth = 80;
constexpr int kSealTop = 300;
constexpr int kCandleFrameMs = 150;

constexpr int RowTop(int row) {
  return 112 + row * (kRowHeight + 6);
}

constexpr ControlSpec Row(int row, std::string_view words) {
  return Caption("CaptionLbl", row + 1, {kCaptionLeft, RowTop(row), 180, kRowHeight}, words);
}

constexpr ControlSpec Value(std::string_view name, int row) {
  return Figure(name, {kFigureLeft, RowTop(row), kFigureWidth, kRowHeight});
}

const ControlSpec kControls[] = {
    Title("NameLbl", {20, 16, kWidth - 40, 36}, {}),
    Rule("RuleLbl", 1, {80, 56, kWidth - 160, 2}),
    {.name = "Label3",
     .kind = ControlKind::RunaLabel,
     .rect = {20, 66, kWidth - 40, 24},
     .fore = kHeadingInk,
     .font_size = kHeadingFont,
     .align = TextAlign::Centre},
    Row(0, "Morale"),
    Value("MoralLbl", 0),
    Row(1, "Leadership"),
    Value("LeadershipLbl", 1),
    Row(2, "Nobility"),
    Value("NobilityLbl", 2),
    Row(3, "Diplomacy"),
    Value("DiploLbl", 3),
    Row(4, "Religion"),
    Value("ReligionLbl", 4),
    Rule("RuleLbl", 2, {kCaptionLeft, RowTop(5) - 3, kFigureLeft + kFigureWidth - kCaptionLeft, 1}),
    Row(5, "Standing"),
    Value("StatusLbl", 5),
    // Two candles light the lord's page.
    {.name = "CandleImg",
     .kind = ControlKind::Image,
     .rect = {34, 150, 56, 56},
     .picture = "candleres",
     .index = 1},
    {.name = "CandleImg",
     .kind = ControlKind::Image,
     .rect = {kWidth - 90, 150, 56, 56},
     .picture = "candleres",
     .index = 2},
    Seal("OkAniBtn", "OkAniBtn_hover", (kWidth - kSealSize) / 2, kSealTop),
    SealWord("OkWordLbl", (kWidth - kSealSize) / 2, kSealTop, "Close"),
};

}  // namespace

LeaderFrm::LeaderFrm(Game&, Ui& ui, int lord)
    : Form(ui, {.name = "LeaderFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}),
      lord_(lord) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
  for (int k = 1; k <= 2; ++k) At("CandleImg", k).SetStripFrame(k);
  AddTimer("CandleTimer", kCandleFrameMs, true, [this] {
    for (int k = 1; k <= 2; ++k) {
      Control& candle = At("CandleImg", k);
      candle.SetStripFrame(candle.strip_frame().value_or(0) + 1);
    }
  });
}

void LeaderFrm::Form_Load() {
  const LeaderFigures f = LeaderScreenFigures(game(), lord_);
  ShowText((*this)["NameLbl"], f.Name.id, f.Name.category, game().texts);
  ShowText((*this)["Label3"], f.Description.id, f.Description.category, game().texts);
  (*this)["MoralLbl"].SetText(f.Moral);
  (*this)["LeadershipLbl"].SetText(f.Leadership);
  (*this)["NobilityLbl"].SetText(f.Nobility);
  (*this)["DiploLbl"].SetText(f.Diplo);
  (*this)["ReligionLbl"].SetText(f.Religion);
  (*this)["StatusLbl"].SetText(f.Status);
}

}  // namespace valorne
