#include "military/battle_results.h"

#include <gtest/gtest.h>

#include <functional>

#include "military/battle_exchange.h"
#include "military/battle_forces.h"
#include "military/go_to_frm.h"
#include "military/siege.h"
#include "state/start_values.h"
#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::TempDir;

struct ResultsCounty {
  TempDir dir;
  Game game;
  ResultsCounty() {
    game.rng = Random::Constant(0.5);
    SetStartValues(game);
    game.AppPath = dir.path();
    game.state.Morale = 40;
  }
  // The battle sent: the sides and their short-list flags.
  void Sent(std::initializer_list<Byte> flags) {
    game.live.BattleSides = static_cast<Byte>(flags.size());
    std::size_t i = 0;
    for (Byte f : flags) game.live.ShortListFlags[i++] = f;
  }
  void Outcome(const BattleOutput& output) { ASSERT_TRUE(WriteFightOut(dir.path(), output).ok()); }
};

BattleSideSurvivors Side(bool short_list, std::initializer_list<Integer> slots) {
  BattleSideSurvivors side{short_list, {}};
  std::size_t i = 0;
  for (Integer n : slots) side.survivors[i++] = n;
  return side;
}

// The survivors go back where each side came from, for short and full lists.
TEST(ReadBattleOutputTest, SurvivorsGoBackToTheirForces) {
  struct Case {
    const char* name;
    int target;
    std::uint8_t outcome;
    std::function<void(const GameState&)> check;
  };
  const Case cases[] = {
      {"OutlawBand2", 2, 2,
       [](const GameState& s) {
         EXPECT_EQ(s.Outlaws.Band(2).Archers, 11);
         EXPECT_EQ(s.Outlaws.Band(2).Helebarders, 12);
         EXPECT_EQ(s.Outlaws.Band(2).Engineers, 5);
         EXPECT_EQ(s.Outlaws.Band(0), s.Outlaws.Band(2));
       }},
      {"RebelMob1", 4, 0,
       [](const GameState& s) {
         EXPECT_EQ(s.RebelStrength[2], 8);  // templars
         EXPECT_EQ(s.RebelStrength[1], 9);  // paladins
         EXPECT_EQ(s.Outlaws.Band(0).Total(), 0);
       }},
      {"RebelMob3", 6, 1,
       [](const GameState& s) {
         EXPECT_EQ(s.RebelBandStrengths[2], 17);
         EXPECT_EQ(s.Outlaws.Band(0).Total(), 0);
       }},
      {"Camp3", 9, 1, [](const GameState& s) { EXPECT_EQ(s.CampArmies[3].Paladins, 9); }},
      {"Ruins", 13, 1, [](const GameState& s) { EXPECT_EQ(s.Outlaws.Band(5).ClubMen, 13); }},
  };
  for (const Case& c : cases) {
    ResultsCounty county;
    county.game.state.SelectedArmy = 1;
    county.game.state.ArmySoldiers[1].Engineers = 30;
    county.game.live.BattleTarget = static_cast<Byte>(c.target);
    county.Sent({0, 1});
    county.Outcome({c.outcome,
                    120,
                    340,
                    {Side(false, {50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20, 0, 0, 3}),
                     Side(true, {11, 12, 13, 0, 0, 0, 0, 0, 8, 9, 5})}});
    std::string problem;
    ASSERT_TRUE(ReadBattleOutput(county.game, problem)) << c.name << ": " << problem;
    const GameState& s = county.game.state;
    EXPECT_EQ(s.ArmySoldiers[1].Archers, 50) << c.name;
    EXPECT_EQ(s.ArmySoldiers[1].Engineers, 20) << c.name;  // not the 30 it had
    EXPECT_EQ(s.ArmySoldiers[1].Monks, 3) << c.name;
    EXPECT_EQ(s.ArmySizes[1], 73) << c.name;
    EXPECT_FLOAT_EQ(s.Morale, c.outcome != 0 ? 55.0f : 25.0f) << c.name;
    EXPECT_EQ(county.game.live.OurDead, 120) << c.name;
    EXPECT_EQ(county.game.live.EnemyDead, 340) << c.name;
    c.check(s);
  }
}

// An outcome that does not answer the battle sent changes nothing.
TEST(ReadBattleOutputTest, RefusesOutcomesThatDoNotMatch) {
  struct Case {
    const char* name;
    std::function<void(ResultsCounty&)> write;
  };
  const Case cases[] = {
      {"Missing", [](ResultsCounty&) {}},
      {"OtherShortList",
       [](ResultsCounty& c) {
         c.Outcome({1, 0, 0, {Side(false, {}), Side(false, {})}});
       }},
      {"OtherSideCount",
       [](ResultsCounty& c) {
         c.Outcome({1, 0, 0, {Side(false, {})}});
       }},
      {"Truncated",
       [](ResultsCounty& c) {
         std::string bytes = EncodeBattleOutput({1, 0, 0, {Side(false, {}), Side(true, {})}});
         bytes.pop_back();
         testing::WriteText(c.dir / "Fight_out.rx", bytes);
       }},
  };
  for (const Case& c : cases) {
    ResultsCounty county;
    county.game.state.SelectedArmy = 1;
    county.game.live.BattleTarget = 1;
    county.Sent({0, 1});
    c.write(county);
    const GameState before = county.game.state;
    std::string problem;
    EXPECT_FALSE(ReadBattleOutput(county.game, problem)) << c.name;
    EXPECT_FALSE(problem.empty()) << c.name;
    EXPECT_EQ(county.game.state, before) << c.name;
  }
}

TEST(ReadBattleOutputTest, AnArmyWithNobodyLeftIsGone) {
  ResultsCounty county;
  GameState& s = county.game.state;
  s.SelectedArmy = 1;
  s.GarrisonedArmy = 1;
  county.game.live.BattleTarget = 8;
  county.Sent({0, 0});
  county.Outcome({0, 1010, 0, {Side(false, {}), Side(false, {40})}});
  std::string problem;
  ASSERT_TRUE(ReadBattleOutput(county.game, problem)) << problem;
  EXPECT_FALSE(IsTrue(s.ArmyExists[1]));
  EXPECT_EQ(s.GarrisonedArmy, 0);
  EXPECT_EQ(s.CampArmies[2].Archers, 40);
}

// The plunder of outcome 1 only: five draws, grain, meat, wood, stone, ore.
TEST(PlunderTest, OnlyAClearVictoryPlunders) {
  for (std::uint8_t outcome : {0, 1, 2}) {
    ResultsCounty county;
    GameState& s = county.game.state;
    county.game.live.BattleOutcome = outcome;
    const GameState before = s;
    TakePlunder(county.game);
    const long got = outcome == 1 ? 1 : 0;
    EXPECT_EQ(s.GrainStock - before.GrainStock, got * 550) << int(outcome);
    EXPECT_EQ(s.MeatStock - before.MeatStock, got * 25);
    EXPECT_EQ(s.WoodStock - before.WoodStock, got * 250);
    EXPECT_EQ(s.StoneStock - before.StoneStock, got * 250);
    EXPECT_EQ(s.OreStock - before.OreStock, got * 250);
    EXPECT_EQ(county.game.live.Plunder[3], got * 550);
  }
}

// What a victory over each target means; every case starts from a county at
// war with both rivals, a siege laid at waypoint 51 and every force present.
TEST(VictoryTest, EachTargetHasItsEffect) {
  struct Case {
    int target;
    std::function<void(Game&)> setup;
    std::function<void(const GameState&, const GameState& before)> check;
  };
  auto none = [](Game&) {};
  const Case cases[] = {
      {2, none, [](const GameState& s, const GameState&) { EXPECT_FALSE(IsTrue(s.GoalFlags[2])); }},
      {4, none,
       [](const GameState& s, const GameState&) {
         EXPECT_FALSE(IsTrue(s.RebelsActive));
         EXPECT_EQ(s.RebelStrength[1] + s.RebelStrength[2], 0);
       }},
      {6, none,
       [](const GameState& s, const GameState&) {
         EXPECT_FALSE(IsTrue(s.RebelValues[2]));
         EXPECT_EQ(s.RebelBandStrengths[2], 0);
         EXPECT_TRUE(IsTrue(s.RebelValues[1]));
       }},
      {7, none,
       [](const GameState& s, const GameState&) {
         EXPECT_FALSE(IsTrue(s.Rival1Standing));
         EXPECT_EQ(s.WarCountdown[1], 0);
         EXPECT_EQ(s.WarCountdown[2], 3);
         EXPECT_EQ(s.RivalStatus[1], 200);
         EXPECT_EQ(s.ArmyWaypointNos[1], 50);
       }},
      {8, [](Game& g) { g.state.Rivals[1].CampStates[2] = 3; },
       [](const GameState& s, const GameState& before) {
         EXPECT_EQ(s.RivalStatus[2], 200);
         EXPECT_EQ(s.Rivals[1].CampStates[2], 0);
         EXPECT_FALSE(IsTrue(s.Rivals[1].ArmyRaised[2]));
         EXPECT_EQ(s.WarCountdown[1], 0);
         EXPECT_EQ(s.Population, before.Population);
       }},
      {9,
       [](Game& g) {
         g.state.SelectedArmy = 4;  // the county's own people
         g.live.OurDead = 100;
       },
       [](const GameState& s, const GameState& before) {
         EXPECT_EQ(s.RivalStatus[2], 5);  // camp 3 was not marching on the castle
         EXPECT_EQ(s.Rivals[1].CampStates[3], 0);
         EXPECT_EQ(s.Population, before.Population - 100);
         EXPECT_EQ(s.Rivals[1].Leadership, before.Rivals[1].Leadership - 10);
         EXPECT_EQ(s.Rivals[1].Nobility, before.Rivals[1].Nobility - 25);
       }},
      {10, none,
       [](const GameState& s, const GameState&) {
         EXPECT_FALSE(IsTrue(s.Rival2Standing));
         EXPECT_EQ(s.WarCountdown[2], 0);
         EXPECT_EQ(s.RivalStatus4, 200);
         EXPECT_EQ(s.RivalStatus[1], 4);  // the other siege goes on
       }},
      {11, none,
       [](const GameState& s, const GameState&) {
         EXPECT_EQ(s.Rivals[2].CampStates[2], 0);
         EXPECT_EQ(s.WarCountdown[2], 0);
         EXPECT_EQ(s.WarCountdown[1], 5);
       }},
      {12, none,
       [](const GameState& s, const GameState& before) {
         EXPECT_EQ(s.Outlaws.Band(4).Total(), 0);
         EXPECT_EQ(s.Gold, before.Gold + 1500);
         EXPECT_EQ(s.OreStock, before.OreStock + 3300);
       }},
      {13, none,
       [](const GameState& s, const GameState& before) {
         EXPECT_EQ(s.Outlaws.Band(5).Total(), 0);
         EXPECT_EQ(s.Gold, before.Gold + 3000);
         EXPECT_EQ(s.OreStock, before.OreStock + 2000);
       }},
      {14, none,
       [](const GameState& s, const GameState& before) {
         EXPECT_EQ(s.VillageStates[1], 6);
         EXPECT_EQ(s.Population, before.Population - 300);
         EXPECT_EQ(s.Happiness, before.Happiness - 50);
         EXPECT_EQ(s.LordDiplomacy, before.LordDiplomacy - 10);
         EXPECT_EQ(s.LordReligion, before.LordReligion - 25);
       }},
      {16, [](Game& g) { g.state.Rivals[2].People = 200; },
       [](const GameState& s, const GameState& before) {
         EXPECT_EQ(s.VillageStates[3], 6);
         EXPECT_EQ(s.Rivals[2].People, 0);  // no fewer than nobody
         EXPECT_EQ(s.Rivals[2].Happiness, before.Rivals[2].Happiness - 50);
         EXPECT_EQ(s.Population, before.Population);
       }},
  };
  for (const Case& c : cases) {
    ResultsCounty county;
    Game& g = county.game;
    GameState& s = g.state;
    s.WarCountdown = {5, 3};
    s.RivalStatus = {4, 5, 6};
    s.RivalStatus4 = 7;
    s.Rival2Standing = kTrue;
    s.Rivals[1].CampStates = {1, 2, 2};
    s.Rivals[2].CampStates = {1, 2, 0};
    s.RebelsActive = kTrue;
    s.RebelValues = {kTrue, kTrue};
    s.GoalFlags = {kTrue, kTrue, kTrue};
    s.ArmyWaypointNos = {51, 30, 0};
    s.Population = 3000;
    s.Happiness = 60;
    g.live.EnemyDead = 300;
    g.live.BattleTarget = static_cast<Byte>(c.target);
    c.setup(g);
    const GameState before = s;
    ApplyVictory(g, c.target);
    SCOPED_TRACE("target " + std::to_string(c.target));
    c.check(s, before);
  }
}

TEST(DefeatTest, OnlyAConqueringArmyTakesTheLevel) {
  struct Case {
    const char* name;
    Byte attack_status;
    Byte camp2_state;
    Byte attack_after;
    bool lost;
  };
  const Case cases[] = {
      {"CastleHeldAgainstNoConqueror", 201, 2, 200, false},
      {"CastleLostToAConqueror", 201, 3, 200, true},
      {"FieldDefeat", 9, 1, 9, false},
  };
  for (const Case& c : cases) {
    ResultsCounty county;
    GameState& s = county.game.state;
    s.RivalStatus[2] = c.attack_status;
    s.Rivals[1].CampStates[2] = c.camp2_state;
    ApplyDefeat(county.game);
    EXPECT_EQ(s.RivalStatus[2], c.attack_after) << c.name;
    EXPECT_EQ(IsTrue(s.PlayerUndefeated), !c.lost) << c.name;
  }
}

TEST(EndBattleTest, BothExchangeFilesGo) {
  ResultsCounty county;
  testing::WriteText(county.dir / "Fight_in.rx", "x");
  testing::WriteText(county.dir / "fight_out.rx", "y");
  EndBattle(county.game);
  EXPECT_FALSE(std::filesystem::exists(county.dir / "Fight_in.rx"));
  EXPECT_FALSE(std::filesystem::exists(county.dir / "fight_out.rx"));
}

TEST(SiegeTest, LiftingSendsTheBesiegersBackAndIdlesTheCountdown) {
  ResultsCounty county;
  GameState& s = county.game.state;
  s.ArmyExists = {kTrue, kTrue, kTrue};
  s.ArmyWaypointNos = {30, 51, 51};
  s.RivalStatus[1] = 3;
  s.SelectedArmy = 1;
  SelectBesiegingArmy(county.game, 1);
  EXPECT_EQ(s.SelectedArmy, 2);
  LiftSiege(county.game, 1);
  EXPECT_EQ(s.RivalStatus[1], 200);
  EXPECT_EQ(s.ArmyWaypointNos, (OneBased<Byte, 3>{30, 50, 50}));
  // Nobody on the siege waypoint: the selection stays.
  SelectBesiegingArmy(county.game, 1);
  EXPECT_EQ(s.SelectedArmy, 2);
}

TEST(FieldArmyTest, OnlyTheArmyBeforeTheGateGoesWhileTheCastleIsAttacked) {
  struct Case {
    Byte attack;
    int entry;
    Byte selected;
  };
  const Case cases[] = {{200, 0, 1}, {200, 1, 2}, {200, 2, 0}, {12, 0, 0}, {12, 1, 2}};
  for (const Case& c : cases) {
    ResultsCounty county;
    GameState& s = county.game.state;
    s.ArmyExists = {kTrue, kTrue, 0};
    s.ArmyWaypointNos = {24, 2, 2};
    s.RivalStatus[3] = c.attack;
    ChooseFieldArmy(county.game, c.entry);
    EXPECT_EQ(s.SelectedArmy, c.selected) << int(c.attack) << " " << c.entry;
  }
}

}  // namespace
}  // namespace valorne
