#include "county/people_tax.h"

#include <algorithm>
#include <cstdint>

namespace valorne {

namespace {

constexpr int kTaxStep = 10;
constexpr int kTaxMax = 100;

std::string Text(std::int64_t value) {
  return std::to_string(value);
}

// The meat and grain the people eat in one turn when fed them.
std::int64_t MeatEaten(const GameState& s) {
  return static_cast<std::int64_t>(Fix(s.Population / 12.0));
}
std::int64_t GrainEaten(const GameState& s) {
  return static_cast<std::int64_t>(Fix(s.Population / 4.0));
}

}  // namespace

Long TaxIncome(const GameState& s) {
  return WrapLong(
      static_cast<std::int64_t>(Int(static_cast<double>(s.TaxRate) * s.Population / 200)));
}

Long TaxUnrest(const GameState& s) {
  return static_cast<Long>(Int(s.TaxRate / 4.0));
}

Outcome TaxUp(Game& game) {
  Byte& rate = game.state.TaxRate;
  if (rate >= kTaxMax) return Refused();
  rate = static_cast<Byte>(std::min(rate + kTaxStep, kTaxMax));
  return Accepted();
}

Outcome TaxDown(Game& game) {
  Byte& rate = game.state.TaxRate;
  if (rate == 0) return Refused();
  // A rate above 100 (a damaged save) comes down to 100 first.
  rate = static_cast<Byte>(std::clamp(rate - kTaxStep, 0, kTaxMax));
  return Accepted();
}

TaxFigures TaxScreenFigures(const GameState& s) {
  TaxFigures f;
  f.Tax = Text(s.TaxRate) + " %";
  f.Gold = "+" + Text(TaxIncome(s));
  f.Happiness = "- " + Text(TaxUnrest(s));
  return f;
}

bool MeatOptionEnabled(const GameState& s) {
  return s.MeatStock > 0;
}
bool CropsOptionEnabled(const GameState& s) {
  return s.GrainStock > 0;
}

void OpenPeopleScreen(Game& game) {
  GameState& s = game.state;
  if (!MeatOptionEnabled(s)) s.EatMeat = kFalse;
  if (!CropsOptionEnabled(s)) s.EatGrain = kFalse;
}

Outcome SetEatMeat(Game& game, bool eat) {
  if (eat && !MeatOptionEnabled(game.state)) return Refused();
  game.state.EatMeat = ToBoolean(eat);
  return Accepted();
}

Outcome SetEatGrain(Game& game, bool eat) {
  if (eat && !CropsOptionEnabled(game.state)) return Refused();
  game.state.EatGrain = ToBoolean(eat);
  return Accepted();
}

std::string FromFoodText(bool eat_meat, bool eat_grain) {
  if (eat_meat && eat_grain) return "+8";
  if (!eat_meat && !eat_grain) return "-8";
  // One food only: the grain's figure is written over the meat's.
  return eat_grain ? "+3" : "- 3";
}

std::string FromPlagueText(Integer health) {
  if (health > 50) return "+5";
  if (health >= 30) return "- 3";
  if (health >= 20) return "- 6";
  return "- 12";
}

PeopleFigures PeopleScreenFigures(const GameState& s) {
  const bool meat = IsTrue(s.EatMeat);
  const bool grain = IsTrue(s.EatGrain);
  PeopleFigures f;
  f.People = Text(s.Population);
  f.Happiness = Text(s.Happiness);
  f.Health = Text(s.Health);
  f.Regruted = Text(
      WrapInteger(static_cast<std::int64_t>(s.ArmySizes[1]) + s.ArmySizes[2] + s.ArmySizes[3]));
  f.Available = Text(s.IdlePeople);
  f.Previous = Text(s.PreviousPopulation);
  f.FromTax = "- " + Text(TaxUnrest(s));
  f.FromFood = FromFoodText(meat, grain);
  f.FromPlague = FromPlagueText(s.Health);
  f.Meat = meat ? Text(MeatEaten(s)) : "0";
  f.Crops = grain ? Text(GrainEaten(s)) : "0";
  f.MeatOptionChecked = meat;
  f.CropsOptionChecked = grain;
  f.MeatOptionEnabled = MeatOptionEnabled(s);
  f.CropsOptionEnabled = CropsOptionEnabled(s);
  return f;
}

}  // namespace valorne
