// The church's questions and the tournament: the answers the player gives on
// the religion screen `ReligionFrm` (the church asks a tithe every sixth turn
// and a burning at the stake every eighth) and on the tournament screen
// `TournamentFrm` (offered every eleventh turn). The end of turn opens the
// screens and settles a held tournament; these are the buttons' effects.
#pragma once

#include <string>

#include "county/screen_outcome.h"
#include "state/game.h"

namespace valorne {

// An answer to the church: what happened, and the happiness change the
// screen shows in `HappinessLbl` (empty when happiness does not change).
struct ChurchAnswer {
  Outcome outcome;
  std::string HappinessShown;
};

// `TaxOkAniBtn`: pays `TitheDemand`; refused (not enough resources) when the
// treasury holds less.
ChurchAnswer PayTithe(Game& game);
// `TaxNoAniBtn`: the church takes grain and meat instead, and the people grumble.
ChurchAnswer RefuseTithe(Game& game);
// `StakeOkAniBtn` / `StakeNoAniBtn`.
ChurchAnswer AgreeToBurning(Game& game);
ChurchAnswer RefuseBurning(Game& game);

// The fixed cost of holding a tournament; the player's prize comes on top.
inline constexpr Long kTournamentCost = 3500;
inline constexpr Integer kPrizeStep = 100;

// `UpAniBtn`: the prize grows by 100 while the treasury covers more than the
// cost and the prize; otherwise "not enough resources".
Outcome RaiseTournamentPrize(Game& game);
// `DownAniBtn`: the prize shrinks by 100 down to 0.
Outcome LowerTournamentPrize(Game& game);
// `OkAniBtn`: pays cost and prize and holds the tournament (accepted: the
// screen closes); refused when the treasury cannot pay.
Outcome HoldTournament(Game& game);
// `Noanibtn`: the nobles take the refusal ill; the screen closes.
Outcome RefuseTournament(Game& game);

// The tournament screen's labels: the fixed cost and the prize.
struct TournamentFigures {
  std::string Cost;
  std::string Prize;
};
TournamentFigures TournamentScreenFigures(const GameState& state);

}  // namespace valorne
