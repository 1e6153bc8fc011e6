#include "turn/seasons.h"

#include <span>

#include "county/fields.h"
#include "military/village_actions.h"
#include "turn/messages.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

void ChangeMoods(GameState& s, int amount) {
  AddTo(s.Happiness, amount);
  AddTo(s.Health, amount);
}

// The fields by the river (1, 3, 4, 7, 9) dry out when summer ends.
void DryFields(Game& game) {
  for (int field : {1, 3, 4, 7, 9}) {
    if (game.state.FieldStates[field] != FieldFlood) continue;
    SetWorkers(game, field, FieldEmpty);
    SetField(game, field, FieldEmpty);
  }
}

// The flood of each difficulty that has one: the lowest roll that floods and
// the fields by the river that it drowns.
struct FloodLevel {
  int difficulty;
  int roll;
  std::span<const int> fields;
};
constexpr int kNormalFloodFields[] = {1, 3, 4};
constexpr int kHardFloodFields[] = {1, 3, 4, 7, 9};
constexpr FloodLevel kFloodLevels[] = {{2, 130, kNormalFloodFields}, {3, 110, kHardFloodFields}};
constexpr int kHighestFloodRoll = 149;

const FloodLevel* FloodLevelFor(int difficulty) {
  for (const FloodLevel& level : kFloodLevels) {
    if (level.difficulty == difficulty) return &level;
  }
  return nullptr;
}

void Flood(Game& game, std::span<const int> fields) {
  for (int field : fields) {
    if (game.state.FieldStates[field] == 0) continue;  // an empty field stays dry
    SetWorkers(game, field, FieldEmpty);
    SetField(game, field, FieldFlood);
  }
  PostNews(game, 1, 67);
}

}  // namespace

void CalcSeason(Game& game) {
  GameState& s = game.state;
  switch (s.Season) {
    case 1:  // summer has ended
      ChangeMoods(s, 4);
      DryFields(game);
      break;
    case 2:
      ChangeMoods(s, -2);
      break;  // autumn has ended
    case 3:   // winter has ended
      ChangeMoods(s, -4);
      FloodFields(game);
      break;
    case 4:
      ChangeMoods(s, 2);
      break;  // spring has ended
    default:
      break;
  }
}

void FloodFields(Game& game) {
  if (game.Difficulty == 1) return;
  game.rng.Randomize();
  game.live.FloodRoll = ToByte(Int(game.rng.Rnd() * 100 + 50));
  const FloodLevel* level = FloodLevelFor(game.Difficulty);
  if (level && game.live.FloodRoll >= level->roll) Flood(game, level->fields);
}

FloodRisk FloodRiskFor(int difficulty) {
  const FloodLevel* level = FloodLevelFor(difficulty);
  if (!level) return {};
  // The roll is one of the hundred values 50..149.
  return {kHighestFloodRoll + 1 - level->roll, {level->fields.begin(), level->fields.end()}};
}

void HealthAndPlague(Game& game) {
  GameState& s = game.state;
  if (s.Turn % 45 == 0) s.Health = 25;
  if (s.Turn % 58 == 0) AddTo(s.Health, 55);
  auto lose_people = [&](int percent) {
    AddTo(s.Population, -Fix(static_cast<double>(s.Population) * percent / 100));
  };
  if (s.Health >= 31 && s.Health <= 50) {
    AddTo(s.Happiness, -5);
    lose_people(10);
  } else if (s.Health <= 20) {
    lose_people(25);
    if (!game.live.PlagueShown) game.live.PendingMovies[2] = 1;
    game.live.PlagueShown = true;
    PostNews(game, 1, 98);
  }
  if (s.Health <= 10) {
    lose_people(35);
    AddTo(s.Happiness, -12);
  } else if (s.Health > 50) {
    AddTo(s.Happiness, 5);
    AddTo(s.Population, Fix(static_cast<double>(s.Population) * 5 / 100));
    game.live.PlagueShown = false;
  }
}

void RebelsTurn(Game& game) {
  GameState& s = game.state;
  if (s.Happiness < 20) {
    bool army_at_village = false;
    for (int army = 1; army <= 3; ++army) {
      army_at_village = army_at_village || (IsTrue(s.ArmyExists[army]) &&
                                            s.ArmyWaypointNos[army] == game.live.Village1Waypoint);
    }
    if (army_at_village) {
      AddTo(s.Happiness, 5);  // the army keeps order
    } else {
      if (!IsTrue(s.RebelsActive)) {
        s.RebelsActive = kTrue;
        BurnVillage(game, 1);
        game.PlaySound("EnvChanel02", "mob01.wav");
        Ask(game, 3, 110);
      }
      if (IsTrue(s.RebelsActive) && s.RebelStrength[1] < 500) {
        game.rng.Randomize();
        AddTo(s.RebelStrength[1], Int(game.rng.Rnd() * 50 + 10));
        AddTo(s.RebelStrength[2], Int(game.rng.Rnd() * 30 + 10));
      }
    }
  }
  if (!IsTrue(s.RebelsActive)) return;
  // The mob plunders the stores.
  const double strength = WrapInteger(static_cast<long>(s.RebelStrength[1]) + s.RebelStrength[2]);
  for (Long* store : {&s.Gold, &s.GrainStock, &s.WoodStock, &s.StoneStock, &s.OreStock}) {
    AddTo(*store, -Int(strength / 2));
  }
  AddTo(s.MeatStock, -Int(strength / 5));
}

}  // namespace valorne
