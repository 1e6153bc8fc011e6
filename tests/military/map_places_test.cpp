#include "military/map_places.h"

#include <gtest/gtest.h>

#include "state/start_values.h"
#include "turn/recording_ui.h"

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

// A click on a place plays its sound and replaces whatever the panel held.
TEST(MapPlacesTest, APlaceReplacesThePanelAndPlaysItsSound) {
  struct Case {
    const char* object;
    const char* sound;
    TextRef name, text, state;
  };
  const Case cases[] = {
      {"ADolmenImg1", "dolmen01.wav", {4, 92}, {1, 35}, {}},
      {"ChestImg3", "treasure01.wav", {4, 103}, {1, 46}, {}},
      {"VillageImg3", "people01.wav", {4, 85}, {1, 50}, {}},
      {"AlliesArmyImg2", "siege01.wav", {4, 130}, {1, 62}, {4, 131}},
  };
  for (const Case& c : cases) {
    Game game;
    testing::RecordingUi ui(game);
    game.live.InfoState = {4, 42};
    game.live.InfoTroops = 77;
    ASSERT_TRUE(ShowPlaceInfo(game, c.object)) << c.object;
    EXPECT_EQ(ui.log, std::vector<std::string>{std::string("sound EnvChanel02 ") + c.sound});
    EXPECT_EQ(game.live.InfoName, c.name) << c.object;
    EXPECT_EQ(game.live.InfoText, c.text) << c.object;
    EXPECT_EQ(game.live.InfoState, c.state) << c.object;
    EXPECT_EQ(game.live.InfoTroops, -1) << c.object;
  }
  Game game;
  EXPECT_FALSE(ShowPlaceInfo(game, "WarBuilding"));
  EXPECT_FALSE(ShowPlaceInfo(game, "EnemyCamp1Img"));
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

TEST(MapPlacesTest, ASiteIsDiscoveredOnce) {
  Game game;
  DiscoverRemoteSite(game, 3);
  EXPECT_EQ(game.live.ChapelDiscovered, 1);
  EXPECT_TRUE(game.live.DiscoveryFlagsRaised);
  EXPECT_TRUE(RemoteSiteDiscovered(game, 3));
  EXPECT_FALSE(RemoteSiteDiscovered(game, 1));
  // Found again: nothing changes, the flags stay down.
  game.live.DiscoveryFlagsRaised = false;
  DiscoverRemoteSite(game, 3);
  EXPECT_FALSE(game.live.DiscoveryFlagsRaised);
  DiscoverRemoteSite(game, 0);  // no scout target
  EXPECT_EQ(game.live.DolmenDiscovered + game.live.StatueDiscovered, 0);
  EXPECT_EQ(RemoteSiteWaypoint(1), 18);
  EXPECT_EQ(RemoteSiteObject(2), "StatueImg1");
}

}  // namespace
}  // namespace valorne
