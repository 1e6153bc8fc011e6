// The forces of a battle: the opponent the level loads into the battle's
// working copy (outlaw entry 0) before it is fought, the maps the battles are
// fought on, and the troop lists in the battle's own slot order.
#pragma once

#include <string>
#include <string_view>

#include "military/battle_exchange.h"
#include "state/game_state.h"

namespace valorne {

// What a battle is fought against (`BattleTarget`).
inline constexpr int kTargetOutlawBand1 = 1;
inline constexpr int kTargetRebelMob1 = 4;
inline constexpr int kTargetRival1Castle = 7;
inline constexpr int kTargetRival1Camp2 = 8;
inline constexpr int kTargetRival1Camp3 = 9;
inline constexpr int kTargetRival2Castle = 10;
inline constexpr int kTargetRival2Camp2 = 11;
inline constexpr int kTargetCave = 12;
inline constexpr int kTargetRuins = 13;

// The engineers an army takes into a battle at most.
inline constexpr int kEngineersInBattle = 24;

// Copies outlaw entry `band` (1..5) into the working copy, entry 0; band 0
// clears it.
void LoadEnemyForce(GameState& s, int band);

// The nearest whole number to strength / 3, halves to even: the templars of a
// rebel mob of that strength.
long RebelTemplars(long strength);

// A field battle against `target` (1..6, 12, 13): loads its opponent into the
// working copy and answers its map ("field2", "village1", "cave1"...). Any
// other target loads nothing and answers an empty map.
std::string_view PrepareFieldOpponent(GameState& s, int target);

// The map of a castle by its stages (keep, bailey, fort, bunker, castle, the
// first that stands): "keep1".."castle1" for `set` 1, "keep2".."castle2" for
// set 2. Empty when no stage stands.
std::string CastleMap(const OneBased<Boolean, 5>& stages, int set);

// A troop list in the battle's slot order; the engineers capped at
// `engineers_cap`.
template <typename T>
BattleTroopList ToBattleSlots(const Troops<T>& troops, long engineers_cap = 65535) {
  BattleTroopList list{};
  for (int slot = 0; slot < kBattleSlotsUsed; ++slot) {
    long count = troops.Get(ArmySlotOfBattleSlot(slot));
    if (slot == kSlotEngineers && count > engineers_cap) count = engineers_cap;
    list[static_cast<std::size_t>(slot)] = static_cast<Integer>(count);
  }
  return list;
}

// A troop list back from the battle's slots.
template <typename T>
Troops<T> FromBattleSlots(const BattleTroopList& list) {
  Troops<T> troops;
  for (int slot = 0; slot < kBattleSlotsUsed; ++slot) {
    troops.Set(ArmySlotOfBattleSlot(slot), list[static_cast<std::size_t>(slot)]);
  }
  return troops;
}

}  // namespace valorne
