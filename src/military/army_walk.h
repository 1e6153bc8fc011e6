// Orders given to the armies on the map: the click on a waypoint marker
// (a walk, the castle gate, an attack question, the siege of the rival's
// castle, a pending split), the arrival of a walk, the remote sites an army
// discovers and the find at waypoint 34, and leaving the castle.
#pragma once

#include "state/game.h"

namespace valorne {

// What became of an order.
enum class WalkOrder {
  Nothing,  // refused, a question asked instead, or only the click mode reset
  Walk,     // the selected army walks to the waypoint
  Placed,   // the selected army stands on the waypoint at once (the siege)
};

struct WalkResult {
  WalkOrder order = WalkOrder::Nothing;
  bool discovered = false;  // the order discovered a remote site
};

// The click on waypoint marker `n` for `SelectedArmy`. Sets `ArmyFacing`,
// the army's waypoint and `GarrisonedArmy` as the order calls for; asks the
// attack and siege questions and opens the split dialog through the game's
// screens. A walk order also sets `LiveState::WalkOrdered`.
WalkResult OrderWalk(Game& game, int n);

// The walk has reached its waypoint: the selected army spends a move.
void ArmyArrived(Game& game);
// The walk of `army` has reached its waypoint: the army spends a move (the
// player may have selected another army while it walked).
void ArmyArrived(Game& game, int army);

// The remote site at a waypoint (1 the dolmen at 18, 2 the statue at 29, 3
// the chapel at 42, the numbering of the scouts' targets), or 0.
int RemoteSiteAt(int waypoint);

// The find at waypoint 34: what the county gains, once.
inline constexpr long kFindGold = 150;
inline constexpr long kFindWood = 230;
inline constexpr long kFindStone = 100;
inline constexpr long kFindOre = 300;

// The garrisoned army leaves the castle for waypoint 2: the castle is free,
// the army is selected and ordered out as by a click on that marker.
WalkResult LeaveCastle(Game& game);

// The text shown when waypoint 51 does not yet lie open.
inline constexpr TextRef kFarEndClosedTip{4, 157};

}  // namespace valorne
