#include "platform/data_files.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace valorne {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// One part of a path inside `folder`: the exact name when it exists, else
// the first entry whose name differs only in letter case, else as written.
std::filesystem::path MatchPart(const std::filesystem::path& folder, const std::string& part) {
  std::error_code error;
  if (std::filesystem::exists(folder / part, error)) return folder / part;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (SameIgnoringCase(it->path().filename().string(), part)) return it->path();
  }
  return folder / part;
}

std::filesystem::path Resolve(const std::filesystem::path& folder, std::string_view name) {
  std::filesystem::path result = folder;
  std::string part;
  for (char c : name) {
    if (c == '\\' || c == '/') {
      if (!part.empty() && part != ".") result = MatchPart(result, part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty() && part != ".") result = MatchPart(result, part);
  return result;
}

bool HasFolder(std::string_view name) {
  const auto first = name.find_first_not_of("\\/");
  return first != std::string_view::npos &&
         name.find_first_of("\\/", first) != std::string_view::npos;
}

}  // namespace

std::filesystem::path PictureFolder(const std::filesystem::path& app_path, int graphics_depth) {
  return Resolve(app_path, graphics_depth == 16 ? "graphics/high" : "graphics/low");
}

std::filesystem::path PictureFile(const std::filesystem::path& folder, std::string_view name) {
  std::string file(name);
  if (!std::filesystem::path(file).has_extension()) file += ".png";
  return Resolve(folder, file);
}

std::filesystem::path SoundFile(const std::filesystem::path& app_path, std::string_view name) {
  if (HasFolder(name)) return Resolve(app_path, name);
  return Resolve(Resolve(app_path, "sounds"), name);
}

std::filesystem::path DataFile(const std::filesystem::path& app_path, std::string_view name) {
  return Resolve(app_path, name);
}

}  // namespace valorne
