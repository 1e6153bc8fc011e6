// Where a program of the game keeps what it writes (saves, settings, the
// files it exchanges with the programs beside it). A game folder the player
// may write to is used as it is. An installed game folder that only the
// system may change gets a twin under the player's data home
// ("$XDG_DATA_HOME/valorne", else "~/.local/share/valorne"): the settings
// and exchange files are copied there once, the pictures, sounds, texts and
// programs are linked, so that every program of the game started from
// either folder plays in the twin. The choice is made once, at start-up.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace valorne {

// True when a file can be made in `folder`.
bool FolderIsWritable(const std::filesystem::path& folder);

// The player's own folder for the game: "$XDG_DATA_HOME/valorne", else
// "$HOME/.local/share/valorne"; none when neither is set.
std::optional<std::filesystem::path> UserGameFolder();

// The folder to play in for the game folder `installed`: `installed` itself
// when `writable`, else `user` made into its twin (told on `told` in one
// line, naming `program`). When the twin cannot be made the game folder is
// used as it is, and the line says so.
std::filesystem::path ChoosePlayFolder(const std::filesystem::path& installed, bool writable,
                                       const std::optional<std::filesystem::path>& user,
                                       std::string_view program, std::ostream& told);

// The same for a program of the game started from `program_folder`.
std::filesystem::path PlayFolderFor(const std::filesystem::path& program_folder,
                                    std::string_view program, std::ostream& told);

}  // namespace valorne
