// The battle program: takes the battle the level left in "\Fight_in.rx",
// fights it, shows it (unless it runs headless, the battle asks for the
// automatic calculation, or no display can be opened), and leaves the
// outcome in "\Fight_out.rx" and 2 in "\fight_status.rx".
//
// Exit codes: 0 the battle was fought; 1 the outcome could not be written;
// 2 the battle file is missing or damaged (nothing is written then);
// 3 a bad command line.
#include <exception>
#include <iostream>

#include "battle/battle_files.h"
#include "battle_program.h"
#include "platform/play_folder.h"

namespace {

std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && !self.empty()) return self.parent_path();
  std::filesystem::path given = argv0 ? argv0 : "";
  given = std::filesystem::absolute(given, error);
  return given.has_parent_path() ? given.parent_path() : std::filesystem::current_path();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace valorne;
  const BattleArguments arguments = ParseBattleArguments({argv + 1, argv + argc});
  if (!arguments.error.empty()) {
    std::cerr << "battledata.rx: " << arguments.error << "\n" << kBattleUsage << "\n";
    return 3;
  }
  if (arguments.help) {
    std::cout << kBattleUsage << "\n";
    return 0;
  }
  try {
    const std::filesystem::path folder =
        arguments.app_path.empty()
            ? PlayFolderFor(ProgramFolder(argc > 0 ? argv[0] : nullptr), "battledata.rx", std::cerr)
            : std::filesystem::absolute(arguments.app_path);
    FightReport report;
    if (FileResult loaded = LoadAndFightBattle(folder, report); !loaded.ok()) {
      std::cerr << "battledata.rx: no battle fought: " << loaded.message << "\n";
      return 2;
    }
    if (arguments.shot) {
      const std::string problem = DrawShot(report, folder, *arguments.shot, arguments.shot_at_ms);
      if (!problem.empty()) std::cerr << "battledata.rx: " << problem << "\n";
      return problem.empty() ? 0 : 1;
    }
    const bool automatic = report.input.auto_calc == kAutoCalcValue;
    if (!arguments.headless && !automatic && !PlayInWindow(report, folder)) {
      std::cerr << "battledata.rx: no display; the battle is resolved without a window\n";
    }
    if (FileResult finished = FinishBattle(folder, report); !finished.ok()) {
      std::cerr << "battledata.rx: " << finished.message << "\n";
      return 1;
    }
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "battledata.rx: " << e.what() << "\n";
    return 1;
  }
}
