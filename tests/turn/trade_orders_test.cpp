#include <gtest/gtest.h>

#include "turn/economy_steps.h"
#include "turn/recording_ui.h"

namespace valorne {
namespace {

using testing::Ids;

struct TradeCase {
  const char* name;
  Byte sell_good, sell_percent, buy_good, buy_percent;
  Long gold_after, wood_after, stone_after, ore_after;
};

// A county with 1000 gold, 2350 wood, 1850 stone and 1250 ore; the market
// offers 6000 wood, 4000 stone and 2000 ore.
class TradeTest : public ::testing::TestWithParam<TradeCase> {};

TEST_P(TradeTest, OrdersAreCarriedOut) {
  const TradeCase& c = GetParam();
  Game game;
  game.params.TradeDiplomacyMin = 80;
  GameState& s = game.state;
  s.LordDiplomacy = 80;
  s.Gold = 1000;
  s.WoodStock = 2350;
  s.StoneStock = 1850;
  s.OreStock = 1250;
  s.MarketWood = 6000;
  s.MarketStone = 4000;
  s.MarketOre = 2000;
  s.SellGood = c.sell_good;
  s.SellPercent = c.sell_percent;
  s.BuyGood = c.buy_good;
  s.BuyPercent = c.buy_percent;
  CarryOutTradeOrders(game);
  EXPECT_EQ(s.Gold, c.gold_after);
  EXPECT_EQ(s.WoodStock, c.wood_after);
  EXPECT_EQ(s.StoneStock, c.stone_after);
  EXPECT_EQ(s.OreStock, c.ore_after);
  EXPECT_EQ(game.news.count, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, TradeTest,
    ::testing::Values(TradeCase{"AllWoodSold", 1, 100, 1, 0, 2000, 0, 1850, 1250},
                      TradeCase{"TenthOfStoneSold", 2, 10, 1, 0, 1100, 2350, 1665, 1250},
                      TradeCase{"ThirtyPercentOfOreSold", 3, 30, 1, 0, 1300, 2350, 1850, 875},
                      TradeCase{"TenthOfOreBought", 1, 0, 3, 10, 715, 2350, 1850, 1450},
                      TradeCase{"HalfTheStoneBought", 1, 0, 2, 50, 1000 - 2222, 2350, 3850, 1250},
                      TradeCase{"SoldAndBoughtTheSameGood", 1, 50, 1, 20, 1000 + 500 - 1000,
                                1175 + 1200, 1850, 1250},
                      TradeCase{"NoGoodTradesNothing", 0, 100, 4, 100, 1000, 2350, 1850, 1250}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TradeRefusalTest, LowDiplomacyStopsTradeAndResetsTheGoodsOnce) {
  Game game;
  game.params.TradeDiplomacyMin = 80;
  GameState& s = game.state;
  s.LordDiplomacy = 79;
  s.WoodStock = s.OreStock = 1000;
  s.SellGood = 3;
  s.SellPercent = 50;
  s.BuyGood = 2;
  s.BuyPercent = 30;
  CarryOutTradeOrders(game);
  CarryOutTradeOrders(game);
  EXPECT_EQ(s.OreStock, 1000);
  EXPECT_EQ(s.Gold, 0);
  EXPECT_EQ(s.SellGood, 1);
  EXPECT_EQ(s.BuyGood, 1);
  EXPECT_EQ(s.SellPercent, 50);  // the percentages stay
  EXPECT_EQ(Ids(game.news), std::vector<int>{87});

  s.LordDiplomacy = 80;  // the orders run again, on wood
  CarryOutTradeOrders(game);
  EXPECT_EQ(s.Gold, 212);  // Int(1000 x 50 / 235)
  EXPECT_EQ(s.WoodStock, 500);
  EXPECT_FALSE(game.live.TradeRefusedShown);
  s.LordDiplomacy = 10;  // and a new refusal is announced again
  CarryOutTradeOrders(game);
  EXPECT_EQ(Ids(game.news), (std::vector<int>{87, 87}));
}

}  // namespace
}  // namespace valorne
