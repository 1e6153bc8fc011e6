// Whole games through the real level program, played with the mouse only by
// a scripted player: a lord murdered by rival county 1's assassins because
// his guard was never trained, and a castle left without a garrison that
// falls to the rival's army. Each game tells its turns and its county.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "support/county_player.h"

namespace valorne {
namespace {

using testing::CountyPlayer;
using testing::GameFolder;
using testing::JsonValue;
using testing::Number;

// A fresh game at NORMAL, without the fades so that clicks act at once.
void NewNormalGame(const GameFolder& folder) {
  folder.TurnFadesOff();
  testing::WriteText(folder.game() / "Options.rx", "2\r\n");
}

std::vector<std::string> Started(const std::string& err) {
  std::vector<std::string> started;
  std::istringstream lines(err);
  for (std::string line; std::getline(lines, line);) {
    // The battle program started for each battle is not part of the way out.
    if (line.rfind("level9: started ", 0) == 0 && line != "level9: started battledata.rx") {
      started.push_back(line.substr(16));
    }
  }
  return started;
}

void Report(const std::string& game, const JsonValue& county) {
  std::cout << game << ": " << Number(county, "Turn") << " turns; gold " << Number(county, "Gold")
            << ", people " << Number(county, "Population") << ", morale "
            << Number(county, "Morale") << ", farming " << Number(county, "FarmingLevel")
            << ", army " << Number(county, "ArmyTotal") << ", guard "
            << Number(county, "GuardLevel") << "\n";
}

bool Lost(const JsonValue& county) {
  return Number(county, "PlayerUndefeated") == 0;
}

// Leaves the defeat face for the title: the level hands over to the splash
// and the menu and ends.
void BackToTheMenu(CountyPlayer& player) {
  // The objectives screen on its defeat face: the defeat line in red, and
  // only the replay and the menu to choose from.
  const JsonValue tips = testing::ParseJson(player.level().Ask("show TipsFrm"));
  int looked_at = 0;
  for (const JsonValue& c : tips.at("controls")) {
    const std::string name = c.at("name").get<std::string>();
    looked_at += name == "TipLbl(1)" || name == "Image1" || name == "Image3" || name == "Image4";
    if (name == "TipLbl(1)") {
      EXPECT_EQ(c.at("colour").get<std::string>(), "#ff0000");
    } else if (name == "Image1") {
      EXPECT_FALSE(c.at("visible").get<bool>());
    } else if (name == "Image3" || name == "Image4") {
      EXPECT_TRUE(c.at("visible").get<bool>()) << name;
    }
  }
  EXPECT_EQ(looked_at, 4);
  player.level().Do("click TipsFrm.Image4");
  EXPECT_EQ(player.level().Finish(), 0) << player.level().Errors();
  EXPECT_EQ(Started(player.level().Errors()),
            (std::vector<std::string>{"splash.rx", "menudata.rx"}));
}

TEST(WholeGames, TheLordIsMurderedWhileHisGuardIsNeverTrained) {
  GameFolder folder;
  NewNormalGame(folder);
  CountyPlayer player(folder, "--seed 7");
  player.Begin();
  player.PlayUntil(Lost, 60);
  const JsonValue end = player.level().Dump();
  ASSERT_TRUE(end.is_object()) << player.level().Errors();
  Report("lost game, the lord murdered", end);
  // Rival county 1's assassins grow every 8th turn and strike at the lord on
  // the 24th, when they outnumber a guard still at its first level.
  EXPECT_TRUE(Lost(end));
  EXPECT_EQ(Number(end, "Turn"), 24);
  EXPECT_EQ(Number(end, "GuardLevel"), 1);
  const auto& seen = player.seen();
  EXPECT_NE(std::find(seen.begin(), seen.end(), "MsgFrm 22"), seen.end());
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), "TipsFrm");
  EXPECT_EQ(player.level().Top(), "TipsFrm");
  BackToTheMenu(player);
}

// The lord sends his only army down the road to the far end, lays siege to
// rival county 1's castle as soon as the road lies open, and storms it; the
// storm fails, and the rival's army finds the home castle without a
// garrison.
TEST(WholeGames, TheUndefendedCastleFallsWhileItsArmyBesiegesTheRival) {
  GameFolder folder;
  NewNormalGame(folder);
  std::filesystem::copy_file(std::filesystem::path(VALORNE_GAME_DIR) / "battledata.rx",
                             folder.game() / "battledata.rx");
  CountyPlayer player(folder, "--seed 7");
  player.Refuse(4);
  player.Refuse(5);
  player.Begin();
  // The stores are sold for the guard's training, and the guard is trained
  // whenever the treasury allows, so that no assassin reaches the lord.
  player.Sell({"Stone", "Wood", "Ore"}, 5000);
  std::vector<int> road = {3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                           14, 15, 19, 20, 21, 22, 23, 43, 44, 50};
  long siege_turn = 0;
  long storm_outcome = -1;
  long storm_target = 0;
  for (int turn = 0; turn < 80; ++turn) {
    const JsonValue county = player.level().Dump();
    ASSERT_TRUE(county.is_object()) << player.level().Errors();
    if (Lost(county)) break;
    if (Number(county, "GuardResearchTurns") == 200 &&
        Number(county, "Gold") >= Number(county, "GuardLevel") * 700) {
      player.TrainGuard();
    }
    ASSERT_TRUE(player.MarchOn(road)) << road.front() << player.level().Errors();
    if (road.empty() && siege_turn == 0 && Number(county, "SpareFlag") == 1) {
      ASSERT_EQ(player.Walk(1, 51), "MsgFrm");
      EXPECT_EQ(Number(player.level().Dump(), "MessageKind"), 12);
      player.level().Do("click MsgFrm.OkAniBtn");
      const JsonValue siege = player.level().Dump();
      // Five engineers: the siege lasts six turns.
      EXPECT_EQ(siege.at("RivalStatus").at(0).get<double>(), 6);
      EXPECT_EQ(siege.at("ArmyWaypointNos").at(0).get<double>(), 51);
      siege_turn = Number(county, "Turn");
    }
    if (!player.EndTurn()) break;
    if (Number(player.level().Dump(), "BattleStatus") == 1) {
      player.level().Do("await ResultsFrm");
      const JsonValue results = player.level().Dump();
      storm_target = Number(results, "BattleTarget");
      storm_outcome = Number(results, "BattleOutcome");
      ASSERT_EQ(player.level().Top(), "ResultsFrm") << player.level().Errors();
      player.level().Do("click ResultsFrm.OkAniBtn");
    }
  }
  const JsonValue end = player.level().Dump();
  ASSERT_TRUE(end.is_object()) << player.level().Errors();
  Report("lost game, the castle fallen", end);
  // The road to the far end opens with the war of turn 33.
  EXPECT_EQ(siege_turn, 34);
  EXPECT_EQ(storm_target, 7);
  EXPECT_EQ(storm_outcome, 0) << "the storm of 1010 soldiers fails";
  EXPECT_TRUE(Lost(end));
  EXPECT_EQ(Number(end, "Rival1Standing"), -1);
  EXPECT_EQ(end.at("RivalStatus").at(1).get<double>(), 201);
  EXPECT_EQ(Number(end, "GarrisonedArmy"), 0);
  // The guard outranked the assassins' four on the 24th turn.
  EXPECT_GE(Number(end, "GuardLevel"), 4);
  EXPECT_GT(Number(end, "Turn"), siege_turn);
  const auto& seen = player.seen();
  for (const char* screen : {"MsgFrm 14", "MsgFrm 23"}) {
    EXPECT_NE(std::find(seen.begin(), seen.end(), screen), seen.end()) << screen;
  }
  EXPECT_EQ(std::find(seen.begin(), seen.end(), "MsgFrm 22"), seen.end());
  EXPECT_EQ(player.level().Top(), "TipsFrm");
  BackToTheMenu(player);
}

}  // namespace
}  // namespace valorne
