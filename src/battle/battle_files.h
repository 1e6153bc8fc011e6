// The battle program's dealings with the game folder: it takes the battle
// from "\Fight_in.rx", and when the fight is over leaves the survivors in
// "\Fight_out.rx" and then 2 in "\fight_status.rx" for the level's poll.
#pragma once

#include <filesystem>

#include "battle/fight.h"
#include "level/game_files.h"

namespace valorne {

// Reads the battle and fights it. A missing file is Missing; a damaged one,
// or a battle no level sends (see UnfightableBattle), is Corrupt with the
// reason.
FileResult LoadAndFightBattle(const std::filesystem::path& folder, FightReport& report);

// Writes the outcome, then the finished status, in that order: the level
// reads the outcome as soon as it sees the status.
FileResult FinishBattle(const std::filesystem::path& folder, const FightReport& report);

}  // namespace valorne
