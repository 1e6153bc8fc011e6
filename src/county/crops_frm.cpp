#include "county/crops_frm.h"

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
    Title("FrmTitleLbl", kWidth, 16, {3, 19}),
    Subtitle("RUNA_Label1", {20, 52, kWidth - 40, 22}, {3, 20}),
    Rule("TitleRule", {60, 82, kWidth - 120, 2}),
    {.name = "CropsImg",
     .kind = ControlKind::Image,
     .rect = {30, 100, 150, 99},
     .picture = "CropsRes1"},
    {.name = "FarmImg",
     .kind = ControlKind::Image,
     .rect = {65, 216, 80, 69},
     .picture = "HutRes",
     .visible = false},
    Row(1, "People on the fields"),
    RowFigure("PeopleLbl", 1),
    Row(2, "People per field"),
    RowFigure("WorkingLbl", 2),
    Row(3, "Grain per field"),
    RowFigure("FieldLbl", 3),
    Row(4, "Lost to birds"),
    RowFigure("BirdsLbl", 4),
    Row(5, "Net grain per field"),
    RowFigure("Crops2Lbl", 5),
    Rule("SumRule", {kCaptionLeft, RowTop(6) - 7, kFigureLeft + kFigureWidth - kCaptionLeft, 1}),
    Row(6, "Next harvest"),
    RowFigure("CropsLbl", 6),
    OkButton((kWidth - kOkSize) / 2, kHeight - kOkSize - 22),
};

}  // namespace

CropsFrm::CropsFrm(Game&, Ui& ui)
    : Form(ui, {.name = "CropsFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
}

void CropsFrm::Form_Load() {
  const CropsFigures f = CropsScreenFigures(game());
  (*this)["CropsLbl"].SetText(f.Crops);
  (*this)["PeopleLbl"].SetText(f.People);
  (*this)["FieldLbl"].SetText(f.Field);
  (*this)["WorkingLbl"].SetText(f.Working);
  (*this)["BirdsLbl"].SetText(f.Birds);
  (*this)["Crops2Lbl"].SetText(f.Crops2);
  (*this)["FarmImg"].SetVisible(f.FarmPicture);
}

}  // namespace valorne
