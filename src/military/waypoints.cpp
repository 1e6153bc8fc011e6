#include "military/waypoints.h"

#include <algorithm>

namespace valorne {

namespace {

// Facings: 1 up, 2 up-right, 3 right, 4 left, 5 down-left, 6 down,
// 7 down-right, 8 up-left.
constexpr WaypointRule kWaypoints[kWaypointCount] = {
    {1, {2}, 2, 4, 0, 0, 0},
    {2, {3}, 1, 3, 0, 0, 4},
    {3, {2, 4}, 2, 3, 0, 0, 8},
    {4, {3, 5}, 3, 7, 0, 0, 8},
    {5, {4, 6}, 4, 7, 0, 0, 8},
    {6, {5, 7}, 5, 7, 0, 0, 8},
    {7, {6, 8}, 6, 7, 0, 0, 8},
    {8, {7, 9}, 7, 7, 0, 0, 8},
    {9, {8, 10}, 8, 7, 0, 0, 2},
    {10, {9, 11}, 9, 5, 0, 0, 2},
    {11, {10, 12}, 10, 5, 0, 0, 2},
    {12, {11, 13}, 11, 5, 0, 0, 2},
    {13, {12, 14}, 12, 5, 0, 0, 2},
    {14, {13, 15}, 13, 5, 0, 0, 2},
    {15, {14, 16, 19}, 14, 5, 19, 3, 6},
    {16, {15, 17}, 15, 1, 0, 0, 6},
    {17, {16, 18}, 16, 1, 0, 0, 6},
    {18, {17}, 0, 0, 0, 0, 1},
    {19, {15, 20}, 15, 4, 0, 0, 3},
    {20, {19, 21}, 19, 4, 0, 0, 3},
    {21, {20, 22}, 20, 4, 0, 0, 1},
    {22, {21, 23}, 21, 6, 0, 0, 1},
    {23, {22, 24, 43}, 22, 6, 43, 2, 7},
    {24, {23, 25}, 23, 8, 0, 0, 7},
    {25, {24, 26}, 24, 8, 0, 0, 7},
    {26, {25, 27}, 25, 8, 0, 0, 1},
    {27, {26, 28, 30}, 26, 6, 30, 3, 7},
    {28, {27, 29}, 27, 8, 0, 0, 7},
    {29, {28}, 0, 0, 0, 0, 8},
    {30, {27, 31}, 27, 4, 0, 0, 3},
    {31, {30, 32}, 30, 4, 0, 0, 3},
    {32, {31, 33}, 31, 4, 0, 0, 3},
    {33, {32, 34}, 32, 4, 0, 0, 3},
    {34, {33, 35}, 33, 4, 0, 0, 1},
    {35, {34, 36}, 34, 6, 0, 0, 3},
    {36, {35, 37}, 35, 4, 0, 0, 3},
    {37, {36, 38}, 36, 4, 0, 0, 3},
    {38, {37, 39}, 37, 4, 0, 0, 2},
    {39, {38, 40}, 38, 5, 0, 0, 2},
    {40, {39, 41}, 39, 5, 0, 0, 2},
    {41, {40, 42}, 40, 5, 0, 0, 2},
    {42, {41}, 0, 0, 0, 0, 5},
    {43, {23, 44}, 23, 5, 0, 0, 2},
    {44, {43, 50}, 43, 5, 0, 0, 3},
    {50, {44, 51}, 44, 4, 0, 0, 3},
    {51, {50}, 0, 0, 0, 0, 0},
};

// The castle stages in the order the gate tries them, with the soldiers
// each holds: the great castle holds fewer than the bunker.
constexpr struct {
  int stage;
  long limit;
} kCastleLimits[] = {{1, 400}, {2, 600}, {3, 700}, {4, 1500}, {5, 1100}};

bool AnyCastleStage(const GameState& s) {
  for (int stage = 1; stage <= 5; ++stage) {
    if (IsTrue(s.CastleStageBuilt[stage])) return true;
  }
  return false;
}

}  // namespace

std::span<const WaypointRule> WaypointTable() {
  return kWaypoints;
}

const WaypointRule* FindWaypoint(int number) {
  for (const WaypointRule& w : kWaypoints) {
    if (w.number == number) return &w;
  }
  return nullptr;
}

std::vector<int> ReachableWaypoints(const GameState& s, int waypoint) {
  std::vector<int> shown;
  const WaypointRule* w = FindWaypoint(waypoint);
  if (!w) return shown;
  for (int n : w->shown) {
    if (n != 0) shown.push_back(n);
  }
  // The castle gate is shown from before it while a castle stands and no army
  // holds it.
  if (waypoint == kMusterWaypoint && AnyCastleStage(s) && s.GarrisonedArmy == 0) {
    shown.insert(shown.begin(), kCastleWaypoint);
  }
  return shown;
}

Byte FacingFor(int to, int from, Byte current) {
  const WaypointRule* w = FindWaypoint(to);
  if (!w) return current;
  int facing = w->otherwise;
  if (w->from != 0 && from == w->from) facing = w->facing;
  if (w->from2 != 0 && from == w->from2) facing = w->facing2;
  return facing == 0 ? current : static_cast<Byte>(facing);
}

bool CastleTakesArmy(const GameState& s, long size) {
  return std::any_of(std::begin(kCastleLimits), std::end(kCastleLimits), [&](const auto& c) {
    return IsTrue(s.CastleStageBuilt[c.stage]) && size <= c.limit;
  });
}

bool CastleGateOpen(const GameState& s) {
  return s.RivalStatus[2] == kIdle && s.RivalStatus[3] == kIdle;
}

const WaypointGuard* GuardOfWaypoint(const GameState& s, int waypoint) {
  static constexpr WaypointGuard kOutlaws1{24, 1}, kOutlaws2{31, 2}, kMob1{9, 4}, kMob2{34, 5};
  switch (waypoint) {
    case 24:
      return IsTrue(s.GoalFlags[1]) ? &kOutlaws1 : nullptr;
    case 31:
      return IsTrue(s.GoalFlags[2]) ? &kOutlaws2 : nullptr;
    case 9:
      return IsTrue(s.RebelsActive) ? &kMob1 : nullptr;
    case 34:
      return IsTrue(s.RebelValues[1]) ? &kMob2 : nullptr;
    default:
      return nullptr;
  }
}

bool FarEndOpen(const GameState& s) {
  return s.SpareFlag == 1;
}

void UpdateFarEnd(GameState& s) {
  if (IsTrue(s.Rival1Standing) && s.WarCountdown[1] != 0) s.SpareFlag = 1;
}

}  // namespace valorne
