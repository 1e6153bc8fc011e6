// The campaign's programs beside the level ("menudata.rx", "splash.rx",
// "introdata.rx", and "level9" itself) run headless in a game folder, with a
// script, or with no input at all as the level hands over to them.
#pragma once

#include <optional>
#include <string>

#include "support/level9_run.h"

namespace valorne::testing {

// Runs `program` of the built game folder on the folder of `folder`.
// Without a script its standard input is empty.
inline Outcome RunCampaignProgram(const GameFolder& folder, const std::string& program,
                                  const std::optional<std::string>& script,
                                  const std::string& arguments = "") {
  std::string input = "/dev/null";
  if (script) {
    WriteText(folder.scratch("script.txt"), *script);
    input = folder.scratch("script.txt").string();
  }
  const std::string command =
      "'" + std::string(VALORNE_GAME_DIR) + "/" + program + "' --headless --app-path '" +
      folder.game().string() + "' " + arguments + " < '" + input + "' > '" +
      folder.scratch("out.txt").string() + "' 2> '" + folder.scratch("err.txt").string() + "'";
  const int status = std::system(command.c_str());
  Outcome outcome;
  outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::istringstream out(ReadText(folder.scratch("out.txt")));
  for (std::string line; std::getline(out, line);) outcome.lines.push_back(line);
  outcome.err = ReadText(folder.scratch("err.txt"));
  return outcome;
}

}  // namespace valorne::testing
