#include "military/map_places.h"

#include <gtest/gtest.h>

#include "state/start_values.h"

namespace valorne {
namespace {

// An outlaw band of exactly `soldiers` club men.
void SetBand(GameState& s, int band, Integer soldiers) {
  CampComposition troops{};
  troops.ClubMen = soldiers;
  s.Outlaws.SetBand(band, troops);
}

// The third line of the ruins and the cave: held with the band's strength,
// or cleared once the band is gone.
TEST(MapPlacesTest, TheRuinsAndTheCaveTellTheirBandsStrength) {
  struct Case {
    const char* object;
    int band;
    Integer soldiers;
    TextRef state, hint;
  };
  const Case cases[] = {
      {"RuinsImg1", kRuinsBand, 400, {4, 41}, {4, 131}},
      {"RuinsImg1", kRuinsBand, 401, {4, 41}, {4, 132}},
      {"RuinsImg1", kRuinsBand, 800, {4, 41}, {4, 132}},
      {"RuinsImg1", kRuinsBand, 801, {4, 41}, {4, 133}},
      {"RuinsImg1", kRuinsBand, 1200, {4, 41}, {4, 133}},
      {"RuinsImg1", kRuinsBand, 1201, {4, 41}, {4, 134}},
      {"RuinsImg1", kRuinsBand, 0, {4, 42}, {}},
      {"CaveImg1", kCaveBand, 1, {4, 41}, {4, 131}},
      {"CaveImg1", kCaveBand, 0, {4, 42}, {}},
  };
  for (const Case& c : cases) {
    Game game;
    SetStartValues(game);
    SetBand(game.state, c.band, c.soldiers);
    ASSERT_TRUE(ShowPlaceInfo(game, c.object));
    EXPECT_EQ(game.live.InfoState, c.state) << c.object << " " << c.soldiers;
    EXPECT_EQ(game.live.InfoStateHint, c.hint) << c.object << " " << c.soldiers;
    EXPECT_EQ(game.live.InfoTroops, -1);
  }
}

// The soldiers behind each enemy marker; a rival's camps only while our
// ambassador is at its court.
TEST(MapPlacesTest, EnemyMarkersTellTheirTroops) {
  struct Case {
    const char* object;
    Byte stance1, stance2;
    long troops;
  };
  const Case cases[] = {
      {"EnemyCamp1Img", 100, 0, 2665},  // county 1's first army at its start
      {"EnemyCamp1Img", 99, 100, -1},  {"EnemyCamp2Img", 100, 0, 30},
      {"EnemyCamp4Img", 100, 0, -1},   {"EnemyCamp5Img", 0, 100, 45},
      {"OutLawArmyImg2", 0, 0, 502},   {"RebelionArmyImg1", 0, 0, 300 + 12},
      {"RebelionArmyImg2", 0, 0, 40},  {"RebelionArmyImg3", 0, 0, 41},
  };
  for (const Case& c : cases) {
    Game game;
    SetStartValues(game);
    GameState& s = game.state;
    s.RivalStance = {c.stance1, c.stance2};
    s.CampArmies[2] = {};
    s.CampArmies[2].Archers = 30;
    s.CampArmies[5] = {};
    s.CampArmies[5].Cavalry = 45;
    SetBand(s, 2, 502);
    s.RebelStrength = {300, 12};
    s.RebelBandStrengths = {40, 41};
    ASSERT_TRUE(ShowForceInfo(game, c.object)) << c.object;
    EXPECT_EQ(game.live.InfoTroops, c.troops) << c.object;
    const TextRef soldiers = c.troops >= 0 ? TextRef{4, 156} : TextRef{};
    EXPECT_EQ(game.live.InfoState, soldiers) << c.object;
  }
  Game game;
  EXPECT_FALSE(ShowForceInfo(game, "RuinsImg1"));
  EXPECT_FALSE(ShowForceInfo(game, "EnemyCamp6Img"));
}

// A place found a second time (by an army after the scouts) changes nothing.
TEST(MapPlacesTest, ASiteIsDiscoveredOnce) {
  Game game;
  DiscoverRemoteSite(game, 3);
  EXPECT_TRUE(RemoteSiteDiscovered(game, 3));
  EXPECT_TRUE(game.live.DiscoveryFlagsRaised);
  game.live.DiscoveryFlagsRaised = false;
  DiscoverRemoteSite(game, 3);
  DiscoverRemoteSite(game, 0);  // scouts without a place
  EXPECT_FALSE(game.live.DiscoveryFlagsRaised);
  EXPECT_EQ(game.live.DolmenDiscovered + game.live.StatueDiscovered, 0);
}

}  // namespace
}  // namespace valorne
