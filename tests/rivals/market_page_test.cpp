#include "rivals/market_page.h"

#include <gtest/gtest.h>

namespace valorne {
namespace {

// The figures the trade page shows for a county with 2350 wood, 1850 stone
// and 1250 ore, when the market offers 6000 wood, 4000 stone and 2000 ore.
TEST(MarketPageTest, SaleAndPurchaseFigures) {
  GameState s;
  s.WoodStock = 2350;
  s.StoneStock = 1850;
  s.OreStock = 1250;
  s.MarketWood = 6000;
  s.MarketStone = 4000;
  s.MarketOre = 2000;
  const struct {
    bool sale;
    int good, percent;
    Long amount, gold;
  } cases[] = {
      {true, 1, 100, 2350, 1000},  // all the wood at 235 the hundred gold
      {true, 2, 30, 555, 300},    {true, 3, 10, 125, 100},    {true, 4, 100, 0, 0},
      {false, 3, 10, 200, 285},  // Int(2000 x 10 / 70)
      {false, 1, 50, 3000, 2500}, {false, 2, 70, 2800, 3111}, {false, 0, 50, 0, 0},
  };
  for (const auto& c : cases) {
    const OrderFigures f =
        c.sale ? SaleFigures(s, c.good, c.percent) : PurchaseFigures(s, c.good, c.percent);
    EXPECT_EQ(f.amount, c.amount) << c.sale << " good " << c.good;
    EXPECT_EQ(f.gold, c.gold) << c.sale << " good " << c.good;
  }
}

TEST(MarketPageTest, PercentagesStayWithinNoneAndAll) {
  const struct {
    Byte before;
    int direction;
    Byte after;
  } cases[] = {{0, -1, 0},    {0, +1, 10},   {90, +1, 100}, {100, +1, 100},
               {100, -1, 90}, {95, +1, 100}, {5, -1, 0}};
  for (const auto& c : cases) {
    Byte percent = c.before;
    StepPercent(percent, c.direction);
    EXPECT_EQ(percent, c.after) << int{c.before} << " " << c.direction;
  }
}

}  // namespace
}  // namespace valorne
