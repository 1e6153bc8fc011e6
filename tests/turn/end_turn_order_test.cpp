#include <gtest/gtest.h>

#include "level/saves.h"
#include "state/record.h"
#include "state/start_values.h"
#include "support/temp_dir.h"
#include "turn/end_turn.h"
#include "turn/messages.h"
#include "turn/recording_ui.h"

namespace valorne {
namespace {

using testing::Ids;
using testing::RecordingUi;
using testing::TempDir;

void NormalStartWithRivals(Game& game) {
  game.rng = Random::Constant(0.5);
  game.Difficulty = 2;
  SetStartValues(game);
}

// The four objectives of the level hold (and keep holding through a turn).
void ReadyToWin(GameState& s) {
  s.Rival1Standing = kFalse;
  s.FarmingLevel = 10;
  s.Morale = 90;
}

TEST(EndTurnClickTest, WithoutFadesTheTurnRunsAtOnce) {
  TempDir dir;
  Game game;
  game.AppPath = dir.path();
  NormalStartWithRivals(game);
  ReadyToWin(game.state);
  game.display.FadesOff = kTrue;
  RecordingUi ui(game);
  EndTurnClick(game);
  EXPECT_EQ(game.state.Turn, 2);
  const std::vector<std::string> expected = {
      "sound EnvChanel04 turn01.wav",
      "sound EnvChanel01 message.wav",  // trade refused
      "sound EnvChanel01 message.wav",  // meat is low
      "sound FaunaChanel01 fauna02.wav", "open MessagesFrm", "open TipsFrm"};
  EXPECT_EQ(ui.log, expected);
  EXPECT_EQ(game.live.Helper, TextRef{});  // the click clears the hint line last
  EXPECT_EQ(game.live.ArmyTotal, 1010);
}

TEST(EndTurnClickTest, WithFadesTheFadeScreenRunsTheTurn) {
  Game game;
  NormalStartWithRivals(game);
  ReadyToWin(game.state);
  game.options.AutoSaveOption = kFalse;
  game.display.FadesOff = kFalse;
  RecordingUi ui(game);
  Byte phase_while_fading = 0;
  ui.on_open["EndTurnFrm"] = [&] {
    phase_while_fading = game.live.FadePhase;
    EndTurnAfterFade(game);
  };
  EndTurnClick(game);
  EXPECT_EQ(phase_while_fading, 1);
  EXPECT_EQ(game.live.FadePhase, 0);
  EXPECT_EQ(game.state.Turn, 2);
  EXPECT_EQ(ui.Only("open"),
            (std::vector<std::string>{"open EndTurnFrm", "open MessagesFrm", "open TipsFrm"}));
}

TEST(EndTurnClickTest, TheTurnWaitsForTheFadeScreen) {
  Game game;
  NormalStartWithRivals(game);
  game.options.AutoSaveOption = kFalse;
  RecordingUi ui(game);  // a fade screen that never finishes
  EndTurnClick(game);
  EXPECT_EQ(game.state.Turn, 1);
  EXPECT_EQ(game.live.FadePhase, 1);
}

TEST(EndTurnClickTest, MessageScreenOnlyWhenAskedFor) {
  Game game;
  NormalStartWithRivals(game);
  game.options.AutoSaveOption = kFalse;
  game.display.FadesOff = kTrue;
  game.ShowMessagesOption = false;
  RecordingUi ui(game);
  EndTurnClick(game);
  EXPECT_TRUE(ui.Only("open").empty());
}

TEST(EndTurnClickTest, TheAutomaticSaveHoldsTheStateBeforeTheTurn) {
  TempDir dir;
  Game game;
  game.AppPath = dir.path();
  NormalStartWithRivals(game);
  game.display.FadesOff = kTrue;
  Record before{};
  PackGameState(game.state, before);
  EndTurnClick(game);
  ASSERT_EQ(game.state.Turn, 2);
  Record saved{};
  ASSERT_TRUE(ReadSaveRecord(SaveFilePath(game, kAutoSaveName), saved).ok());
  EXPECT_EQ(saved, before);

  game.options.AutoSaveOption = kFalse;  // without the option the old save stays
  EndTurnClick(game);
  ASSERT_TRUE(ReadSaveRecord(SaveFilePath(game, kAutoSaveName), saved).ok());
  EXPECT_EQ(saved, before);
}

TEST(EndTurnOrderTest, LaterStepsSeeTheNewTurn) {
  struct Case {
    Byte turn_before;
    std::vector<std::string> screens_and_questions;
  };
  const Case cases[] = {
      {5, {"open ReligionFrm"}},
      {7, {"open ReligionFrm"}},
      {10, {"open TournamentFrm"}},
      {15, {"open ReligionFrm", "ask 1/106"}},  // 16: the stake and the people's plea
      // 200: also rival county 1's assassins at the camp, and their film
      {199, {"open ReligionFrm", "open MovieFrm", "ask 6/113", "ask 7/114"}},
      {200, {}},  // turn 200 is followed by 2
  };
  for (const Case& c : cases) {
    Game game;
    NormalStartWithRivals(game);
    game.state.Turn = c.turn_before;
    RecordingUi ui(game);
    EndTurn(game);
    std::vector<std::string> seen = ui.Only("open");
    for (const std::string& ask : ui.Only("ask")) seen.push_back(ask);
    EXPECT_EQ(seen, c.screens_and_questions) << "turn " << int{c.turn_before};
  }
}

TEST(EndTurnOrderTest, TheTitheCountsThePeopleAfterTheirGrowth) {
  Game game;
  NormalStartWithRivals(game);  // 3500 people, 60 more after the happiness band
  game.state.Turn = 5;
  RecordingUi ui(game);
  Long demand_shown = 0;
  ui.on_open["ReligionFrm"] = [&] { demand_shown = game.state.TitheDemand; };
  EndTurn(game);
  EXPECT_EQ(demand_shown, 1424);  // Fix(3560 x 40 / 100)
}

TEST(EndTurnOrderTest, MovesComeFromTheMoraleBeforeTheTurn) {
  Game game;
  NormalStartWithRivals(game);
  game.state.Morale = 49.9f;  // the lord's leadership raises it above 50 during the turn
  game.state.ArmyExists = {kTrue, kFalse, kFalse};
  game.state.ArmyMovesLeft = {0, 3, 0};
  EndTurn(game);
  EXPECT_GE(game.state.Morale, 50.0f);
  EXPECT_EQ(game.state.ArmyMovesLeft, (OneBased<Byte, 3>{1, 3, 0}));
}

TEST(EndTurnOrderTest, MessageListsClearAtTheStartOfTheTurnWhenAsked) {
  for (Boolean clear : {kTrue, kFalse}) {
    Game game;
    NormalStartWithRivals(game);
    game.options.ClearMessagesOption = clear;
    for (int i = 0; i < 7; ++i) PostNews(game, 1, 99);
    PostReport(game, 1, 70);
    EndTurn(game);
    if (IsTrue(clear)) {
      EXPECT_EQ(Ids(game.news), (std::vector<int>{87, 77}));
      EXPECT_EQ(game.reports.count, 0);
    } else {  // the first news of the turn fits, the second is dropped
      EXPECT_EQ(game.news.count, 8);
      EXPECT_EQ(game.news.lines[7].id, 87);
      EXPECT_EQ(game.reports.count, 1);
    }
  }
}

TEST(EndTurnOrderTest, SeasonSoundAndMovies) {
  struct Case {
    Byte season_before;
    bool sound_on;
    int movie;  // the queued movie entry, -1 for none
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {1, true, -1, {"sound FaunaChanel01 fauna02.wav"}},
      {2, true, -1, {"sound FaunaChanel01 fauna03.wav"}},
      {3, true, 2, {"sound FaunaChanel01 fauna04.wav", "open MovieFrm"}},
      {4, true, 0, {"sound FaunaChanel01 fauna01.wav", "open MovieFrm"}},
      {4, false, 3, {}},  // entry 3 plays nothing here
  };
  for (const Case& c : cases) {
    Game game;
    game.Difficulty = 1;  // no floods
    game.rng = Random::Constant(0.5);
    SetStartValues(game);
    game.state.Season = c.season_before;
    game.state.LordDiplomacy = 100;  // no trade notice
    game.state.MeatStock = 5000;     // no warning
    game.SoundOn = c.sound_on;
    if (c.movie >= 0) game.live.PendingMovies[static_cast<std::size_t>(c.movie)] = 1;
    RecordingUi ui(game);
    EndTurn(game);
    std::vector<std::string> seen;
    for (const std::string& e : ui.log) {
      if (e.find("message.wav") == std::string::npos) seen.push_back(e);
    }
    EXPECT_EQ(seen, c.log) << "season " << int{c.season_before};
  }
}

TEST(EndTurnOrderTest, IdlePeopleAreCountedAfterTheBuildings) {
  Game game;
  NormalStartWithRivals(game);
  GameState& s = game.state;
  s.WoodSlots = {1, 1, 0, 0, 0};
  s.WoodSlotsUsed = 2;
  s.WoodWorkers = 520;
  s.IdlePeople = 12345;  // out of step: the end of turn counts it again
  EndTurn(game);
  EXPECT_EQ(s.IdlePeople, s.Population - 520);
}

}  // namespace
}  // namespace valorne
