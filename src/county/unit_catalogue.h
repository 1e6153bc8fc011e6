// The fourteen unit types a county can raise: their figures, what each
// soldier takes from the armoury, the conditions for raising them, and the
// slot of their count in an army record. The recruiting screen numbers the
// types 1..14; the army record keeps them in its own order (long-bowmen,
// warlord and engineers are types 13, 14 and 12 but slots 12, 13 and 14).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "county/armoury.h"
#include "state/values.h"

namespace valorne {

inline constexpr int kUnitTypes = 14;

// What must hold before a type can be chosen on the recruiting screen.
enum class UnitCondition {
  None,
  MonkReligion,  // the lord's religion at least 55 / 70 / 90 by difficulty
  Stables,       // the stables are built
  Religion50,    // the lord's religion at least 50
};

struct UnitTypeInfo {
  int type;                 // 1..14, the recruiting screen's number
  std::string_view button;  // the type's button on the recruiting screen
  Integer name_text;        // category 4
  Integer hint_text;        // category 1
  std::string_view attack, defence, speed;
  ArmouryRow weapon;  // the item (or recruit pool) every soldier of the type takes
  bool shield, chain_mail, plate;
  int cap;  // most soldiers of the type in one army, 0 for no cap
  UnitCondition condition;
  int army_slot;  // 1..14, the count's place in an army record
};

inline constexpr std::array<UnitTypeInfo, kUnitTypes> kUnitCatalogue = {{
    {1, "MonkBtn", 60, 20, "0", "0", "5", ArmouryRow::Crosses, false, false, false, 5,
     UnitCondition::MonkReligion, 1},
    {2, "ArcherBtn", 61, 21, "3", "0", "7", ArmouryRow::Bows, false, false, false, 0,
     UnitCondition::None, 2},
    {3, "MacemanBtn", 62, 22, "3", "1", "7", ArmouryRow::Clubs, false, false, false, 0,
     UnitCondition::None, 3},
    {4, "SwordsmenBtn", 63, 23, "5", "6", "5", ArmouryRow::Swords, true, false, true, 0,
     UnitCondition::None, 4},
    {5, "HelebarderBtn", 64, 24, "5", "3", "5", ArmouryRow::Helebards, false, true, false, 0,
     UnitCondition::None, 5},
    {6, "TwoHandBtn", 65, 25, "7", "4", "5", ArmouryRow::TwoHandSwords, false, true, false, 0,
     UnitCondition::None, 6},
    {7, "CavalryBtn", 66, 26, "6", "4", "12", ArmouryRow::Swords, false, true, false, 0,
     UnitCondition::Stables, 7},
    {8, "HCavalryBtn", 67, 27, "8", "10", "9", ArmouryRow::Maces, true, false, true, 0,
     UnitCondition::Stables, 8},
    {9, "ChampionBtn", 68, 28, "6 (13)", "8", "10", ArmouryRow::Pikes, true, false, true, 0,
     UnitCondition::Stables, 9},
    {10, "TemplarBtn", 69, 29, "8", "4", "7", ArmouryRow::TwoHandSwords, false, false, true, 0,
     UnitCondition::Religion50, 10},
    {11, "PaladinBtn", 70, 30, "6", "7", "5", ArmouryRow::Swords, false, false, true, 0,
     UnitCondition::Religion50, 11},
    {12, "EnginerBtn", 71, 31, "0", "0", "3", ArmouryRow::Engineers, false, false, false, 0,
     UnitCondition::None, 14},
    {13, "LongBowBtn", 72, 32, "4", "0", "7", ArmouryRow::LongBows, false, false, false, 0,
     UnitCondition::None, 12},
    {14, "WarlordBtn", 73, 33, "60", "6", "3", ArmouryRow::Warlords, false, false, false, 1,
     UnitCondition::None, 13},
}};

// The catalogue entry of type 1..14 (type 1 for a number outside).
const UnitTypeInfo& UnitType(int type);

// The army slot of a type, and the type kept in an army slot.
int ArmySlotOfType(int type);
int TypeOfArmySlot(int slot);

// Every armoury row a soldier of the type takes, one piece each, weapon first.
struct Equipment {
  std::array<ArmouryRow, 4> rows{};
  int count = 0;
};
Equipment EquipmentOf(int type);

// Whether the type's soldier carries a weapon from the smithy; long-bowmen,
// warlords and engineers come from their pools with their own arms.
bool NeedsWeapon(int type);

// The religion a lord needs for monks, by difficulty 1..3.
Integer MonkReligionNeeded(int difficulty);

// The portrait picture of a type: "sold1res" .. "sold14res".
std::string UnitPortrait(int type);

}  // namespace valorne
