#include "state/level_params.h"

namespace valorne {

void SetUpLevelParams(LevelParams& p, int difficulty) {
  if (difficulty >= 1 && difficulty <= 3) {
    const auto d = static_cast<std::size_t>(difficulty - 1);
    constexpr std::array<Integer, 3> crops = {550, 450, 400};
    constexpr std::array<Integer, 3> cattle = {120, 75, 55};
    constexpr std::array<Integer, 3> wood = {255, 155, 100};
    constexpr std::array<Integer, 3> stone = {200, 120, 100};
    constexpr std::array<Integer, 3> ore = {310, 210, 180};
    constexpr std::array<Integer, 3> trade_diplomacy = {60, 80, 95};
    p.CropsParams = {crops[d], 100};
    p.CattleParams = {cattle[d], 45};
    p.WoodWorksParams = {wood[d], 260};
    p.StoneWorksParams = {stone[d], 300};
    p.OreWorksParams = {ore[d], 185};
    p.TradeDiplomacyMin = trade_diplomacy[d];
  }
  p.BuildingParams = {{
      {0, 0, 0, 0},
      {2, 5000, 800, 200},      // blacksmith
      {2, 5000, 800, 1000},     // barracks
      {1, 6000, 1500, 200},     // stables
      {2, 5000, 1000, 750},     // market
      {1, 3000, 800, 500},      // thieves' den
      {3, 5000, 5000, 500},     // keep
      {5, 7000, 8000, 1000},    // bailey
      {8, 10000, 4000, 6000},   // fort
      {12, 12000, 11000, 18000},  // bunker
      {16, 20000, 7000, 9000},  // castle
  }};
  p.SmithyParams = {{
      {30, 500, 0},    // row 0: bows
      {0, 0, 0},       // rows 1..3: long bows, warlords, engineers (not forged)
      {0, 0, 0},
      {0, 0, 0},
      {40, 300, 200},  // clubs
      {20, 0, 500},    // swords
      {30, 600, 300},  // halberds
      {30, 0, 700},    // two-handed swords
      {10, 300, 800},  // maces
      {20, 1000, 50},  // pikes
      {1, 0, 100},     // crosses
      {40, 0, 700},    // chain mails
      {35, 0, 1000},   // plate armours
      {40, 400, 100},  // shields
  }};
  p.AssassinCost = 4150;
  p.ScoutCost = 2600;
  p.GuardCost = 700;
}

}  // namespace valorne
