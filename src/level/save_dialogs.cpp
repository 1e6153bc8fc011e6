#include "level/save_dialogs.h"

#include <chrono>
#include <ctime>
#include <filesystem>

#include "level/save_names.h"
#include "level/saves.h"

namespace valorne {

namespace fs = std::filesystem;

namespace {

DialogResult Refuse(std::string problem) {
  return {false, std::move(problem)};
}

// A save made while an army walks would hold it at its goal with its step
// not yet paid; a load would land the walk in another county. Both wait, as
// the quick save and quick load do.
constexpr const char* kArmyOnTheMarch = "an army is on the march: wait until it has arrived";

DialogResult RefuseProtected(Game& game) {
  game.ui().ShowMessage(1, kProtectedNameMessage);
  return {};
}

}  // namespace

DialogResult SaveDialogOk(Game& game, SaveDialogFields& fields) {
  if (IsProtectedSaveName(fields.FileNameTxt)) return RefuseProtected(game);
  if (fields.FileNameTxt.empty()) return {};
  if (game.live.ArmyWalking) return Refuse(kArmyOnTheMarch);
  if (FileResult saved = SaveToFile(game, fields.FileNameTxt); !saved.ok()) {
    return Refuse(saved.message);
  }
  fields.FileNameTxt.clear();
  fields.RenameTxt.clear();
  game.ui().ShowMessage(1, kSavedMessage);
  return {true, {}};
}

DialogResult SaveDialogRename(Game& game, SaveDialogFields& fields) {
  if (fields.FileNameTxt.empty() || fields.RenameTxt.empty()) return {};
  if (IsProtectedSaveName(fields.FileNameTxt) || IsProtectedSaveName(fields.RenameTxt)) {
    return RefuseProtected(game);
  }
  if (auto problem = ExistingSaveNameProblem(fields.FileNameTxt)) return Refuse(*problem);
  if (auto problem = SaveNameProblem(fields.RenameTxt)) return Refuse(*problem);
  const fs::path from = SaveFilePath(game, fields.FileNameTxt);
  const fs::path to = SaveFilePath(game, fields.RenameTxt);
  std::error_code ec;
  if (!fs::is_regular_file(from, ec)) {
    return Refuse("there is no save \"" + fields.FileNameTxt + "\" to rename");
  }
  if (fs::exists(fs::symlink_status(to, ec))) {
    return Refuse("a save named \"" + fields.RenameTxt + "\" exists already");
  }
  fs::rename(from, to, ec);
  if (ec)
    return Refuse("the save \"" + fields.FileNameTxt + "\" could not be renamed: " + ec.message());
  fields.FileNameTxt.clear();
  fields.RenameTxt.clear();
  return {};
}

void LoadDialogSelect(Game& game, LoadDialogFields& fields, std::string_view save) {
  fields.SelectedSave = std::string(save);
  fields.FileNameTxt = std::string(save);
  fields.FileDateLbl = SaveFileDate(game, save);
}

DialogResult LoadDialogDelete(Game& game, LoadDialogFields& fields) {
  if (fields.FileNameTxt.empty()) return {};
  const std::string& doomed =
      fields.SelectedSave.empty() ? fields.FileNameTxt : fields.SelectedSave;
  if (IsProtectedSaveName(fields.FileNameTxt) || IsProtectedSaveName(doomed)) {
    return RefuseProtected(game);
  }
  if (auto problem = ExistingSaveNameProblem(doomed)) return Refuse(*problem);
  const fs::path file = SaveFilePath(game, doomed);
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return Refuse("there is no save \"" + doomed + "\"");
  if (!fs::remove(file, ec) || ec) {
    return Refuse("the save \"" + doomed + "\" could not be deleted: " + ec.message());
  }
  fields = LoadDialogFields{};
  return {};
}

DialogResult LoadDialogOk(Game& game, LoadDialogFields& fields) {
  if (fields.FileNameTxt.empty()) return {};
  if (game.live.ArmyWalking) return Refuse(kArmyOnTheMarch);
  LoadResult loaded = LoadFromFile(game, fields.FileNameTxt);
  if (loaded.outcome == LoadOutcome::Failed) return Refuse(loaded.message);
  fields = LoadDialogFields{};
  game.ui().ShowMessage(1, kLoadedMessage);
  return {true, {}};
}

std::string SaveFileDate(const Game& game, std::string_view save) {
  if (ExistingSaveNameProblem(save)) return {};
  std::error_code ec;
  const fs::file_time_type changed = fs::last_write_time(SaveFilePath(game, save), ec);
  if (ec) return {};
  const auto system_time = std::chrono::file_clock::to_sys(changed);
  const std::time_t seconds = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(system_time));
  std::tm local{};
  if (const std::tm* converted = std::localtime(&seconds)) local = *converted;
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

}  // namespace valorne
