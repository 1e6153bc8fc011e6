#include "county/realm.h"

#include <gtest/gtest.h>

namespace valorne {
namespace {

TEST(Leader, StatusIsTheTruncatedMeanOfTheStandings) {
  struct Case {
    int l, n, d, r, percent;
  };
  const Case cases[] = {
      {60, 50, 40, 30, 45}, {1, 1, 1, 0, 0}, {100, 100, 100, 99, 99}, {0, 0, 0, 0, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(StandingPercent(c.l, c.n, c.d, c.r), c.percent);
  }
}

TEST(Leader, LinesForTheLordAndForRivalsKnownOrNot) {
  Game game;
  GameState& s = game.state;
  s.Morale = 42.7f;
  s.LordLeadership = 60;
  s.LordNobility = 50;
  s.LordDiplomacy = 40;
  s.LordReligion = 30;
  s.Rivals[1].Morale = -12.5f;
  s.Rivals[1].Leadership = 80;
  s.Rivals[1].Nobility = 70;
  s.Rivals[1].Diplomacy = 10;
  s.Rivals[1].Religion = 21;
  s.RivalStance = {100, 1};

  struct Case {
    int lord;
    std::array<const char*, 6> lines;  // morale, four standings, status
    TextRef name;
  };
  const Case cases[] = {
      {1, {"42", "60", "50", "40", "30", "45%"}, {5, 9}},
      {2, {"-13", "80", "70", "10", "21", "45%"}, {5, 10}},
      {3, {"?", "?", "?", "?", "?", "?"}, {5, 11}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "lord " << c.lord);
    const LeaderFigures f = LeaderScreenFigures(game, c.lord);
    EXPECT_EQ(f.Name, c.name);
    EXPECT_EQ(f.Moral, c.lines[0]);
    EXPECT_EQ(f.Leadership, c.lines[1]);
    EXPECT_EQ(f.Nobility, c.lines[2]);
    EXPECT_EQ(f.Diplo, c.lines[3]);
    EXPECT_EQ(f.Religion, c.lines[4]);
    EXPECT_EQ(f.Status, c.lines[5]);
  }
  s.RivalStance[1] = 99;  // an envoy is not enough
  EXPECT_EQ(LeaderScreenFigures(game, 2).Leadership, "?");
}

TEST(Realm, SummaryOfTheCounty) {
  Game game;
  SetUpLevelParams(game.params, 2);
  GameState& s = game.state;
  s.WoodWorkers = 520;
  s.StoneWorkers = 0;
  s.OreWorkers = 185;
  s.CropsWorkers = 350;  // three fields of 100, and 50 left over
  s.CattleWorkers = 90;  // two fields of 45
  s.LeasedFields = 1;
  s.SitesHeld[2] = 1;
  s.SitesHeld[6] = 2;  // held by a rival
  s.SitesHeld[10] = 1;
  s.ArmyExists = {kTrue, 0, kTrue};
  s.GuardLevel = 3;
  s.GuardMissions = {kIdle, 0, 1, 2, 1, 4};

  const RealmFigures f = RealmScreenFigures(game);
  EXPECT_EQ(f.WoodCutter, "520");
  EXPECT_EQ(f.OreCutter, "185");
  EXPECT_EQ(f.CropsField, "3");
  EXPECT_EQ(f.CattleField, "2");
  EXPECT_EQ(f.PlainField, "5");
  EXPECT_EQ(f.Assassin, "4");
  EXPECT_EQ(f.Scout, "1");
  EXPECT_EQ(f.Guard, "3");
  const std::array<std::string, 10> sites = {"0", "1", "0", "0", "0", "0", "0", "0", "0", "1"};
  EXPECT_EQ(f.Sites, sites);
  EXPECT_EQ(f.ArmyNames[0], (TextRef{4, 112}));
  EXPECT_EQ(f.ArmyNames[1].category, 0);
  EXPECT_EQ(f.ArmyNames[2], (TextRef{4, 114}));

  EXPECT_FALSE(SelectArmyFromRealm(s, 2));
  EXPECT_TRUE(SelectArmyFromRealm(s, 3));
  EXPECT_EQ(s.SelectedArmy, 3);
}

}  // namespace
}  // namespace valorne
