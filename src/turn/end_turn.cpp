#include "turn/end_turn.h"

#include <array>

#include "level/saves.h"
#include "military/waypoints.h"
#include "rivals/rivals_turn.h"
#include "state/start_values.h"
#include "turn/economy.h"
#include "turn/messages.h"
#include "turn/seasons.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

// The ambient sound of the season now beginning.
void PlaySeasonSound(Game& game) {
  constexpr std::array<const char*, 4> kFauna = {"fauna01.wav", "fauna02.wav", "fauna03.wav",
                                                 "fauna04.wav"};
  const int season = game.state.Season;
  if (season >= 1 && season <= 4) game.PlaySound("FaunaChanel01", kFauna[season - 1]);
}

bool MoviesPending(const Game& game) {
  const auto& movies = game.live.PendingMovies;
  return movies[0] != 0 || movies[1] != 0 || movies[2] != 0;
}

// After the turn: the message screen when the player wants it, then the
// victory check.
void AfterEndTurn(Game& game) {
  if (game.ShowMessagesOption) game.ui().OpenScreen("MessagesFrm");
  CheckVictory(game);
}

}  // namespace

void ResetMovesForTurn(Game& game) {
  GameState& s = game.state;
  const Byte moves = s.Morale < 50 ? 1 : (s.Morale < 75 ? 2 : 3);
  for (int army = 1; army <= 3; ++army) {
    if (IsTrue(s.ArmyExists[army])) s.ArmyMovesLeft[army] = moves;
  }
}

void EndTurn(Game& game) {
  GameState& s = game.state;
  game.live.Helper = TextRef{};
  if (IsTrue(game.options.ClearMessagesOption)) ClearMessages(game);
  ResetMovesForTurn(game);
  UpdateFarEnd(s);  // the road to the rival's castle opens with his war
  KeepPreviousValues(s);
  BasicProduction(game);
  CalcEconomy(game);
  CalcBlacksmith(game);
  CalcConstruction(game);
  s.IdlePeople = ToLong(static_cast<double>(s.Population) - CountWorkers(s));
  CalcSeason(game);
  CalcRivals(game);
  CheckLimits(game);
  // The resource bar shows the stores as they now stand when the map redraws.
  PlaySeasonSound(game);
  if (MoviesPending(game)) game.ui().OpenScreen("MovieFrm");
}

void EndTurnClick(Game& game) {
  game.PlaySound("EnvChanel04", "turn01.wav");
  if (IsTrue(game.options.AutoSaveOption)) SaveToFile(game, kAutoSaveName);
  if (IsTrue(game.display.FadesOff)) {
    EndTurn(game);
    AfterEndTurn(game);
  } else {
    game.live.FadePhase = 1;
    game.ui().OpenScreen("EndTurnFrm");
  }
  game.live.Helper = TextRef{};
}

void EndTurnAfterFade(Game& game) {
  game.live.FadePhase = 0;
  EndTurn(game);
  AfterEndTurn(game);
}

void CheckVictory(Game& game) {
  const GameState& s = game.state;
  game.live.ArmyTotal =
      WrapInteger(static_cast<long>(s.ArmySizes[1]) + s.ArmySizes[2] + s.ArmySizes[3]);
  const bool won = !IsTrue(s.Rival1Standing) && game.live.ArmyTotal >= 1000 &&
                   s.FarmingLevel >= 10 && s.Morale >= 75;
  if (won) game.ui().OpenScreen("TipsFrm");
}

}  // namespace valorne
