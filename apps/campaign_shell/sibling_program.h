// The campaign's small programs beside the level: the title menu
// ("menudata.rx"), the splash ("splash.rx") and the closing page of the
// level ("introdata.rx"). Each shows one screen of our look, in a window or
// headless like the level:
//
//   PROGRAM [--headless] [--app-path DIR]
//
// Headless, the screen is driven by a script on standard input with the
// level's commands (click, show, shot, advance, quit...). A headless program
// whose input is already at its end (the way a headless level hands over to
// it, with no script) does its work on the game folder and ends at once with
// exit code 0. When a headless program ends, each program it started is
// named on standard error ("splash.rx: started menudata.rx"), so that a
// script can follow the campaign's chain.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "screens/toolkit/screen_registry.h"
#include "state/game.h"

namespace valorne {

struct SiblingProgram {
  std::string_view name;          // the program's file name, which starts its messages
  std::string_view first_screen;  // the screen it shows
  std::function<void(ScreenRegistry&)> register_screens;
  // Its work on the game folder before the screen opens, in every mode;
  // problems go to `warnings`.
  std::function<void(Game&, std::ostream& warnings)> prepare;
};

struct SiblingArguments {
  bool headless = false;
  std::filesystem::path app_path;  // empty: the program's own folder
  bool help = false;
};

// The command line; an error message, or empty when it is good.
std::string ParseSiblingArguments(const std::vector<std::string>& words, SiblingArguments& out);

// Runs the program; the result is its exit code: 0 when its screen closed
// or the script quit, 3 for a bad command line or script command, 4 when a
// script ended with the screen still open, 1 when no window can be opened.
int RunSibling(const SiblingProgram& program, int argc, char** argv);

// The names of started programs, as the end of a headless run tells them.
void TellStarted(std::ostream& out, std::string_view program,
                 const std::vector<std::filesystem::path>& started);

}  // namespace valorne
