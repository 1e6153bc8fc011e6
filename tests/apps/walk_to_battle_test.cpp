// A battle reached by clicks only through the real level and battle
// programs: army 1 of a new game walks the road from the castle to the
// outlaw band before waypoint 24, the attack is ordered, the battle program
// fights it at once and the results screen sends the survivors home with
// the plunder.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/county_player.h"

namespace valorne {
namespace {

using testing::CountyPlayer;
using testing::GameFolder;
using testing::JsonValue;
using testing::Number;

long First(const JsonValue& dump, const std::string& key) {
  return dump.at(key).at(0).get<long>();
}

// The road from the castle gate to the crossroads before the band.
const std::vector<int> kRoadTo23 = {3,  4,  5,  6,  7,  8,  9,  10, 11,
                                    12, 13, 14, 15, 19, 20, 21, 22, 23};

TEST(WalkToBattle, ArmyOneWalksToTheOutlawsAndBeatsThem) {
  GameFolder folder;
  folder.TurnFadesOff();
  std::filesystem::copy_file(std::filesystem::path(VALORNE_GAME_DIR) / "battledata.rx",
                             folder.game() / "battledata.rx");
  CountyPlayer player(folder, "--seed 5");
  player.Begin();
  std::vector<int> road = kRoadTo23;
  while (!road.empty()) {
    ASSERT_TRUE(player.MarchOn(road)) << road.front() << player.level().Errors();
    if (!road.empty()) {
      ASSERT_TRUE(player.EndTurn()) << player.level().Errors();
    }
  }
  while (First(player.level().Dump(), "ArmyMovesLeft") == 0) ASSERT_TRUE(player.EndTurn());
  const JsonValue before = player.level().Dump();
  ASSERT_EQ(First(before, "GoalFlags"), -1) << "the band stands before waypoint 24";

  // The band bars the road: the click asks whether to attack.
  ASSERT_EQ(player.Walk(1, 24), "MsgFrm");
  EXPECT_EQ(Number(player.level().Dump(), "MessageKind"), 11);
  player.level().Do("click MsgFrm.OkAniBtn");
  const JsonValue fighting = player.level().Dump();
  EXPECT_EQ(Number(fighting, "BattleTarget"), 1);
  EXPECT_EQ(Number(fighting, "BattleStatus"), 1);
  EXPECT_EQ(player.level().Top(), "Camp1Frm");
  player.level().Do("await ResultsFrm");
  const JsonValue results = player.level().Dump();
  ASSERT_EQ(player.level().Top(), "ResultsFrm") << player.level().Errors();
  player.level().Do("click ResultsFrm.OkAniBtn");
  const JsonValue after = player.level().Dump();
  ASSERT_TRUE(after.is_object()) << player.level().Errors();

  // 1010 soldiers against a band of outlaws: the battle is won, the dead
  // are gone from the army and morale rises by 15.
  ASSERT_NE(Number(results, "BattleOutcome"), 0);
  EXPECT_EQ(First(before, "ArmySizes") - First(after, "ArmySizes"), Number(results, "OurDead"));
  EXPECT_GT(Number(results, "EnemyDead"), 0);
  EXPECT_NEAR(after.at("Morale").get<double>(), before.at("Morale").get<double>() + 15, 1e-3);
  // The plunder of a victory with plunder, each within its draw.
  if (Number(results, "BattleOutcome") == 1) {
    const struct {
      const char* stock;
      long least, most;
    } plunder[] = {{"GrainStock", 300, 799},
                   {"MeatStock", 10, 39},
                   {"WoodStock", 100, 399},
                   {"StoneStock", 100, 399},
                   {"OreStock", 100, 399}};
    for (const auto& p : plunder) {
      const long gained = Number(after, p.stock) - Number(before, p.stock);
      EXPECT_GE(gained, p.least) << p.stock;
      EXPECT_LE(gained, p.most) << p.stock;
    }
  }
  // The band is gone, the army still stands at the crossroads and the
  // road to waypoint 24 is open; the exchange files are gone.
  EXPECT_EQ(First(after, "GoalFlags"), 0);
  EXPECT_EQ(First(after, "ArmyWaypointNos"), 23);
  EXPECT_FALSE(std::filesystem::exists(folder.game() / "Fight_in.rx"));
  EXPECT_FALSE(std::filesystem::exists(folder.game() / "Fight_out.rx"));
  while (First(player.level().Dump(), "ArmyMovesLeft") == 0) ASSERT_TRUE(player.EndTurn());
  EXPECT_EQ(player.Walk(1, 24), "Camp1Frm");
  EXPECT_EQ(First(player.level().Dump(), "ArmyWaypointNos"), 24);
  player.level().Do("quit");
  EXPECT_EQ(player.level().Finish(), 0) << player.level().Errors();
}

}  // namespace
}  // namespace valorne
