#include "county/crops_frm.h"

#include "county/crops_cattle_screens.h"
#include "county/field_sheet_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace field_sheet;

constexpr std::array<ControlSpec, 2> kPictures{{
    {.name = "CropsImg",
     .kind = ControlKind::Image,
     .rect = {30, 100, 150, 99},
     .picture = "CropsRes1"},
    // From the second level of farming knowledge a farm stands by the fields.
    {.name = "FarmImg",
     .kind = ControlKind::Image,
     .rect = {65, 216, 80, 69},
     .picture = "HutRes",
     .visible = false},
}};

constexpr std::array<SheetRow, kRows> kSheetRows{{
    {"People on the fields", "PeopleLbl"},
    {"People per field", "WorkingLbl"},
    {"Grain per field", "FieldLbl"},
    {"Lost to birds", "BirdsLbl"},
    {"Net grain per field", "Crops2Lbl"},
    {"Next harvest", "CropsLbl"},
}};

constexpr auto kControls = SheetControls({3, 19}, {3, 20}, kPictures, kSheetRows);

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
