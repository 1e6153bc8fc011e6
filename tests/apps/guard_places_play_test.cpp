// The guard screen and the map's places through the real level program: a
// county prepared in a save, the player's clicks as a script, the county read
// back with `dump` and the screens with `show`.
#include <gtest/gtest.h>

#include <functional>

#include "state/record.h"
#include "support/json.h"
#include "support/level9_run.h"

namespace valorne {
namespace {

using testing::ControlOf;
using testing::Element;
using testing::GameFolder;
using testing::JsonValue;
using testing::Number;
using testing::Outcome;
using testing::ParseJson;
using testing::Texts;

// The level's first save with `edit` applied, as the save "Prepared", and
// the script lines that load it over the map. The first save's start values
// (people, their happiness, the stores, the outlaws) are drawn: with the
// draws fixed they are the same on every run, so that a script that plays
// whole turns on them meets the same county each time.
std::string Prepare(const GameFolder& folder, const std::function<void(GameState&)>& edit) {
  EXPECT_EQ(folder.Run("quit\n", "--rnd 0.5").code, 0);
  const auto saves = folder.game() / "Save Game";
  const auto bytes = testing::ReadBytes(saves / "FirstSave.s9_");
  Record record{};
  EXPECT_EQ(bytes.size(), record.size());
  std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
  GameState state;
  ReadRecordAsStored(record, state);
  edit(state);
  PackGameState(state, record);
  testing::WriteBytes(saves / "Prepared.s9_", {record.begin(), record.end()});
  return "click TipsFrm.Image1\nload Prepared\nclick MsgBoxFrm.OkAniBtn\n";
}

// The assassins at their price and one gold short: the order is given or
// refused with "not enough resources" on the screen's hint line.
TEST(GuardPlay, TheAssassinsAreSentOnlyForTheirFullPrice) {
  for (const Long gold : {4150, 4149}) {
    GameFolder folder;
    const std::string load = Prepare(folder, [gold](GameState& s) { s.Gold = gold; });
    const Outcome run = folder.Run(load +
                                   "click Camp1Frm.SpecialBtn\n"
                                   "click GuardFrm.AssassinBtn\n"
                                   "select GuardFrm.AssassinLst 0\n"
                                   "click GuardFrm.OkAniBtn\n"
                                   "dump\nshow GuardFrm\nquit\n");
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 2u) << run.err;
    const JsonValue dump = ParseJson(run.lines[0]);
    const bool sent = gold == 4150;
    EXPECT_EQ(Number(dump, "Gold"), sent ? 0 : gold);
    // The guard's bytes: countdown, kind, target, then the scouts'.
    EXPECT_EQ(Element(dump, "GuardMissions", 0), sent ? 4 : 200);
    EXPECT_EQ(Element(dump, "GuardMissions", 1), 1);
    EXPECT_EQ(Element(dump, "GuardMissions", 2), 1);
    const JsonValue guard = ParseJson(run.lines[1]);
    EXPECT_EQ(Texts(guard).at("Helper"), sent ? "The order is given." : "Not enough resources.");
    EXPECT_EQ(ControlOf(guard, "OkAniBtn").at("enabled").get<bool>(), !sent);
  }
}

// Scouts sent to the statue (two turns away) report on the third end of
// turn; with a good draw the statue then stands on the map.
// Whether the reports list holds the text `ref` ("1/85"); the rival
// counties post their own reports beside the scouts'.
bool Reported(const JsonValue& dump, const std::string& ref) {
  for (const JsonValue& line : dump.at("Reports")) {
    if (line.get<std::string>() == ref) return true;
  }
  return false;
}

TEST(GuardPlay, ScoutsFindTheStatueAndItAppearsOnTheMap) {
  GameFolder folder;
  folder.TurnFadesOff();  // a click ends the turn at once
  const std::string load = Prepare(folder, [](GameState& s) { s.Gold = 2600; });
  const std::string end_turn = "click Camp1Frm.EndTurnBtn\nclick MessagesFrm.OkAniBtn\ndump\n";
  const Outcome run = folder.Run(load +
                                     "click Camp1Frm.SpecialBtn\n"
                                     "click GuardFrm.ScoutBtn\n"
                                     "move GuardFrm.Image3\n"
                                     "show GuardFrm\n"
                                     "click GuardFrm.Image3\n"
                                     "click GuardFrm.OkAniBtn\n"
                                     "click GuardFrm.Noanibtn\n"
                                     "show Camp1Frm\n" +
                                     end_turn + end_turn +
                                     "click Camp1Frm.EndTurnBtn\n"
                                     "click MovieFrm.OkAniBtn\n"
                                     "click MessagesFrm.OkAniBtn\n"
                                     "dump\nshow Camp1Frm\nquit\n",
                                 "--rnd 0.5");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 6u) << run.err;
  EXPECT_EQ(Texts(ParseJson(run.lines[0])).at("TravelLbl"), "Travel time: 2 turns");
  const JsonValue before = ParseJson(run.lines[1]);
  EXPECT_FALSE(ControlOf(before, "StatueImg1").at("visible").get<bool>());
  EXPECT_TRUE(ControlOf(before, "ScoutStatusImg").at("visible").get<bool>());
  EXPECT_EQ(Number(ParseJson(run.lines[2]), "StatueDiscovered"), 0);
  EXPECT_FALSE(Reported(ParseJson(run.lines[3]), "1/85"));
  EXPECT_FALSE(Reported(ParseJson(run.lines[3]), "1/86"));
  const JsonValue found = ParseJson(run.lines[4]);
  EXPECT_EQ(Number(found, "StatueDiscovered"), 1);
  EXPECT_EQ(Number(found, "DolmenDiscovered"), 0);
  EXPECT_TRUE(Reported(found, "1/85"));
  EXPECT_EQ(Element(found, "GuardMissions", 3), 200);
  const JsonValue after = ParseJson(run.lines[5]);
  EXPECT_TRUE(ControlOf(after, "StatueImg1").at("visible").get<bool>());
  EXPECT_TRUE(ControlOf(after, "EFlagImg1").at("visible").get<bool>());
  EXPECT_FALSE(ControlOf(after, "ScoutStatusImg").at("visible").get<bool>());
}

// The ruins tell their band's strength; a rival's camp its soldiers while
// our ambassador is at its court.
TEST(PlacesPlay, TheInformationPanelTellsStrengthAndSoldiers) {
  GameFolder folder;
  const std::string load = Prepare(folder, [](GameState& s) {
    CampComposition band{};
    band.SwordMen = 401;
    s.Outlaws.SetBand(5, band);
    s.RivalStance[1] = 100;
  });
  const Outcome run = folder.Run(load +
                                 "click Camp1Frm.RuinsImg1\nshow Camp1Frm\n"
                                 "click Camp1Frm.EnemyCamp1Img\nshow Camp1Frm\n"
                                 "click Camp1Frm.HutImg1\nshow Camp1Frm\nquit\n");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 3u) << run.err;
  const auto ruins = Texts(ParseJson(run.lines[0]));
  EXPECT_EQ(ruins.at("Helper4"), "Ruins");
  EXPECT_EQ(ruins.at("Helper5"), "Outlaws still hold this place. A fair-sized force.");
  const auto camp = Texts(ParseJson(run.lines[1]));
  EXPECT_EQ(camp.at("Helper4"), "Enemy camp");
  EXPECT_EQ(camp.at("Helper5"), "Soldiers: 2665");
  const auto hut = Texts(ParseJson(run.lines[2]));
  EXPECT_EQ(hut.at("Helper4"), "Hermit's hut");
  EXPECT_EQ(hut.at("Helper5"), "");
}

}  // namespace
}  // namespace valorne
