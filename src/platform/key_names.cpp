#include "platform/key_names.h"

#include <array>
#include <utility>

namespace valorne {

namespace {
constexpr std::array<std::pair<std::string_view, int>, 22> kNamedKeys = {{
    {"Backspace", 8}, {"Tab", 9},     {"Return", 13}, {"Shift", 16},  {"Control", 17},
    {"Alt", 18},      {"Escape", 27}, {"Space", 32},  {"PageUp", 33}, {"PageDown", 34},
    {"End", 35},      {"Home", 36},   {"Left", 37},   {"Up", 38},     {"Right", 39},
    {"Down", 40},     {"Insert", 45}, {"Delete", 46}, {"Minus", 189}, {"Period", 190},
    {"Comma", 188},   {"Plus", 187},
}};
}  // namespace

std::optional<int> KeyCode(std::string_view name) {
  for (const auto& [key, code] : kNamedKeys) {
    if (key == name) return code;
  }
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'A' && c <= 'Z') return c;
    if (c >= '0' && c <= '9') return c;
  }
  // F1..F12 are 112..123.
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
    int n = 0;
    for (char c : name.substr(1)) {
      if (c < '0' || c > '9') return std::nullopt;
      n = n * 10 + (c - '0');
    }
    if (n >= 1 && n <= 12 && name[1] != '0') return 111 + n;
  }
  return std::nullopt;
}

}  // namespace valorne
