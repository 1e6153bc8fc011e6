// The rival counties in the real level program: a county prepared on the eve
// of turn 12 is loaded and its turn ended with the mouse; rival county 1
// musters its first army, rival county 2 takes its own turn beside it, and
// the ambassador's report arrives in the reports list.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>

#include "support/json_reader.h"
#include "support/level9_run.h"

namespace valorne {
namespace {

using testing::GameFolder;
using testing::JsonValue;
using testing::Outcome;
using testing::ParseJson;

std::string ShellQuoted(const std::string& s) {
  return "'" + s + "'";
}

TEST(RivalsTurnTest, CountyOneMustersOnTurnTwelveBesideCountyTwo) {
  GameFolder folder;
  auto optim = testing::ReadBytes(folder.game() / "Optim.rx");
  ASSERT_EQ(optim.size(), 23u);
  optim[2] = optim[3] = 0xFF;  // FadesOff: the click ends the turn at once
  testing::WriteBytes(folder.game() / "Optim.rx", optim);

  // The first run writes the level's first save; make_save turns it into the
  // eve of turn 12 with both rivals standing and an ambassador at county 1.
  const Outcome first = folder.Run("advance 1000\nclick TipsFrm.Image1\nquit\n", "--rnd 0.5");
  ASSERT_EQ(first.code, 0) << first.err;
  const auto saves = folder.game() / "Save Game";
  std::string command = ShellQuoted(VALORNE_MAKE_SAVE) + " " +
                        ShellQuoted((saves / "FirstSave.s9_").string()) + " " +
                        ShellQuoted((saves / "Eve.s9_").string());
  for (const char* field : {"Turn=11", "Gold=60000", "Rival2Standing=true", "RivalStance(1)=100"}) {
    command += " " + ShellQuoted(field);
  }
  command += " 2> " + ShellQuoted(folder.scratch("make_save.txt").string());
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;

  const Outcome run = folder.Run(
      "advance 1000\nclick TipsFrm.Image1\nadvance 400\n"
      "load Eve\nclick MsgBoxFrm.OkAniBtn\nadvance 1000\n"
      "click Camp1Frm.EndTurnBtn\n"
      "click ReligionFrm.TaxOkAniBtn\n"  // the church's tithe of turn 12
      "click MessagesFrm.OkAniBtn\n"
      "dump\nquit\n",
      "--rnd 0.5");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 1u) << run.err;
  const JsonValue dump = ParseJson(run.lines[0]);

  EXPECT_EQ(dump["Turn"].number(), 12);
  const JsonValue& camp1 = dump["CampArmies"][0];
  EXPECT_EQ(camp1["Archers"].number(), 240);
  EXPECT_EQ(camp1["ClubMen"].number(), 200);
  EXPECT_EQ(camp1["TwoHanders"].number(), 100);
  std::vector<std::string> reports;
  for (const JsonValue& line : dump["Reports"].array()) reports.push_back(line.str());
  EXPECT_NE(std::find(reports.begin(), reports.end(), "1/88"), reports.end());
  // Both counties took their turn: their taxes follow their moods.
  EXPECT_EQ(dump["Rivals"][0]["TaxRate"].number(), 50);
  EXPECT_EQ(dump["Rivals"][1]["TaxRate"].number(), 60);
  // The market drew its offers at a draw of 0.5.
  EXPECT_EQ(dump["MarketWood"].number(), 6250);
}

}  // namespace
}  // namespace valorne
