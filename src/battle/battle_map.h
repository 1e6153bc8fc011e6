// What the battle program reads from the map name of a battle
// ("\level9\stronghold2_low_winter.cbf"): the ground it is fought on, the
// stage of the castle whose walls stand there, and the season's look.
#pragma once

#include <string>
#include <string_view>

namespace valorne {

struct BattleMap {
  std::string ground = "field";  // field, village, cave, ruins, keep, bailey, fort,
                                 // stronghold or castle
  int castle_stage = 0;          // 1 keep .. 5 castle; 0 no walls
  int castle_set = 1;            // the castle's county look, 1 or 2
  bool winter = false;
};

BattleMap ReadBattleMap(std::string_view map_name);

// The painted ground of a battle: "battle_field", "battle_keep2_winter".
std::string GroundPicture(const BattleMap& map);

}  // namespace valorne
