#include "level/game_files.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <vector>

#include "level/saves.h"
#include "state/game.h"

namespace valorne {

namespace {

namespace fs = std::filesystem;

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

// The parts of a game name: "\Save Game\x" gives "Save Game" and "x".
std::vector<std::string> NameParts(std::string_view name) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : name) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(std::move(part));
  return parts;
}

// The entry of `folder` that is named `part`, in whatever letter case it
// exists; `part` itself when there is none. Of several spellings that differ
// only in case (none exact), the first in name order is taken.
fs::path ResolvePart(const fs::path& folder, const std::string& part) {
  std::error_code ec;
  const fs::path exact = folder / part;
  if (fs::exists(fs::symlink_status(exact, ec))) return exact;
  if (part == "." || part == "..") return exact;
  const fs::path listed = folder.empty() ? fs::path(".") : folder;
  std::vector<std::string> matches;
  for (fs::directory_iterator it(listed, ec), end; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (SameIgnoringCase(entry, part)) matches.push_back(std::move(entry));
  }
  if (matches.empty()) return exact;
  std::sort(matches.begin(), matches.end());
  return folder / matches.front();
}

WriteFault& CurrentWriteFault() {
  static WriteFault fault;
  return fault;
}

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporaryDigits = 6;

bool IsOurTemporary(const std::string& name) {
  if (name.size() < 1 + kTemporaryMark.size() + kTemporaryDigits || name.front() != '.') {
    return false;
  }
  const std::size_t mark = name.size() - kTemporaryDigits - kTemporaryMark.size();
  if (name.compare(mark, kTemporaryMark.size(), kTemporaryMark) != 0) return false;
  return std::all_of(name.end() - kTemporaryDigits, name.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::string TemporaryNameFor(const fs::path& file) {
  static std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, "%06x", digits(generator));
  return "." + file.filename().string() + ".tmp-" + suffix;
}

}  // namespace

fs::path GamePath(const fs::path& folder, std::string_view name) {
  fs::path path = folder;
  for (const std::string& part : NameParts(name)) path = ResolvePart(path, part);
  return path;
}

fs::path GamePath(const Game& game, std::string_view name) {
  return GamePath(game.AppPath, name);
}

FileResult ReadFileBytes(const fs::path& file, std::size_t max_bytes, std::string& bytes) {
  bytes.clear();
  std::error_code ec;
  if (fs::is_directory(file, ec)) {
    return FileResult::Failure(FileStatus::Missing,
                               "\"" + file.string() + "\" is a folder, not a file");
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return FileResult::Failure(FileStatus::Missing,
                               "the file \"" + file.string() + "\" cannot be opened");
  }
  bytes.resize(max_bytes + 1);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) {
    bytes.clear();
    return FileResult::Failure(FileStatus::Missing,
                               "the file \"" + file.string() + "\" cannot be read");
  }
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > max_bytes) {
    bytes.resize(max_bytes);
    return FileResult::Failure(FileStatus::TooLong, "the file \"" + file.string() +
                                                        "\" is longer than " +
                                                        std::to_string(max_bytes) + " bytes");
  }
  return FileResult::Success();
}

FileResult WriteFileReplacing(const fs::path& file, std::string_view bytes) {
  const fs::path temporary = file.parent_path() / TemporaryNameFor(file);
  auto failed = [&](const std::string& why) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return FileResult::Failure(FileStatus::WriteFailed, "the file \"" + file.string() +
                                                            "\" could not be written (" + why +
                                                            "); the old file is kept");
  };
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return failed("cannot create a file in its folder");
    const WriteFault& fault = CurrentWriteFault();
    if (fault && fault(file)) {
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
      out.close();
      return failed("the disk is full");
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return failed("the disk refused the data");
  }
  std::error_code ec;
  if (fs::is_directory(file, ec)) return failed("a folder of that name is in the way");
  fs::rename(temporary, file, ec);
  if (ec) return failed(ec.message());
  return FileResult::Success();
}

int RemoveStaleTemporaries(const fs::path& folder) {
  int removed = 0;
  for (const fs::path& dir : {folder, GamePath(folder, kSaveFolder)}) {
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code ignored;
      if (!it->is_regular_file(ignored) || !IsOurTemporary(it->path().filename().string())) {
        continue;
      }
      if (fs::remove(it->path(), ignored)) ++removed;
    }
  }
  return removed;
}

void SetWriteFaultForTesting(WriteFault fault) {
  CurrentWriteFault() = std::move(fault);
}

}  // namespace valorne
