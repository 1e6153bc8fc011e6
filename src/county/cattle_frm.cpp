#include "county/cattle_frm.h"

#include "county/crops_cattle_screens.h"
#include "county/field_sheet_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace field_sheet;

// The herds grow with the county's knowledge of farming.
constexpr std::array<ControlSpec, 3> kPictures{{
    {.name = "CattleImg",
     .kind = ControlKind::Image,
     .rect = {30, 100, 150, 99},
     .picture = "CattleRes"},
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
}};

constexpr std::array<SheetRow, kRows> kSheetRows{{
    {"People on the fields", "PeopleLbl"},
    {"People per field", "WorkingLbl"},
    {"Meat per field", "FieldLbl"},
    {"Lost to wolves", "WolfsLbl"},
    {"Net meat per field", "Cattle2Lbl"},
    {"Meat of all herds", "CattleLbl"},
}};

constexpr auto kControls = SheetControls({3, 17}, {3, 18}, kPictures, kSheetRows);

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
