// Preparing a battle: everything the battle program is handed in
// "Fight_in.rx" — the map file, the settings it honours, and up to four
// sides with their names, colours, teams, morale and troops.
#pragma once

#include <string>
#include <string_view>

#include "military/battle_exchange.h"
#include "state/game.h"

namespace valorne {

// What a caller asks of a battle.
struct BattleRequest {
  std::string map;      // "field2", "keep1"...
  int battle_kind = 0;  // 0 field battle, 1 we assault a castle, 2 we defend ours
  int side_count = 2;   // 1..4
  int ally_kind = 0;    // who sides 2 and 3 are
  int army = 0;         // `SelectedArmy`: 1..3 our armies, 4 the working copy
  int target = 0;       // `BattleTarget`
  int enemy_kind = 0;   // names side 1 and chooses the short-list flags
  double enemy_morale = 0;
};

// The map file of a battle map: "\level9\" + map, "_low" with the plain
// grounds of the performance settings, "_winter" in winter, ".cbf".
std::string BattleMapFileName(const Game& game, std::string_view map);

// The battle input for a request. It draws the morale of sides 2 and 3 and
// keeps in the live state what the next battle inherits (the short-list
// flags, the season byte) and the sides sent.
BattleInput BuildBattleInput(Game& game, const BattleRequest& request);

}  // namespace valorne
