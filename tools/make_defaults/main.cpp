// make_defaults GAME_FOLDER: gives a game folder the default settings and
// campaign files it lacks. A file already there is the player's and is kept.
#include <filesystem>
#include <iostream>

#include "level/default_settings.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_defaults GAME_FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder)) {
    std::cerr << "make_defaults: \"" << folder.string() << "\" is not a folder\n";
    return 1;
  }
  return valorne::WriteDefaultSettings(folder, std::cout).ok() ? 0 : 1;
}
