// Repairs and the building under construction, at the end of turn.
#include "turn/economy.h"
#include "turn/messages.h"

namespace valorne {

namespace {

// A burnt village (1..6) or a broken windmill (1..3) counts down its repair;
// at 1 it stands again: the first of each at 200, the others at 100. The
// county's own village is announced in the reports (1/71), its windmill in
// the news (1/73).
void Repair(Game& game, Byte& state, Byte longest, bool first, bool is_village) {
  if (state < 1 || state > longest) return;
  if (state > 1) {
    --state;
    return;
  }
  if (!first) {
    state = 100;
    return;
  }
  state = 200;
  if (is_village) {
    PostReport(game, 1, 71);
  } else {
    PostNews(game, 1, 73);
  }
}

void FinishBuilding(Game& game, int building) {
  GameState& s = game.state;
  if (building <= 5) {
    s.BuildingBuilt[building] = kTrue;
  } else {
    // Only the newest castle stage stands.
    const int stage = building - 5;
    s.CastleStageBuilt[stage] = kTrue;
    for (int lower = 1; lower < stage; ++lower) s.CastleStageBuilt[lower] = kFalse;
  }
  PostNews(game, 1, 72);
}

}  // namespace

void CalcConstruction(Game& game) {
  GameState& s = game.state;
  for (int k = 1; k <= 3; ++k) {
    Repair(game, s.VillageStates[k], 6, k == 1, true);
    Repair(game, s.WindmillStates[k], 3, k == 1, false);
  }
  const int building = s.ConstructionBuilding;
  if (building < 1 || building > 10) return;
  if (s.ConstructionTurns > 0) {
    --s.ConstructionTurns;
    return;
  }
  FinishBuilding(game, building);
  s.ConstructionBuilding = 0;
  s.ConstructionTurns = 200;
}

}  // namespace valorne
