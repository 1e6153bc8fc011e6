#include "level/save_names.h"

namespace valorne {

bool IsProtectedSaveName(std::string_view name) {
  return name == kQuickSave || name == kFirstSave;
}

std::optional<std::string> ExistingSaveNameProblem(std::string_view name) {
  if (name.empty()) return "a save needs a name";
  if (name.find_first_not_of('.') == std::string_view::npos) {
    return "a save's name cannot be made of dots alone";
  }
  for (char c : name) {
    if (c == '/' || c == '\\') return "a save's name cannot hold \"/\" or \"\\\"";
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return "a save's name cannot hold control characters";
  }
  return std::nullopt;
}

std::optional<std::string> SaveNameProblem(std::string_view name) {
  if (auto problem = ExistingSaveNameProblem(name)) return problem;
  if (name.size() > kMaxSaveNameLength) {
    return "a save's name may have at most " + std::to_string(kMaxSaveNameLength) + " characters";
  }
  return std::nullopt;
}

}  // namespace valorne
