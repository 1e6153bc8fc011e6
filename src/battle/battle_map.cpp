#include "battle/battle_map.h"

#include <array>

namespace valorne {

namespace {

constexpr std::array<std::string_view, 5> kCastleStages = {"keep", "bailey", "fort", "stronghold",
                                                           "castle"};
constexpr std::array<std::string_view, 4> kOpenGrounds = {"field", "village", "cave", "ruins"};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

BattleMap ReadBattleMap(std::string_view map_name) {
  std::string name = Lower(map_name);
  if (const auto slash = name.find_last_of("\\/"); slash != std::string::npos) {
    name.erase(0, slash + 1);
  }
  BattleMap map;
  map.winter = name.find("_winter") != std::string::npos;
  for (std::size_t i = 0; i < kCastleStages.size(); ++i) {
    if (StartsWith(name, kCastleStages[i])) {
      map.ground = kCastleStages[i];
      map.castle_stage = static_cast<int>(i) + 1;
      const std::size_t digit = kCastleStages[i].size();
      map.castle_set = digit < name.size() && name[digit] == '2' ? 2 : 1;
      return map;
    }
  }
  for (std::string_view ground : kOpenGrounds) {
    if (StartsWith(name, ground)) map.ground = ground;
  }
  return map;
}

std::string GroundPicture(const BattleMap& map) {
  std::string name = "battle_" + map.ground;
  if (map.castle_stage > 0) name += std::to_string(map.castle_set);
  if (map.winter) name += "_winter";
  return name;
}

}  // namespace valorne
