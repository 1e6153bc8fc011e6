// Armies on the map through the real level: a county prepared with
// make_save, loaded, then the player's clicks on the map, the army camp, the
// split and combine dialogs and the castle; the game state read with `dump`.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>

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

constexpr const char* kKinds[] = {
    "Monks",        "Archers",   "ClubMen",  "SwordMen", "Helebarders", "TwoHanders", "Cavalry",
    "HeavyCavalry", "Champions", "Templars", "Paladins", "LongBowmen",  "Warlords",   "Engineers"};

// The make_save fields of army `army`: `archers` archers and `club_men`
// club men, nothing else, standing on `at` with `moves` moves.
std::vector<std::string> Army(int army, int archers, int club_men, int at, int moves) {
  const std::string a = "(" + std::to_string(army) + ")";
  std::vector<std::string> fields = {"ArmyExists" + a + "=true",
                                     "ArmySizes" + a + "=" + std::to_string(archers + club_men),
                                     "ArmyWaypointNos" + a + "=" + std::to_string(at),
                                     "ArmyMovesLeft" + a + "=" + std::to_string(moves)};
  for (const char* kind : kKinds) {
    const int count = std::string(kind) == "Archers"   ? archers
                      : std::string(kind) == "ClubMen" ? club_men
                                                       : 0;
    fields.push_back("ArmySoldiers" + a + "." + kind + "=" + std::to_string(count));
  }
  return fields;
}

struct PlayRun {
  Outcome outcome;
  JsonValue before;  // the state as loaded
  JsonValue after;   // at the end of the script
  std::vector<std::string> lines;
};

// Loads the prepared county, runs `body` on the map and dumps the state.
PlayRun Play(const std::vector<std::string>& fields, const std::string& body) {
  GameFolder folder;
  PrepareSave(folder, "Army", fields);
  PlayRun run;
  run.outcome = folder.Run(
      "click TipsFrm.Image1\nload Army\nclick MsgBoxFrm.OkAniBtn\ndump\n" + body + "dump\nquit\n",
      "--seed 3");
  EXPECT_EQ(run.outcome.code, 0) << run.outcome.err;
  run.lines = run.outcome.lines;
  if (run.lines.size() >= 2) {
    run.before = ParseJson(run.lines.front());
    run.after = ParseJson(run.lines.back());
  }
  return run;
}

std::vector<int> Numbers(const JsonValue& list) {
  std::vector<int> out;
  for (const JsonValue& v : list) out.push_back(v.get<int>());
  return out;
}

TEST(ArmiesHeadless, SplitThroughTheDialogAndTheMovesAfterIt) {
  struct Case {
    const char* what;
    int detach_ms;  // how long the up button is held (a soldier each 40 ms)
    std::string answer;
    std::vector<int> sizes, waypoints, moves;
  };
  const Case cases[] = {
      {"150 stay, 100 march off",
       4020,
       "click ArmySplitFrm.OkAniBtn\n",
       {150, 100, 0},
       {6, 5, 0},
       {0, 2, 0}},
      // 90 are too few: the dialog stays, then No: the click moves nothing.
      {"160 and 90 refused",
       3620,
       "show ArmySplitFrm\nclick ArmySplitFrm.OkAniBtn\nclick ArmySplitFrm.Noanibtn\n",
       {250, 0, 0},
       {5, 0, 0},
       {3, 0, 0}},
  };
  for (const Case& c : cases) {
    const PlayRun run = Play(Army(1, 200, 50, 5, 3),
                             "click Camp1Frm.ArmyCamp1Img\nclick ArmyCampFrm.SplitBtn\n"
                             "click Camp1Frm.WalkTo6\nselect ArmySplitFrm.ArmyLst 1\n"
                             "down ArmySplitFrm.UpAniBtn\nadvance " +
                                 std::to_string(c.detach_ms) + "\nup ArmySplitFrm.UpAniBtn\n" +
                                 c.answer + "advance 20000\n");
    ASSERT_TRUE(run.after.is_object()) << c.what;
    EXPECT_EQ(Numbers(run.after.at("ArmySizes")), c.sizes) << c.what;
    EXPECT_EQ(Numbers(run.after.at("ArmyWaypointNos")), c.waypoints) << c.what;
    EXPECT_EQ(Numbers(run.after.at("ArmyMovesLeft")), c.moves) << c.what;
    EXPECT_EQ(run.after.at("ArmyClickMode").get<double>(), 0) << c.what;
  }
}

TEST(ArmiesHeadless, CombineUpTo4000) {
  struct Case {
    int second;
    std::vector<int> sizes;
  };
  for (const Case& c : {Case{2000, {4000, 0, 0}}, Case{2001, {2000, 2001, 0}}}) {
    std::vector<std::string> fields = Army(1, 2000, 0, 7, 2);
    for (const std::string& f : Army(2, c.second, 0, 7, 2)) fields.push_back(f);
    const PlayRun run =
        Play(fields,
             "click Camp1Frm.ArmyCamp1Img\nclick ArmyCampFrm.CombineBtn\n"
             "click ArmyCombineFrm.ArmyOption(1)\nclick ArmyCombineFrm.OkAniBtn\nforms\n");
    ASSERT_TRUE(run.after.is_object());
    EXPECT_EQ(Numbers(run.after.at("ArmySizes")), c.sizes) << c.second;
    const bool refused = c.second > 2000;
    // Refused, the combine dialog stays open with its hint.
    EXPECT_EQ(run.lines[run.lines.size() - 2],
              refused ? R"(["Camp1Frm", "ArmyCampFrm", "ArmyCombineFrm"])" : R"(["Camp1Frm"])");
  }
}

TEST(ArmiesHeadless, DisbandingTheGarrisonFreesTheCastle) {
  std::vector<std::string> fields = Army(1, 300, 20, 1, 2);
  fields.push_back("GarrisonedArmy=1");
  const PlayRun run = Play(fields,
                           "click Camp1Frm.Camp1StatusImg\nclick ArmyCampFrm.DisbandBtn\n"
                           "click ArmyCampFrm.Okanibtn2\n");
  ASSERT_TRUE(run.after.is_object());
  EXPECT_EQ(run.after.at("GarrisonedArmy").get<double>(), 0);
  EXPECT_EQ(Numbers(run.after.at("ArmyExists")), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(run.after.at("Population").get<double>(),
            run.before.at("Population").get<double>() + 320);
  EXPECT_EQ(run.after.at("Bows").get<double>(), run.before.at("Bows").get<double>() + 300);
  EXPECT_EQ(run.after.at("Clubs").get<double>(), run.before.at("Clubs").get<double>() + 20);
}

TEST(ArmiesHeadless, TheGarrisonLeavesByTheCastleScreen) {
  std::vector<std::string> fields = Army(1, 300, 0, 1, 2);
  fields.push_back("GarrisonedArmy=1");
  const PlayRun run = Play(fields,
                           "click Camp1Frm.WarBuilding\nclick BuildingFrm.OkAniBtn\n"
                           "click CastleFrm.UngarisonBtn\nforms\nadvance 20000\n");
  ASSERT_TRUE(run.after.is_object());
  EXPECT_EQ(run.after.at("GarrisonedArmy").get<double>(), 0);
  EXPECT_EQ(Numbers(run.after.at("ArmyWaypointNos")), (std::vector<int>{2, 0, 0}));
  EXPECT_EQ(Numbers(run.after.at("ArmyMovesLeft")), (std::vector<int>{1, 0, 0}));
  EXPECT_EQ(run.lines[run.lines.size() - 2], R"(["Camp1Frm"])");
}

TEST(ArmiesHeadless, TheBandBeforeWaypoint24IsAttackedOrPassed) {
  struct Case {
    const char* band;
    bool question;
    int waypoint;
  };
  for (const Case& c : {Case{"true", true, 23}, Case{"false", false, 24}}) {
    std::vector<std::string> fields = Army(1, 300, 0, 23, 2);
    fields.push_back(std::string("GoalFlags(1)=") + c.band);
    const PlayRun run = Play(
        fields, "click Camp1Frm.ArmyCamp1Img right\nclick Camp1Frm.WalkTo24\nforms\n" +
                    std::string(c.question ? "click MsgFrm.Noanibtn\n" : "") + "advance 20000\n");
    ASSERT_TRUE(run.after.is_object());
    EXPECT_EQ(run.lines[run.lines.size() - 2],
              c.question ? R"(["Camp1Frm", "MsgFrm"])" : R"(["Camp1Frm"])");
    EXPECT_EQ(run.after.at("ArmyWaypointNos").at(0).get<double>(), c.waypoint);
    if (c.question) {
      EXPECT_EQ(run.after.at("BattleTarget").get<double>(), 1);
    }
  }
}

TEST(ArmiesHeadless, TheFindAtWaypoint34IsPaidOnce) {
  const std::string step_to_34 =
      "click Camp1Frm.ArmyCamp1Img right\nclick Camp1Frm.WalkTo34\nadvance 20000\n";
  const PlayRun run = Play(Army(1, 300, 0, 33, 3),
                           step_to_34 +
                               "click Camp1Frm.ArmyCamp1Img right\nclick Camp1Frm.WalkTo33\n"
                               "advance 20000\n" +
                               step_to_34);
  ASSERT_TRUE(run.after.is_object());
  EXPECT_EQ(run.after.at("ArmyWaypointNos").at(0).get<double>(), 34);
  EXPECT_EQ(run.after.at("ArmyMovesLeft").at(0).get<double>(), 0);
  EXPECT_EQ(run.after.at("Gold").get<double>(), run.before.at("Gold").get<double>() + 150);
  EXPECT_EQ(run.after.at("OreStock").get<double>(), run.before.at("OreStock").get<double>() + 300);
  EXPECT_EQ(run.after.at("Waypoint34Find").get<double>(), 200);
}

// Escape on the army camp: while the disband is asked it answers "no" and
// the camp stays; otherwise it leaves the camp as its close seal does, the
// hidden "no" seal notwithstanding. Return is the close seal.
TEST(ArmiesHeadless, EscapeAndReturnOnTheArmyCamp) {
  struct Case {
    const char* keys;
    const char* forms;
  };
  const Case cases[] = {
      {"key Escape down\nkey Escape up\n", R"(["Camp1Frm"])"},
      {"key Return down\nkey Return up\n", R"(["Camp1Frm"])"},
      {"click ArmyCampFrm.DisbandBtn\nkey Escape down\nkey Escape up\n",
       R"(["Camp1Frm", "ArmyCampFrm"])"},
      {"click ArmyCampFrm.DisbandBtn\nkey Escape down\nkey Escape up\n"
       "key Escape down\nkey Escape up\n",
       R"(["Camp1Frm"])"},
  };
  for (const Case& c : cases) {
    const PlayRun run = Play(Army(1, 200, 0, 5, 3),
                             std::string("click Camp1Frm.ArmyCamp1Img\n") + c.keys + "forms\n");
    ASSERT_GE(run.lines.size(), 3u) << c.keys;
    EXPECT_EQ(run.lines[run.lines.size() - 2], c.forms) << c.keys;
    EXPECT_EQ(Numbers(run.after.at("ArmyExists")), (std::vector<int>{-1, 0, 0})) << c.keys;
  }
}

// An army on the march when the turn ends arrives first: its step is paid
// from the turn that ends, and the new turn gives it all its moves. The
// load dialog waits until the army has arrived.
TEST(ArmiesHeadless, TheMarchEndsBeforeTheTurnAndTheLoadWaitsForIt) {
  std::vector<std::string> fields = Army(1, 200, 0, 5, 3);
  fields.push_back("Morale=90");
  const std::string march = "click Camp1Frm.ArmyCamp1Img right\nclick Camp1Frm.WalkTo6\n";
  const PlayRun turn = Play(fields, march +
                                        "click Camp1Frm.EndTurnBtn\nadvance 3000\n"
                                        "click MessagesFrm.OkAniBtn\n");
  ASSERT_TRUE(turn.after.is_object());
  EXPECT_EQ(turn.after.at("Turn").get<double>(), turn.before.at("Turn").get<double>() + 1);
  EXPECT_EQ(Numbers(turn.after.at("ArmyWaypointNos")), (std::vector<int>{6, 0, 0}));
  EXPECT_EQ(Numbers(turn.after.at("ArmyMovesLeft")), (std::vector<int>{3, 0, 0}));
  EXPECT_FALSE(turn.after.at("ArmyWalking").get<bool>());

  const PlayRun load = Play(fields, march +
                                        "key Escape down\nkey Escape up\n"
                                        "click MenuFrm.LoadGameLbl\n"
                                        "type LoadGameFrm.FileNameTxt FirstSave\n"
                                        "click LoadGameFrm.OkAniBtn\nshow LoadGameFrm\n"
                                        "advance 3000\nclick LoadGameFrm.OkAniBtn\n"
                                        "click MsgBoxFrm.OkAniBtn\nforms\n");
  ASSERT_EQ(load.lines.size(), 4u) << load.outcome.err;
  std::string hint;
  const JsonValue dialog = ParseJson(load.lines[1]);
  for (const JsonValue& c : dialog.at("controls")) {
    if (c.at("name").get<std::string>() == "Helper") hint = c.at("text").get<std::string>();
  }
  EXPECT_EQ(hint, "An army is on the march: wait until it has arrived.");
  EXPECT_EQ(load.lines[2], R"(["Camp1Frm"])");
  // The first save's county, its army at the muster point.
  EXPECT_EQ(Numbers(load.after.at("ArmyWaypointNos")), (std::vector<int>{2, 0, 0}));
}

// Another army's camp opened while the first walks: the walk goes on with
// the army that walks, which pays its step; the other stays where it stood.
TEST(ArmiesHeadless, AnotherArmyChosenWhileOneWalks) {
  std::vector<std::string> fields = Army(1, 200, 0, 5, 3);
  for (const std::string& f : Army(2, 100, 0, 7, 3)) fields.push_back(f);
  const PlayRun run = Play(fields,
                           "click Camp1Frm.ArmyCamp1Img right\nclick Camp1Frm.WalkTo6\n"
                           "click Camp1Frm.ArmyCamp2Img\nclick ArmyCampFrm.OkAniBtn\n"
                           "advance 5000\nshow Camp1Frm\n");
  ASSERT_EQ(run.lines.size(), 3u) << run.outcome.err;
  EXPECT_EQ(run.after.at("SelectedArmy").get<double>(), 2);
  EXPECT_FALSE(run.after.at("ArmyWalking").get<bool>());
  EXPECT_EQ(Numbers(run.after.at("ArmyWaypointNos")), (std::vector<int>{6, 7, 0}));
  EXPECT_EQ(Numbers(run.after.at("ArmyMovesLeft")), (std::vector<int>{2, 3, 0}));
  const JsonValue map = ParseJson(run.lines[1]);
  std::map<std::string, int> top;
  for (const JsonValue& c : map.at("controls")) {
    top[c.at("name").get<std::string>()] = static_cast<int>(c.at("top").get<double>());
  }
  EXPECT_EQ(top.at("ArmyCamp1Img"), top.at("WalkTo6") - 25);
  EXPECT_EQ(top.at("ArmyCamp2Img"), top.at("WalkTo7") - 25);
}

// The pointer over an army: its soldiers and moves and the county's morale
// on the status bar, and on the hint line what an army is and does.
TEST(ArmiesHeadless, TheArmyUnderThePointerShowsItsStrength) {
  std::vector<std::string> fields = Army(1, 200, 50, 5, 3);
  for (const std::string& f : Army(2, 700, 0, 7, 1)) fields.push_back(f);
  fields.push_back("Morale=80");
  const PlayRun run = Play(fields,
                           "move Camp1Frm.ArmyCamp1Img\nshow Camp1Frm\n"
                           "move Camp1Frm.ArmyCamp2Img\nshow Camp1Frm\n");
  ASSERT_EQ(run.lines.size(), 4u) << run.outcome.err;
  const std::pair<std::string, std::string> expected[] = {{"250", "3 / 3"}, {"700", "1 / 3"}};
  for (int army = 0; army < 2; ++army) {
    const JsonValue map = ParseJson(run.lines[static_cast<std::size_t>(army) + 1]);
    std::map<std::string, std::string> text;
    for (const JsonValue& c : map.at("controls"))
      text[c.at("name").get<std::string>()] = c.at("text").get<std::string>();
    EXPECT_EQ(text.at("ArmyNumLbl"), expected[army].first) << army + 1;
    EXPECT_EQ(text.at("WalkLbl"), expected[army].second) << army + 1;
    EXPECT_EQ(text.at("MoralLbl"), "80") << army + 1;
    EXPECT_EQ(text.at("Helper"), "Your army. Click: its camp; right-click: where it can march.");
  }
}

}  // namespace
}  // namespace valorne
