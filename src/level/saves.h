// Save games: each save is one 792-byte game record in a file of its own,
// "\Save Game\" + name + ".s9_" in the game folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "level/game_files.h"
#include "state/game.h"
#include "state/record.h"

namespace valorne {

inline constexpr std::string_view kSaveFolder = "\\Save Game\\";

// The messages of saving and loading, texts of category 1.
inline constexpr int kSavedMessage = 126;          // a save was written
inline constexpr int kSaveFailedMessage = 127;     // a save could not be written
inline constexpr int kLoadedMessage = 130;         // a save was loaded
inline constexpr int kOtherLevelMessage = 131;     // the save belongs to another level
inline constexpr int kProtectedNameMessage = 132;  // "QuickSave" and "FirstSave" are the game's

// The save folder (its name matched without regard to case) and the file of
// the save `name` in it (the name taken exactly, with the level's extension).
std::filesystem::path SaveFolderPath(const Game& game);
std::filesystem::path SaveFilePath(const Game& game, std::string_view name);

// Reads a save file, which must be exactly one record long. On failure
// `record` is unchanged and the message names the file.
FileResult ReadSaveRecord(const std::filesystem::path& file, Record& record);

// Packs the game state and writes it as the save `name`, creating the save
// folder when needed and replacing a save of that name. A name that cannot
// be a file name is refused; a failed write leaves the old save as it was.
FileResult SaveToFile(Game& game, std::string_view name);

enum class LoadOutcome {
  Loaded,      // the save was unpacked into the game
  OtherLevel,  // a save of another level: nothing changed
  Failed,      // no such save, or not a save: nothing changed
  Ignored,     // not tried (an army is walking)
};
struct LoadResult {
  LoadOutcome outcome = LoadOutcome::Failed;
  std::string message;  // why it failed
};

// Reads the save `name` and unpacks it into the game (game.PrevLevelNumber
// receives the level number the game had), then sets up the level's tables
// again for the difficulty. A missing, short or long file changes nothing.
LoadResult LoadFromFile(Game& game, std::string_view name);

// The saves in the save folder: the files ending in the level's extension,
// without it, in name order (letter case aside).
std::vector<std::string> ListSaves(const Game& game);

}  // namespace valorne
