// Shows a save file as it is stored: its fields as one line of JSON.
#pragma once

#include <filesystem>
#include <ostream>

namespace valorne {

// Prints the record of `file` as one JSON line on `out` and returns 0; a
// missing file, or one that is not exactly one record long, gets a message
// on `err` and 2.
int DumpSave(const std::filesystem::path& file, std::ostream& out, std::ostream& err);

}  // namespace valorne
