// The save shown as JSON (--dump-save and the headless dump): one object on
// one line, keys in record order, troop lists and rival counties as objects.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "state/record.h"
#include "state/record_table.h"
#include "state/start_values.h"

namespace valorne {
namespace {

// The keys of the outermost object, in order.
std::vector<std::string> TopLevelKeys(const std::string& json) {
  std::vector<std::string> keys;
  int depth = 0;
  bool expect_key = false;
  for (std::size_t i = 0; i < json.size(); ++i) {
    const char c = json[i];
    if (c == '"') {
      const std::size_t end = json.find('"', i + 1);
      if (depth == 1 && expect_key) keys.push_back(json.substr(i + 1, end - i - 1));
      expect_key = false;
      i = end;
    } else if (c == '{' || c == '[') {
      ++depth;
      expect_key = depth == 1;
    } else if (c == '}' || c == ']') {
      --depth;
    } else if (c == ',' && depth == 1) {
      expect_key = true;
    }
  }
  return keys;
}

std::string StartJson() {
  Game game;
  game.Difficulty = 2;
  game.rng = Random::Constant(0.5);
  SetStartValues(game);
  return RecordToJson(game.state);
}

TEST(RecordJson, KeysFollowTheRecordWithSplitFieldsWhereTheyFirstAppear) {
  std::vector<std::string> expected;
  for (const auto& row : testing::kRecordRows) {
    std::string name = row.name;
    if (auto paren = name.find('('); paren != std::string::npos) name.resize(paren);
    if (std::find(expected.begin(), expected.end(), name) == expected.end()) {
      expected.push_back(name);
    }
  }
  const std::string json = StartJson();
  EXPECT_EQ(TopLevelKeys(json), expected);
  EXPECT_EQ(json.find('\n'), std::string::npos) << "one line";
  EXPECT_EQ(json.front(), '{');
  EXPECT_EQ(json.back(), '}');
}

TEST(RecordJson, ShapesOfTheFields) {
  const std::string json = StartJson();
  const char* pieces[] = {
      R"({"LevelNumber":9,"PlayerUndefeated":-1,"Turn":1,"WarMarchTurns":[0,0],"Season":1,)",
      R"("Gold":2500,)",
      R"("TitheDemand":500,)",
      R"("Morale":25,)",
      R"("ArmySoldiers":[{"Monks":5,"Archers":100,"ClubMen":100,"SwordMen":100,)"
      R"("Helebarders":100,"TwoHanders":100,"Cavalry":300,"HeavyCavalry":100,"Champions":0,)"
      R"("Templars":50,"Paladins":50,"LongBowmen":0,"Warlords":0,"Engineers":5},{"Monks":0,)",
      R"("Rivals":[{"Gold":5000,"TaxRate":0,"Morale":50,"Happiness":60,"People":2000,)"
      R"("Leadership":30,"Nobility":20,"Diplomacy":10,"Religion":30,"Assassins":1,"Guard":1,)"
      R"("GuardTurns":200,"CastleStage":[0,0,0,-1,0],"ArmyRaised":[-1,0,0],)"
      R"("Rival1CampStates":[1,0,0]},{"Gold":2000,"TaxRate":50,"Morale":60,"Happiness":74,)"
      R"("People":4100,)",
      R"("ArmyRaised":[0,0],"Rival2CampStates":[0,0]}],"CampArmies":[{"Monks":0,"Archers":420,)",
      R"("OutlawArmies":{"OutlawMonks":[0,0,1,0,1,3],"OutlawArchers":[0,200,600,87,250,450],)",
      R"("OutlawEngineers":[0,3,0,2,0,0]},"GoalCounters":[0,0],"BattleArmy":{"Monks":0,)",
  };
  for (const char* piece : pieces) EXPECT_NE(json.find(piece), std::string::npos) << piece;
  std::size_t camps = 0;
  const std::size_t camp_list = json.find("\"CampArmies\":[");
  for (std::size_t at = camp_list; at < json.find("],\"Rival2Standing\"", camp_list);
       at = json.find("{\"Monks\"", at + 1)) {
    ++camps;
  }
  EXPECT_EQ(camps - 1, 5u) << "five camps";
}

TEST(RecordJson, RealsAsShortestNumbersAndNoNumberAsNull) {
  GameState s;
  s.Morale = 12.5f;
  s.Rivals[1].Morale = std::numeric_limits<float>::quiet_NaN();
  s.Rivals[2].Morale = -std::numeric_limits<float>::infinity();
  const std::string json = RecordToJson(s);
  EXPECT_NE(json.find("\"Morale\":12.5,"), std::string::npos);
  EXPECT_NE(json.find("\"Rivals\":[{\"Gold\":0,\"TaxRate\":0,\"Morale\":null,"), std::string::npos);
  EXPECT_NE(json.find("{\"Gold\":0,\"TaxRate\":0,\"Morale\":null,\"Happiness\":0,\"People\":0,"
                      "\"Leadership\":0,\"Nobility\":0,\"Diplomacy\":0,\"Religion\":0,"
                      "\"Assassins\":0,\"Guard\":0,\"GuardTurns\":0,\"CastleStage\":[0,0,0,0,0],"
                      "\"ArmyRaised\":[0,0],"),
            std::string::npos);
}

}  // namespace
}  // namespace valorne
