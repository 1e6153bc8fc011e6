#include "county/tax_frm.h"

#include "county/people_tax.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 400;
constexpr int kHeight = 312;
constexpr int kRateTop = 76;
constexpr int kRateWidth = 120;
constexpr int kCaptionLeft = 50;
constexpr int kFigureLeft = 260;
constexpr int kFigureWidth = 90;

constexpr int RowTop(int row) {
  return 160 + (row - 1) * 32;
}
constexpr RowColumns kColumns{kCaptionLeft, kFigureLeft, kFigureWidth};
constexpr ControlSpec Row(int row, std::string_view words) {
  return RowCaption(kColumns, row, RowTop(row), words);
}
constexpr ControlSpec RowFigure(std::string_view name, int row) {
  return page_look::RowFigure(kColumns, name, RowTop(row));
}

const ControlSpec kControls[] = {
    Title("FrmTitleLbl", kWidth, 16, {3, 83}),
    Rule("TitleRule", {60, 56, kWidth - 120, 2}),
    {.name = "TaxDown",
     .kind = ControlKind::AniButton,
     .rect = {(kWidth - kRateWidth) / 2 - kSealSize - 8, kRateTop, kSealSize, kSealSize},
     .picture = "DownAniBtn",
     .hover_picture = "DownAniBtn_hover"},
    {.name = "TaxLbl",
     .kind = ControlKind::Label,
     .rect = {(kWidth - kRateWidth) / 2, kRateTop, kRateWidth, kSealSize},
     .fore = look::kInk,
     .back = look::kParchmentDark,
     .font_size = 30,
     .align = TextAlign::Centre},
    {.name = "TaxUp",
     .kind = ControlKind::AniButton,
     .rect = {(kWidth + kRateWidth) / 2 + 8, kRateTop, kSealSize, kSealSize},
     .picture = "UpAniBtn",
     .hover_picture = "UpAniBtn_hover"},
    Row(1, "Gold each turn"),
    RowFigure("GoldLbl", 1),
    Row(2, "Happiness each turn"),
    RowFigure("HappinessLbl", 2),
    OkButton((kWidth - kSealSize) / 2, kHeight - kSealSize - 20),
};

}  // namespace

TaxFrm::TaxFrm(Game&, Ui& ui)
    : Form(ui, {.name = "TaxFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this] { ShowFigures(); });
  On("TaxUp", FormEvent::Click, &TaxFrm::TaxUp_Click);
  On("TaxDown", FormEvent::Click, &TaxFrm::TaxDown_Click);
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
}

void TaxFrm::TaxUp_Click() {
  TaxUp(game());
  ShowFigures();
}

void TaxFrm::TaxDown_Click() {
  TaxDown(game());
  ShowFigures();
}

void TaxFrm::ShowFigures() {
  const TaxFigures f = TaxScreenFigures(game().state);
  (*this)["TaxLbl"].SetText(f.Tax);
  (*this)["GoldLbl"].SetText(f.Gold);
  (*this)["HappinessLbl"].SetText(f.Happiness);
}

}  // namespace valorne
