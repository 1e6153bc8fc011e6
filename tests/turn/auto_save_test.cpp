// The automatic save at the end of each turn: written when the option is on;
// a disk that refuses it keeps the old save, tells the player, and the turn
// still ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "level/game_files.h"
#include "level/saves.h"
#include "state/start_values.h"
#include "support/temp_dir.h"
#include "turn/end_turn.h"
#include "turn/recording_ui.h"

namespace valorne {
namespace {

namespace fs = std::filesystem;

TEST(AutoSave, AFailedAutomaticSaveIsToldAndKeepsTheOldSave) {
  struct Case {
    bool disk_full;
    bool told;
  };
  for (const Case c : {Case{false, false}, Case{true, true}}) {
    SCOPED_TRACE(c.disk_full ? "disk full" : "disk fine");
    testing::TempDir dir;
    Game game;
    game.AppPath = dir.path();
    game.SaveExtension = ".s9_";
    game.rng = Random::Constant(0.5);
    game.Difficulty = 2;
    SetStartValues(game);
    game.options.AutoSaveOption = kTrue;
    game.display.FadesOff = kTrue;
    testing::RecordingUi ui(game);
    ASSERT_TRUE(SaveToFile(game, kAutoSaveName).ok());
    const std::string old_save = testing::ReadText(SaveFilePath(game, kAutoSaveName));
    const Integer turn = game.state.Turn;
    game.state.Gold += 1;

    if (c.disk_full) SetWriteFaultForTesting([](const fs::path&) { return true; });
    EndTurnClick(game);
    SetWriteFaultForTesting({});

    const auto messages = ui.Only("message 1/");
    EXPECT_EQ(std::count(messages.begin(), messages.end(), "message 1/127"), c.told ? 1 : 0);
    EXPECT_EQ(testing::ReadText(SaveFilePath(game, kAutoSaveName)) == old_save, c.disk_full);
    EXPECT_EQ(game.state.Turn, turn + 1) << "the turn ends all the same";
  }
}

}  // namespace
}  // namespace valorne
