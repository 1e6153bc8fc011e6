// The level program: reads its arguments, makes the game and runs it in a
// window or headless.
#include <exception>
#include <iostream>

#include "arguments.h"
#include "level/dump_save.h"
#include "level_run.h"
#include "platform/play_folder.h"
#include "state/random.h"

int main(int argc, char** argv) {
  using namespace valorne;
  const std::vector<std::string> words(argv + 1, argv + argc);
  const ParsedArguments parsed = ParseArguments(words);
  if (!parsed.error.empty()) {
    std::cerr << "level9: " << parsed.error << "\n" << kUsage << "\n";
    return 3;
  }
  const ProgramArguments& arguments = parsed.arguments;
  if (arguments.help) {
    std::cout << kUsage << "\n";
    return 0;
  }
  if (arguments.dump_save) return DumpSave(*arguments.dump_save, std::cout, std::cerr);

  try {
    Game game;
    // An installed game plays in the player's own folder when its own
    // cannot be written; a folder given on the command line is used as is.
    game.AppPath =
        arguments.app_path.empty()
            ? PlayFolderFor(ProgramFolder(argc > 0 ? argv[0] : nullptr), "level9", std::cerr)
            : std::filesystem::absolute(arguments.app_path);
    if (arguments.seed) game.rng = Random::Seeded(*arguments.seed);
    if (arguments.rnd) game.rng = Random::Constant(*arguments.rnd);
    return arguments.headless ? RunHeadless(game, arguments) : RunInWindow(game, arguments);
  } catch (const std::exception& e) {
    std::cerr << "level9: " << e.what() << "\n";
    return 1;
  }
}
