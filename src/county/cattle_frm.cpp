#include "county/cattle_frm.h"

#include "county/county_frm_look.h"
#include "county/crops_cattle_screens.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace county_look;

constexpr int kWidth = 460;
constexpr int kHeight = 390;
constexpr int kCaptionLeft = 200;
constexpr int kFigureLeft = 360;
constexpr int kFigureWidth = 72;

constexpr int RowTop(int row) {
  return 100 + (row - 1) * 32 + (row == 6 ? 10 : 0);
}
constexpr ControlSpec Row(int row, std::string_view words) {
  return RowCaption("RowLbl", row,
                    {kCaptionLeft, RowTop(row), kFigureLeft - kCaptionLeft, kRowHeight}, words);
}
constexpr ControlSpec RowFigure(std::string_view name, int row) {
  return Figure(name, {kFigureLeft, RowTop(row), kFigureWidth, kRowHeight});
}

const ControlSpec kControls[] = {
    Title("FrmTitleLbl", kWidth, 16, {3, 17}),
    Subtitle("RUNA_Label1", {20, 52, kWidth - 40, 22}, {3, 18}),
    Rule("TitleRule", {60, 82, kWidth - 120, 2}),
    {.name = "CattleImg",
     .kind = ControlKind::Image,
     .rect = {30, 100, 150, 99},
     .picture = "CattleRes"},
    // The herds grow with the county's knowledge of farming.
    {.name = "HerdImg1",
     .kind = ControlKind::Image,
     .rect = {30, 216, 72, 48},
     .picture = "CattleRes",
     .visible = false},
    {.name = "HerdImg2",
     .kind = ControlKind::Image,
     .rect = {108, 216, 72, 48},
     .picture = "CattleRes",
     .visible = false},
    Row(1, "People on the fields"),
    RowFigure("PeopleLbl", 1),
    Row(2, "People per field"),
    RowFigure("WorkingLbl", 2),
    Row(3, "Meat per field"),
    RowFigure("FieldLbl", 3),
    Row(4, "Lost to wolves"),
    RowFigure("WolfsLbl", 4),
    Row(5, "Net meat per field"),
    RowFigure("Cattle2Lbl", 5),
    Rule("SumRule", {kCaptionLeft, RowTop(6) - 7, kFigureLeft + kFigureWidth - kCaptionLeft, 1}),
    Row(6, "Meat of all herds"),
    RowFigure("CattleLbl", 6),
    OkButton((kWidth - kOkSize) / 2, kHeight - kOkSize - 22),
};

}  // namespace

CattleFrm::CattleFrm(Game&, Ui& ui)
    : Form(ui, {.name = "CattleFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
}

void CattleFrm::Form_Load() {
  const CattleFigures f = CattleScreenFigures(game());
  (*this)["CattleLbl"].SetText(f.Cattle);
  (*this)["PeopleLbl"].SetText(f.People);
  (*this)["FieldLbl"].SetText(f.Field);
  (*this)["WorkingLbl"].SetText(f.Working);
  (*this)["WolfsLbl"].SetText(f.Wolfs);
  (*this)["Cattle2Lbl"].SetText(f.Cattle2);
  (*this)["HerdImg1"].SetVisible(f.ExtraPictures >= 1);
  (*this)["HerdImg2"].SetVisible(f.ExtraPictures >= 2);
}

}  // namespace valorne
