#include "county/people_tax.h"

#include <gtest/gtest.h>

#include <functional>

namespace valorne {
namespace {

TEST(Tax, ScreenFigures) {
  struct Case {
    Byte rate;
    Long population;
    const char* tax;
    const char* gold;
    const char* happiness;
  };
  const Case cases[] = {
      {30, 5000, "30 %", "+750", "- 7"},     {0, 5000, "0 %", "+0", "- 0"},
      {100, 4999, "100 %", "+2499", "- 25"},  // 2499.5 rounds down
      {10, 1999, "10 %", "+99", "- 2"},      {70, 0, "70 %", "+0", "- 17"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << int{c.rate} << " % of " << c.population);
    GameState s;
    s.TaxRate = c.rate;
    s.Population = c.population;
    const TaxFigures f = TaxScreenFigures(s);
    EXPECT_EQ(f.FrmTitle, (TextRef{3, 83}));
    EXPECT_EQ(f.Tax, c.tax);
    EXPECT_EQ(f.Gold, c.gold);
    EXPECT_EQ(f.Happiness, c.happiness);
  }
}

TEST(Tax, ButtonsStepByTenWithinTheLimits) {
  struct Case {
    const char* name;
    std::function<Outcome(Game&)> press;
    Byte rate;
    bool accepted;
    Byte rate_after;
  };
  const Case cases[] = {
      {"up", TaxUp, 30, true, 40},
      {"up to the top", TaxUp, 90, true, 100},
      {"up at the top", TaxUp, 100, false, 100},
      {"down", TaxDown, 30, true, 20},
      {"down to zero", TaxDown, 10, true, 0},
      {"down at zero", TaxDown, 0, false, 0},
      // Off the steps (a damaged save): never past the limits.
      {"up from 95", TaxUp, 95, true, 100},
      {"down from 5", TaxDown, 5, true, 0},
      {"up from 250", TaxUp, 250, false, 250},
      {"down from 250", TaxDown, 250, true, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Game game;
    game.state.TaxRate = c.rate;
    EXPECT_EQ(c.press(game).accepted, c.accepted);
    EXPECT_EQ(game.state.TaxRate, c.rate_after);
  }
}

TEST(People, FoodAndPlagueLabels) {
  EXPECT_EQ(FromFoodText(true, true), "+8");
  EXPECT_EQ(FromFoodText(false, false), "-8");
  EXPECT_EQ(FromFoodText(false, true), "+3");
  EXPECT_EQ(FromFoodText(true, false), "- 3");

  struct Plague {
    Integer health;
    const char* shown;
  };
  const Plague cases[] = {{100, "+5"}, {51, "+5"},   {50, "- 3"}, {30, "- 3"}, {29, "- 6"},
                          {20, "- 6"}, {19, "- 12"}, {0, "- 12"}, {-5, "- 12"}};
  for (const Plague& c : cases) {
    EXPECT_EQ(FromPlagueText(c.health), c.shown) << "health " << c.health;
  }
}

TEST(People, ScreenFigures) {
  GameState s;
  s.Population = 5003;
  s.PreviousPopulation = 4900;
  s.IdlePeople = 1234;
  s.Happiness = 61;
  s.Health = 45;
  s.TaxRate = 30;
  s.ArmySizes = {1010, 250, 3};
  s.MeatStock = 10;
  s.GrainStock = 10;
  s.EatMeat = kTrue;
  s.EatGrain = kFalse;
  const PeopleFigures f = PeopleScreenFigures(s);
  EXPECT_EQ(f.FrmTitle, (TextRef{3, 63}));
  EXPECT_EQ(f.Label4, (TextRef{3, 67}));
  EXPECT_EQ(f.People, "5003");
  EXPECT_EQ(f.Happiness, "61");
  EXPECT_EQ(f.Health, "45");
  EXPECT_EQ(f.Regruted, "1263");
  EXPECT_EQ(f.Available, "1234");
  EXPECT_EQ(f.Previous, "4900");
  EXPECT_EQ(f.FromTax, "- 7");
  EXPECT_EQ(f.FromFood, "- 3");
  EXPECT_EQ(f.FromPlague, "- 3");
  EXPECT_EQ(f.Meat, "416");  // 5003 / 12
  EXPECT_EQ(f.Crops, "0");
  EXPECT_TRUE(f.MeatOptionChecked);
  EXPECT_FALSE(f.CropsOptionChecked);

  s.EatGrain = kTrue;
  EXPECT_EQ(PeopleScreenFigures(s).Crops, "1250");  // 5003 / 4
  EXPECT_EQ(PeopleScreenFigures(s).FromFood, "+8");
}

TEST(People, AFoodWithAnEmptyStoreCannotBeChosen) {
  struct Case {
    Long meat, grain;
    bool meat_enabled, grain_enabled;
  };
  const Case cases[] = {
      {0, 500, false, true}, {500, 0, true, false}, {-3, -1, false, false}, {1, 1, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "meat " << c.meat << " grain " << c.grain);
    Game game;
    GameState& s = game.state;
    s.Population = 1200;
    s.MeatStock = c.meat;
    s.GrainStock = c.grain;
    s.EatMeat = kTrue;  // chosen the turn before
    s.EatGrain = kTrue;
    OpenPeopleScreen(game);
    const PeopleFigures f = PeopleScreenFigures(s);
    EXPECT_EQ(f.MeatOptionEnabled, c.meat_enabled);
    EXPECT_EQ(f.CropsOptionEnabled, c.grain_enabled);
    EXPECT_EQ(f.MeatOptionChecked, c.meat_enabled);
    EXPECT_EQ(f.CropsOptionChecked, c.grain_enabled);
    EXPECT_EQ(f.Meat, c.meat_enabled ? "100" : "0");
    EXPECT_EQ(f.Crops, c.grain_enabled ? "300" : "0");

    // Clearing always goes through; ticking again only with food in store.
    EXPECT_TRUE(SetEatMeat(game, false).accepted);
    EXPECT_TRUE(SetEatGrain(game, false).accepted);
    EXPECT_EQ(SetEatMeat(game, true).accepted, c.meat_enabled);
    EXPECT_EQ(SetEatGrain(game, true).accepted, c.grain_enabled);
    EXPECT_EQ(IsTrue(s.EatMeat), c.meat_enabled);
    EXPECT_EQ(IsTrue(s.EatGrain), c.grain_enabled);
    EXPECT_TRUE(s.EatMeat == kTrue || s.EatMeat == kFalse);
  }
}

}  // namespace
}  // namespace valorne
