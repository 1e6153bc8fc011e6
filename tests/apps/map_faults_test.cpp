// Things a player does on the campaign map, played through the real level
// program on counties prepared with the save editor: recruiting at the
// outpost, the rebuilt village and windmill in the messages, the status line
// while the end of turn asks its questions, the objectives page's buttons,
// and the village a rising mob burns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/json.h"
#include "support/level9_run.h"
#include "support/prepared_save.h"

namespace valorne {
namespace {

using testing::ControlOf;
using testing::Element;
using testing::GameFolder;
using testing::JsonValue;
using testing::Outcome;
using testing::ParseJson;
using testing::PrepareSave;

constexpr const char* kLoadPrepared =
    "click TipsFrm.Image1\n"
    "load Prepared\n"
    "click MsgBoxFrm.OkAniBtn\n";

Outcome RunPrepared(const std::vector<std::string>& fields, const std::string& script) {
  GameFolder folder;
  folder.TurnFadesOff();
  PrepareSave(folder, "Prepared", fields);
  return folder.Run(kLoadPrepared + script + "quit\n", "--rnd 0.5");
}

TEST(MapFaults, TheHeldOutpostOpensRecruitingAndTheNewArmyStandsThere) {
  struct Case {
    std::vector<std::string> fields;
    std::string forms;  // the screens open after the click on the outpost
  } const cases[] = {
      {{"BuildingBuilt(2)=true", "OutpostState=200"}, R"(["Camp1Frm", "ArmyFrm"])"},
      {{"BuildingBuilt(2)=true", "OutpostState=100"}, R"(["Camp1Frm"])"},
      {{"BuildingBuilt(2)=false", "OutpostState=200"}, R"(["Camp1Frm"])"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fields[0] + " " + c.fields[1]);
    const Outcome run = RunPrepared(c.fields, "click Camp1Frm.OutpostImg1\nforms\n");
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 1u) << run.err;
    EXPECT_EQ(run.lines[0], c.forms);
  }
  // A hundred archers raised at the outpost form army 2 at its crossroads.
  const Outcome run = RunPrepared({"BuildingBuilt(2)=true", "OutpostState=200"},
                                  "click Camp1Frm.OutpostImg1\n"
                                  "click ArmyFrm.ArcherBtn\n"
                                  "down ArmyFrm.UpAniBtn\n"
                                  "advance 4000\n"
                                  "up ArmyFrm.UpAniBtn\n"
                                  "click ArmyFrm.OkAniBtn\n"
                                  "forms\n"
                                  "dump\n");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 2u) << run.err;
  EXPECT_EQ(run.lines[0], R"(["Camp1Frm"])");
  const JsonValue dump = ParseJson(run.lines[1]);
  EXPECT_EQ(Element(dump, "ArmyExists", 1), -1);
  EXPECT_EQ(Element(dump, "ArmySizes", 1), 100);
  EXPECT_EQ(Element(dump, "ArmyWaypointNos", 1), 23);
}

// The rebuilt village and windmill are told in words on the message screen.
TEST(MapFaults, TheRebuiltVillageAndWindmillAreToldInWords) {
  const Outcome run = RunPrepared({"VillageStates(1)=1", "WindmillStates(1)=1"},
                                  "click Camp1Frm.EndTurnBtn\n"
                                  "show MessagesFrm\n");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 1u) << run.err;
  std::string lines;
  const JsonValue screen = ParseJson(run.lines[0]);
  for (const JsonValue& c : screen.at("controls")) {
    if (c.at("name").get<std::string>().starts_with("MsgLbl") && c.at("visible").get<bool>()) {
      lines += c.at("text").get<std::string>() + "\n";
    }
  }
  EXPECT_NE(lines.find("village has been rebuilt"), std::string::npos) << lines;
  EXPECT_NE(lines.find("windmill has been rebuilt"), std::string::npos) << lines;
}

// While a question of the end of turn is open, the map beneath already shows
// the turn's figures and its status line, not the help of the last button.
TEST(MapFaults, TheMapUnderAQuestionOfTheEndOfTurnShowsTheNewTurn) {
  const Outcome run = RunPrepared({"Turn=18"},
                                  "move Camp1Frm.TaxBtn\n"
                                  "show Camp1Frm\n"
                                  "click Camp1Frm.EndTurnBtn\n"
                                  "forms\n"
                                  "show Camp1Frm\n"
                                  "dump\n");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 4u) << run.err;
  const JsonValue before = ParseJson(run.lines[0]);
  const JsonValue under_question = ParseJson(run.lines[2]);
  const JsonValue dump = ParseJson(run.lines[3]);
  EXPECT_EQ(ControlOf(before, "Helper").at("text").get<std::string>(),
            "Taxes: set the tax rate.  [T]");
  EXPECT_EQ(run.lines[1], R"(["Camp1Frm", "MsgFrm"])");
  EXPECT_EQ(ControlOf(under_question, "Helper").at("text").get<std::string>(),
            "New messages have arrived.");
  EXPECT_EQ(ControlOf(under_question, "GoldLbl").at("text").get<std::string>(),
            std::to_string(dump.at("Gold").get<long>()));
}

// The objectives page's close button: pressed, it sounds and its caption
// moves in; let go, the page closes.
TEST(MapFaults, TheObjectivesCloseButtonShowsItsPress) {
  GameFolder folder;
  const Outcome run = folder.Run(
      "show TipsFrm\ndown TipsFrm.Image1\nsounds\nshow TipsFrm\nup TipsFrm.Image1\nforms\nquit\n");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 4u) << run.err;
  const JsonValue before = ParseJson(run.lines[0]);
  const JsonValue pressed = ParseJson(run.lines[2]);
  const JsonValue& up = ControlOf(before, "CloseLbl");
  const JsonValue& down = ControlOf(pressed, "CloseLbl");
  EXPECT_NE(run.lines[1].find("click01.wav"), std::string::npos) << run.lines[1];
  EXPECT_EQ(down.at("left").get<double>(), up.at("left").get<double>() + 1);
  EXPECT_EQ(down.at("top").get<double>(), up.at("top").get<double>() + 1);
  EXPECT_EQ(run.lines[3], R"(["Camp1Frm"])");
}

// A mob that rises burns village 1: it shows burnt and starts counting down
// the same end of turn.
TEST(MapFaults, ARisingMobBurnsTheVillage) {
  const Outcome run = RunPrepared({"Happiness=0"},
                                  "click Camp1Frm.EndTurnBtn\n"
                                  "click MsgFrm.OkAniBtn\n"
                                  "click MessagesFrm.OkAniBtn\n"
                                  "dump\n"
                                  "show Camp1Frm\n");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 2u) << run.err;
  const JsonValue dump = ParseJson(run.lines[0]);
  EXPECT_EQ(dump.at("RebelsActive").get<long>(), -1);
  EXPECT_EQ(Element(dump, "VillageStates", 0), 5);
  const JsonValue map = ParseJson(run.lines[1]);
  EXPECT_EQ(ControlOf(map, "VillageImg1").at("picture").get<std::string>(), "VillageBurntRes1");
}

}  // namespace
}  // namespace valorne
