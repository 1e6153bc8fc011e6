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
  return folder.RunProgram(std::string(VALORNE_GAME_DIR) + "/" + program, script, arguments);
}

}  // namespace valorne::testing
