// Saves prepared for the program tests: the level's first save with record
// fields set by the developer's save editor (make_save, whose path the
// program tests are built with).
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/level9_run.h"

namespace valorne::testing {

// Writes save `name` ("Siege" for "Save Game/Siege.s9_") into the folder: its
// first save with `fields` ("Turn=15", "ArmySizes(1)=40") set. A folder that
// has no first save yet gets one from a run of the level that quits at once.
// std::runtime_error, with the editor's complaint, when the save cannot be made.
inline void PrepareSave(const GameFolder& folder, const std::string& name,
                        const std::vector<std::string>& fields) {
  const std::filesystem::path saves = folder.game() / "Save Game";
  if (!std::filesystem::exists(saves / "FirstSave.s9_")) {
    const Outcome first = folder.Run("quit\n");
    if (first.code != 0) throw std::runtime_error("the level did not start: " + first.err);
  }
  const auto quoted = [](const std::string& s) { return "'" + s + "'"; };
  std::string command = quoted(VALORNE_MAKE_SAVE) + " " +
                        quoted((saves / "FirstSave.s9_").string()) + " " +
                        quoted((saves / (name + ".s9_")).string());
  for (const std::string& field : fields) command += " " + quoted(field);
  command += " 2> " + quoted(folder.scratch("make_save.txt").string());
  const int status = std::system(command.c_str());
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error(command + ": " + ReadText(folder.scratch("make_save.txt")));
  }
}

}  // namespace valorne::testing
