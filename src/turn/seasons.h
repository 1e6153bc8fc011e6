// The seasons and the calamities: the mood and health each new season
// brings, the winter floods, the plague that follows poor health and the
// mob that rises from unhappy people.
#pragma once

#include <vector>

#include "state/game.h"

namespace valorne {

// End of turn, after the buildings: the new season's effect. Summer's end
// dries the flooded fields; winter's end may flood them.
void CalcSeason(Game& game);

// The winter's flood roll and the fields it drowns, by difficulty: none on
// easy; fields 1, 3 and 4 on a roll of 130 or more on normal; fields 1, 3, 4,
// 7 and 9 on a roll of 110 or more on hard.
void FloodFields(Game& game);

// What the end of winter may bring on a difficulty: the chance of a flood in
// percent and the fields it would drown (none on easy). The weather screen
// shows it.
struct FloodRisk {
  int percent = 0;
  std::vector<int> fields;
};
FloodRisk FloodRiskFor(int difficulty);

// Economy step, after the people have eaten: health days of the calendar,
// and what poor or good health does to the people.
void HealthAndPlague(Game& game);

// Economy step, after trade: unhappy people rise unless an army keeps order
// at village 1; a mob in the field grows and plunders.
void RebelsTurn(Game& game);

}  // namespace valorne
