#include "level/handoff.h"

#include <iostream>

#include "level/game_files.h"
#include "level/settings_files.h"

namespace valorne {

namespace {

// Starts a sibling program of the game folder. A program that cannot be
// started is passed over: the level ends all the same.
void StartSibling(Game& game, PlatformServices& services, std::string_view name) {
  services.StartProgram(GamePath(game, name));
}

void Warn(std::ostream& warnings, const FileResult& result) {
  if (!result.ok()) warnings << "level9: " << result.message << "\n";
}

}  // namespace

void CompleteLevel(Game& game, PlatformServices& services, std::ostream& warnings) {
  const std::filesystem::path& folder = game.AppPath;
  Warn(warnings, WriteNumberFile(folder, kLoadRequestFile, 0));

  // The campaign never goes back: a campaign that has already gone beyond
  // this level keeps its progress.
  Byte progress = 0;
  Warn(warnings, ReadNumberFile(folder, kCampFile, progress));
  const int next_level = game.state.LevelNumber + 1;
  if (progress < next_level) {
    Warn(warnings, WriteNumberFile(folder, kCampFile, next_level));
    Warn(warnings, WriteNumberFile(folder, kLevelInfoFile, next_level));
  }

  StartSibling(game, services, "\\splash.rx");
  StartSibling(game, services, "\\introdata.rx");
  ExitProgram(game);
}

void CompleteLevel(Game& game, PlatformServices& services) {
  CompleteLevel(game, services, std::cerr);
}

void ExitToMenu(Game& game, PlatformServices& services) {
  StartSibling(game, services, "\\splash.rx");
  StartSibling(game, services, "\\menudata.rx");
  ExitProgram(game);
}

void ExitProgram(Game& game) {
  game.live.ProgramEnding = true;
}

void ConfirmExit(Game& game, PlatformServices& services) {
  if (game.live.MessageKind == kExitToTitleKind) {
    ExitToMenu(game, services);
  } else {
    ExitProgram(game);
  }
}

}  // namespace valorne
