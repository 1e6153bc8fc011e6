#include <charconv>

#include "battle_program.h"

namespace valorne {

const char* const kBattleUsage =
    "usage: battledata.rx [--headless] [--app-path DIR] [--shot FILE [--shot-at MS]]\n"
    "  Fights the battle in Fight_in.rx of the game folder and writes Fight_out.rx.\n"
    "  --headless      resolve at once, without a window\n"
    "  --app-path DIR  the game folder (default: the program's folder)\n"
    "  --shot FILE     draw the battle window into a PNG and end, writing nothing\n"
    "  --shot-at MS    the moment of the fight to draw (default 2500)";

BattleArguments ParseBattleArguments(const std::vector<std::string>& words) {
  BattleArguments a;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "--headless") {
      a.headless = true;
      continue;
    }
    if (word == "--help" || word == "-h") {
      a.help = true;
      continue;
    }
    if (word != "--app-path" && word != "--shot" && word != "--shot-at") {
      a.error = "unknown argument " + word;
      return a;
    }
    if (i + 1 >= words.size()) {
      a.error = word + " needs a value";
      return a;
    }
    const std::string& value = words[++i];
    if (word == "--app-path") {
      a.app_path = value;
    } else if (word == "--shot") {
      a.shot = value;
    } else {
      const auto [end, ec] =
          std::from_chars(value.data(), value.data() + value.size(), a.shot_at_ms);
      if (ec != std::errc{} || end != value.data() + value.size() || a.shot_at_ms < 0) {
        a.error = "--shot-at takes milliseconds, not " + value;
        return a;
      }
    }
  }
  return a;
}

}  // namespace valorne
