// Where the game's pictures, sounds and pointers are. The game names them as
// it always has: pictures by a bare name ("mapres", a ".png" file) or a file
// name ("graphic_smallbox.rx", a picture whatever its ending) in the high or
// low picture folder; sounds by file name in "sounds"; pointers and other
// files by their path from the game folder ("\pointers\normal01.ico").
// Each part of a name matches the files on disk without regard to letter
// case; an exact match wins, and a part that matches nothing is used as
// written.
#pragma once

#include <filesystem>
#include <string_view>

namespace valorne {

// "graphics/high" under the game folder for a graphics depth of 16, else
// "graphics/low".
std::filesystem::path PictureFolder(const std::filesystem::path& app_path, int graphics_depth);

// The file of a picture: a name with an ending is that file, a name without
// one gets ".png".
std::filesystem::path PictureFile(const std::filesystem::path& folder, std::string_view name);

// A sound by its file name ("fire01.wav") is in "sounds"; a name with a
// folder ("\sounds\music01.wav") is taken from the game folder.
std::filesystem::path SoundFile(const std::filesystem::path& app_path, std::string_view name);

// A file by its path from the game folder, with backslashes or slashes
// ("\pointers\normal01.ico").
std::filesystem::path DataFile(const std::filesystem::path& app_path, std::string_view name);

}  // namespace valorne
