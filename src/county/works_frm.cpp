#include "county/works_frm.h"

#include <array>
#include <string>

#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 480;
constexpr int kHeight = 420;
constexpr int kCaptionLeft = 180;
constexpr int kFigureLeft = 360;
constexpr int kFigureWidth = 84;
constexpr int kSlotSize = 64;
constexpr int kSlotGap = 16;
constexpr int kSlotsLeft = (kWidth - kWorkPlaces * kSlotSize - (kWorkPlaces - 1) * kSlotGap) / 2;
constexpr int kSlotsTop = 236;

constexpr int RowTop(int row) {
  return 74 + (row - 1) * 32 + (row == 3 ? 8 : 0);
}
constexpr RowColumns kColumns{kCaptionLeft, kFigureLeft, kFigureWidth};
constexpr ControlSpec Row(int row, std::string_view words) {
  return RowCaption(kColumns, row, RowTop(row), words);
}
constexpr ControlSpec RowFigure(std::string_view name, int row) {
  return page_look::RowFigure(kColumns, name, RowTop(row));
}
constexpr ControlSpec Slot(std::string_view name, int place) {
  return {
      .name = name,
      .kind = ControlKind::Image,
      .rect = {kSlotsLeft + (place - 1) * (kSlotSize + kSlotGap), kSlotsTop, kSlotSize, kSlotSize},
      .picture = kSlotFree};
}

// The works' table differs only in the yield label and the picture.
constexpr std::array<ControlSpec, 19> ControlsOf(std::string_view yield_label,
                                                 std::string_view picture) {
  return {{
      // The title is the works' own; it is put on when the screen opens.
      {.name = "FrmTitleLbl",
       .kind = ControlKind::RunaLabel,
       .rect = {20, 16, kWidth - 40, 34},
       .fore = look::kInk,
       .font_size = kTitleFont,
       .align = TextAlign::Centre},
      Rule("TitleRule", {60, 56, kWidth - 120, 2}),
      {.name = "WorksImg",
       .kind = ControlKind::Image,
       .rect = {34, 70, 120, 96},
       .picture = picture},
      Row(1, "Idle people"),
      RowFigure("AvailableLbl", 1),
      Row(2, "People at work"),
      RowFigure("PeopleLbl", 2),
      Rule("SumRule", {kCaptionLeft, RowTop(3) - 6, kFigureLeft + kFigureWidth - kCaptionLeft, 1}),
      Row(3, "Yield next turn"),
      RowFigure(yield_label, 3),
      Subtitle("RUNA_Label1", {20, 196, kWidth - 40, 24}, {3, 61}),
      Slot("SlotImg1", 1),
      Slot("SlotImg2", 2),
      Slot("SlotImg3", 3),
      Slot("SlotImg4", 4),
      Slot("SlotImg5", 5),
      {.name = "RUNA_Label2",
       .kind = ControlKind::RunaLabel,
       .rect = {20, kSlotsTop + kSlotSize + 10, kWidth - 40, 22},
       .caption = {3, 62},
       .fore = look::kInk,
       .font_size = 14,
       .align = TextAlign::Centre},
      OkButton((kWidth - kSealSize) / 2, kHeight - kSealSize - 20),
      Rule("SlotsRule", {60, 190, kWidth - 120, 1}),
  }};
}

constexpr auto kWoodControls = ControlsOf("WoodLbl", "WoodCutterRes");
constexpr auto kStoneControls = ControlsOf("StoneLbl", "StoneCutterRes");
constexpr auto kOreControls = ControlsOf("OreLbl", "OreCutterRes");

std::span<const ControlSpec> TableOf(Works works) {
  switch (works) {
    case Works::Stone:
      return kStoneControls;
    case Works::Ore:
      return kOreControls;
    case Works::Wood:
      break;
  }
  return kWoodControls;
}

}  // namespace

WorksFrm::WorksFrm(Game&, Ui& ui, Works works)
    : Form(ui, {.name = InfoOf(works).form, .size = {kWidth, kHeight}, .controls = TableOf(works)}),
      works_(works) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  for (int place = 1; place <= kWorkPlaces; ++place) {
    On("SlotImg" + std::to_string(place), FormEvent::MouseDown,
       [this, place] { SlotImg_MouseDown(place); });
  }
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
}

void WorksFrm::Form_Load() {
  const TextRef title = InfoOf(works_).title;
  ShowText((*this)["FrmTitleLbl"], title.id, title.category, game().texts);
  ShowFigures();
}

void WorksFrm::SlotImg_MouseDown(int place) {
  // The rule plays the click; a refused place simply stays free.
  ToggleWorkPlace(game(), works_, place);
  ShowFigures();
}

void WorksFrm::ShowFigures() {
  const WorksFigures f = WorksScreenFigures(game(), works_);
  Control& available = (*this)["AvailableLbl"];
  available.SetText(f.Available);
  available.SetFore(f.AvailableWarning ? kWarningInk : look::kInk);
  (*this)["PeopleLbl"].SetText(f.People);
  (*this)[InfoOf(works_).yield_label].SetText(f.Yield);
  for (int place = 1; place <= kWorkPlaces; ++place) {
    (*this)["SlotImg" + std::to_string(place)].SetPicture(f.SlotPictures[place]);
  }
}

}  // namespace valorne
