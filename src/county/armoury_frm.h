// The armoury screen `ArmouryFrm`: what the smithy has made and the recruits
// waiting for the barracks. It only shows; `OkAniBtn` closes it. The item
// pictures and stock labels are shared with the blacksmith screen, which
// shows the same stocks.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "county/armoury.h"
#include "county/blacksmith.h"
#include "screens/toolkit/form.h"
#include "screens/toolkit/page_look.h"

namespace valorne {

struct ForgeItemLook {
  std::string_view picture;      // the item's picture
  std::string_view stock_label;  // the label of its stock
};

// Items 1..11 (entry 0 unused), in the order of the blacksmith's buttons.
inline constexpr std::array<ForgeItemLook, kForgeItems + 1> kForgeItemLooks = {{
    {"", ""},
    {"BowRes", "BowLbl"},
    {"ClubRes", "ClubLbl"},
    {"SwordRes", "SwordLbl"},
    {"HelebardRes", "HelebardLbl"},
    {"TwoHandRes", "TwoHandLbl"},
    {"MaceRes", "MaceLbl"},
    {"PikeRes", "PikeLbl"},
    {"CrossItemRes", "CrossLbl"},
    {"ChainMailRes", "ChainMailLbl"},
    {"PlateRes", "PlateLbl"},
    {"ShieldRes", "ShieldLbl"},
}};

// The name of item 1..11 under its picture in `cell`, on one line: it may
// reach `overhang` units past the cell's sides so that long names need not
// wrap, with the stock right under it.
constexpr ControlSpec ForgeItemName(Rect cell, int item, int picture_size, int overhang) {
  return {
      .name = "ItemNameLbl",
      .kind = ControlKind::RunaLabel,
      .rect = {cell.left - overhang, cell.top + picture_size + 2, cell.width + 2 * overhang, 18},
      .index = item,
      .caption = {4, kForgeItemInfo[static_cast<std::size_t>(item)].name_text},
      .fore = look::kInk,
      .font_size = page_look::kSmallFont,
      .align = TextAlign::Centre};
}

// The stock figure of item 1..11.
const std::string& StockOfItem(const ArmouryFigures& figures, int item);

class ArmouryFrm : public Form {
 public:
  ArmouryFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
};

}  // namespace valorne
