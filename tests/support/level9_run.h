// The real level program run headless in a game folder of its own, with a
// script through a pipe: its exit code, standard output lines and errors.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace valorne::testing {

struct Outcome {
  int code = -1;
  std::vector<std::string> lines;  // standard output
  std::string err;
};

// The programs the level started beside it, in order, from the
// "level9: started NAME" lines of its errors.
inline std::vector<std::string> StartedPrograms(const std::string& err) {
  std::vector<std::string> started;
  std::istringstream lines(err);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("level9: started ", 0) == 0) started.push_back(line.substr(16));
  }
  return started;
}

// A game folder of its own for each run: the settings, texts, map and
// pointers of the built game folder (not its pictures), so runs do not
// share saves.
class GameFolder {
 public:
  GameFolder() {
    const std::filesystem::path built = VALORNE_GAME_DIR;
    for (const char* name : {"Optim.rx", "Options.rx", "Advanced.rx", "LGame.rx", "levelinfo.rx"}) {
      std::filesystem::copy_file(built / name, game() / name);
    }
    for (const char* folder : {"localizations", "maps", "pointers"}) {
      std::filesystem::copy(built / folder, game() / folder);
    }
  }
  std::filesystem::path game() const { return dir_.path(); }

  // Screens without the fade ("Optim.rx" with FadesOff true), so that a
  // click ends the turn at once.
  void TurnFadesOff() const {
    auto bytes = ReadBytes(game() / "Optim.rx");
    if (bytes.size() != 23) throw std::runtime_error("Optim.rx is not 23 bytes long");
    bytes[2] = bytes[3] = 0xFF;
    WriteBytes(game() / "Optim.rx", bytes);
  }
  std::filesystem::path scratch(const std::string& name) const { return scratch_ / name; }

  Outcome Run(const std::string& script, const std::string& arguments = "") const {
    return RunProgram(VALORNE_LEVEL9, script, arguments);
  }

  // Runs `program` headless on this folder with `arguments`; without a
  // script its standard input is empty.
  Outcome RunProgram(const std::string& program, const std::optional<std::string>& script,
                     const std::string& arguments = "") const {
    std::string input = "/dev/null";
    if (script) {
      WriteText(scratch("script.txt"), *script);
      input = scratch("script.txt").string();
    }
    const std::string command = "'" + program + "' --headless --app-path '" + game().string() +
                                "' " + arguments + " < '" + input + "' > '" +
                                scratch("out.txt").string() + "' 2> '" +
                                scratch("err.txt").string() + "'";
    const int status = std::system(command.c_str());
    Outcome outcome;
    outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream out(ReadText(scratch("out.txt")));
    for (std::string line; std::getline(out, line);) outcome.lines.push_back(line);
    outcome.err = ReadText(scratch("err.txt"));
    return outcome;
  }

 private:
  TempDir dir_;
  TempDir scratch_dir_;
  std::filesystem::path scratch_ = scratch_dir_.path();
};

}  // namespace valorne::testing
