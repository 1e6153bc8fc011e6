#include "screens/map_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "support/temp_dir.h"

namespace valorne {
namespace {

MapLayout Parse(const std::string& text) {
  std::istringstream in(text);
  return ParseMapLayout(in, "test.map");
}

std::string ErrorOf(const std::string& text) {
  try {
    Parse(text);
  } catch (const MapLayoutError& e) {
    return e.what();
  }
  return "";
}

TEST(MapLayout, ParsesEveryKindOfLine) {
  MapLayout m = Parse(
      "# a county\n"
      "size 400 300   # the picture\n"
      "object VillageImg1 10 20 30 40 at 2\n"
      "object CaveImg1 100 100 20 20\n"
      "WalkTo1 50 60\n"
      "WalkTo2 150 60\n"
      "road 1 2\n"
      "forest 10 20 30\n"
      "river 12 0 0 100 100 200 50\n"
      "topbar 640 40\n"
      "top GoldLbl 10 5 60 20\n"
      "bottombar 640 50\n"
      "bottom EndTurnBtn 580 0 50 50\n");
  EXPECT_EQ(m.width, 400);
  EXPECT_EQ(m.height, 300);
  EXPECT_EQ(m.objects.at("VillageImg1").rect, (MapRect{10, 20, 30, 40}));
  EXPECT_EQ(m.objects.at("VillageImg1").waypoint, 2);
  EXPECT_EQ(m.objects.at("CaveImg1").waypoint, 0);
  EXPECT_EQ(m.waypoints.at(2), (MapPoint{150, 60}));
  EXPECT_EQ(m.RoadPoint(1), (MapPoint{62, 72}));
  EXPECT_EQ(m.Neighbours(2), std::vector<int>{1});
  ASSERT_EQ(m.terrain.size(), 2u);
  EXPECT_EQ(m.terrain[1].kind, "river");
  EXPECT_EQ(m.terrain[1].values, (std::vector<int>{12, 0, 0, 100, 100, 200, 50}));
  EXPECT_EQ(m.top_bar.at("GoldLbl"), (MapRect{10, 5, 60, 20}));
  EXPECT_EQ(m.bottom_bar_size, (MapPoint{640, 50}));
}

TEST(MapLayout, WaterfallsAndAmbientSpotsAreKeptByKind) {
  MapLayout m = Parse(
      "size 400 300\n"
      "ambient fish 10 20\n"
      "waterfall 50 60 20 40\n"
      "ambient smoke 30 40\n"
      "lake 100 100 20 10\n"
      "ambient fish 110 100\n");
  EXPECT_EQ(m.AmbientSpots("fish"), (std::vector<MapPoint>{{10, 20}, {110, 100}}));
  EXPECT_EQ(m.AmbientSpots("smoke"), (std::vector<MapPoint>{{30, 40}}));
  EXPECT_TRUE(m.AmbientSpots("birds").empty());
  const std::vector<MapTerrain> falls = m.TerrainOf("waterfall");
  ASSERT_EQ(falls.size(), 1u);
  EXPECT_EQ(falls[0].values, (std::vector<int>{50, 60, 20, 40}));
  EXPECT_EQ(m.TerrainOf("lake").size(), 1u);
}

TEST(MapLayout, RefusesMalformedLinesNamingTheLine) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"WalkTo1 1 1\n", "line 1: the first line must give the map's size"},
      {"size 100\n", "line 1: expected \"size WIDTH HEIGHT\""},
      {"size 100 100\nobject A 1 2 3\n", "line 2: expected \"object NAME"},
      {"size 100 100\nobject A 1 x 3 4\n", "line 2: \"x\" is not a whole number"},
      {"size 100 100\nobject A 1 -2 3 4\n", "line 2: \"-2\" is negative"},
      {"size 100 100\nobject A 90 0 20 4\n", "line 2: \"A\" lies outside the map"},
      {"size 100 100\nobject A 0 0 0 4\n", "line 2: a rectangle needs a width"},
      {"size 100 100\nobject A 0 0 5 5\nobject A 9 9 5 5\n", "line 3: \"A\" is given twice"},
      {"size 100 100\nWalkTo 1 1\n", "line 2: \"WalkTo\" has no waypoint number"},
      {"size 100 100\nWalkTo3x 1 1\n", "line 2: \"WalkTo3x\" has no waypoint number"},
      {"size 100 100\nWalkTo3 90 1\n", "line 2: \"WalkTo3\" lies outside the map"},
      {"size 100 100\nWalkTo1 1 1\nroad 1 1\n", "line 3: a road needs two different"},
      {"size 100 100\nWalkTo1 1 1\n\nroad 1 7\n", "line 4: the road leads to waypoint 7"},
      {"size 100 100\nWalkTo1 1 1\nWalkTo2 5 5\nroad 1 2\nroad 2 1\n",
       "line 5: the road is given twice"},
      {"size 100 100\nobject A 0 0 5 5 at 4\n", "\"A\" stands at waypoint 4"},
      {"size 100 100\nvolcano 1 2 3\n", "line 2: unknown keyword \"volcano\""},
      {"size 100 100\nlake 1 2 3\n", "line 2: wrong count of numbers for lake"},
      {"size 100 100\nriver 5 1 2 3\n", "line 2: wrong count of numbers for river"},
      {"size 100 100\ntop GoldLbl 0 0 5 5\n", "the top bar's size must come first"},
      {"topbar 50 20\ntop GoldLbl 40 0 20 5\n", "\"GoldLbl\" lies outside the top bar"},
      {"# nothing\n", "test.map: the map's size is missing"},
      {"size 100 100\nwaterfall 90 10 20 30\n", "line 2: the waterfall lies outside the map"},
      {"size 100 100\nwaterfall 10 10 0 30\n", "line 2: a rectangle needs a width"},
      {"size 100 100\nwaterfall 10 10 20\n", "line 2: wrong count of numbers for waterfall"},
      {"size 100 100\nambient fish 5\n", "line 2: expected \"ambient fish|smoke X Y\""},
      {"size 100 100\nambient bats 5 5\n", "line 2: unknown ambient kind \"bats\""},
      {"size 100 100\nambient smoke 100 5\n", "line 2: the smoke spot lies outside the map"},
      {"size 100 100\nambient fish 5 -1\n", "line 2: \"-1\" is negative"},
  };
  for (const Case& c : cases) {
    std::string error = ErrorOf(c.text);
    EXPECT_NE(error.find(c.expected), std::string::npos) << "input:\n"
                                                         << c.text << "error: " << error;
    EXPECT_EQ(error.rfind("test.map", 0), 0u) << error;
  }
}

TEST(MapLayout, MissingFileIsAClearError) {
  testing::TempDir dir;
  try {
    LoadMapLayout(dir / "nowhere.map");
    FAIL() << "no error";
  } catch (const MapLayoutError& e) {
    EXPECT_NE(std::string(e.what()).find("nowhere.map"), std::string::npos);
  }
}

// The shipped county: every waypoint and object the map screen names, and
// the walks of the waypoint table as roads.
TEST(MapLayout, ShippedCountyHasEveryWaypointObjectAndRoad) {
  MapLayout m = LoadMapLayout(std::string(VALORNE_SOURCE_DIR) + "/data/map/camp1.map");
  EXPECT_GT(m.width, 1280);
  EXPECT_GT(m.height, 1024);

  std::set<int> expected_waypoints;
  for (int n = 1; n <= 44; ++n) expected_waypoints.insert(n);
  expected_waypoints.insert({50, 51});
  std::set<int> waypoints;
  for (const auto& [n, p] : m.waypoints) waypoints.insert(n);
  EXPECT_EQ(waypoints, expected_waypoints);

  std::vector<std::string> names = {
      "CaveImg1",      "ChapelImg1",   "GChapelImg1",     "DolmenImg1",       "ADolmenImg1",
      "ObeliskImg1",   "StatueImg1",   "RuinsImg1",       "TavernImg1",       "HutImg1",
      "CrossImg1",     "OutpostImg1",  "GarryImg",        "WoodCutterImg1",   "StoneCutterImg1",
      "OreCutterImg1", "SiegeImg",     "SiegeImg2",       "SiegeImg3",        "WarBuilding",
      "WarBuilding2",  "WarBuilding3", "BattlefieldImg1", "HBattlefieldImg1", "AlliesArmyImg1",
      "AlliesArmyImg2"};
  auto numbered = [&](const std::string& stem, int count, const std::string& tail) {
    for (int k = 1; k <= count; ++k) names.push_back(stem + std::to_string(k) + tail);
  };
  numbered("VillageImg", 3, "");
  numbered("FieldImg", 10, "");
  numbered("WindmillImg", 3, "");
  numbered("ChestImg", 3, "");
  numbered("EnemyCamp", 5, "Img");
  numbered("ArmyCamp", 3, "Img");
  numbered("RebelionArmyImg", 3, "");
  numbered("OutLawArmyImg", 3, "");
  for (const std::string& name : names) EXPECT_TRUE(m.objects.contains(name)) << name;

  // The walks of the waypoint table, as undirected pairs.
  std::set<std::pair<int, int>> walks;
  auto walk = [&](int a, int b) { walks.insert({std::min(a, b), std::max(a, b)}); };
  for (int n = 1; n < 15; ++n) walk(n, n + 1);
  for (int n = 30; n < 42; ++n) walk(n, n + 1);
  for (auto [a, b] : {std::pair{15, 16},
                      {16, 17},
                      {17, 18},
                      {15, 19},
                      {19, 20},
                      {20, 21},
                      {21, 22},
                      {22, 23},
                      {23, 24},
                      {24, 25},
                      {25, 26},
                      {26, 27},
                      {27, 28},
                      {28, 29},
                      {27, 30},
                      {23, 43},
                      {43, 44},
                      {44, 50},
                      {50, 51}})
    walk(a, b);
  std::set<std::pair<int, int>> roads;
  for (const MapRoad& r : m.roads) roads.insert({std::min(r.from, r.to), std::max(r.from, r.to)});
  EXPECT_EQ(roads, walks);

  // Places the rules tie to waypoints stand by them.
  EXPECT_EQ(m.objects.at("ADolmenImg1").waypoint, 18);
  EXPECT_EQ(m.objects.at("StatueImg1").waypoint, 29);
  EXPECT_EQ(m.objects.at("ChapelImg1").waypoint, 42);
  EXPECT_EQ(m.objects.at("VillageImg1").waypoint, 9);
  EXPECT_EQ(m.objects.at("WarBuilding").waypoint, 1);
  EXPECT_EQ(m.objects.at("WarBuilding2").waypoint, 51);
  EXPECT_EQ(m.objects.at("OutLawArmyImg1").waypoint, 24);
  EXPECT_EQ(m.objects.at("OutLawArmyImg2").waypoint, 31);
  EXPECT_EQ(m.objects.at("RebelionArmyImg2").waypoint, 34);

  // Neighbours lie near each other: no road longer than a day's march.
  for (const MapRoad& r : m.roads) {
    MapPoint a = m.RoadPoint(r.from), b = m.RoadPoint(r.to);
    int dx = a.x - b.x, dy = a.y - b.y;
    EXPECT_LT(dx * dx + dy * dy, 160 * 160) << r.from << "-" << r.to;
  }

  // Every command button has its slot on the command bar.
  for (const char* button : {"ArmyBtn", "BlacksmithBtn", "BuildBtn", "DiploBtn", "ScienceBtn",
                             "TaxBtn", "PeopleBtn", "EndTurnBtn", "PreviewBtn", "RealmBtn",
                             "MenuBtn", "MessagessBtn", "WeatherBtn", "SpecialBtn"})
    EXPECT_TRUE(m.bottom_bar.contains(button)) << button;
  EXPECT_EQ(m.top_bar.at("EndTurnAnim"), (MapRect{1002, 89, 39, 39}));

  // The map's life: a waterfall, fish in the water, smoke from the villages.
  EXPECT_EQ(m.TerrainOf("waterfall").size(), 1u);
  EXPECT_GE(m.AmbientSpots("fish").size(), 6u);
  for (int village = 1; village <= 3; ++village) {
    const MapRect& r = m.objects.at("VillageImg" + std::to_string(village)).rect;
    const auto chimneys = m.AmbientSpots("smoke");
    EXPECT_TRUE(std::any_of(chimneys.begin(), chimneys.end(),
                            [&](const MapPoint& p) {
                              return p.x >= r.left && p.x < r.right() && p.y >= r.top &&
                                     p.y < r.bottom();
                            }))
        << "village " << village << " has no chimney smoke";
  }
}

}  // namespace
}  // namespace valorne
