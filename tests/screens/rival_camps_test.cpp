#include "screens/rival_camps.h"

#include <gtest/gtest.h>

#include <cmath>

#include "rivals/rival_rules.h"

namespace valorne {
namespace {

const MapLayout& Map() {
  static const MapLayout map =
      LoadMapLayout(std::string(VALORNE_SOURCE_DIR) + "/data/map/camp1.map");
  return map;
}

GameState BothRivals() {
  GameState s;
  s.Rival1Standing = kTrue;
  s.Rival2Standing = kTrue;
  s.RivalStatus = {kIdle, kIdle, kIdle};
  return s;
}

double DistanceToGate(const RivalCampMarker& m) {
  const MapPoint gate = Map().RoadPoint(1);
  const MapRect& r = Map().objects.at("EnemyCamp2Img").rect;
  return std::hypot(m.at.x + r.width / 2 - gate.x, m.at.y + r.height / 2 - gate.y);
}

TEST(RivalCampsTest, EachCampFollowsItsState) {
  struct Case {
    const char* what;
    int county, army, camp;
    Byte state;
    bool standing;
    bool shown;
    std::string_view picture;
    bool at_home;
  };
  const Case cases[] = {
      {"county 1's camp raised", 1, 1, 1, 1, true, true, "EnemyCampRes1", true},
      {"county 1's second not raised", 1, 2, 2, 0, true, false, "", false},
      {"county 1 fallen", 1, 1, 1, 1, false, false, "", false},
      {"county 2's second raised", 2, 2, 5, 1, true, true, "EnemyCampRes2", true},
      {"county 2 not standing", 2, 1, 4, 1, false, false, "", false},
      {"county 1's army at the castle", 1, 2, 2, 3, true, true, "EnemyMarchRes1", false},
  };
  for (const Case& c : cases) {
    GameState s = BothRivals();
    (c.county == 1 ? s.Rival1Standing : s.Rival2Standing) = ToBoolean(c.standing);
    s.Rivals[c.county].CampStates[c.army] = c.state;
    const RivalCampMarker m = RivalCampMarkerOf(s, Map(), c.camp);
    EXPECT_EQ(m.shown, c.shown) << c.what;
    if (!c.shown) continue;
    EXPECT_EQ(m.picture, c.picture) << c.what;
    const MapRect& home = Map().objects.at("EnemyCamp" + std::to_string(c.camp) + "Img").rect;
    EXPECT_EQ(m.at == (MapPoint{home.left, home.top}), c.at_home) << c.what;
  }
}

TEST(RivalCampsTest, TheMarchingArmyNearsTheCastleTurnByTurn) {
  GameState s = BothRivals();
  s.Rivals[1].CampStates[2] = 2;
  s.CampArmies[2].Engineers = 5;  // six turns on the road
  double last = 1e9;
  for (Byte remaining = 6; remaining >= 1; --remaining) {
    s.RivalStatus[2] = remaining;
    const RivalCampMarker m = RivalCampMarkerOf(s, Map(), 2);
    ASSERT_TRUE(m.shown);
    EXPECT_EQ(m.picture, "EnemyMarchRes1");
    const double d = DistanceToGate(m);
    EXPECT_LT(d, last) << "remaining " << int{remaining};
    EXPECT_GT(d, 50) << "still on the road at " << int{remaining};
    last = d;
  }
  s.Rivals[1].CampStates[2] = 3;
  EXPECT_LT(DistanceToGate(RivalCampMarkerOf(s, Map(), 2)), 1.0);
}

TEST(RivalCampsTest, TheSitesStandByTheWaypointsTheRulesKnow) {
  const char* kSites[] = {"DolmenImg1",  "ADolmenImg1",     "CrossImg1",   "ChapelImg1",
                          "GChapelImg1", "HutImg1",         "ObeliskImg1", "StatueImg1",
                          "TavernImg1",  "HBattlefieldImg1"};
  for (int site = 1; site <= 10; ++site) {
    EXPECT_EQ(Map().objects.at(kSites[site - 1]).waypoint, SiteWaypoint(site)) << kSites[site - 1];
  }
}

}  // namespace
}  // namespace valorne
