#include "military/guard.h"

#include <gtest/gtest.h>

#include <functional>

#include "state/start_values.h"

namespace valorne {
namespace {

// Buying each service at the edges of its price, while its kind is under
// way, and without a target.
TEST(GuardServicesTest, BuyingPaysOnlyWhenTheServiceCanStart) {
  struct Case {
    const char* what;
    GuardService service;
    Long gold;
    std::function<void(GameState&)> setup;
    bool accepted;
    TextRef hint;
    Byte countdown;  // the service's countdown afterwards
  };
  auto kind = [](Byte k) { return [k](GameState& s) { s.AssassinKind() = k; }; };
  auto target = [](Byte t) { return [t](GameState& s) { s.ScoutTarget() = t; }; };
  auto level = [](Byte l) { return [l](GameState& s) { s.GuardLevel = l; }; };
  const Case cases[] = {
      {"assassin at its price", GuardService::Assassin, 4150, kind(1), true, kOrderGiven, 4},
      {"assassin one short", GuardService::Assassin, 4149, kind(1), false, kNotEnoughResources,
       kIdle},
      {"assassin at morale", GuardService::Assassin, 5000, kind(2), true, kOrderGiven, 2},
      {"assassin without a strike", GuardService::Assassin, 5000, kind(0), false, kChooseTarget,
       kIdle},
      {"assassins already out", GuardService::Assassin, 9999,
       [](GameState& s) {
         s.AssassinKind() = 1;
         s.AssassinTurns() = 3;
       },
       false, kMissionUnderWay, 3},
      {"scouts to the chapel", GuardService::Scout, 2600, target(3), true, kOrderGiven, 4},
      {"scouts to the dolmen", GuardService::Scout, 2600, target(1), true, kOrderGiven, 1},
      {"scouts to the statue", GuardService::Scout, 2600, target(2), true, kOrderGiven, 2},
      {"scouts one short", GuardService::Scout, 2599, target(1), false, kNotEnoughResources, kIdle},
      {"scouts without a place", GuardService::Scout, 2600, target(0), false, kChoosePlace, kIdle},
      {"training at level 3", GuardService::Guard, 2100, level(3), true, kOrderGiven,
       kGuardTrainingTurns},
      {"training one short", GuardService::Guard, 2099, level(3), false, kNotEnoughResources,
       kIdle},
      {"training already running", GuardService::Guard, 9999,
       [](GameState& s) { s.GuardResearchTurns = 2; }, false, kMissionUnderWay, 2},
      {"nothing chosen", GuardService::None, 9999, [](GameState&) {}, false, kNothingChosen, kIdle},
  };
  for (const Case& c : cases) {
    Game game;
    SetStartValues(game);
    GameState& s = game.state;
    s.Gold = c.gold;
    c.setup(s);
    const Long price = ServicePrice(game, c.service);
    const Outcome outcome = BuyService(game, c.service);
    EXPECT_EQ(outcome.accepted, c.accepted) << c.what;
    EXPECT_EQ(outcome.hint, c.hint) << c.what;
    EXPECT_EQ(s.Gold, c.accepted ? c.gold - price : c.gold) << c.what;
    const Byte countdown = c.service == GuardService::Assassin ? s.AssassinTurns()
                           : c.service == GuardService::Scout  ? s.ScoutTurns()
                                                               : s.GuardResearchTurns;
    EXPECT_EQ(countdown, c.countdown) << c.what;
  }
}

}  // namespace
}  // namespace valorne
