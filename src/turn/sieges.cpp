#include "turn/sieges.h"

#include "military/battle_start.h"
#include "turn/messages.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

constexpr int kStormQuestion = 117;

Byte& SiegeCountdown(GameState& s, bool second) {
  return second ? s.RivalStatus4 : s.RivalStatus[1];
}

}  // namespace

Byte SiegeTurns(long engineers) {
  if (engineers <= 10) return 6;
  if (engineers <= 20) return 4;
  if (engineers <= 30) return 3;
  return 2;
}

void LaySiege(Game& game, bool second) {
  GameState& s = game.state;
  if (s.SelectedArmy < 1 || s.SelectedArmy > 3) return;
  SiegeCountdown(s, second) = SiegeTurns(s.ArmySoldiers[s.SelectedArmy].Engineers);
}

void StormCastle(Game& game, bool second) {
  GameState& s = game.state;
  const Byte waypoint = second ? game.live.SecondSiegeWaypoint : game.live.SiegeWaypoint;
  for (int army = 1; army <= 3; ++army) {
    if (IsTrue(s.ArmyExists[army]) && s.ArmyWaypointNos[army] == waypoint) {
      s.SelectedArmy = static_cast<Byte>(army);
      game.live.BattleTarget = second ? 10 : 7;
      StartBattle(game, kCastleAssaultMode);
      return;
    }
  }
}

void CountDownSieges(Game& game) {
  if (CountdownFires(game.state.RivalStatus[1])) Ask(game, 14, kStormQuestion);
  if (CountdownFires(game.state.RivalStatus4)) Ask(game, 15, kStormQuestion);
}

}  // namespace valorne
