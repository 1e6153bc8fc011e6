// The science screen `ScienceFrm`: research of the next level of knowledge
// (`FarmingLevel`), paid in gold and ore when it starts and refunded in full
// when it is stopped. The end of turn counts the research down and completes
// it; this file holds what the screen's buttons do.
#pragma once

#include <string>

#include "county/screen_outcome.h"
#include "state/game.h"

namespace valorne {

struct ResearchCosts {
  Long gold = 0;
  Long ore = 0;
};

// The cost of researching the level after the present one. Holding the hut
// (site 6) makes it a fifth cheaper in gold and 35 % cheaper in ore.
ResearchCosts ResearchCostsNow(const GameState& state);

bool ResearchRunning(const GameState& state);

// `OkAniBtn`. While a research runs the screen only closes (accepted, nothing
// changes). Otherwise, when the county can pay both costs, it pays them, the
// countdown starts at Int(level / 3) and the screen closes; else the refusal
// "not enough resources" and nothing changes.
Outcome StartResearch(Game& game);

// `CancelAniBtn`. Stops a running research and gives back both costs as the
// screen shows them. The hint line then reads "no research" (4/16).
Outcome StopResearch(Game& game);

// The labels of the science screen.
struct ScienceFigures {
  std::string Gold;          // `GoldLbl`: gold cost
  std::string Ore;           // `OreLbl`: ore cost
  std::string ScienceLevel;  // `ScienceLevelLbl`: the present level
  std::string People;        // `PeopleLbl`: "+" 75 x level
  std::string Crops;         // `CropsLbl`: "+" 250 x level
  std::string Meat;          // `MeatLbl`: "+" 13 x level
  TextRef Status{};          // `Label3`: 4/16 while no research runs, else none
  std::string TurnsLeft;     // the research's turns left, empty while none runs
};
ScienceFigures ScienceScreenFigures(const GameState& state);

inline constexpr TextRef kNoResearch{4, 16};
inline constexpr TextRef kPeopleTitle{3, 77};
inline constexpr TextRef kCropsTitle{3, 78};
inline constexpr TextRef kMeatTitle{3, 79};

}  // namespace valorne
