// What the county produces every turn, and how its people come and go.
#include "turn/economy.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

// Taxes, the thieves' gold and the leased fields pay only while the people
// have both grain and meat in store.
void CollectIncome(Game& game) {
  GameState& s = game.state;
  if (s.GrainStock < 1 || s.MeatStock < 1) return;
  AddTo(s.Gold, Int(static_cast<double>(s.TaxRate) * s.Population / 200) + s.ThievesIncome[1] +
                    IntegerProduct(30, s.LeasedFields));
}

// Each staffed work place yields its material, and the thieves bring theirs.
void RunWorks(Game& game) {
  GameState& s = game.state;
  const LevelParams& p = game.params;
  AddTo(s.WoodStock, s.ThievesIncome[2] + IntegerProduct(s.WoodSlotsUsed, p.WoodWorksParams[0]));
  AddTo(s.StoneStock, s.ThievesIncome[3] + IntegerProduct(s.StoneSlotsUsed, p.StoneWorksParams[0]));
  AddTo(s.OreStock, s.ThievesIncome[4] + IntegerProduct(s.OreSlotsUsed, p.OreWorksParams[0]));
}

// A large county loses more than it gains; a small one balances on average.
void BirthsAndDeaths(Game& game) {
  GameState& s = game.state;
  Random& rng = game.rng;
  rng.Randomize();
  if (s.Population >= 5000) {
    AddTo(s.Population, Int(rng.Rnd() * 5 + 20));
    AddTo(s.Population, -Int(rng.Rnd() * 150 + 300));
  } else {
    AddTo(s.Population, Int(rng.Rnd() * 30 + 230));
    AddTo(s.Population, -Int(rng.Rnd() * 30 + 230));
  }
}

// Unhappy people leave the county, happy ones draw newcomers.
void HappinessBand(Game& game) {
  GameState& s = game.state;
  const double r = game.rng.Rnd();
  if (s.Happiness < 25) {
    AddTo(s.Population, -Int(r * 30 + 60));
  } else if (s.Happiness < 50) {
    AddTo(s.Population, -Int(r * 20 + 50));
  } else if (s.Happiness < 75) {
    AddTo(s.Population, Int(r * 20 + 50));
  } else {
    AddTo(s.Population, Int(r * 30 + 60));
  }
}

}  // namespace

void BasicProduction(Game& game) {
  CollectIncome(game);
  RunWorks(game);
  AddTo(game.state.Happiness, -Int(game.state.TaxRate / 4.0));
  BirthsAndDeaths(game);
  HappinessBand(game);
}

}  // namespace valorne
