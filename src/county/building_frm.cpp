#include "county/building_frm.h"

#include "county/county_sounds.h"
#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 440;
constexpr int kHeight = 220;
constexpr int kSealTop = 128;

const ControlSpec kControls[] = {
    Title("TitleLbl", {20, 16, kWidth - 40, 36}, {3, 14}),
    Rule("RuleLbl", -1, {80, 56, kWidth - 160, 2}),
    {.name = "MsgLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {30, 76, kWidth - 60, 60},
     .caption = {3, 15},
     .fore = look::kInk,
     .font_size = 17,
     .align = TextAlign::Centre},
    Seal("OkAniBtn", "OkAniBtn_hover", 130, kSealTop),
    Seal("Noanibtn", "Noanibtn_hover", 262, kSealTop),
    SealWord("OkWordLbl", 130, kSealTop, "Yes"),
    SealWord("NoWordLbl", 262, kSealTop, "No"),
};

}  // namespace

BuildingFrm::BuildingFrm(Game&, Ui& ui)
    : Form(ui, {.name = "BuildingFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  On("OkAniBtn", FormEvent::Click, &BuildingFrm::OkAniBtn_Click);
  On("Noanibtn", FormEvent::Click, [this] { Close(); });
}

void BuildingFrm::OkAniBtn_Click() {
  game().PlaySound(kCountySoundChannel, "manor01.wav");
  // The castle screen fills itself from the castle stage standing.
  ui().Open("CastleFrm");
  Close();
}

}  // namespace valorne
