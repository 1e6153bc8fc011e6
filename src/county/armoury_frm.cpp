#include "county/armoury_frm.h"

#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 600;
constexpr int kHeight = 590;
constexpr int kColumns = 4;
constexpr int kCellWidth = 134;
constexpr int kCellHeight = 118;
constexpr int kGridLeft = (kWidth - kColumns * kCellWidth) / 2;
constexpr int kGridTop = 72;
constexpr int kItemSize = 64;
constexpr int kSealTop = 508;

constexpr Rect Cell(int item) {
  const int column = (item - 1) % kColumns;
  const int row = (item - 1) / kColumns;
  return {kGridLeft + column * kCellWidth, kGridTop + row * kCellHeight, kCellWidth, kCellHeight};
}

// The recruits waiting for the barracks, in a row under the items.
constexpr int kPoolsTop = kGridTop + 3 * kCellHeight + 40;
constexpr int kPoolWidth = 178;

constexpr ControlSpec PoolCaption(int pool, std::string_view words) {
  return Caption("PoolCaptionLbl", pool + 1,
                 {kGridLeft + 8 + pool * kPoolWidth, kPoolsTop, 120, kRowHeight}, words);
}

constexpr ControlSpec PoolFigure(std::string_view name, int pool) {
  return Figure(name, {kGridLeft + 8 + pool * kPoolWidth + 120, kPoolsTop, 40, kRowHeight});
}

constexpr std::size_t kControlCount = 13 + 3 * kForgeItems;

constexpr std::array<ControlSpec, kControlCount> MakeControls() {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = Title("TitleLbl", {20, 16, kWidth - 40, 36}, {}, "Armoury");
  c[n++] = Rule("RuleLbl", 1, {100, 56, kWidth - 200, 2});
  for (int item = 1; item <= kForgeItems; ++item) {
    const Rect cell = Cell(item);
    const auto i = static_cast<std::size_t>(item);
    c[n++] = {.name = "ItemImg",
              .kind = ControlKind::Image,
              .rect = {cell.left + (kCellWidth - kItemSize) / 2, cell.top, kItemSize, kItemSize},
              .picture = kForgeItemLooks[i].picture,
              .index = item};
    c[n++] = ForgeItemName(cell, item, kItemSize, 8);
    c[n++] = {.name = kForgeItemLooks[i].stock_label,
              .kind = ControlKind::Label,
              .rect = {cell.left + 2, cell.top + kItemSize + 21, kCellWidth - 4, 22},
              .fore = look::kInk,
              .font_size = 17,
              .align = TextAlign::Centre};
  }
  c[n++] = Rule("RuleLbl", 3, {40, kPoolsTop - 36, kWidth - 80, 1});
  c[n++] = Heading("HeadingLbl", -1, {kGridLeft, kPoolsTop - 28, 400, 22},
                   "Recruits waiting for the barracks");
  c[n++] = PoolCaption(0, "Long-bowmen");
  c[n++] = PoolFigure("LongBowLbl", 0);
  c[n++] = PoolCaption(1, "Warlords");
  c[n++] = PoolFigure("WarlordLbl", 1);
  c[n++] = PoolCaption(2, "Engineers");
  c[n++] = PoolFigure("EngineerLbl", 2);
  c[n++] = Seal("OkAniBtn", "OkAniBtn_hover", (kWidth - kSealSize) / 2, kSealTop);
  c[n++] = SealWord("OkWordLbl", (kWidth - kSealSize) / 2, kSealTop, "Close");
  c[n++] = Rule("RuleLbl", 2, {40, kSealTop - 12, kWidth - 80, 1});
  if (n != kControlCount) throw "ArmouryFrm: the control count is wrong";
  return c;
}

constexpr auto kControls = MakeControls();

}  // namespace

const std::string& StockOfItem(const ArmouryFigures& f, int item) {
  switch (item) {
    case 2:
      return f.Club;
    case 3:
      return f.Sword;
    case 4:
      return f.Helebard;
    case 5:
      return f.TwoHand;
    case 6:
      return f.Mace;
    case 7:
      return f.Pike;
    case 8:
      return f.Cross;
    case 9:
      return f.ChainMail;
    case 10:
      return f.Plate;
    case 11:
      return f.Shield;
    default:
      return f.Bow;
  }
}

ArmouryFrm::ArmouryFrm(Game&, Ui& ui)
    : Form(ui, {.name = "ArmouryFrm",
                .size = {kWidth, kHeight},
                .controls = kControls,
                .enlarges = FitsEnlarged(kWidth, kHeight)}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
}

void ArmouryFrm::Form_Load() {
  const GameState& s = game().state;
  const ArmouryFigures f = ArmouryScreenFigures(s);
  for (int item = 1; item <= kForgeItems; ++item) {
    (*this)[kForgeItemLooks[static_cast<std::size_t>(item)].stock_label].SetText(
        StockOfItem(f, item));
  }
  (*this)["LongBowLbl"].SetText(std::to_string(ArmouryStock(s, ArmouryRow::LongBows)));
  (*this)["WarlordLbl"].SetText(std::to_string(ArmouryStock(s, ArmouryRow::Warlords)));
  (*this)["EngineerLbl"].SetText(std::to_string(ArmouryStock(s, ArmouryRow::Engineers)));
}

}  // namespace valorne
