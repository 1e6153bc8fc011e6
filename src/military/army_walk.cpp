#include "military/army_walk.h"

#include "military/map_places.h"
#include "military/waypoints.h"
#include "turn/messages.h"

namespace valorne {

namespace {

constexpr int kAttackQuestion = 11;
constexpr int kSiegeQuestion = 12;
constexpr int kQuestionText = 117;
constexpr Byte kFindThere = 100;
constexpr Byte kFindTaken = 200;
constexpr Byte kSiegeLaid = 50;  // a siege countdown below this was just set
constexpr int kFindWaypoint = 34;

bool ArmySelected(const GameState& s) {
  return s.SelectedArmy >= 1 && s.SelectedArmy <= 3;
}

// The army stands on (or walks to) waypoint `n` from now on.
void SendTo(Game& game, int n) {
  GameState& s = game.state;
  s.ArmyWaypointNos[s.SelectedArmy] = static_cast<Byte>(n);
  game.live.WalkOrdered = true;
}

// An army ordered to a remote site discovers it; scouts on their way there
// are called back.
bool DiscoverSite(Game& game, int site) {
  GameState& s = game.state;
  if (s.ScoutTarget() == site) {
    s.ScoutTurns() = kIdle;
    s.ScoutTarget() = 0;
  }
  if (RemoteSiteDiscovered(game, site)) return false;
  DiscoverRemoteSite(game, site);
  return true;
}

void TakeFind(Game& game) {
  if (game.live.Waypoint34Find != kFindThere) return;
  GameState& s = game.state;
  s.Gold = WrapLong(static_cast<std::int64_t>(s.Gold) + kFindGold);
  s.WoodStock = WrapLong(static_cast<std::int64_t>(s.WoodStock) + kFindWood);
  s.StoneStock = WrapLong(static_cast<std::int64_t>(s.StoneStock) + kFindStone);
  s.OreStock = WrapLong(static_cast<std::int64_t>(s.OreStock) + kFindOre);
  game.live.Waypoint34Find = kFindTaken;
}

WalkResult EnterCastle(Game& game) {
  GameState& s = game.state;
  if (!ArmySelected(s) || !CastleGateOpen(s)) return {};
  if (!CastleTakesArmy(s, s.ArmySizes[s.SelectedArmy])) return {};
  s.GarrisonedArmy = s.SelectedArmy;
  s.ArmyFacing = FacingFor(kCastleWaypoint, s.ArmyWaypointNos[s.SelectedArmy], s.ArmyFacing);
  SendTo(game, kCastleWaypoint);
  return {WalkOrder::Walk};
}

WalkResult BesiegeRivalCastle(Game& game) {
  GameState& s = game.state;
  if (s.RivalStatus[1] != kIdle) return {};
  if (!FarEndOpen(s)) {
    game.ui().ShowMessage(kFarEndClosedTip.category, kFarEndClosedTip.id);
    return {};
  }
  Ask(game, kSiegeQuestion, kQuestionText);
  if (s.RivalStatus[1] >= kSiegeLaid || !ArmySelected(s)) return {};
  s.ArmyWaypointNos[s.SelectedArmy] = kFarEndWaypoint;
  return {WalkOrder::Placed};
}

}  // namespace

int RemoteSiteAt(int waypoint) {
  switch (waypoint) {
    case 18:
      return 1;
    case 29:
      return 2;
    case 42:
      return 3;
    default:
      return 0;
  }
}

WalkResult OrderWalk(Game& game, int n) {
  GameState& s = game.state;
  LiveState& live = game.live;
  if (n == kCastleWaypoint) return EnterCastle(game);
  if (n == kFarEndWaypoint) return BesiegeRivalCastle(game);
  if (const WaypointGuard* guard = GuardOfWaypoint(s, n)) {
    live.BattleTarget = static_cast<Byte>(guard->target);
    Ask(game, kAttackQuestion, kQuestionText);
    return {};
  }
  // A pending split: the split dialog leaves the mode at 0 (done) or 2.
  if (live.ArmyClickMode == 1) game.ui().OpenScreen("ArmySplitFrm");
  if (live.ArmyClickMode == 2) {
    live.ArmyClickMode = 0;
    return {};
  }
  if (live.ArmyClickMode != 0 || !ArmySelected(s)) return {};
  const int from = s.ArmyWaypointNos[s.SelectedArmy];
  s.ArmyFacing = FacingFor(n, from, s.ArmyFacing);
  SendTo(game, n);
  WalkResult result{WalkOrder::Walk};
  if (const int site = RemoteSiteAt(n); site != 0) result.discovered = DiscoverSite(game, site);
  if (n == kFindWaypoint) TakeFind(game);
  return result;
}

void ArmyArrived(Game& game) {
  ArmyArrived(game, game.state.SelectedArmy);
}

void ArmyArrived(Game& game, int army) {
  GameState& s = game.state;
  if (army < 1 || army > 3) return;
  Byte& moves = s.ArmyMovesLeft[army];
  if (moves > 0) --moves;
  game.live.ArmyFacings[army] = s.ArmyFacing;
}

WalkResult LeaveCastle(Game& game) {
  GameState& s = game.state;
  const int army = s.GarrisonedArmy;
  if (army < 1 || army > 3) return {};
  s.GarrisonedArmy = 0;
  s.SelectedArmy = static_cast<Byte>(army);
  game.live.ArmyClickMode = 0;
  return OrderWalk(game, kMusterWaypoint);
}

}  // namespace valorne
