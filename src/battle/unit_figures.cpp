#include "battle/unit_figures.h"

#include "county/unit_catalogue.h"

namespace valorne {

namespace {

constexpr std::string_view kSlotNames[kBattleSlotsUsed] = {
    "archers",   "halberdiers", "club men", "swordsmen", "two-handers", "cavalry",  "heavy cavalry",
    "champions", "templars",    "paladins", "engineers", "long-bowmen", "warlords", "monks"};

Reach ReachOfSlot(int slot) {
  switch (slot) {
    case kSlotArchers:
    case kSlotLongBowmen:
      return Reach::Ranged;
    case kSlotEngineers:
    case kSlotMonks:
      return Reach::Rear;
    default:
      return Reach::Melee;
  }
}

std::array<UnitFigures, kBattleSlotsUsed> MakeFigures() {
  std::array<UnitFigures, kBattleSlotsUsed> figures{};
  for (int slot = 0; slot < kBattleSlotsUsed; ++slot) {
    const UnitTypeInfo& info = UnitType(TypeOfArmySlot(ArmySlotOfBattleSlot(slot)));
    UnitFigures& f = figures[static_cast<std::size_t>(slot)];
    f.attack = ParseFigure(info.attack, &f.charge);
    f.defence = ParseFigure(info.defence);
    f.speed = ParseFigure(info.speed);
    f.reach = ReachOfSlot(slot);
    f.name = kSlotNames[slot];
  }
  return figures;
}

}  // namespace

int ParseFigure(std::string_view text, int* bracketed) {
  int value = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value * 10 + (text[i] - '0');
  if (bracketed) {
    *bracketed = value;
    const std::size_t open = text.find('(', i);
    if (open != std::string_view::npos) {
      int inner = 0;
      for (std::size_t j = open + 1; j < text.size() && text[j] >= '0' && text[j] <= '9'; ++j) {
        inner = inner * 10 + (text[j] - '0');
      }
      *bracketed = inner;
    }
  }
  return value;
}

const UnitFigures& FiguresOfSlot(int battle_slot) {
  static const std::array<UnitFigures, kBattleSlotsUsed> figures = MakeFigures();
  if (battle_slot < 0 || battle_slot >= kBattleSlotsUsed) battle_slot = 0;
  return figures[static_cast<std::size_t>(battle_slot)];
}

}  // namespace valorne
