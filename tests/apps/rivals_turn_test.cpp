// The rival counties in the real level program: a county prepared on the eve
// of turn 12 is loaded and its turn ended with the mouse; rival county 1
// musters its first army, rival county 2 takes its own turn beside it, and
// the ambassador's report arrives in the reports list.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/json.h"
#include "support/level9_run.h"
#include "support/prepared_save.h"

namespace valorne {
namespace {

using testing::GameFolder;
using testing::JsonValue;
using testing::Outcome;
using testing::ParseJson;
using testing::PrepareSave;

TEST(RivalsTurnTest, CountyOneMustersOnTurnTwelveBesideCountyTwo) {
  GameFolder folder;
  folder.TurnFadesOff();  // the click ends the turn at once

  // The first run writes the level's first save; make_save turns it into the
  // eve of turn 12 with both rivals standing and an ambassador at county 1.
  const Outcome first = folder.Run("advance 1000\nclick TipsFrm.Image1\nquit\n", "--rnd 0.5");
  ASSERT_EQ(first.code, 0) << first.err;
  PrepareSave(folder, "Eve",
              {"Turn=11", "Gold=60000", "Rival2Standing=true", "RivalStance(1)=100"});

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

  EXPECT_EQ(dump.at("Turn").get<double>(), 12);
  const JsonValue& camp1 = dump.at("CampArmies").at(0);
  EXPECT_EQ(camp1.at("Archers").get<double>(), 240);
  EXPECT_EQ(camp1.at("ClubMen").get<double>(), 200);
  EXPECT_EQ(camp1.at("TwoHanders").get<double>(), 100);
  std::vector<std::string> reports;
  for (const JsonValue& line : dump.at("Reports")) reports.push_back(line.get<std::string>());
  EXPECT_NE(std::find(reports.begin(), reports.end(), "1/88"), reports.end());
  // Both counties took their turn: their taxes follow their moods.
  EXPECT_EQ(dump.at("Rivals").at(0).at("TaxRate").get<double>(), 50);
  EXPECT_EQ(dump.at("Rivals").at(1).at("TaxRate").get<double>(), 60);
  // The market drew its offers at a draw of 0.5.
  EXPECT_EQ(dump.at("MarketWood").get<double>(), 6250);
}

}  // namespace
}  // namespace valorne
