#include "platform/play_folder.h"

#include <cstdlib>
#include <fstream>

namespace valorne {

namespace fs = std::filesystem;

namespace {

// What the game writes: the settings and campaign records, the exchange
// files with the battle program. Everything else is read only.
bool IsWrittenFile(const fs::directory_entry& entry) {
  std::error_code error;
  if (!entry.is_regular_file(error)) return false;
  const auto permissions = entry.status(error).permissions();
  const bool program = (permissions & fs::perms::owner_exec) != fs::perms::none;
  return !program && entry.path().extension() == ".rx";
}

// Makes `user` the twin of `installed`; false with the reason in `why`.
bool MakeTwin(const fs::path& installed, const fs::path& user, std::string& why) {
  std::error_code error;
  fs::create_directories(user, error);
  if (error) {
    why = error.message();
    return false;
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(installed, error)) {
    const fs::path twin = user / entry.path().filename();
    std::error_code exists_error;
    if (fs::exists(fs::symlink_status(twin, exists_error))) continue;  // the player's own stays
    if (IsWrittenFile(entry)) {
      fs::copy_file(entry.path(), twin, error);
    } else if (entry.is_directory(error)) {
      fs::create_directory_symlink(entry.path(), twin, error);
    } else {
      fs::create_symlink(entry.path(), twin, error);
    }
    if (error) {
      why = twin.string() + ": " + error.message();
      return false;
    }
  }
  if (error) {
    why = error.message();
    return false;
  }
  return true;
}

}  // namespace

bool FolderIsWritable(const fs::path& folder) {
  const fs::path probe = folder / ".valorne-write-test";
  {
    std::ofstream out(probe);
    if (!out) return false;
  }
  std::error_code error;
  fs::remove(probe, error);
  return true;
}

std::optional<fs::path> UserGameFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
    return fs::path(data) / "valorne";
  }
  if (const char* home = std::getenv("HOME"); home && *home) {
    return fs::path(home) / ".local" / "share" / "valorne";
  }
  return std::nullopt;
}

fs::path ChoosePlayFolder(const fs::path& installed, bool writable,
                          const std::optional<fs::path>& user, std::string_view program,
                          std::ostream& told) {
  if (writable) return installed;
  std::string why = "no home folder is known";
  if (user && MakeTwin(installed, *user, why)) {
    told << program << ": the game folder " << installed.string()
         << " cannot be written; saves and settings are kept in " << user->string() << "\n";
    return *user;
  }
  told << program << ": the game folder " << installed.string()
       << " cannot be written and no folder of the player's can be made (" << why
       << "); the game cannot be saved\n";
  return installed;
}

fs::path PlayFolderFor(const fs::path& program_folder, std::string_view program,
                       std::ostream& told) {
  return ChoosePlayFolder(program_folder, FolderIsWritable(program_folder), UserGameFolder(),
                          program, told);
}

}  // namespace valorne
