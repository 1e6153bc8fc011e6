#include <gtest/gtest.h>

#include <functional>

#include "county/fields.h"
#include "state/start_values.h"
#include "turn/messages.h"
#include "turn/recording_ui.h"
#include "turn/sieges.h"

namespace valorne {
namespace {

using testing::Ids;
using testing::RecordingUi;

// Each case answers one kind of question on a county at the start of a normal
// game (with its stores set as the case needs) and checks the changes against
// a copy of the state taken before the answer.
struct AnswerCase {
  const char* name;
  int kind;
  bool ok;
  std::function<void(Game&)> setup;
  std::function<void(GameState& expected)> change;  // what the answer changes
  std::vector<std::string> screens = {};            // screens opened, in order
};

void NoSetup(Game&) {}
void NoChange(GameState&) {}

class AnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerTest, ChangesExactlyWhatTheKindSays) {
  const AnswerCase& c = GetParam();
  Game game;
  game.rng = Random::Constant(0.5);
  SetStartValues(game);
  RecordingUi ui(game);
  c.setup(game);
  GameState expected = game.state;
  c.change(expected);
  ApplyAnswer(game, c.kind, c.ok);
  EXPECT_EQ(game.state, expected);
  EXPECT_EQ(ui.Only("open"), c.screens);
}

const AnswerCase kAnswerCases[] = {
    {"HelpAcceptedOpensTheGivingPanel", 1, true, NoSetup, NoChange, {"open GarryFrm"}},
    {"HelpRefused", 1, false, NoSetup,
     [](GameState& s) {
       s.Happiness -= 9;
       s.Morale -= 15;
       s.LordNobility -= 12;
       s.LordReligion -= 4;
     }},
    {"DonationPaidWith3500", 4, true, [](Game& g) { g.state.Gold = 3500; },
     [](GameState& s) {
       s.Gold = 0;
       s.LordLeadership += 2;
       s.LordDiplomacy += 3;
       s.LordReligion += 5;
     }},
    {"DonationWith3499ChangesNothing", 4, true, [](Game& g) { g.state.Gold = 3499; }, NoChange},
    {"DonationRefused", 4, false, NoSetup,
     [](GameState& s) {
       s.LordLeadership -= 6;
       s.LordDiplomacy -= 13;
       s.LordReligion -= 10;
     }},
    {"ChurchGiftPaid", 5, true, [](Game& g) { g.state.Gold = 2700; },
     [](GameState& s) {
       s.Gold = 0;
       s.LordReligion += 9;
     }},
    {"ChurchGiftWith2699ChangesNothing", 5, true, [](Game& g) { g.state.Gold = 2699; }, NoChange},
    {"ChurchGiftRefused", 5, false, NoSetup, [](GameState& s) { s.LordReligion -= 15; }},
    {"FortuneTellerEitherWay", 6, false, NoSetup, NoChange},
    {"WeaponsKeptFillTheArmoury", 7, false, NoSetup,
     [](GameState& s) {  // every draw at 0.5
       s.Bows += 25;
       s.Clubs += 45;
       s.Swords += 25;
       s.Helebards += 25;
       s.Maces += 10;
       s.ChainMails += 80;
       s.PlateArmours += 60;
       s.Shields += 100;
     }},
    {"WeaponsReturned", 7, true, NoSetup, NoChange},
    {"CaravanTolled", 8, false, NoSetup,
     [](GameState& s) {
       s.GrainStock += 450;
       s.MeatStock += 13;
       s.WoodStock += 200;
       s.StoneStock += 200;
       s.OreStock += 200;
     }},
    {"WarConfirmedStartsItsCountdown", 9, true, [](Game& g) { g.state.WarCountdown[1] = 1; },
     [](GameState& s) { s.WarCountdown[1] = 5; }},
    {"WarConfirmedOnlyFromTheFirstStep", 10, true, [](Game& g) { g.state.WarCountdown[2] = 3; },
     NoChange},
    {"WarWithdrawn", 10, false, [](Game& g) { g.state.WarCountdown[2] = 1; },
     [](GameState& s) { s.WarCountdown[2] = 0; }},
    {"SiegeLaidWith15Engineers", 12, true,
     [](Game& g) {
       g.state.SelectedArmy = 1;
       g.state.ArmySoldiers[1].Engineers = 15;
     },
     [](GameState& s) { s.RivalStatus[1] = 4; }},
    {"SecondSiegeLaidWith31Engineers", 13, true,
     [](Game& g) {
       g.state.SelectedArmy = 2;
       g.state.ArmySoldiers[2].Engineers = 31;
     },
     [](GameState& s) { s.RivalStatus4 = 2; }},
    {"SiegeRefused", 12, false, NoSetup, NoChange},
    {"StormTakesTheArmyAtTheSiege", 14, true,
     [](Game& g) {
       g.state.ArmyExists = {kTrue, kTrue, 0};
       g.state.ArmyWaypointNos = {2, 51, 0};
     },
     [](GameState& s) { s.SelectedArmy = 2; }},
    {"StormWithoutAnArmyThere", 14, true, NoSetup, NoChange},
    {"CounselRefused", 16, false, NoSetup,
     [](GameState& s) {
       s.LordLeadership += 15;
       s.LordNobility += 13;
       s.LordDiplomacy += 26;
       s.LordReligion += 17;
     }},
    {"FeastRefused", 17, false, NoSetup, [](GameState& s) { s.Morale += 25; }},
    {"TreasureRefused", 18, false, NoSetup, [](GameState& s) { s.Gold += 12355; }},
    {"TreasureTaken", 18, true, NoSetup, NoChange},
    {"FireLeftToBurn", 20, false, NoSetup,
     [](GameState& s) {  // 3500 people lose a quarter
       s.VillageStates[1] = 3;
       s.Population = 2625;
       s.Happiness -= 12;
     }},
    {"SicknessLeftInTheFields", 21, false,
     [](Game& g) {
       g.state.MeatStock = 1000;
       g.state.GrainStock = 1001;
       g.state.FieldStates = {1, 1, 2, 4, 0, 0, 0, 3, 0, 0};
       g.state.CropsWorkers = 200;
       g.state.CattleWorkers = 45;
       g.state.LeasedFields = 1;
       g.state.IdlePeople = 100;
     },
     [](GameState& s) {
       s.FieldStates = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};  // 1, 3, 4 and 8 cleared
       s.CropsWorkers = 100;
       s.CattleWorkers = 0;
       s.LeasedFields = 0;
       s.IdlePeople = 100 + 100 + 45;
       s.MeatStock = 350;   // 1000 - 650
       s.GrainStock = 581;  // 1001 - Fix(420.42)
     }},
    {"MurderNotice", 22, true, NoSetup, NoChange},
    {"MarchNotice", 23, false, NoSetup, NoChange},
};

INSTANTIATE_TEST_SUITE_P(Kinds, AnswerTest, ::testing::ValuesIn(kAnswerCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(AnswerTest, ConfirmedWarIsReported) {
  Game game;
  game.state.WarCountdown[1] = 1;
  ApplyAnswer(game, 9, true);
  EXPECT_EQ(Ids(game.reports), std::vector<int>{89});
  game.state.WarCountdown[1] = 4;
  ApplyAnswer(game, 9, true);
  EXPECT_EQ(game.reports.count, 1);
}

TEST(AnswerTest, GivingPanelOpensInItsGivingMode) {
  Game game;
  RecordingUi ui(game);
  Byte mode_when_open = 0;
  ui.on_open["GarryFrm"] = [&] { mode_when_open = game.live.TradeMode; };
  ApplyAnswer(game, 1, true);
  EXPECT_EQ(mode_when_open, 3);
}

TEST(AnswerTest, StormsFightTheirCastle) {
  for (int kind : {14, 15}) {
    Game game;
    game.live.SecondSiegeWaypoint = 60;
    game.state.ArmyExists = {0, kTrue, kTrue};
    game.state.ArmyWaypointNos = {51, 60, 51};  // army 1 does not exist
    ApplyAnswer(game, kind, true);
    EXPECT_EQ(game.state.SelectedArmy, kind == 14 ? 3 : 2);
    EXPECT_EQ(game.live.BattleTarget, kind == 14 ? 7 : 10);
  }
}

TEST(SiegeTest, EngineersShortenTheSiege) {
  const std::pair<long, int> cases[] = {{0, 6},  {10, 6}, {11, 4}, {20, 4},
                                        {21, 3}, {30, 3}, {31, 2}, {500, 2}};
  for (const auto& [engineers, turns] : cases) {
    EXPECT_EQ(SiegeTurns(engineers), turns) << engineers << " engineers";
  }
}

}  // namespace
}  // namespace valorne
