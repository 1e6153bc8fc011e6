#include "level_run.h"

#include <iostream>

#include "level/startup.h"

namespace valorne {

int RunLevel(Game& game, Ui& ui, PlatformServices& services,
             const std::function<void()>& after_start) {
  try {
    if (StartProgram(game, services) == StartupResult::Exit) return 0;
    ui.GiveStartSounds();
    if (after_start) after_start();
    if (game.live.ProgramEnding) return 0;
    if (SetUpNewLevel(game, services) == StartupResult::Exit) return 0;
    if (game.live.ProgramEnding) return 0;
    ui.Open("Camp1Frm");
    return 0;
  } catch (const ProgramExit& exit) {
    if (!exit.message.empty()) std::cerr << "level9: " << exit.message << "\n";
    return exit.code;
  }
}

}  // namespace valorne
