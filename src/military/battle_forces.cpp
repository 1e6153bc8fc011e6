#include "military/battle_forces.h"

#include <array>
#include <cmath>

namespace valorne {

namespace {

// The field battles: each target's map and where its opponent comes from.
struct FieldTarget {
  int target;
  std::string_view map;
  int band;  // outlaw entry loaded; 0 for a rebel mob
};

constexpr FieldTarget kFieldTargets[] = {
    {1, "field2", 1},   {2, "field3", 2},   {3, "field4", 3}, {4, "village1", 0},
    {5, "village2", 0}, {6, "village3", 0}, {12, "cave1", 4}, {13, "ruins1", 5},
};

constexpr std::array<std::string_view, 5> kCastleStageMaps = {"keep", "bailey", "fort",
                                                              "stronghold", "castle"};

}  // namespace

void LoadEnemyForce(GameState& s, int band) {
  s.Outlaws.SetBand(0, band == 0 ? CampComposition{} : s.Outlaws.Band(band));
}

long RebelTemplars(long strength) {
  return static_cast<long>(RoundHalfEven(static_cast<double>(strength) / 3.0));
}

std::string_view PrepareFieldOpponent(GameState& s, int target) {
  for (const FieldTarget& t : kFieldTargets) {
    if (t.target != target) continue;
    if (t.band != 0) {
      LoadEnemyForce(s, t.band);
      return t.map;
    }
    // A rebel mob: the working copy holds its strength as templars and
    // paladins.
    LoadEnemyForce(s, 0);
    CampComposition mob;
    if (target == kTargetRebelMob1) {
      mob.Templars = s.RebelStrength[2];
      mob.Paladins = s.RebelStrength[1];
    } else {
      const long strength = s.RebelBandStrengths[target - kTargetRebelMob1];
      const long templars = RebelTemplars(strength);
      mob.Templars = WrapInteger(templars);
      mob.Paladins = WrapInteger(strength - templars);
    }
    s.Outlaws.SetBand(0, mob);
    return t.map;
  }
  return {};
}

std::string CastleMap(const OneBased<Boolean, 5>& stages, int set) {
  for (int stage = 1; stage <= 5; ++stage) {
    if (IsTrue(stages[stage]))
      return std::string(kCastleStageMaps[static_cast<std::size_t>(stage - 1)]) +
             std::to_string(set);
  }
  return {};
}

}  // namespace valorne
