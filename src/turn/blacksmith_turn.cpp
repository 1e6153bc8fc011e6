// The blacksmith's standing order at the end of turn.
#include "county/blacksmith.h"
#include "turn/economy.h"
#include "turn/messages.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

struct Materials {
  bool wood;
  bool ore;
};

// What items 1..11 are made of (entry 0 unused): the bow of wood; the sword,
// the two-handed sword, the cross, the chain mail and the plate armour of
// ore; the others of both. Only those materials are looked at and paid.
constexpr std::array<Materials, kForgeItems + 1> kMaterials = {{
    {false, false},
    {true, false},  // bow
    {true, true},   // club
    {false, true},  // sword
    {true, true},   // halberd
    {false, true},  // two-handed sword
    {true, true},   // mace
    {true, true},   // pike
    {false, true},  // cross
    {false, true},  // chain mail
    {false, true},  // plate armour
    {true, true},   // shield
}};

}  // namespace

void CalcBlacksmith(Game& game) {
  GameState& s = game.state;
  const int item = s.ForgeOrder;
  if (item < 1 || item > kForgeItems) return;
  const Materials needs = kMaterials[static_cast<std::size_t>(item)];
  const SmithyRate rate = RateOfItem(game.params, item);
  const bool enough_wood = !needs.wood || s.WoodStock >= rate.wood;
  const bool enough_ore = !needs.ore || s.OreStock >= rate.ore;
  if (!enough_wood || !enough_ore) {
    // The stores ran short: the order ends and the smithy stands idle.
    s.ForgeOrder = 0;
    PostNews(game, 1, 68);
    return;
  }
  AddToArmoury(s, kForgeItemInfo[static_cast<std::size_t>(item)].row, rate.pieces);
  if (needs.wood) AddTo(s.WoodStock, -rate.wood);
  if (needs.ore) AddTo(s.OreStock, -rate.ore);
}

}  // namespace valorne
