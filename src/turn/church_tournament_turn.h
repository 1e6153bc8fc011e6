// The end of turn's side of the church and the tournaments: the church asks
// its tithe every 6th turn and a burning at the stake every 8th, each on the
// religion screen `ReligionFrm`; a tournament announced last turn is fought
// and settled. The screens' answers are the county's (church_tournament.h).
#pragma once

#include "state/game.h"

namespace valorne {

// What ReligionFrm asks when it opens (`game.live.ReligionMode`).
inline constexpr Byte kTitheQuestion = 1;
inline constexpr Byte kStakeQuestion = 2;

// Works out the tithe (`TitheDemand`: two fifths of the people, a fifth less
// with the cross, a tenth less with the chapel, a fifth less with the great
// chapel, a fifth more with the tavern) and opens ReligionFrm on it.
void AskTithe(Game& game);

// Opens ReligionFrm on the burning at the stake.
void AskStake(Game& game);

// A tournament announced last turn: a roll of 100..199, won from 150, where
// three times the prize comes back; either way the people cheer.
void SettleTournament(Game& game);

}  // namespace valorne
