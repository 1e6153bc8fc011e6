#include "county/unit_catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace valorne {
namespace {

TEST(UnitCatalogue, TypesAndArmySlotsMatchOneToOne) {
  // The recruiting screen's numbers differ from the army record's only for
  // the engineers, long-bowmen and warlords.
  const std::array<int, kUnitTypes> slots = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 12, 13};
  std::set<int> seen;
  for (int type = 1; type <= kUnitTypes; ++type) {
    const int slot = ArmySlotOfType(type);
    EXPECT_EQ(slot, slots[static_cast<std::size_t>(type - 1)]) << type;
    EXPECT_EQ(TypeOfArmySlot(slot), type);
    EXPECT_EQ(UnitType(type).type, type);
    seen.insert(slot);
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kUnitTypes));
  EXPECT_EQ(TypeOfArmySlot(0), 0);
}

TEST(UnitCatalogue, OnlyTheSmithysArmsCountAsWeapons) {
  for (int type = 1; type <= kUnitTypes; ++type) {
    EXPECT_EQ(NeedsWeapon(type), type <= 11) << type;
  }
  EXPECT_EQ(MonkReligionNeeded(1), 55);
  EXPECT_EQ(MonkReligionNeeded(2), 70);
  EXPECT_EQ(MonkReligionNeeded(3), 90);
  EXPECT_EQ(UnitPortrait(14), "sold14res");
}

}  // namespace
}  // namespace valorne
