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

// The stock figure of item 1..11.
const std::string& StockOfItem(const ArmouryFigures& figures, int item);

class ArmouryFrm : public Form {
 public:
  ArmouryFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
};

}  // namespace valorne
