// The two levers on the people: what they are fed (`PeopleFrm`) and the tax
// rate (`TaxFrm`), with the figures both screens show. The end of turn applies
// the effects; these rules own the settings and their limits.
#pragma once

#include <string>

#include "county/screen_outcome.h"
#include "state/game.h"

namespace valorne {

// The gold the taxes bring in one turn, Int(`TaxRate` x `Population` / 200),
// and the happiness they cost, Int(`TaxRate` / 4).
Long TaxIncome(const GameState& state);
Long TaxUnrest(const GameState& state);

// `TaxUp` and `TaxDown`: the rate moves by 10 within 0..100; at the limit
// the button does nothing (refused). A rate off the steps of ten (from a
// damaged save) is brought back within the limits, never past them.
Outcome TaxUp(Game& game);
Outcome TaxDown(Game& game);

struct TaxFigures {
  TextRef FrmTitle{3, 83};  // `FrmTitleLbl`
  std::string Tax;          // `TaxLbl`: the rate followed by " %"
  std::string Gold;         // `GoldLbl`: "+" the income of one turn
  std::string Happiness;    // `HappinessLbl`: "- " the happiness lost per turn
};
TaxFigures TaxScreenFigures(const GameState& state);

// Opening `PeopleFrm`: a food whose store is empty cannot be chosen, and its
// box is cleared (the people stop eating it).
void OpenPeopleScreen(Game& game);

// Whether `MeatOption` / `CropsOption` can be used: the store holds food.
bool MeatOptionEnabled(const GameState& state);
bool CropsOptionEnabled(const GameState& state);

// Ticking or clearing `MeatOption` / `CropsOption`. Ticking is refused while
// the store is empty; clearing always goes through.
Outcome SetEatMeat(Game& game, bool eat);
Outcome SetEatGrain(Game& game, bool eat);

struct PeopleFigures {
  TextRef FrmTitle{3, 63};  // `FrmTitleLbl`
  TextRef Label1{3, 64};    // `RUNA_Label1`
  TextRef Label2{3, 65};    // `RUNA_Label2`
  TextRef Label3{3, 66};    // `RUNA_Label3`
  TextRef Label4{3, 67};    // `RUNA_Label4`
  std::string People;       // `PeopleLbl`
  std::string Happiness;    // `HappinessLbl`
  std::string Health;       // `HealthLbl`
  std::string Regruted;     // `RegrutedLbl`: soldiers of the three armies
  std::string Available;    // `AvailableLbl`: idle people
  std::string Previous;     // `PreviousLbl`: people when the last turn ended
  std::string FromTax;      // `FromTaxLbl`
  std::string FromFood;     // `FromFoodLbl`
  std::string FromPlague;   // `FromPlagueLbl`
  std::string Meat;         // `MeatLbl`: meat eaten per turn, "0" when none
  std::string Crops;        // `CropsLbl`: grain eaten per turn, "0" when none
  bool MeatOptionChecked = false;
  bool MeatOptionEnabled = false;
  bool CropsOptionChecked = false;
  bool CropsOptionEnabled = false;
};
PeopleFigures PeopleScreenFigures(const GameState& state);

// The happiness the food brings: "+8" for both foods, "-8" for none, "+3"
// for grain only and "- 3" for meat only.
std::string FromFoodText(bool eat_meat, bool eat_grain);

// The health's effect on the people: above 50 "+5", 30..50 "- 3", 20..29
// "- 6", below 20 "- 12".
std::string FromPlagueText(Integer health);

}  // namespace valorne
