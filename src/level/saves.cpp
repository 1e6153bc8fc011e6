#include "level/saves.h"

#include <algorithm>
#include <cctype>

#include "level/save_names.h"

namespace valorne {

namespace fs = std::filesystem;

fs::path SaveFolderPath(const Game& game) {
  return GamePath(game, kSaveFolder);
}

fs::path SaveFilePath(const Game& game, std::string_view name) {
  return SaveFolderPath(game) / (std::string(name) + game.SaveExtension);
}

FileResult ReadSaveRecord(const fs::path& file, Record& record) {
  std::string bytes;
  FileResult read = ReadFileBytes(file, record.size(), bytes);
  const std::string quoted = "\"" + file.string() + "\"";
  if (read.status == FileStatus::Missing) {
    return FileResult::Failure(FileStatus::Missing, "there is no save " + quoted);
  }
  if (read.status == FileStatus::TooLong) {
    return FileResult::Failure(FileStatus::TooLong, "the save " + quoted + " is longer than " +
                                                        std::to_string(record.size()) +
                                                        " bytes: it is not a save of this game");
  }
  if (!read.ok()) return read;
  if (bytes.size() < record.size()) {
    return FileResult::Failure(FileStatus::TooShort, "the save " + quoted + " holds only " +
                                                         std::to_string(bytes.size()) + " of its " +
                                                         std::to_string(record.size()) + " bytes");
  }
  std::copy(bytes.begin(), bytes.end(), record.begin());
  return FileResult::Success();
}

FileResult SaveToFile(Game& game, std::string_view name) {
  if (auto problem = SaveNameProblem(name)) {
    return FileResult::Failure(FileStatus::WriteFailed,
                               "cannot save as \"" + std::string(name) + "\": " + *problem);
  }
  const fs::path folder = SaveFolderPath(game);
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder, ec)) {
    return FileResult::Failure(FileStatus::WriteFailed,
                               "the save folder \"" + folder.string() + "\" cannot be made");
  }
  Record record{};
  PackGameState(game.state, record);
  return WriteFileReplacing(
      SaveFilePath(game, name),
      std::string_view(reinterpret_cast<const char*>(record.data()), record.size()));
}

LoadResult LoadFromFile(Game& game, std::string_view name) {
  if (auto problem = ExistingSaveNameProblem(name)) {
    return {LoadOutcome::Failed, "there is no save \"" + std::string(name) + "\": " + *problem};
  }
  Record record{};
  if (FileResult read = ReadSaveRecord(SaveFilePath(game, name), record); !read.ok()) {
    return {LoadOutcome::Failed, read.message};
  }
  if (UnpackGameState(record, game.state, game.PrevLevelNumber) == UnpackResult::OtherLevel) {
    return {LoadOutcome::OtherLevel, {}};
  }
  SetUpLevelParams(game.params, game.Difficulty);
  return {LoadOutcome::Loaded, {}};
}

std::vector<std::string> ListSaves(const Game& game) {
  std::vector<std::string> names;
  const std::string& ext = game.SaveExtension;
  std::error_code ec;
  for (fs::directory_iterator it(SaveFolderPath(game), ec), end; !ec && it != end;
       it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const std::string file = it->path().filename().string();
    if (file.size() > ext.size() && file.compare(file.size() - ext.size(), ext.size(), ext) == 0) {
      names.push_back(file.substr(0, file.size() - ext.size()));
    }
  }
  auto folded = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    const std::string fa = folded(a), fb = folded(b);
    return fa != fb ? fa < fb : a < b;
  });
  return names;
}

}  // namespace valorne
