// Our armies on the campaign map: the markers shown for every waypoint and
// the walk along every road with the facing it sets, checked against the
// waypoint table written out here as the game describes it; the right click
// on a garrisoned or tired army, the bare map ending a pending split, the
// walk's arrival.
#include <algorithm>

#include "map_screens_fixture.h"

namespace valorne {
namespace {

using map_testing::MapScreens;

// The waypoint table: the markers shown from each waypoint, and the facing
// of an army arriving there from `from` (overridden when it comes from
// `from2`), else `otherwise`.
struct Row {
  int waypoint;
  std::vector<int> shown;
  int from, facing, from2, facing2, otherwise;
};
const Row kTable[] = {
    {2, {3}, 1, 3, 0, 0, 4},        {3, {2, 4}, 2, 3, 0, 0, 8},
    {4, {3, 5}, 3, 7, 0, 0, 8},     {5, {4, 6}, 4, 7, 0, 0, 8},
    {6, {5, 7}, 5, 7, 0, 0, 8},     {7, {6, 8}, 6, 7, 0, 0, 8},
    {8, {7, 9}, 7, 7, 0, 0, 8},     {9, {8, 10}, 8, 7, 0, 0, 2},
    {10, {9, 11}, 9, 5, 0, 0, 2},   {11, {10, 12}, 10, 5, 0, 0, 2},
    {12, {11, 13}, 11, 5, 0, 0, 2}, {13, {12, 14}, 12, 5, 0, 0, 2},
    {14, {13, 15}, 13, 5, 0, 0, 2}, {15, {14, 16, 19}, 14, 5, 19, 3, 6},
    {16, {15, 17}, 15, 1, 0, 0, 6}, {17, {16, 18}, 16, 1, 0, 0, 6},
    {18, {17}, 0, 0, 0, 0, 1},      {19, {15, 20}, 15, 4, 0, 0, 3},
    {20, {19, 21}, 19, 4, 0, 0, 3}, {21, {20, 22}, 20, 4, 0, 0, 1},
    {22, {21, 23}, 21, 6, 0, 0, 1}, {23, {22, 24, 43}, 22, 6, 43, 2, 7},
    {24, {23, 25}, 23, 8, 0, 0, 7}, {25, {24, 26}, 24, 8, 0, 0, 7},
    {26, {25, 27}, 25, 8, 0, 0, 1}, {27, {26, 28, 30}, 26, 6, 30, 3, 7},
    {28, {27, 29}, 27, 8, 0, 0, 7}, {29, {28}, 0, 0, 0, 0, 8},
    {30, {27, 31}, 27, 4, 0, 0, 3}, {31, {30, 32}, 30, 4, 0, 0, 3},
    {32, {31, 33}, 31, 4, 0, 0, 3}, {33, {32, 34}, 32, 4, 0, 0, 3},
    {34, {33, 35}, 33, 4, 0, 0, 1}, {35, {34, 36}, 34, 6, 0, 0, 3},
    {36, {35, 37}, 35, 4, 0, 0, 3}, {37, {36, 38}, 36, 4, 0, 0, 3},
    {38, {37, 39}, 37, 4, 0, 0, 2}, {39, {38, 40}, 38, 5, 0, 0, 2},
    {40, {39, 41}, 39, 5, 0, 0, 2}, {41, {40, 42}, 40, 5, 0, 0, 2},
    {42, {41}, 0, 0, 0, 0, 5},      {43, {23, 44}, 23, 5, 0, 0, 2},
    {44, {43, 50}, 43, 5, 0, 0, 3}, {50, {44, 51}, 44, 4, 0, 0, 3},
};

const Row& RowOf(int waypoint) {
  return *std::find_if(std::begin(kTable), std::end(kTable),
                       [&](const Row& r) { return r.waypoint == waypoint; });
}

int ExpectedFacing(int to, int from) {
  const Row& r = RowOf(to);
  int facing = r.otherwise;
  if (r.from == from) facing = r.facing;
  if (r.from2 != 0 && r.from2 == from) facing = r.facing2;
  return facing;
}

std::vector<int> ShownMarkers(const Camp1Frm& map) {
  std::vector<int> shown;
  for (const auto& [number, at] : map.layout().map().waypoints) {
    if (map["WalkTo" + std::to_string(number)].visible()) shown.push_back(number);
  }
  return shown;
}

// Army 1 alone, standing on `waypoint` with three moves; no castle, no force
// in the field.
void StandOn(MapScreens& s, Camp1Frm& map, int waypoint) {
  GameState& st = s.game.state;
  st.ArmyWaypointNos[1] = static_cast<Byte>(waypoint);
  st.ArmyMovesLeft[1] = 3;
  st.GoalFlags[1] = kFalse;
  for (int stage = 1; stage <= 5; ++stage) st.CastleStageBuilt[stage] = kFalse;
  map.RedrawAll();
}

TEST(Camp1FrmArmies, EveryWaypointShowsItsMarkersAndEveryRoadSetsItsFacing) {
  MapScreens s;
  s.OnMap([&](Camp1Frm& map) {
    for (const Row& row : kTable) {
      StandOn(s, map, row.waypoint);
      s.Click(map, "ArmyCamp1Img", MouseButton::Right);
      std::vector<int> expected = row.shown;
      std::sort(expected.begin(), expected.end());
      ASSERT_EQ(ShownMarkers(map), expected) << "from " << row.waypoint;
      for (int to : row.shown) {
        if (to == 51) continue;  // the far end has no walk
        StandOn(s, map, row.waypoint);
        s.Click(map, "ArmyCamp1Img", MouseButton::Right);
        s.Click(map, "WalkTo" + std::to_string(to));
        EXPECT_TRUE(ShownMarkers(map).empty());
        s.Advance(20000);
        const GameState& st = s.game.state;
        EXPECT_EQ(st.ArmyWaypointNos[1], to);
        EXPECT_EQ(st.ArmyFacing, ExpectedFacing(to, row.waypoint)) << row.waypoint << " to " << to;
        EXPECT_EQ(st.ArmyMovesLeft[1], 2);
        const MapPoint marker = map.layout().map().waypoints.at(to);
        EXPECT_EQ(map["ArmyCamp1Img"].left(), marker.x);
        EXPECT_EQ(map["ArmyCamp1Img"].top(), marker.y - 25);
      }
    }
  });
}

TEST(Camp1FrmArmies, TheWalkShowsTheFacingsFramesAndStopsAtTheGoal) {
  MapScreens s;
  s.game.options.WalkOption = kTrue;
  s.OnMap([&](Camp1Frm& map) {
    StandOn(s, map, 3);
    s.game.state.ArmyMovesLeft[1] = 1;
    s.Click(map, "ArmyCamp1Img", MouseButton::Right);
    s.Click(map, "WalkTo4");
    s.Advance(kWalkTickMs);
    EXPECT_TRUE(s.game.live.ArmyWalking);
    // Facing 7, step A then B.
    EXPECT_EQ(map["ArmyCamp1Img"].picture(), "ArmyWalkRes1");
    EXPECT_EQ(map["ArmyCamp1Img"].strip_frame(), 6 * 3 + 1);
    s.Advance(kWalkTickMs);
    EXPECT_EQ(map["ArmyCamp1Img"].strip_frame(), 6 * 3 + 2);
    s.Advance(20000);
    EXPECT_FALSE(s.game.live.ArmyWalking);
    EXPECT_EQ(map["ArmyCamp1Img"].strip_frame(), 6 * 3);
    EXPECT_EQ(s.game.state.ArmyMovesLeft[1], 0);
    EXPECT_EQ(map["Camp1StatusImg"].picture(), "CampStatusRes2");
    const auto played = s.Played();
    EXPECT_EQ(std::count(played.begin(), played.end(), "EnvChanel01: armymapwalk01.wav"), 1);
  });
}

TEST(Camp1FrmArmies, RightClicksOnAGarrisonedOrTiredArmyShowNoMarkers) {
  MapScreens s;
  s.OnMap([&](Camp1Frm& map) {
    StandOn(s, map, 2);
    s.game.state.CastleStageBuilt[1] = kTrue;
    s.game.state.ArmySizes[1] = 400;  // a keep holds 400
    s.Click(map, "ArmyCamp1Img", MouseButton::Right);
    EXPECT_EQ(ShownMarkers(map), (std::vector<int>{1, 3}));
    s.Click(map, "WalkTo1");
    s.Advance(20000);
    EXPECT_EQ(s.game.state.GarrisonedArmy, 1);
    EXPECT_TRUE(map["GarisonImg"].visible());
    s.Click(map, "ArmyCamp1Img", MouseButton::Right);
    EXPECT_TRUE(ShownMarkers(map).empty());
    // Another army before the gate no longer sees it.
    GameState& st = s.game.state;
    st.ArmyExists[2] = kTrue;
    st.ArmySizes[2] = 100;
    st.ArmyWaypointNos[2] = 2;
    st.ArmyMovesLeft[2] = 1;
    map.RedrawAll();
    s.Click(map, "ArmyCamp2Img", MouseButton::Right);
    EXPECT_EQ(ShownMarkers(map), std::vector<int>{3});
    st.ArmyMovesLeft[2] = 0;
    s.Click(map, "ArmyCamp2Img", MouseButton::Right);
    EXPECT_TRUE(ShownMarkers(map).empty());
    EXPECT_EQ(s.game.live.Helper, (TextRef{4, 25}));
  });
}

TEST(Camp1FrmArmies, AClickOnTheBareMapEndsAPendingSplit) {
  MapScreens s;
  s.OnMap([&](Camp1Frm& map) {
    StandOn(s, map, 5);
    s.game.live.ArmyClickMode = 1;
    s.Click(map, "ArmyCamp1Img", MouseButton::Right);
    s.Click(map, "MapSurface");
    EXPECT_EQ(s.game.live.ArmyClickMode, 0);
    EXPECT_TRUE(ShownMarkers(map).empty());
  });
}

}  // namespace
}  // namespace valorne
