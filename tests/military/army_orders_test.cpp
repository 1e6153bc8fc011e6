// Orders to the armies on the map, run on the rules without the map: the
// castle gate and its limits, the guarded waypoints, the far end, a pending
// split, the remote sites and the find at waypoint 34.
#include <gtest/gtest.h>

#include <functional>

#include "military/army_walk.h"
#include "military/map_places.h"
#include "military/waypoints.h"
#include "state/start_values.h"
#include "turn/recording_ui.h"

namespace valorne {
namespace {

using testing::RecordingUi;

// A county at the start of a normal game with army 1 of `size` archers on
// waypoint `at`, no castle stage standing.
void OneArmy(Game& game, int size, int at) {
  SetStartValues(game);
  GameState& s = game.state;
  s.ArmySoldiers[1] = {};
  s.ArmySoldiers[1].Archers = static_cast<Integer>(size);
  s.ArmySizes[1] = static_cast<Integer>(size);
  s.ArmyWaypointNos[1] = static_cast<Byte>(at);
  s.SelectedArmy = 1;
  for (int stage = 1; stage <= 5; ++stage) s.CastleStageBuilt[stage] = kFalse;
}

TEST(ArmyOrders, TheCastleTakesAnArmyByTheFirstStageWhoseLimitItMeets) {
  struct Case {
    std::vector<int> stages;
    int size;
    bool enters;
  };
  const Case cases[] = {
      {{1}, 400, true},  {{1}, 401, false},  {{1, 2}, 401, true},  {{2}, 600, true},
      {{3}, 700, true},  {{3}, 701, false},  {{4}, 1500, true},    {{4}, 1501, false},
      {{5}, 1100, true}, {{5}, 1101, false}, {{4, 5}, 1400, true}, {{}, 10, false},
  };
  for (const Case& c : cases) {
    Game game;
    OneArmy(game, c.size, 2);
    for (int stage : c.stages) game.state.CastleStageBuilt[stage] = kTrue;
    const WalkResult r = OrderWalk(game, 1);
    EXPECT_EQ(r.order == WalkOrder::Walk, c.enters) << c.size;
    EXPECT_EQ(game.state.GarrisonedArmy, c.enters ? 1 : 0) << c.size;
    EXPECT_EQ(game.state.ArmyWaypointNos[1], c.enters ? 1 : 2) << c.size;
    if (c.enters) {
      EXPECT_EQ(game.state.ArmyFacing, 4);
      // Once garrisoned, the gate is no longer shown from before it.
      EXPECT_EQ(ReachableWaypoints(game.state, 2), std::vector<int>{3});
    }
  }
}

TEST(ArmyOrders, TheCastleGateStaysShutWhileARivalAttackCountsDown) {
  for (int entry : {2, 3}) {
    Game game;
    OneArmy(game, 300, 2);
    game.state.CastleStageBuilt[1] = kTrue;
    EXPECT_EQ(ReachableWaypoints(game.state, 2), (std::vector<int>{1, 3}));
    game.state.RivalStatus[entry] = 5;
    EXPECT_EQ(OrderWalk(game, 1).order, WalkOrder::Nothing);
    EXPECT_EQ(game.state.GarrisonedArmy, 0);
  }
}

TEST(ArmyOrders, AGuardedWaypointAsksToAttackWhileItsForceIsThere) {
  struct Case {
    int waypoint;
    std::function<void(GameState&)> force;
    int target;
  };
  const Case cases[] = {
      {24, [](GameState& s) { s.GoalFlags[1] = kTrue; }, 1},
      {31, [](GameState& s) { s.GoalFlags[2] = kTrue; }, 2},
      {9, [](GameState& s) { s.RebelsActive = kTrue; }, 4},
      {34, [](GameState& s) { s.RebelValues[1] = kTrue; }, 5},
  };
  for (const Case& c : cases) {
    Game game;
    OneArmy(game, 300, c.waypoint - 1);
    game.state.GoalFlags[1] = kFalse;
    RecordingUi ui(game);
    c.force(game.state);
    EXPECT_EQ(OrderWalk(game, c.waypoint).order, WalkOrder::Nothing);
    EXPECT_EQ(ui.Only("ask"), std::vector<std::string>{"ask 11/117"});
    EXPECT_EQ(game.live.BattleTarget, c.target);
    EXPECT_EQ(game.state.ArmyWaypointNos[1], c.waypoint - 1);
    // Without the force it is a waypoint like any other.
    Game gone;
    OneArmy(gone, 300, c.waypoint - 1);
    gone.state.GoalFlags[1] = kFalse;
    EXPECT_EQ(OrderWalk(gone, c.waypoint).order, WalkOrder::Walk);
    EXPECT_EQ(gone.state.ArmyWaypointNos[1], c.waypoint);
  }
}

TEST(ArmyOrders, FacingFollowsThePredecessorWithTheSecondTestOverriding) {
  struct Case {
    int to, from, facing;
  };
  const Case cases[] = {{15, 14, 5}, {15, 19, 3}, {15, 16, 6}, {23, 22, 6}, {23, 43, 2},
                        {23, 24, 7}, {27, 30, 3}, {2, 1, 3},   {2, 3, 4},   {18, 17, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(FacingFor(c.to, c.from, 9), c.facing) << c.to << " from " << c.from;
  }
  EXPECT_EQ(FacingFor(1, 3, 6), 6);  // the gate keeps the facing unless coming from 2
}

TEST(ArmyOrders, TheClickModeDecidesWhatAMarkerClickDoes) {
  Game game;
  OneArmy(game, 300, 3);
  RecordingUi ui(game);
  game.live.ArmyClickMode = 2;
  EXPECT_EQ(OrderWalk(game, 4).order, WalkOrder::Nothing);
  EXPECT_EQ(game.live.ArmyClickMode, 0);
  EXPECT_EQ(game.state.ArmyWaypointNos[1], 3);
  // A pending split opens its dialog; cancelled, the click moves nothing.
  game.live.ArmyClickMode = 1;
  ui.on_open["ArmySplitFrm"] = [&] { game.live.ArmyClickMode = 2; };
  EXPECT_EQ(OrderWalk(game, 4).order, WalkOrder::Nothing);
  EXPECT_EQ(ui.Only("open"), std::vector<std::string>{"open ArmySplitFrm"});
  // Done, the army walks on.
  game.live.ArmyClickMode = 1;
  ui.on_open["ArmySplitFrm"] = [&] { game.live.ArmyClickMode = 0; };
  EXPECT_EQ(OrderWalk(game, 4).order, WalkOrder::Walk);
  EXPECT_EQ(game.state.ArmyWaypointNos[1], 4);
  EXPECT_TRUE(game.live.WalkOrdered);
}

TEST(ArmyOrders, TheFarEndOpensWithWarAndASiegePlacesTheArmyAtOnce) {
  Game game;
  OneArmy(game, 300, 50);
  game.state.ArmySoldiers[1].Engineers = 25;
  RecordingUi ui(game);
  ui.answers[12] = true;
  EXPECT_EQ(OrderWalk(game, 51).order, WalkOrder::Nothing);
  EXPECT_EQ(ui.log, std::vector<std::string>{"message 4/157"});
  UpdateFarEnd(game.state);
  EXPECT_FALSE(FarEndOpen(game.state));
  game.state.WarCountdown[1] = 5;
  UpdateFarEnd(game.state);
  game.state.WarCountdown[1] = 0;  // the war's march has come and gone
  UpdateFarEnd(game.state);
  ASSERT_TRUE(FarEndOpen(game.state));
  EXPECT_EQ(OrderWalk(game, 51).order, WalkOrder::Placed);
  EXPECT_EQ(game.state.RivalStatus[1], 3);  // 21..30 engineers: three turns
  EXPECT_EQ(game.state.ArmyWaypointNos[1], 51);
  EXPECT_EQ(game.state.ArmyMovesLeft[1], 2);
  // A siege under way: the far end does nothing more.
  EXPECT_EQ(OrderWalk(game, 51).order, WalkOrder::Nothing);
}

TEST(ArmyOrders, TheFindAtWaypoint34IsPaidOnce) {
  Game game;
  OneArmy(game, 300, 33);
  const GameState before = game.state;
  OrderWalk(game, 34);
  game.state.ArmyWaypointNos[1] = 33;
  OrderWalk(game, 34);
  EXPECT_EQ(game.state.Gold, before.Gold + 150);
  EXPECT_EQ(game.state.WoodStock, before.WoodStock + 230);
  EXPECT_EQ(game.state.StoneStock, before.StoneStock + 100);
  EXPECT_EQ(game.state.OreStock, before.OreStock + 300);
  EXPECT_EQ(game.live.Waypoint34Find, 200);
}

TEST(ArmyOrders, AnArmyDiscoversARemoteSiteOnceAndCallsTheScoutsBack) {
  struct Case {
    int waypoint, site;
  };
  for (const Case c : {Case{18, 1}, Case{29, 2}, Case{42, 3}}) {
    Game game;
    OneArmy(game, 300, c.waypoint - 1);
    game.state.ScoutTurns() = 2;
    game.state.ScoutTarget() = static_cast<Byte>(c.site);
    EXPECT_TRUE(OrderWalk(game, c.waypoint).discovered);
    EXPECT_TRUE(RemoteSiteDiscovered(game, c.site));
    EXPECT_TRUE(game.live.DiscoveryFlagsRaised);
    EXPECT_EQ(game.state.ScoutTurns(), 200);
    EXPECT_EQ(game.state.ScoutTarget(), 0);
    game.state.ArmyWaypointNos[1] = static_cast<Byte>(c.waypoint - 1);
    EXPECT_FALSE(OrderWalk(game, c.waypoint).discovered);
  }
  // Scouts bound elsewhere go on.
  Game game;
  OneArmy(game, 300, 17);
  game.state.ScoutTurns() = 3;
  game.state.ScoutTarget() = 3;
  OrderWalk(game, 18);
  EXPECT_EQ(game.state.ScoutTurns(), 3);
}

TEST(ArmyOrders, LeavingTheCastleFreesItAndWalksToTheGateWaypoint) {
  Game game;
  OneArmy(game, 300, 1);
  game.state.GarrisonedArmy = 1;
  game.state.SelectedArmy = 2;
  EXPECT_EQ(LeaveCastle(game).order, WalkOrder::Walk);
  EXPECT_EQ(game.state.GarrisonedArmy, 0);
  EXPECT_EQ(game.state.SelectedArmy, 1);
  EXPECT_EQ(game.state.ArmyWaypointNos[1], 2);
  EXPECT_EQ(game.state.ArmyFacing, 3);
  game.state.ArmyMovesLeft[1] = 1;
  ArmyArrived(game);
  ArmyArrived(game);  // never below none
  EXPECT_EQ(game.state.ArmyMovesLeft[1], 0);
}

}  // namespace
}  // namespace valorne
