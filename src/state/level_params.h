// The level's parameter tables: small tables of whole numbers set once at
// level start (and again after every load), some by difficulty.
#pragma once

#include <array>

#include "state/values.h"

namespace valorne {

struct LevelParams {
  std::array<Integer, 2> CropsParams{};       // [0] base grain per crops field, [1] people
  std::array<Integer, 2> CattleParams{};      // [0] base meat per cattle field, [1] people
  std::array<Integer, 2> WoodWorksParams{};   // [0] wood per place per turn, [1] people per place
  std::array<Integer, 2> StoneWorksParams{};  // [0] stone per place per turn, [1] people
  std::array<Integer, 2> OreWorksParams{};    // [0] ore per place per turn, [1] people
  // Buildings 1..10 (index 0 unused): [0] turns, [1] gold, [2] wood, [3] stone.
  std::array<std::array<Integer, 4>, 11> BuildingParams{};
  // Blacksmith rows 0..13: [0] pieces per turn, [1] wood, [2] ore per turn.
  std::array<std::array<Integer, 3>, 14> SmithyParams{};
  Integer AssassinCost = 0;
  Integer ScoutCost = 0;
  Integer GuardCost = 0;
  Integer TradeDiplomacyMin = 0;
};

// Fills the tables for difficulty 1 (easy), 2 (normal) or 3 (hard). Another
// difficulty leaves the tables that depend on it untouched.
void SetUpLevelParams(LevelParams& params, int difficulty);

}  // namespace valorne
