#include <gtest/gtest.h>

#include "rivals/rival_rules.h"
#include "rivals/rivals_fixture.h"

namespace valorne {
namespace {

using testing::RivalsGame;

TEST(RivalSiteGrabTest, TakenWithGoldUnlessAnArmyStandsThere) {
  struct Case {
    const char* what;
    Long gold;
    Byte held_by;  // the old dolmen's holder before the grab
    int army_at;   // waypoint of the player's army 2 (0: no such army)
    Byte held_after;
    Long gold_after;
  };
  // County 1 reaches for the old dolmen (waypoint 18) every 4th turn.
  const Case cases[] = {
      {"free and paid for", 3500, 0, 0, 2, 500},
      {"too little gold", 3499, 0, 0, 0, 3499},
      {"taken from the player", 5000, 1, 0, 2, 2000},
      {"already its own", 5000, 2, 0, 2, 5000},
      {"an army on its waypoint", 5000, 0, 18, 0, 5000},
      {"an army on the player's place", 5000, 1, 18, 1, 5000},
      {"an army elsewhere", 5000, 0, 17, 2, 2000},
  };
  for (const Case& c : cases) {
    RivalsGame g;
    g.s().Turn = 4;
    g.s().SitesHeld[2] = c.held_by;
    if (c.army_at != 0) {
      g.s().ArmyExists[2] = kTrue;
      g.s().ArmyWaypointNos[2] = static_cast<Byte>(c.army_at);
    }
    RivalCounty& r = g.rival(1);
    r.Gold = c.gold;
    RivalSiteGrabs(g.s(), ProfileOf(1), r);
    EXPECT_EQ(g.s().SitesHeld[2], c.held_after) << c.what;
    EXPECT_EQ(r.Gold, c.gold_after) << c.what;
  }
}

}  // namespace
}  // namespace valorne
