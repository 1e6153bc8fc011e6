// Battles through the real level program: a siege of rival county 1's castle
// waited out and stormed with the battle program of the game folder, and
// battle programs that fail in every way the level must survive.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/json.h"
#include "support/level9_run.h"
#include "support/prepared_save.h"

namespace valorne {
namespace {

using testing::GameFolder;
using testing::JsonValue;
using testing::Number;
using testing::Outcome;
using testing::ParseJson;
using testing::PrepareSave;

// The armies and the enemy forces of a dump, as written.
std::string Forces(const std::string& dump) {
  const auto from = dump.find("\"ArmySizes\"");
  const auto to = dump.find("\"ArmyMovesLeft\"");
  const auto camps_from = dump.find("\"CampArmies\"");
  const auto camps_to = dump.find("\"RebelsActive\"");
  if (from == std::string::npos || camps_from == std::string::npos) return {};
  return dump.substr(from, to - from) + dump.substr(camps_from, camps_to - camps_from);
}

// A county whose army 1 besieges rival county 1's castle on waypoint 51 and
// whose siege ends with the next end of turn; fades are off so that a click
// ends the turn at once.
class SiegeCounty {
 public:
  explicit SiegeCounty(const std::vector<std::string>& fields, bool fades_off = true) {
    if (fades_off) folder.TurnFadesOff();
    const Outcome first = folder.Run("click TipsFrm.Image1\nquit\n");
    EXPECT_EQ(first.code, 0) << first.err;
    PrepareSave(folder, "Siege", fields);
  }

  // Loads the siege, ends the turn and orders the storm; `during` follows
  // the order, and `after` the end of the turn's message screen.
  Outcome Storm(const std::string& during, const std::string& after) const {
    return folder.Run(
        "click TipsFrm.Image1\n"
        "load Siege\n"
        "click MsgBoxFrm.OkAniBtn\n"
        "dump\n"
        "click Camp1Frm.EndTurnBtn\n"
        "click MsgFrm.OkAniBtn\n" +
            during + "click MessagesFrm.OkAniBtn\n" + after,
        "--rnd 0.5");
  }

  void FakeBattleProgram(const std::string& body) const {
    const auto program = folder.game() / "battledata.rx";
    testing::WriteText(program, "#!/bin/sh\n" + body);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  }

  GameFolder folder;
};

const std::vector<std::string> kStrongSiege = {"ArmyWaypointNos(1)=51",
                                               "RivalStatus(1)=1",
                                               "ArmySoldiers(1).Paladins=1500",
                                               "ArmySoldiers(1).HeavyCavalry=1000",
                                               "ArmySoldiers(1).Champions=600",
                                               "ArmySoldiers(1).Engineers=24",
                                               "ArmySizes(1)=3979"};

TEST(BattleHeadless, TheStormedCastleOfRival1Falls) {
  SiegeCounty county(kStrongSiege);
  std::filesystem::copy_file(std::filesystem::path(VALORNE_GAME_DIR) / "battledata.rx",
                             county.folder.game() / "battledata.rx");
  const Outcome run = county.Storm("",
                                   "dump\n"
                                   "await ResultsFrm\n"
                                   "dump\n"
                                   "click ResultsFrm.OkAniBtn\n"
                                   "dump\n"
                                   "click Camp1Frm.TaxBtn\n"
                                   "click TaxFrm.OkAniBtn\n"
                                   "quit\n");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 4u) << run.err;
  const JsonValue before = ParseJson(run.lines[0]);
  const JsonValue fighting = ParseJson(run.lines[1]);
  const JsonValue results = ParseJson(run.lines[2]);
  const JsonValue after = ParseJson(run.lines[3]);

  EXPECT_EQ(Number(before, "Rival1Standing"), -1);
  EXPECT_EQ(Number(fighting, "BattleTarget"), 7);
  EXPECT_EQ(Number(fighting, "BattleStatus"), 1);
  EXPECT_EQ(Number(results, "BattleStatus"), 2);
  ASSERT_NE(Number(results, "BattleOutcome"), 0) << run.lines[2];
  // The survivors came back into the army, and morale rose by 15.
  auto army1 = [](const JsonValue& dump) { return dump.at("ArmySizes").at(0).get<long>(); };
  EXPECT_EQ(army1(fighting) - army1(results), Number(results, "OurDead"));
  EXPECT_NEAR(results.at("Morale").get<double>(), fighting.at("Morale").get<double>() + 15, 1e-4);
  // The castle is taken: rival county 1 no longer stands, the siege is over
  // and the army stands back on waypoint 50.
  EXPECT_EQ(Number(after, "Rival1Standing"), 0);
  EXPECT_EQ(after.at("RivalStatus").at(0).get<double>(), 200);
  EXPECT_EQ(after.at("ArmyWaypointNos").at(0).get<double>(), 50);
  EXPECT_FALSE(std::filesystem::exists(county.folder.game() / "Fight_in.rx"));
  EXPECT_FALSE(std::filesystem::exists(county.folder.game() / "Fight_out.rx"));
  EXPECT_EQ(run.err.find("takes no input"), std::string::npos) << run.err;
}

// The battle program missing, killed while it fights, or leaving an outcome
// cut short or for other sides: the message box, the forces as they were,
// and a map that takes the player's clicks again.
TEST(BattleHeadless, AFailedBattleProgramLeavesEverythingAsItWas) {
  struct Case {
    const char* name;
    std::string program;  // empty: none in the game folder
  };
  const Case cases[] = {
      {"Missing", ""},
      {"KilledMidBattle", "sleep 0.2\nkill -9 $$\n"},
      {"TruncatedOutcome",
       "printf '\\002\\000\\001\\000' > Fight_out.rx\nprintf '2\\r\\n' > fight_status.rx\n"},
      {"OneSideOnly",
       "printf '\\001\\000\\001\\000\\000\\000\\000\\000' > Fight_out.rx\n"
       "head -c 28 /dev/zero >> Fight_out.rx\n"
       "printf '2\\r\\n' > fight_status.rx\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SiegeCounty county({"ArmyWaypointNos(1)=51", "RivalStatus(1)=1"});
    if (!c.program.empty()) county.FakeBattleProgram(c.program);
    // A program that cannot be started fails at once, before the end of
    // the turn goes on; the others when the poll finds them gone.
    const std::string box =
        "await MsgBoxFrm 10000\n"
        "show MsgBoxFrm\n"
        "click MsgBoxFrm.OkAniBtn\n";
    const std::string map =
        "dump\n"
        "click Camp1Frm.TaxBtn\n"
        "click TaxFrm.OkAniBtn\n"
        "quit\n";
    const bool at_once = c.program.empty();
    const Outcome run = county.Storm(at_once ? box : "", at_once ? map : box + map);
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 3u) << run.err;
    EXPECT_NE(run.lines[1].find("The battle could not be fought"), std::string::npos)
        << run.lines[1];
    EXPECT_EQ(Forces(run.lines[2]), Forces(run.lines[0]));
    const JsonValue after = ParseJson(run.lines[2]);
    EXPECT_EQ(Number(after, "BattleStatus"), 0);
    EXPECT_EQ(Number(after, "Rival1Standing"), -1);
    EXPECT_FALSE(std::filesystem::exists(county.folder.game() / "Fight_in.rx"));
    EXPECT_EQ(testing::ReadText(county.folder.game() / "fight_status.rx"), "0\r\n");
    EXPECT_NE(run.err.find("the battle could not be fought"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("takes no input"), std::string::npos) << run.err;
  }
}

// With the fades on, the storm's battle fade covers the map while the end of
// the turn waits; "await" lets the fade close and goes on waiting below it.
TEST(BattleHeadless, TheBattleFadeClosesBeforeTheResults) {
  SiegeCounty county(kStrongSiege, false);
  std::filesystem::copy_file(std::filesystem::path(VALORNE_GAME_DIR) / "battledata.rx",
                             county.folder.game() / "battledata.rx");
  const Outcome run = county.folder.Run(
      "click TipsFrm.Image1\n"
      "load Siege\n"
      "click MsgBoxFrm.OkAniBtn\n"
      "click Camp1Frm.EndTurnBtn\n"
      "advance 3000\n"
      "click MsgFrm.OkAniBtn\n"
      "forms\n"
      "await MessagesFrm\n"
      "forms\n"
      "click MessagesFrm.OkAniBtn\n"
      "await ResultsFrm\n"
      "forms\n"
      "quit\n",
      "--rnd 0.5");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 3u) << run.err;
  EXPECT_EQ(run.lines[0], R"(["Camp1Frm", "EndTurnFrm", "EndTurnFrm"])");
  EXPECT_EQ(run.lines[1], R"(["Camp1Frm", "EndTurnFrm", "MessagesFrm"])");
  EXPECT_EQ(run.lines[2], R"(["Camp1Frm", "ResultsFrm"])");
}

TEST(BattleHeadless, AwaitGivesUpWithExitCode5) {
  GameFolder folder;
  const Outcome run = folder.Run("click TipsFrm.Image1\nawait ResultsFrm 300\n");
  EXPECT_EQ(run.code, 5);
  EXPECT_NE(run.err.find("ResultsFrm did not come within 300 ms"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace valorne
