#include "county/blacksmith.h"

#include "county/unit_catalogue.h"

namespace valorne {

namespace {

bool ValidItem(int item) {
  return item >= 1 && item <= kForgeItems;
}

}  // namespace

int SmithyRow(int item) {
  return item == 1 ? 0 : item + 2;
}

SmithyRate RateOfItem(const LevelParams& params, int item) {
  if (!ValidItem(item)) return {};
  const auto& row = params.SmithyParams[static_cast<std::size_t>(SmithyRow(item))];
  return {row[0], row[1], row[2]};
}

Outcome CanOpenBlacksmith(const GameState& s) {
  return IsTrue(s.BuildingBuilt[1]) ? Accepted() : Refused(kBuildingMissing);
}

ForgeItemFigures ItemFigures(const LevelParams& params, int item) {
  ForgeItemFigures f;
  if (!ValidItem(item)) return f;
  const SmithyRate rate = RateOfItem(params, item);
  const ForgeItemInfo& info = kForgeItemInfo[static_cast<std::size_t>(item)];
  f.WoodCost = std::to_string(rate.wood);
  f.OreCost = std::to_string(rate.ore);
  f.Pieces = std::to_string(rate.pieces);
  f.Weapon = {4, info.name_text};
  for (const UnitTypeInfo& unit : kUnitCatalogue) {
    const Equipment e = EquipmentOf(unit.type);
    for (int i = 0; i < e.count; ++i) {
      if (e.rows[static_cast<std::size_t>(i)] == info.row) f.Users.push_back({4, unit.name_text});
    }
  }
  return f;
}

Outcome StartForging(Game& game, int chosen) {
  GameState& s = game.state;
  if (!ValidItem(chosen)) return Refused(kNothingChosen);
  const SmithyRate rate = RateOfItem(game.params, chosen);
  if (rate.wood > s.WoodStock || rate.ore > s.OreStock) {
    s.ForgeOrder = 0;
    return Refused(kNotEnoughResources);
  }
  s.ForgeOrder = static_cast<Byte>(chosen);
  return Accepted(SmithyLineText(s));
}

void StopForging(Game& game) {
  game.state.ForgeOrder = 0;
}

TextRef SmithyLineText(const GameState& s) {
  if (!ValidItem(s.ForgeOrder)) return kNothingRunning;
  return {4, kForgeItemInfo[s.ForgeOrder].name_text};
}

}  // namespace valorne
