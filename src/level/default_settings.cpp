#include "level/default_settings.h"

#include <functional>
#include <string_view>

#include "level/settings_files.h"
#include "state/game_state.h"

namespace valorne {

FileResult WriteDefaultSettings(const std::filesystem::path& folder, std::ostream& log) {
  namespace fs = std::filesystem;
  struct DefaultFile {
    std::string_view name;
    std::function<FileResult()> write;
  };
  const DefaultFile files[] = {
      {kOptimFile, [&] { return WriteDisplaySettings(folder, DisplaySettings{}); }},
      {kOptionsFile, [&] { return WriteDifficulty(folder, 2); }},
      {kAdvancedFile, [&] { return WriteAdvancedOptions(folder, AdvancedOptions{}); }},
      {kLoadRequestFile, [&] { return WriteNumberFile(folder, kLoadRequestFile, 0); }},
      {kLevelInfoFile, [&] { return WriteNumberFile(folder, kLevelInfoFile, kLevelNumber); }},
      {kCampFile, [&] { return WriteNumberFile(folder, kCampFile, kLevelNumber); }},
  };
  FileResult first_failure;
  std::error_code ec;
  for (const DefaultFile& f : files) {
    const fs::path path = GamePath(folder, f.name);
    if (fs::exists(path, ec)) continue;
    FileResult written = f.write();
    if (written.ok()) {
      log << "wrote the default " << path.filename().string() << "\n";
    } else {
      log << written.message << "\n";
      if (first_failure.ok()) first_failure = written;
    }
  }
  return first_failure;
}

}  // namespace valorne
