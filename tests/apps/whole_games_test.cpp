// Whole games through the real level program, played with the mouse only by
// a scripted player: a lord who wins the level by trade, the forge and the
// storm of rival county 1's castle; a lord murdered by rival county 1's
// assassins because his guard was never trained; and a castle left without a
// garrison that falls to the rival's army. Each game tells its turns and its
// county; with VALORNE_WATCH set in the environment the won game also tells
// each turn's county as it goes (scripts/watch-won-game).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <tuple>

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

// The programs of the way out of the level: the battle program started for
// each battle is not one of them.
std::vector<std::string> Started(const std::string& err) {
  std::vector<std::string> started = testing::StartedPrograms(err);
  std::erase(started, "battledata.rx");
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

// The county line the watcher of the won game sees after each end of turn.
void Watch(const JsonValue& county) {
  if (std::getenv("VALORNE_WATCH") == nullptr) return;
  std::cout << "turn " << Number(county, "Turn") << ": gold " << Number(county, "Gold") << ", ore "
            << Number(county, "OreStock") << ", people " << Number(county, "Population")
            << ", morale " << Number(county, "Morale") << ", farming "
            << Number(county, "FarmingLevel") << ", guard " << Number(county, "GuardLevel")
            << ", armies " << county.at("ArmySizes").at(0).get<double>() << " "
            << county.at("ArmySizes").at(1).get<double>() << " at waypoint "
            << county.at("ArmyWaypointNos").at(0).get<double>() << ", bows "
            << Number(county, "Bows") << ", rival county 1 "
            << (Number(county, "Rival1Standing") == 0 ? "fallen" : "standing") << "\n";
}

bool Built(const JsonValue& county, std::size_t building) {
  return county.at("BuildingBuilt").at(building - 1).get<double>() != 0;
}

// The orders of every turn of the won game's lord: the turn's food, the next
// farming level, the guard up to level 4, the barracks and then the
// blacksmith, bows at the forge, and the market's ore once his diplomacy
// reaches its 80.
void RunTheCounty(CountyPlayer& player, bool& ore_ordered) {
  JsonValue county = player.level().Dump();
  player.BuyTheTurnsFood();
  player.FeedThePeople();
  if (Number(county, "FarmingResearchTurns") == 200 && Number(county, "FarmingLevel") < 10) {
    player.StartResearch();
  }
  county = player.level().Dump();
  if (Number(county, "GuardResearchTurns") == 200 && Number(county, "GuardLevel") < 4 &&
      Number(county, "Gold") >= Number(county, "GuardLevel") * 700) {
    player.TrainGuard();
  }
  for (const auto& [building, button, stone] :
       {std::tuple{2, "BaracksBtn", 1000}, std::tuple{1, "BlacksmithBtn", 200}}) {
    county = player.level().Dump();
    if (!Built(county, building) && Number(county, "ConstructionBuilding") == 0 &&
        Number(county, "Gold") >= 5000 && Number(county, "WoodStock") >= 800 &&
        Number(county, "StoneStock") >= stone) {
      player.Build(button);
    }
  }
  county = player.level().Dump();
  if (Built(county, 1) && Number(county, "ForgeOrder") == 0 && Number(county, "WoodStock") >= 500) {
    player.Forge("BowBtn");
  }
  if (!ore_ordered && Number(county, "LordDiplomacy") >= 80) {
    player.BuyOreFromTheMarket(20);
    ore_ordered = true;
  }
}

// The lord of the won game. From the first turn: taxes at 50 %, four wood and
// two stone places staffed, and every turn ten grain and ten meat bought at
// the trade post, so that the taxes come in and the people eat their fill;
// the next farming level researched whenever it can be paid; the guard
// trained to level 4 before the assassins' strike of turn 24; the barracks and
// then the blacksmith built, and bows forged from then on. Once his diplomacy
// reaches the market's 80 the market sells him a fifth of its ore every turn.
// On turn 26 every soldier the armoury equips joins army 1, which marches
// down the road from turn 27, lays siege when the war of turn 33 opens the
// last stretch and storms with its engineers' short siege. Once rival
// county 1 has fallen a home army of archers brings the soldiers above 1000.
TEST(WholeGames, TheLordWinsByTradeTheForgeAndTheStorm) {
  GameFolder folder;
  NewNormalGame(folder);
  std::filesystem::copy_file(std::filesystem::path(VALORNE_GAME_DIR) / "battledata.rx",
                             folder.game() / "battledata.rx");
  testing::WriteText(folder.game() / "camp.rx", "9\r\n");
  CountyPlayer player(folder, "--seed 7");
  player.GiveWhenAsked();
  player.Begin();
  player.SetTaxRate(50);
  for (int place = 1; place <= 4; ++place) player.StaffWorkPlace("Wood", place);
  for (int place = 1; place <= 2; ++place) player.StaffWorkPlace("Stone", place);
  std::vector<int> road = {3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                           14, 15, 19, 20, 21, 22, 23, 43, 44, 50};
  long siege_turn = 0, storm_turn = 0, storm_outcome = -1, storm_survivors = 0;
  bool ore_ordered = false, home_army = false;
  for (int turn = 0; turn < 60; ++turn) {
    const JsonValue county = player.level().Dump();
    ASSERT_TRUE(county.is_object()) << player.level().Errors();
    if (Lost(county)) break;
    const long now = Number(county, "Turn");
    RunTheCounty(player, ore_ordered);
    if (now == 26) {
      ASSERT_TRUE(player.Recruit({"ArcherBtn", "MacemanBtn", "SwordsmenBtn", "HelebarderBtn",
                                  "TwoHandBtn", "EnginerBtn"}));
      player.CombineArmies(1);
      EXPECT_EQ(player.level().Dump().at("ArmyExists").at(1).get<double>(), 0);
    }
    if (now >= 27) {
      ASSERT_TRUE(player.MarchOn(road)) << road.front() << player.level().Errors();
    }
    if (road.empty() && siege_turn == 0 && Number(county, "SpareFlag") == 1) {
      ASSERT_EQ(player.Walk(1, 51), "MsgFrm");
      player.level().Do("click MsgFrm.OkAniBtn");
      siege_turn = now;
    }
    const long soldiers = Number(county, "ArmyTotal");
    if (storm_turn != 0 && !home_army && soldiers < 1000 &&
        Number(county, "Bows") >= 1000 - soldiers + 20) {
      home_army = player.Recruit({"ArcherBtn"});
    }
    const bool goes_on = player.EndTurn();
    const JsonValue after = player.level().Dump();
    Watch(after);
    if (!goes_on) break;
    if (Number(after, "BattleStatus") == 1) {
      player.level().Do("await ResultsFrm");
      const JsonValue results = player.level().Dump();
      ASSERT_EQ(player.level().Top(), "ResultsFrm") << player.level().Errors();
      storm_turn = now;
      storm_outcome = Number(results, "BattleOutcome");
      storm_survivors = static_cast<long>(results.at("ArmySizes").at(0).get<double>());
      player.level().Do("click ResultsFrm.OkAniBtn");
    }
  }
  const JsonValue end = player.level().Dump();
  ASSERT_TRUE(end.is_object()) << player.level().Errors();
  Report("won game", end);
  std::cout << "  siege laid on turn " << siege_turn << ", stormed at the end of turn "
            << storm_turn << " leaving " << storm_survivors << " soldiers\n";
  EXPECT_EQ(siege_turn, 35);
  EXPECT_EQ(storm_turn, 38);
  EXPECT_NE(storm_outcome, 0);
  EXPECT_TRUE(home_army);
  // The four objectives hold together at the end of turn 40.
  EXPECT_EQ(Number(end, "Turn"), 41);
  EXPECT_EQ(Number(end, "Rival1Standing"), 0);
  EXPECT_GE(Number(end, "ArmyTotal"), 1000);
  EXPECT_GE(Number(end, "FarmingLevel"), 10);
  EXPECT_GE(end.at("Morale").get<double>(), 75);
  EXPECT_FALSE(Lost(end));
  ASSERT_EQ(player.level().Top(), "TipsFrm");
  // The objectives screen on its victory face: the four objectives in green,
  // and only "next" goes on.
  const JsonValue tips = testing::ParseJson(player.level().Ask("show TipsFrm"));
  int met = 0;
  for (const JsonValue& c : tips.at("controls")) {
    const std::string name = c.at("name").get<std::string>();
    if (name == "NextLbl") {
      EXPECT_TRUE(c.at("visible").get<bool>());
    } else if (name == "Image1" || name == "Image4") {
      EXPECT_FALSE(c.at("visible").get<bool>()) << name;
    } else if (name.rfind("TipLbl(", 0) == 0 && name < "TipLbl(5)") {
      met += c.at("colour").get<std::string>() == "#009632";
    }
  }
  EXPECT_EQ(met, 4);
  player.level().Do("click TipsFrm.NextLbl");
  EXPECT_EQ(player.level().Finish(), 0) << player.level().Errors();
  EXPECT_EQ(Started(player.level().Errors()),
            (std::vector<std::string>{"splash.rx", "introdata.rx"}));
  EXPECT_EQ(testing::ReadText(folder.game() / "camp.rx"), "10\r\n");
  EXPECT_EQ(testing::ReadText(folder.game() / "levelinfo.rx"), "10\r\n");
  EXPECT_EQ(testing::ReadText(folder.game() / "LGame.rx"), "0\r\n");
}

}  // namespace
}  // namespace valorne
