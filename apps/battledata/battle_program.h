// The battle program's command line and its ways to show a fight:
//   battledata.rx [--headless] [--app-path DIR] [--shot FILE [--shot-at MS]]
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "battle/fight.h"

namespace valorne {

struct BattleArguments {
  bool headless = false;                      // resolve at once, no window
  std::filesystem::path app_path;             // empty: the program's own folder
  std::optional<std::filesystem::path> shot;  // draw the window into this PNG and end
  int shot_at_ms = 2500;
  bool help = false;
  std::string error;  // empty when the line was good
};

BattleArguments ParseBattleArguments(const std::vector<std::string>& words);

extern const char* const kBattleUsage;

// Plays the fight back in a window until the player closes the summary.
// False when no window can be opened (the caller then resolves at once).
bool PlayInWindow(const FightReport& report, const std::filesystem::path& app_path);

// Draws the battle window as it looks `at_ms` into the fight into a PNG;
// empty, or what went wrong.
std::string DrawShot(const FightReport& report, const std::filesystem::path& app_path,
                     const std::filesystem::path& file, int at_ms);

}  // namespace valorne
