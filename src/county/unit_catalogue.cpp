#include "county/unit_catalogue.h"

namespace valorne {

const UnitTypeInfo& UnitType(int type) {
  if (type < 1 || type > kUnitTypes) type = 1;
  return kUnitCatalogue[static_cast<std::size_t>(type - 1)];
}

int ArmySlotOfType(int type) {
  return UnitType(type).army_slot;
}

int TypeOfArmySlot(int slot) {
  for (const UnitTypeInfo& info : kUnitCatalogue) {
    if (info.army_slot == slot) return info.type;
  }
  return 0;
}

Equipment EquipmentOf(int type) {
  const UnitTypeInfo& info = UnitType(type);
  Equipment e;
  auto add = [&e](ArmouryRow row) { e.rows[static_cast<std::size_t>(e.count++)] = row; };
  add(info.weapon);
  if (info.shield) add(ArmouryRow::Shields);
  if (info.chain_mail) add(ArmouryRow::ChainMails);
  if (info.plate) add(ArmouryRow::PlateArmours);
  return e;
}

bool NeedsWeapon(int type) {
  const ArmouryRow w = UnitType(type).weapon;
  return w != ArmouryRow::LongBows && w != ArmouryRow::Warlords && w != ArmouryRow::Engineers;
}

Integer MonkReligionNeeded(int difficulty) {
  switch (difficulty) {
    case 1:
      return 55;
    case 3:
      return 90;
    default:
      return 70;
  }
}

std::string UnitPortrait(int type) {
  return "sold" + std::to_string(type) + "res";
}

}  // namespace valorne
