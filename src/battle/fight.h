// The fight of the battle program: a pure function from the battle input to
// the battle output. The same battle always ends the same way, because the
// only chance in it (each side's luck in each clash) is drawn from a
// generator seeded with the bytes of the battle input.
//
// The battle is fought in rounds: a volley of the bowmen, then clashes in
// which every side on the field strikes at the sides of the other teams.
// A side leaves the field when it has fallen or when its losses break its
// morale; the battle ends when one team is left on the field, or after the
// last round, when the weaker teams withdraw. The round by round state is
// kept, so that the battle window can play the fight back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "battle/battle_map.h"
#include "military/battle_exchange.h"

namespace valorne {

inline constexpr int kMaxBattleRounds = 12;

enum class SideStatus : std::uint8_t {
  Fighting,
  Routed,  // fled the field; its survivors live
  Fallen,  // nobody of it stands (or it came with nobody)
};

using SlotCounts = std::array<double, kBattleSlotsUsed>;

// The field after one round (or before the first, as round 0).
struct FightRound {
  std::array<SlotCounts, kMaxBattleSides> alive{};
  std::array<SideStatus, kMaxBattleSides> status{};
  double walls = 0;  // the part of the castle walls still standing, 0..1
};

struct FightReport {
  BattleInput input;  // the battle as it was sent
  BattleOutput output;
  BattleMap map;
  int winning_team = -1;  // -1: nobody held the field
  std::vector<FightRound> rounds;
};

// Fights the battle. Only the input's sides (the first four) take part, each
// with the slots its list carries; troop counts below 0 are taken as nobody
// and come back unchanged.
FightReport FightBattle(const BattleInput& input);

// Why the battle program cannot fight a battle the level should never send
// (a negative troop count, a morale above 100, an unknown battle kind).
std::optional<std::string> UnfightableBattle(const BattleInput& input);

// The seed of a battle's luck: FNV-1a over the bytes of its input file.
std::uint64_t BattleSeed(const BattleInput& input);

}  // namespace valorne
