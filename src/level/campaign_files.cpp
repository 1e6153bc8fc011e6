#include "level/campaign_files.h"

#include <functional>

#include "state/game_state.h"

namespace valorne {

namespace {

// Reads one file; when that fails the default is written in its place and
// both the fault and the repair are told.
void ReadOrRepair(std::ostream& warnings, std::string_view program,
                  const std::function<FileResult()>& read,
                  const std::function<FileResult()>& write_default) {
  const FileResult read_result = read();
  if (read_result.ok()) return;
  warnings << program << ": " << read_result.message;
  const FileResult written = write_default();
  if (written.ok()) {
    warnings << "; the default is written in its place\n";
  } else {
    warnings << "; the default is used, but it cannot be written: " << written.message << "\n";
  }
}

}  // namespace

MenuSettings ReadOrRepairMenuSettings(const std::filesystem::path& folder, std::ostream& warnings,
                                      std::string_view program) {
  MenuSettings settings;
  ReadOrRepair(
      warnings, program, [&] { return ReadDisplaySettings(folder, settings.display); },
      [&] {
        settings.display = DisplaySettings{};
        return WriteDisplaySettings(folder, settings.display);
      });
  ReadOrRepair(
      warnings, program, [&] { return ReadDifficulty(folder, settings.difficulty); },
      [&] {
        settings.difficulty = MenuSettings{}.difficulty;
        return WriteDifficulty(folder, settings.difficulty);
      });
  return settings;
}

CampaignProgress ReadOrCreateCampaignProgress(const std::filesystem::path& folder,
                                              std::ostream& warnings, std::string_view program) {
  CampaignProgress progress;
  for (const auto& file :
       {std::pair{kLevelInfoFile, &progress.reached}, std::pair{kCampFile, &progress.next}}) {
    // Plain names, not a structured binding: clang 14 cannot capture those.
    const std::string_view name = file.first;
    Byte* const value = file.second;
    ReadOrRepair(
        warnings, program, [&] { return ReadNumberFile(folder, name, *value); },
        [&] {
          *value = kLevelNumber;
          return WriteNumberFile(folder, name, kLevelNumber);
        });
  }
  return progress;
}

FileResult WriteGameStart(const std::filesystem::path& folder, int difficulty, bool load_saved) {
  if (FileResult r = WriteDifficulty(folder, difficulty); !r.ok()) return r;
  return WriteNumberFile(folder, kLoadRequestFile, load_saved ? 1 : 0);
}

}  // namespace valorne
