// The last rule of the end of turn: every value back into its range, the
// warnings of the resource bar, and the release of workers the county no
// longer has the people for.
#include <algorithm>

#include "county/fields.h"
#include "county/works.h"
#include "turn/economy.h"
#include "turn/messages.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

template <typename T>
void ClampTo(T& value, T low, T high) {
  value = std::clamp(value, low, high);
}

template <typename T>
void AtLeastZero(T& value) {
  value = std::max<T>(value, 0);
}

void ClampValues(GameState& s) {
  ClampTo<Integer>(s.LordLeadership, 0, 100);
  ClampTo<Integer>(s.LordNobility, 0, 100);
  ClampTo<Integer>(s.LordDiplomacy, 0, 100);
  ClampTo<Integer>(s.LordReligion, 0, 100);
  ClampTo<Single>(s.Morale, -100, 100);
  AtLeastZero(s.WoodStock);
  AtLeastZero(s.StoneStock);
  AtLeastZero(s.OreStock);
  AtLeastZero(s.Population);
  ClampTo<Integer>(s.Happiness, 0, 100);
  ClampTo<Integer>(s.Health, 0, 100);
  AtLeastZero(s.GrainStock);
  AtLeastZero(s.MeatStock);
  AtLeastZero(s.Gold);
}

// Each warning turns its resource-bar label red and writes its news line.
void Warn(Game& game) {
  const GameState& s = game.state;
  LiveState& live = game.live;
  auto warn = [&](bool& label, bool low, int news) {
    label = low;
    if (low) PostNews(game, 1, news);
  };
  warn(live.GrainLow, s.GrainStock <= 1000, 77);
  warn(live.MeatLow, s.MeatStock <= 300, 77);
  warn(live.PeopleLow, s.Population <= 300, 80);
  warn(live.HappinessLow, s.Happiness <= 30, 78);
  warn(live.HealthLow, s.Health <= 30, 79);
}

// Frees staffed places and fields, one at a time, while the workers outnumber
// the people: wood places 5..1, stone 5..1, ore 5..1, then the fields 1..10
// that are sown, grazed or flooded.
void ReleaseWorkers(Game& game) {
  GameState& s = game.state;
  auto too_many = [&] { return CountWorkers(s) > s.Population; };
  for (Works works : {Works::Wood, Works::Stone, Works::Ore}) {
    for (int place = kWorkPlaces; place >= 1; --place) {
      if (!too_many()) return;
      // Freed as the works screen frees a place: its people go back to the pool.
      if (StaffOf(game, works).places[place] == 1) ToggleWorkPlace(game, works, place);
    }
  }
  for (int field = 1; field <= 10; ++field) {
    if (!too_many()) return;
    const Byte state = s.FieldStates[field];
    if (state != FieldCrops && state != FieldCattle && state != FieldFlood) continue;
    SetWorkers(game, field, FieldEmpty);
    SetField(game, field, FieldEmpty);
  }
}

}  // namespace

Integer CountWorkers(const GameState& s) {
  return WrapInteger(static_cast<long>(s.WoodWorkers) + s.StoneWorkers + s.OreWorkers +
                     s.CropsWorkers + s.CattleWorkers);
}

void CheckLimits(Game& game) {
  ClampValues(game.state);
  Warn(game);
  ReleaseWorkers(game);
}

}  // namespace valorne
