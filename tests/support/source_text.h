// The game's own source files read as text, for the tests that check every
// name or text id the code uses against the built game folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace valorne {

// The file's text with // and /* */ comments blanked out (line breaks kept,
// so positions still count lines); string literals are kept whole.
std::string SourceWithoutComments(const std::filesystem::path& file);

// Every .cpp and .h file of the game and its programs (src/ and apps/), sorted.
std::vector<std::filesystem::path> GameSourceFiles();

}  // namespace valorne
