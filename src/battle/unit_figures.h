// The figures a soldier of each battle slot fights with: attack, defence and
// speed from the unit catalogue, the charge of the champions ("6 (13)"), and
// who shoots from afar. Slots 14 and 15 carry nobody.
#pragma once

#include <array>
#include <string_view>

#include "military/battle_exchange.h"

namespace valorne {

enum class Reach {
  Melee,   // fights hand to hand
  Ranged,  // shoots from afar, standing behind the lines
  Rear,    // does not fight; stays behind the lines (monks, engineers)
};

struct UnitFigures {
  int attack = 0;
  int charge = 0;  // attack in the first clash of the melee
  int defence = 0;
  int speed = 0;
  Reach reach = Reach::Melee;
  std::string_view name;  // plural, for the battle window's key
};

// The figures of battle slot 0..13.
const UnitFigures& FiguresOfSlot(int battle_slot);

// "6 (13)" gives 6 and, through `bracketed`, 13; a plain "5" gives 5 and 5.
int ParseFigure(std::string_view text, int* bracketed = nullptr);

}  // namespace valorne
