#include "level/startup.h"

#include <iostream>

#include "level/game_files.h"
#include "level/save_names.h"
#include "level/saves.h"
#include "level/settings_files.h"
#include "state/start_values.h"

namespace valorne {

namespace {

void Warn(std::ostream& warnings, const FileResult& result, std::string_view consequence) {
  if (!result.ok()) warnings << "level9: " << result.message << "; " << consequence << "\n";
}

// The screen must be at one of the two densities the pictures are made for:
// 96 dots per inch shows every screen enlarged by a quarter, 120 as drawn.
bool TakeScreenDensity(Game& game, PlatformServices& services) {
  const int dpi = services.DotsPerInch();
  if (dpi == 96) {
    game.LargeScreenMode = true;
  } else if (dpi == 120) {
    game.LargeScreenMode = false;
  } else {
    services.ShowMessageBox(kMessageBoxTitle,
                            "The level runs on a screen set to 96 or 120 dots per inch; this "
                            "screen is set to " +
                                std::to_string(dpi) + ".");
    return false;
  }
  return true;
}

void ReadStartSettings(Game& game, std::ostream& warnings) {
  DisplaySettings display;
  Warn(warnings, ReadDisplaySettings(game.AppPath, display),
       "the level starts with the default display settings");
  game.display = display;
  Byte difficulty = 2;
  Warn(warnings, ReadDifficulty(game.AppPath, difficulty), "the level starts at normal difficulty");
  game.Difficulty = difficulty;
  if (IsTrue(game.display.SoundOff)) game.SoundOn = false;
}

// Asks for the chosen screen size, first in 16 and then in 32 bits per
// pixel; a mode that cannot be set leaves the display as it is.
void SwitchDisplay(const Game& game, PlatformServices& services) {
  const ScreenSize size = ChosenScreenSize(game.display);
  services.SetDisplayMode(size.width, size.height, 16);
  services.SetDisplayMode(size.width, size.height, 32);
}

bool ReadTexts(Game& game, PlatformServices& services) {
  for (const TextTables::FileEntry& f : TextTables::kFiles) {
    try {
      ReadTextFile(GamePath(game, f.path), game.texts.Category(f.category));
    } catch (const TextFileError& e) {
      services.ShowMessageBox(kMessageBoxTitle,
                              std::string("The level cannot start: ") + e.what() + ".");
      return false;
    }
  }
  return true;
}

}  // namespace

ScreenSize ChosenScreenSize(const DisplaySettings& display) {
  if (IsTrue(display.Force1024)) return {1024, 768};
  switch (display.ResolutionChoice) {
    case 1:
      return {1024, 768};
    case 2:
      return {1280, 960};
    case 3:
      return {1280, 1024};
    default:
      return {800, 600};
  }
}

StartupResult StartProgram(Game& game, PlatformServices& services, std::ostream& warnings) {
  if (services.AnotherInstanceRunning()) return StartupResult::Exit;
  if (game.AppPath.empty()) game.AppPath = std::filesystem::current_path();
  // A run killed while it wrote a file left its temporary file behind; only
  // one level runs at a time, so none of them is still being written.
  RemoveStaleTemporaries(game.AppPath);
  if (!TakeScreenDensity(game, services)) return StartupResult::Exit;
  game.SoundOn = services.SoundDeviceCount() > 0;
  ReadStartSettings(game, warnings);
  SwitchDisplay(game, services);
  if (!ReadTexts(game, services)) return StartupResult::Exit;

  // The campaign map opens right after start-up and takes the in-level
  // options with it.
  AdvancedOptions options;
  Warn(warnings, ReadAdvancedOptions(game.AppPath, options),
       "the level starts with the default options");
  game.options = options;
  return StartupResult::Continue;
}

StartupResult StartProgram(Game& game, PlatformServices& services) {
  return StartProgram(game, services, std::cerr);
}

StartupResult SetUpNewLevel(Game& game, PlatformServices& services, std::ostream& warnings) {
  SetStartValues(game);
  game.SaveExtension = ".s9_";

  // The first save always holds the level as it starts: the replay after a
  // defeat begins from it.
  Warn(warnings, SaveToFile(game, kFirstSave), "the level cannot be replayed from its start");

  // The menu program leaves a load request when the player chose to open a
  // saved game; it is served once.
  Byte load_request = 0;
  Warn(warnings, ReadNumberFile(game.AppPath, kLoadRequestFile, load_request),
       "no saved game is opened");
  if (load_request != 0) game.ui().OpenScreen("LoadGameFrm");
  Warn(warnings, WriteNumberFile(game.AppPath, kLoadRequestFile, 0),
       "the load request may be served again");

  // A campaign that has not reached this level may not play it.
  Byte reached = 0;
  FileResult progress = ReadNumberFile(game.AppPath, kLevelInfoFile, reached);
  Warn(warnings, progress, "the campaign's progress is not checked");
  if (progress.ok() && reached < game.state.LevelNumber) {
    services.ShowMessageBox(kMessageBoxTitle, kProgressMessage);
    return StartupResult::Exit;
  }

  game.ui().OpenScreen("TipsFrm");
  return StartupResult::Continue;
}

StartupResult SetUpNewLevel(Game& game, PlatformServices& services) {
  return SetUpNewLevel(game, services, std::cerr);
}

}  // namespace valorne
