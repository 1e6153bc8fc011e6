#include "county/science.h"

namespace valorne {

ResearchCosts ResearchCostsNow(const GameState& s) {
  const long n = s.FarmingLevel;
  if (s.SitesHeld[6] == 1) {
    return {static_cast<Long>(300 * n - static_cast<long>(Fix(6000.0 * n / 100))),
            static_cast<Long>(70 * n - static_cast<long>(Fix(2450.0 * n / 100)))};
  }
  return {static_cast<Long>(300 * n), static_cast<Long>(70 * n)};
}

bool ResearchRunning(const GameState& s) {
  return s.FarmingResearchTurns < kIdle;
}

Outcome StartResearch(Game& game) {
  GameState& s = game.state;
  if (ResearchRunning(s)) return Accepted();
  const ResearchCosts cost = ResearchCostsNow(s);
  if (cost.gold > s.Gold || cost.ore > s.OreStock) return Refused(kNotEnoughResources);
  s.FarmingResearchTurns = WrapByte(static_cast<long>(Int(s.FarmingLevel / 3.0)));
  s.Gold -= cost.gold;
  s.OreStock -= cost.ore;
  return Accepted();
}

Outcome StopResearch(Game& game) {
  GameState& s = game.state;
  if (!ResearchRunning(s)) return Refused();
  const ResearchCosts cost = ResearchCostsNow(s);
  s.FarmingResearchTurns = kIdle;
  s.Gold += cost.gold;
  s.OreStock += cost.ore;
  return Accepted(kNoResearch);
}

ScienceFigures ScienceScreenFigures(const GameState& s) {
  const ResearchCosts cost = ResearchCostsNow(s);
  const long n = s.FarmingLevel;
  ScienceFigures f;
  f.Gold = std::to_string(cost.gold);
  f.Ore = std::to_string(cost.ore);
  f.ScienceLevel = std::to_string(n);
  f.People = "+" + std::to_string(75 * n);
  f.Crops = "+" + std::to_string(250 * n);
  f.Meat = "+" + std::to_string(13 * n);
  if (ResearchRunning(s)) {
    f.TurnsLeft = std::to_string(s.FarmingResearchTurns);
  } else {
    f.Status = kNoResearch;
  }
  return f;
}

}  // namespace valorne
