#include "military/battle_start.h"

#include <iostream>

#include "military/battle_forces.h"
#include "military/battle_run.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

constexpr int kViking = 1;
constexpr int kEnemy = 0;

// A rival county's camp counts as in the field while its state is 2 or 3.
bool AtWar(Byte camp_state) {
  return camp_state == 2 || camp_state == 3;
}

int RivalOfCamp(int target) {
  return target <= kTargetRival1Camp3 ? 1 : 2;
}

}  // namespace

void WriteBattleInput(Game& game, const BattleRequest& request) {
  const BattleInput input = BuildBattleInput(game, request);
  // A game without its folder (a rule run on its own) has no battle program.
  FileResult written = game.AppPath.empty()
                           ? FileResult::Failure(FileStatus::WriteFailed, "the game has no folder")
                           : WriteFightStatus(game.AppPath, kFightStatusStarted);
  if (written.ok()) written = WriteFightIn(game.AppPath, input);
  game.live.BattleStatus = kFightStatusStarted;
  auto* ui = dynamic_cast<Ui*>(&game.ui());
  if (!written.ok()) {
    if (ui) {
      FailBattle(game, *ui, written.message);
    } else {
      std::cerr << "level9: the battle cannot be fought: " << written.message << "\n";
    }
    return;
  }
  if (ui) LaunchBattle(game, *ui);
}

void StartBattle(Game& game, int mode) {
  GameState& s = game.state;
  const int target = game.live.BattleTarget;
  BattleRequest request;
  request.army = s.SelectedArmy;
  request.target = target;
  if (mode == kFieldBattleMode) {
    const std::string_view map = PrepareFieldOpponent(s, target);
    if (map.empty()) return;
    request.map = std::string(map);
    request.enemy_kind = target >= kTargetCave ? kEnemy : kViking;
    request.enemy_morale = Int(game.rng.Rnd() * 30 + 20);
  } else if (mode == kCastleAssaultMode) {
    if (target != kTargetRival1Castle && target != kTargetRival2Castle) return;
    const int county = target == kTargetRival1Castle ? 1 : 2;
    // Rival county 1's castle is of the first castle set, county 2's of the
    // second.
    request.map = CastleMap(s.Rivals[county].CastleStage, county);
    if (request.map.empty()) return;
    request.battle_kind = kCastleAssault;
    request.enemy_kind = kViking;
    request.enemy_morale = s.Rivals[county].Morale;
  } else {
    return;
  }
  WriteBattleInput(game, request);
}

void StartCastleDefence(Game& game, int county) {
  GameState& s = game.state;
  if (county < 1 || county > 2 || !IsTrue(s.PlayerUndefeated)) return;
  if (s.SelectedArmy < 1 || s.SelectedArmy > 4) return;
  BattleRequest request;
  request.map = CastleMap(s.CastleStageBuilt, 1);
  if (request.map.empty()) return;
  request.battle_kind = kCastleDefence;
  request.army = s.SelectedArmy;
  request.target = game.live.BattleTarget;
  request.enemy_kind = kEnemy;
  request.enemy_morale = s.Rivals[county].Morale;
  WriteBattleInput(game, request);
}

bool StartFieldMeeting(Game& game) {
  GameState& s = game.state;
  if (s.SelectedArmy == 0) return false;
  int target = 0;
  if (AtWar(s.Rivals[1].CampStates[2])) {
    target = kTargetRival1Camp2;
  } else if (AtWar(s.Rivals[1].CampStates[3])) {
    target = kTargetRival1Camp3;
  } else if (AtWar(s.Rivals[2].CampStates[2])) {
    target = kTargetRival2Camp2;
  } else {
    return false;
  }
  game.live.BattleTarget = static_cast<Byte>(target);
  BattleRequest request;
  request.map = "field1";
  request.army = s.SelectedArmy;
  request.target = target;
  request.enemy_kind = kEnemy;
  request.enemy_morale = s.Rivals[RivalOfCamp(target)].Morale;
  WriteBattleInput(game, request);
  return true;
}

}  // namespace valorne
