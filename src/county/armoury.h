// The armoury: the eleven stocks the blacksmith fills and the three recruit
// pools (long bows, warlords, engineers) that other events fill. Each has a
// row number, the row of the blacksmith's table that belongs to it; the
// recruiting screen takes equipment from these stocks and gives it back.
#pragma once

#include <array>
#include <string>

#include "state/game_state.h"

namespace valorne {

enum class ArmouryRow : int {
  Bows = 0,
  LongBows = 1,   // recruit pool
  Warlords = 2,   // recruit pool (`WarlordsAvailable`, a Byte)
  Engineers = 3,  // recruit pool (`EngineersAvailable`)
  Clubs = 4,
  Swords = 5,
  Helebards = 6,
  TwoHandSwords = 7,
  Maces = 8,
  Pikes = 9,
  Crosses = 10,
  ChainMails = 11,
  PlateArmours = 12,
  Shields = 13,
};

inline constexpr int kArmouryRows = 14;

// The stock of one row.
long ArmouryStock(const GameState& state, ArmouryRow row);

// Adds `delta` (negative to take) to the stock of one row, wrapping to the
// stock's width as the county's arithmetic does.
void AddToArmoury(GameState& state, ArmouryRow row, long delta);

// All fourteen stocks in row order, and back: recruiting keeps the stocks it
// found on opening so that cancelling can put every one of them back.
std::array<long, kArmouryRows> ArmouryStocks(const GameState& state);
void SetArmouryStocks(GameState& state, const std::array<long, kArmouryRows>& stocks);

// The figures of the armoury screen `ArmouryFrm` (and the stock labels of the
// blacksmith screen).
struct ArmouryFigures {
  std::string Bow, Club, Sword, Helebard, TwoHand, Mace, Pike, Cross, ChainMail, Plate, Shield;
  std::string Wood, Ore;  // the blacksmith screen's `WoodLbl` and `OreLbl`
};
ArmouryFigures ArmouryScreenFigures(const GameState& state);

}  // namespace valorne
