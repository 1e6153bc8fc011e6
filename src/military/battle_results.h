// What follows a battle: the outcome read back from "Fight_out.rx" with the
// survivors returned to where each side came from, the plunder of a clear
// victory, what a victory over each target means for the county, the rivals
// and the map, the rules of a defeat, and the end of the battle's files.
#pragma once

#include <string>

#include "state/game.h"

namespace valorne {

inline constexpr int kMoraleAfterBattle = 15;

// Whether "Fight_out.rx" can be read and answers the battle that was sent
// (its side count and short-list flags); the reason when not.
bool CheckBattleOutput(const Game& game, std::string& problem);

// Reads the outcome: `BattleOutcome`, `OurDead`, `EnemyDead`; the army of
// `SelectedArmy` 1..3 takes the survivors of side 0 and morale moves by 15;
// side 1's survivors go back to their force by `BattleTarget`. False, with
// nothing changed, when the file cannot be read or does not match.
bool ReadBattleOutput(Game& game, std::string& problem);

// The plunder of a victory with outcome 1: grain, meat, wood, stone and ore,
// five draws in that order, added to the stores and kept for the results
// screen. Other outcomes plunder nothing.
void TakePlunder(Game& game);

// The consequences of the outcome when the results screen is closed: the
// target's effect after a victory, or the defeat rules.
void ApplyVictory(Game& game, int target);
void ApplyDefeat(Game& game);

// Always at the end: both exchange files go, and the tutorial's hooks.
void EndBattle(Game& game);

}  // namespace valorne
