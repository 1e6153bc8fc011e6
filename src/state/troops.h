// Troop lists: the fourteen unit kinds of an army, always in this order.
// A player army keeps its engineers in an Integer, a rival county's army
// (a camp on the map) in a Byte; otherwise the two lists are alike.
#pragma once

#include <array>
#include <string_view>

#include "state/values.h"

namespace valorne {

inline constexpr int kUnitKinds = 14;

enum class Unit : int {
  Monks = 1,
  Archers,
  ClubMen,
  SwordMen,
  Helebarders,
  TwoHanders,
  Cavalry,
  HeavyCavalry,
  Champions,
  Templars,
  Paladins,
  LongBowmen,
  Warlords,
  Engineers,
};

inline constexpr std::array<std::string_view, kUnitKinds> kUnitNames = {
    "Monks",    "Archers",  "ClubMen",  "SwordMen",   "Helebarders", "TwoHanders", "Cavalry",
    "HeavyCavalry", "Champions", "Templars", "Paladins", "LongBowmen", "Warlords", "Engineers"};

template <typename EngineersType>
struct Troops {
  Byte Monks = 0;
  Integer Archers = 0;
  Integer ClubMen = 0;
  Integer SwordMen = 0;
  Integer Helebarders = 0;
  Integer TwoHanders = 0;
  Integer Cavalry = 0;
  Integer HeavyCavalry = 0;
  Integer Champions = 0;
  Integer Templars = 0;
  Integer Paladins = 0;
  Integer LongBowmen = 0;
  Byte Warlords = 0;
  EngineersType Engineers = 0;

  // The count of unit kind 1..14.
  long Get(int kind) const {
    switch (kind) {
      case 1: return Monks;
      case 2: return Archers;
      case 3: return ClubMen;
      case 4: return SwordMen;
      case 5: return Helebarders;
      case 6: return TwoHanders;
      case 7: return Cavalry;
      case 8: return HeavyCavalry;
      case 9: return Champions;
      case 10: return Templars;
      case 11: return Paladins;
      case 12: return LongBowmen;
      case 13: return Warlords;
      case 14: return Engineers;
      default: return 0;
    }
  }
  long Get(Unit u) const { return Get(static_cast<int>(u)); }

  // Stores a count into unit kind 1..14, wrapping to the field's width.
  void Set(int kind, long value) {
    switch (kind) {
      case 1: Monks = WrapByte(value); break;
      case 2: Archers = WrapInteger(value); break;
      case 3: ClubMen = WrapInteger(value); break;
      case 4: SwordMen = WrapInteger(value); break;
      case 5: Helebarders = WrapInteger(value); break;
      case 6: TwoHanders = WrapInteger(value); break;
      case 7: Cavalry = WrapInteger(value); break;
      case 8: HeavyCavalry = WrapInteger(value); break;
      case 9: Champions = WrapInteger(value); break;
      case 10: Templars = WrapInteger(value); break;
      case 11: Paladins = WrapInteger(value); break;
      case 12: LongBowmen = WrapInteger(value); break;
      case 13: Warlords = WrapByte(value); break;
      case 14:
        if constexpr (sizeof(EngineersType) == 1) {
          Engineers = WrapByte(value);
        } else {
          Engineers = WrapInteger(value);
        }
        break;
      default: break;
    }
  }
  void Set(Unit u, long value) { Set(static_cast<int>(u), value); }

  long Total() const {
    long sum = 0;
    for (int k = 1; k <= kUnitKinds; ++k) sum += Get(k);
    return sum;
  }

  void Clear() { *this = Troops{}; }

  friend bool operator==(const Troops&, const Troops&) = default;
};

using ArmyComposition = Troops<Integer>;  // 26 bytes in a save
using CampComposition = Troops<Byte>;     // 25 bytes in a save

// Copies a troop list of one kind into the other, unit kind by unit kind.
template <typename To, typename From>
To CopyTroops(const From& from) {
  To to;
  for (int k = 1; k <= kUnitKinds; ++k) to.Set(k, from.Get(k));
  return to;
}

}  // namespace valorne
