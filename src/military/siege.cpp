#include "military/siege.h"

namespace valorne {

Byte SiegeWaypointOf(const Game& game, int mode) {
  return mode == 2 ? game.live.SecondSiegeWaypoint : game.live.SiegeWaypoint;
}

Byte& SiegeCountdownOf(GameState& s, int mode) {
  return mode == 2 ? s.RivalStatus4 : s.RivalStatus[1];
}

void SelectBesiegingArmy(Game& game, int mode) {
  GameState& s = game.state;
  const Byte waypoint = SiegeWaypointOf(game, mode);
  if (waypoint == 0) return;
  for (int army = 1; army <= 3; ++army) {
    if (IsTrue(s.ArmyExists[army]) && s.ArmyWaypointNos[army] == waypoint) {
      s.SelectedArmy = static_cast<Byte>(army);
      return;
    }
  }
}

void WithdrawBesiegers(Game& game, int mode) {
  GameState& s = game.state;
  const Byte waypoint = SiegeWaypointOf(game, mode);
  if (waypoint == 0) return;
  for (int army = 1; army <= 3; ++army) {
    if (s.ArmyWaypointNos[army] == waypoint) s.ArmyWaypointNos[army] = WrapByte(waypoint - 1);
  }
}

void LiftSiege(Game& game, int mode) {
  SiegeCountdownOf(game.state, mode) = kIdle;
  WithdrawBesiegers(game, mode);
}

}  // namespace valorne
