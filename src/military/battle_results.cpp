#include "military/battle_results.h"

#include <algorithm>

#include "military/battle_exchange.h"
#include "military/battle_forces.h"
#include "military/siege.h"
#include "turn/messages.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

constexpr int kTutorialBattle = 49;
constexpr int kLevelLostQuestion = 22;
constexpr int kCastleFallenText = 94;
constexpr int kLevelLostText = 93;
constexpr int kFirstVillageRevolt = 14;
constexpr Byte kAttackUnderWay = 201;
constexpr Byte kConqueringArmy = 3;
constexpr Byte kVillageBurnt = 6;

bool ReadMatching(const Game& game, BattleOutput& output, std::string& problem) {
  const FileResult read = ReadFightOut(game.AppPath, output);
  if (!read.ok()) {
    problem = read.message;
    return false;
  }
  const LiveState& live = game.live;
  if (output.sides.size() != live.BattleSides) {
    problem = "Fight_out.rx holds " + std::to_string(output.sides.size()) + " sides, not the " +
              std::to_string(live.BattleSides) + " that were sent";
    return false;
  }
  for (std::size_t i = 0; i < output.sides.size(); ++i) {
    if (output.sides[i].short_list != (live.ShortListFlags[i] != 0)) {
      problem = "Fight_out.rx gives side " + std::to_string(i) + " another short-list flag";
      return false;
    }
  }
  return true;
}

// A rival army beaten in the field (camp 2 or 3 of county 1, camp 2 of
// county 2): its attack on the castle ends if it was marching on it, the
// camp is gone, and the war with that county is over.
void BeatCamp(Game& game, int county, int camp, int attack_status) {
  GameState& s = game.state;
  RivalCounty& rival = s.Rivals[county];
  if (rival.CampStates[camp] == kConqueringArmy) s.RivalStatus[attack_status] = kIdle;
  rival.CampStates[camp] = 0;
  rival.ArmyRaised[camp] = kFalse;
  s.WarCountdown[county] = 0;
  s.WarMarchTurns[county] = 0;
  // Beaten by the county's own people: their dead are missed, and the
  // beaten lord loses face.
  if (s.SelectedArmy == 4) {
    AddTo(s.Population, -static_cast<double>(game.live.OurDead));
    AddTo(rival.Leadership, -10);
    AddTo(rival.Nobility, -25);
  }
}

// A rival castle taken: the county no longer stands, its war is over, and
// the besiegers leave the siege waypoint.
void TakeCastle(Game& game, int county, int siege) {
  GameState& s = game.state;
  (county == 1 ? s.Rival1Standing : s.Rival2Standing) = kFalse;
  s.WarCountdown[county] = 0;
  s.WarMarchTurns[county] = 0;
  SiegeCountdownOf(s, siege) = kIdle;
  WithdrawBesiegers(game, siege);
}

// A village revolt put down: the village burns, its people are lost, and the
// lord's name suffers.
void PutDownRevolt(Game& game, int village) {
  GameState& s = game.state;
  s.VillageStates[village] = kVillageBurnt;
  const double dead = static_cast<double>(game.live.EnemyDead);
  if (village == 1) {
    s.Population = std::max<Long>(0, ToLong(s.Population - dead));
    AddTo(s.Happiness, -50);
  } else {
    RivalCounty& rival = s.Rivals[village - 1];
    rival.People = std::max<Long>(0, ToLong(rival.People - dead));
    AddTo(rival.Happiness, -50);
  }
  AddTo(s.LordDiplomacy, -10);
  AddTo(s.LordReligion, -25);
}

}  // namespace

bool CheckBattleOutput(const Game& game, std::string& problem) {
  BattleOutput output;
  return ReadMatching(game, output, problem);
}

bool ReadBattleOutput(Game& game, std::string& problem) {
  BattleOutput output;
  if (!ReadMatching(game, output, problem)) return false;
  GameState& s = game.state;
  LiveState& live = game.live;
  live.BattleOutcome = output.outcome;
  live.OurDead = output.our_dead;
  live.EnemyDead = output.enemy_dead;
  const bool won = output.outcome != 0;

  const int army = s.SelectedArmy;
  if (army >= 1 && army <= 3 && !output.sides.empty()) {
    s.ArmySoldiers[army] = FromBattleSlots<Integer>(output.sides[0].survivors);
    s.ArmySizes[army] = WrapInteger(s.ArmySoldiers[army].Total());
    AddTo(s.Morale, won ? kMoraleAfterBattle : -kMoraleAfterBattle);
    // An army with nobody left is gone.
    if (s.ArmySizes[army] <= 0) {
      s.ArmyExists[army] = kFalse;
      s.ArmyMovesLeft[army] = 0;
      s.ArmyWaypointNos[army] = 0;
      if (s.GarrisonedArmy == army) s.GarrisonedArmy = 0;
    }
  }
  if (output.sides.size() < 2) return true;
  const CampComposition enemy = FromBattleSlots<Byte>(output.sides[1].survivors);
  const int target = live.BattleTarget;
  if (target >= 1 && target <= 3) {
    s.Outlaws.SetBand(0, enemy);
    s.Outlaws.SetBand(target, enemy);
  } else if (target == kTargetCave || target == kTargetRuins) {
    s.Outlaws.SetBand(0, enemy);
    s.Outlaws.SetBand(target == kTargetCave ? 4 : 5, enemy);
  } else if (target >= kTargetRebelMob1 && target <= 6) {
    if (target == kTargetRebelMob1) {
      s.RebelStrength[2] = enemy.Templars;
      s.RebelStrength[1] = enemy.Paladins;
    } else {
      s.RebelBandStrengths[target - kTargetRebelMob1] =
          WrapInteger(static_cast<long>(enemy.Templars) + enemy.Paladins);
    }
    LoadEnemyForce(s, 0);
  } else if (target >= kTargetRival1Castle && target <= kTargetRival2Camp2) {
    s.CampArmies[target - kTargetRival1Castle + 1] = enemy;
  }
  return true;
}

void TakePlunder(Game& game) {
  GameState& s = game.state;
  std::array<Long, 5>& plunder = game.live.Plunder;  // wood, stone, ore, grain, meat
  plunder = {};
  if (game.live.BattleOutcome != kOutcomeVictoryWithPlunder) return;
  Random& rng = game.rng;
  plunder[3] = static_cast<Long>(Int(rng.Rnd() * 500 + 300));
  plunder[4] = static_cast<Long>(Int(rng.Rnd() * 30 + 10));
  plunder[0] = static_cast<Long>(Int(rng.Rnd() * 300 + 100));
  plunder[1] = static_cast<Long>(Int(rng.Rnd() * 300 + 100));
  plunder[2] = static_cast<Long>(Int(rng.Rnd() * 300 + 100));
  AddTo(s.GrainStock, plunder[3]);
  AddTo(s.MeatStock, plunder[4]);
  AddTo(s.WoodStock, plunder[0]);
  AddTo(s.StoneStock, plunder[1]);
  AddTo(s.OreStock, plunder[2]);
}

void ApplyVictory(Game& game, int target) {
  GameState& s = game.state;
  switch (target) {
    case 1:
    case 2:
    case 3:
      s.GoalFlags[target] = kFalse;
      break;
    case kTargetRebelMob1:
      s.RebelsActive = kFalse;
      s.RebelStrength[1] = 0;
      s.RebelStrength[2] = 0;
      break;
    case 5:
    case 6:
      s.RebelValues[target - kTargetRebelMob1] = kFalse;
      s.RebelBandStrengths[target - kTargetRebelMob1] = 0;
      break;
    case kTargetRival1Castle:
      TakeCastle(game, 1, 1);
      break;
    case kTargetRival1Camp2:
      BeatCamp(game, 1, 2, 2);
      break;
    case kTargetRival1Camp3:
      BeatCamp(game, 1, 3, 2);
      break;
    case kTargetRival2Castle:
      TakeCastle(game, 2, 2);
      break;
    case kTargetRival2Camp2:
      BeatCamp(game, 2, 2, 3);
      break;
    case kTargetCave:
    case kTargetRuins:
      // The place is cleared: its band is gone for good.
      s.Outlaws.SetBand(target == kTargetCave ? 4 : 5, CampComposition{});
      AddTo(s.Gold, target == kTargetCave ? 1500 : 3000);
      AddTo(s.OreStock, target == kTargetCave ? 3300 : 2000);
      break;
    case 14:
    case 15:
    case 16:
      PutDownRevolt(game, target - kFirstVillageRevolt + 1);
      break;
    default:
      break;
  }
}

void ApplyDefeat(Game& game) {
  GameState& s = game.state;
  for (int status : {2, 3}) {
    if (s.RivalStatus[status] == kAttackUnderWay) s.RivalStatus[status] = kIdle;
  }
  const RivalCounty& rival = s.Rivals[1];
  if (rival.CampStates[2] == kConqueringArmy || rival.CampStates[3] == kConqueringArmy) {
    s.PlayerUndefeated = kFalse;
    Ask(game, kLevelLostQuestion, kCastleFallenText);
  }
}

void EndBattle(Game& game) {
  DeleteBattleExchangeFiles(game.AppPath);
  LiveState& live = game.live;
  if (live.TutorialStep != kTutorialBattle) return;
  if (live.BattleOutcome == kOutcomeVictoryWithPlunder) {
    ++live.TutorialStep;
    game.state.Morale = 95.0f;
  } else {
    Ask(game, kLevelLostQuestion, kLevelLostText);
  }
}

}  // namespace valorne
