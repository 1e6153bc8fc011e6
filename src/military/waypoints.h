// The waypoints of the county map and the roads between them: which markers
// an army standing on a waypoint may step to, the facing of its sprite when
// it walks there, the castle gate's rules and the enemy forces that guard
// some waypoints.
#pragma once

#include <span>
#include <vector>

#include "state/game_state.h"

namespace valorne {

inline constexpr int kCastleWaypoint = 1;
inline constexpr int kMusterWaypoint = 2;   // before the castle gate
inline constexpr int kFarEndWaypoint = 51;  // before the castle of rival county 1
inline constexpr int kFarEndApproach = 50;
inline constexpr int kWaypointCount = 46;

// One waypoint of the graph. `shown` lists the markers made visible while an
// army stands on it (0 ends the list); the castle gate (1) is shown from
// waypoint 2 only under the castle rule. The facing of an army ordered here
// is `facing` when it comes from `from`, overridden by `facing2` when it
// comes from `from2`, and `otherwise` else (0: the facing stays as it was).
struct WaypointRule {
  int number = 0;
  int shown[3] = {};
  int from = 0;
  int facing = 0;
  int from2 = 0;
  int facing2 = 0;
  int otherwise = 0;
};

std::span<const WaypointRule> WaypointTable();
const WaypointRule* FindWaypoint(int number);

// The markers shown for an army standing on `waypoint`, in table order.
std::vector<int> ReachableWaypoints(const GameState& s, int waypoint);

// The facing of an army that stands on `from` and is ordered to `to`;
// `current` when the table leaves it as it was.
Byte FacingFor(int to, int from, Byte current);

// Whether an army of `size` soldiers may enter the castle: the first stage
// standing (keep, bailey, fort, bunker, castle, in this order) whose limit it
// meets takes it in. Stages not built are skipped.
bool CastleTakesArmy(const GameState& s, long size);

// The castle gate opens only while neither rival's attack on the castle is
// counting down.
bool CastleGateOpen(const GameState& s);

// An enemy force that stands before a waypoint: the battle it starts.
struct WaypointGuard {
  int waypoint = 0;
  int target = 0;  // `BattleTarget`
};
// The guard of `waypoint` while its force is in the field, or none.
const WaypointGuard* GuardOfWaypoint(const GameState& s, int waypoint);

// Waypoint 51 lies open once rival county 1 has gone to war with the county
// (the war countdown has started or run out): from then on an army ordered
// there may lay siege to the rival's castle. The flag is kept in the record's
// byte `SpareFlag`: 200 (as a new level begins) closed, 1 open.
bool FarEndOpen(const GameState& s);
void UpdateFarEnd(GameState& s);

}  // namespace valorne
