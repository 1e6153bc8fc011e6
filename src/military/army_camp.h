// The army camp's rules: what an army carries, disbanding it (its people go
// home, its equipment back to the armoury and the recruit pools), splitting
// off a detachment, and combining armies that stand on one waypoint.
#pragma once

#include <array>
#include <vector>

#include "state/game.h"

namespace valorne {

inline constexpr long kMaxArmySize = 4000;
inline constexpr long kMinArmySize = 100;
inline constexpr TextRef kNoFreeArmySlot{4, 28};
inline constexpr TextRef kArmyTooSmall{4, 19};
inline constexpr TextRef kArmyTooLarge{4, 21};

// The equipment an army carries, as the army camp shows it.
struct EquipmentCarried {
  long Weapons = 0;
  long Shields = 0;
  long ChainMails = 0;
  long Plates = 0;
  long Horses = 0;
};
EquipmentCarried EquipmentOf(const ArmyComposition& a, long size);

// `ArmySizes` of `army` becomes the sum of its fourteen counts.
void RecountArmy(GameState& s, int army);

// The pairs of existing armies that stand on one waypoint: (1, 2), (1, 3),
// (2, 3), in this order, each with `true` when it may be combined.
std::array<bool, 3> CombinablePairs(const GameState& s);
inline constexpr std::array<std::array<int, 2>, 3> kArmyPairs = {{{1, 2}, {1, 3}, {2, 3}}};

// Disbands `army`: it frees the castle, its people return to the county and
// its equipment to the armoury and the pools; its slot is parked.
void DisbandArmy(Game& game, int army);

// An army slot without an army: no soldiers, no waypoint of its own.
void ParkArmy(GameState& s, int army);

// The split button: refused with a hint while all three armies exist;
// otherwise the next waypoint click opens the split dialog.
TextRef BeginSplitOrder(Game& game);

// The split dialog's two columns: what stays with the army and what marches
// off as the new army.
struct SplitColumns {
  long RaisedTotal = 0;
  ArmyComposition RaisedSoldiers;
  long DetachedTotal = 0;
  ArmyComposition Detached;
};
SplitColumns BeginSplit(const GameState& s, int army);

// The unit kind that entry 0..13 of the split dialog's kind list moves (the
// recruiting screen's type numbers); 0 for anything else.
int SplitUnitType(int entry);

// One soldier of `kind` to the detachment, or back; false when there is none.
bool DetachOne(SplitColumns& c, int kind);
bool ReturnOne(SplitColumns& c, int kind);

// The split dialog's OK: refused with a hint while either part is below 100
// soldiers; otherwise the new army takes the first free slot on the source
// army's waypoint, the new army has 2 moves and the source 1. Returns the
// hint, or an empty text when the split is done.
TextRef FinishSplit(Game& game, const SplitColumns& c);

// The split dialog's No: the waypoint click that opened it moves nothing.
void CancelSplit(Game& game);

// The combine dialog's OK with the ticked boxes of the pairs (1, 2), (1, 3),
// (2, 3): all three armies when every box is ticked, else the first ticked
// pair. The lowest army keeps its slot and takes the others' soldiers.
// Returns the hint of a refusal (above 4000 soldiers), else an empty text.
TextRef CombineArmies(Game& game, const std::array<bool, 3>& ticked);

}  // namespace valorne
