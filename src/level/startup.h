// The level's start: the checks of the machine, the settings files, the
// texts and the display mode (StartProgram), then the new level itself with
// its first save, the menu program's load request, the campaign's progress
// check and the objectives screen (SetUpNewLevel). The program shell runs
// StartProgram, shows the loading screen, then runs SetUpNewLevel; on Exit it
// ends.
//
// A settings file that is missing or damaged does not stop the level: it
// starts with the default settings and says so on the warnings stream. Only
// what the level cannot do without stops it, with a message box: a screen
// that is neither 96 nor 120 dots per inch, a text file that cannot be read,
// and a campaign that has not reached this level.
#pragma once

#include <ostream>
#include <string_view>

#include "platform/services.h"
#include "state/game.h"

namespace valorne {

enum class StartupResult { Continue, Exit };

// Expects game.AppPath to hold the game folder (the current folder when it
// is empty). Warnings go to `warnings`, standard error in the two-argument
// form.
StartupResult StartProgram(Game& game, PlatformServices& services);
StartupResult StartProgram(Game& game, PlatformServices& services, std::ostream& warnings);

StartupResult SetUpNewLevel(Game& game, PlatformServices& services);
StartupResult SetUpNewLevel(Game& game, PlatformServices& services, std::ostream& warnings);

// The screen size the display settings ask for.
struct ScreenSize {
  int width = 800;
  int height = 600;
  friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};
ScreenSize ChosenScreenSize(const DisplaySettings& display);

inline constexpr std::string_view kMessageBoxTitle = "Valorne";
inline constexpr std::string_view kProgressMessage = "No, no, no... :)";

}  // namespace valorne
