#include "military/guard.h"

#include "turn/turn_arithmetic.h"

namespace valorne {

Long ServicePrice(const Game& game, GuardService service) {
  switch (service) {
    case GuardService::Assassin:
      return game.params.AssassinCost;
    case GuardService::Scout:
      return game.params.ScoutCost;
    case GuardService::Guard:
      return static_cast<Long>(IntegerProduct(game.state.GuardLevel, game.params.GuardCost));
    case GuardService::None:
      break;
  }
  return 0;
}

bool ServiceRunning(const GameState& state, GuardService service) {
  switch (service) {
    case GuardService::Assassin:  // the assassins' countdown, `AssassinTurns`
      return state.GuardMissions[1] != kIdle;
    case GuardService::Scout:  // the scouts' countdown, `ScoutTurns`
      return state.GuardMissions[4] != kIdle;
    case GuardService::Guard:
      return state.GuardResearchTurns != kIdle;
    case GuardService::None:
      break;
  }
  return false;
}

Byte ScoutTravelTurns(Byte target) {
  switch (target) {
    case kScoutDolmen:
      return 1;
    case kScoutStatue:
      return 2;
    case kScoutChapel:
      return 4;
    default:
      return 0;
  }
}

void ChooseAssassinTarget(GameState& state, Byte county, int entry) {
  state.AssassinTarget() = county;
  state.AssassinKind() = entry == 0 ? kMurderLord : kStrikeMorale;
}

Outcome BuyService(Game& game, GuardService service) {
  GameState& s = game.state;
  if (service == GuardService::None) return Refused(kNothingChosen);
  if (ServiceRunning(s, service)) return Refused(kMissionUnderWay);
  const Long price = ServicePrice(game, service);
  if (s.Gold < price) return Refused(kNotEnoughResources);
  switch (service) {
    case GuardService::Assassin: {
      const Byte kind = s.AssassinKind();
      if (kind != kMurderLord && kind != kStrikeMorale) return Refused(kChooseTarget);
      s.AssassinTurns() = kind == kMurderLord ? 4 : 2;
      break;
    }
    case GuardService::Scout: {
      const Byte turns = ScoutTravelTurns(s.ScoutTarget());
      if (turns == 0) return Refused(kChoosePlace);
      s.ScoutTurns() = turns;
      break;
    }
    case GuardService::Guard:
      s.GuardResearchTurns = kGuardTrainingTurns;
      break;
    case GuardService::None:
      break;
  }
  AddTo(s.Gold, -price);
  return Accepted(kOrderGiven);
}

}  // namespace valorne
