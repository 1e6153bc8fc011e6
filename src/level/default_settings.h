// The settings and campaign files a new game folder starts with, as if the
// menu program had been run once: normal difficulty, sound on, 800 x 600 with
// the high-colour pictures, the in-level options with animations, tooltips
// and the automatic save on at full volume, no load request, and the
// campaign standing at this level.
#pragma once

#include <filesystem>
#include <ostream>

#include "level/game_files.h"

namespace valorne {

// Writes every default file that the folder lacks; a file already there
// (under any letter case) is the player's and is left alone. Reports each
// file written, and each failure, on `log`; the result is the first failure.
FileResult WriteDefaultSettings(const std::filesystem::path& folder, std::ostream& log);

}  // namespace valorne
