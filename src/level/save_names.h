// The names of saves. The game writes four saves of its own; two of them the
// player may neither overwrite by name, delete nor rename. Names are compared
// exactly, letter case included: "quicksave" is a save of the player's.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace valorne {

inline constexpr std::string_view kFirstSave = "FirstSave";        // written at every level start
inline constexpr std::string_view kQuickSave = "QuickSave";        // F6 / F7
inline constexpr std::string_view kAutoSave = "AutoSave";          // every end of turn
inline constexpr std::string_view kSaveAndExit = "Save and Exit";  // the game menu's way out

inline constexpr std::size_t kMaxSaveNameLength = 64;

// "QuickSave" and "FirstSave", exactly.
bool IsProtectedSaveName(std::string_view name);

// Why a name cannot be a save's name, or nothing when it can. A save's name
// becomes a file name in the save folder, so it must not be empty, hold a
// folder separator or a control character, be made of dots alone, or run
// beyond kMaxSaveNameLength characters. A save that exists already (to be
// loaded, deleted or renamed) is held to the same rules except the length.
std::optional<std::string> SaveNameProblem(std::string_view name);
std::optional<std::string> ExistingSaveNameProblem(std::string_view name);

}  // namespace valorne
