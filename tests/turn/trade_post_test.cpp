#include "turn/trade_post.h"

#include <gtest/gtest.h>

namespace valorne {
namespace {

constexpr int kGrain = 1, kMeat = 2, kWood = 3;

// Holds the up button of `good` for `ticks` ticks.
void StepUp(const GameState& s, Byte mode, int good, int ticks, TradeDeal& deal) {
  for (int i = 0; i < ticks; ++i) TradeStepUp(s, mode, good, deal);
}

TEST(TradePostTest, BuyingStopsOnceTheCostReachesTheTreasury) {
  Game game;
  GameState& s = game.state;
  s.Gold = 95;
  s.GrainStock = 500;
  TradeDeal deal;
  StepUp(s, kTradeBuy, kGrain, 15, deal);  // 90 < 95 still allows the tenth step
  EXPECT_EQ(deal.amounts[kGrain], 100);
  EXPECT_EQ(deal.gold, -100);
  EXPECT_EQ(deal.tax, 12);  // no market: twelve in the hundred
  game.live.TradeMode = kTradeBuy;
  ConfirmTrade(game, deal);
  EXPECT_EQ(s.Gold, -17);  // left for the end of turn's clamps
  EXPECT_EQ(s.GrainStock, 600);
}

TEST(TradePostTest, SellingStopsAtTheFirstTenNotBelowTheStock) {
  Game game;
  GameState& s = game.state;
  s.BuildingBuilt[4] = kTrue;  // the market
  s.WoodStock = 95;
  s.Gold = 1000;
  TradeDeal deal;
  StepUp(s, kTradeSell, kWood, 15, deal);
  EXPECT_EQ(deal.amounts[kWood], 100);
  EXPECT_EQ(deal.gold, 200);
  EXPECT_EQ(deal.tax, 10);  // the market's five in the hundred
  game.live.TradeMode = kTradeSell;
  ConfirmTrade(game, deal);
  EXPECT_EQ(s.WoodStock, -5);
  EXPECT_EQ(s.Gold, 1190);
}

TEST(TradePostTest, StepsDownGiveTheGoldBackAndStopAtNone) {
  GameState s;
  s.Gold = 10000;
  s.MeatStock = 1000;
  const struct {
    Byte mode;
    Long gold_after_up, gold_after_down;
  } cases[] = {{kTradeBuy, -120, -80}, {kTradeSell, 120, 80}, {kTradeGive, 120, 80}};
  for (const auto& c : cases) {
    TradeDeal deal;
    StepUp(s, c.mode, kMeat, 3, deal);
    EXPECT_EQ(deal.gold, c.gold_after_up);
    TradeStepDown(s, c.mode, kMeat, deal);
    EXPECT_EQ(deal.gold, c.gold_after_down);
    EXPECT_EQ(deal.amounts[kMeat], 20);
    for (int i = 0; i < 5; ++i) TradeStepDown(s, c.mode, kMeat, deal);
    EXPECT_EQ(deal.amounts[kMeat], 0);
    EXPECT_EQ(deal.gold, 0);
    EXPECT_EQ(deal.tax, 0);
  }
}

TEST(TradePostTest, WithoutAMarketOnlyGrainAndMeatTrade) {
  GameState s;
  s.Gold = 10000;
  s.WoodStock = s.StoneStock = s.OreStock = s.GrainStock = s.MeatStock = 1000;
  TradeDeal deal;
  for (int good = 1; good <= kTradePostGoods; ++good) StepUp(s, kTradeSell, good, 1, deal);
  EXPECT_EQ(deal.amounts, (std::array<Long, 6>{0, 10, 10, 0, 0, 0}));
  s.BuildingBuilt[4] = kTrue;
  for (int good = 1; good <= kTradePostGoods; ++good) StepUp(s, kTradeSell, good, 1, deal);
  EXPECT_EQ(deal.amounts, (std::array<Long, 6>{0, 20, 20, 10, 10, 10}));
  EXPECT_EQ(deal.gold, 2 * 10 + 2 * 40 + 20 + 40 + 60);
}

TEST(TradePostTest, AGiftWorthAThousandPleasesTheCounty) {
  Game game;
  GameState& s = game.state;
  s.Gold = 500;
  s.GrainStock = 2000;
  s.Happiness = 50;
  s.Morale = 50;
  s.LordNobility = 20;
  s.LordReligion = 30;
  TradeDeal deal;
  StepUp(s, kTradeGive, kGrain, 100, deal);
  ASSERT_EQ(deal.gold, 1000);
  game.live.TradeMode = kTradeGive;
  ConfirmTrade(game, deal);
  EXPECT_EQ(s.GrainStock, 1000);
  EXPECT_EQ(s.Gold, 500);  // a gift moves no gold
  EXPECT_EQ(s.Happiness, 60);
  EXPECT_EQ(s.Morale, 52);
  EXPECT_EQ(s.LordNobility, 25);
  EXPECT_EQ(s.LordReligion, 34);
  EXPECT_EQ(game.live.TradeMode, kTradeNone);
}

TEST(TradePostTest, CancellingCostsOnlyARefusedGift) {
  const struct {
    Byte mode;
    Integer happiness, nobility, religion;
    Single morale;
  } cases[] = {{kTradeNone, 50, 40, 30, 60},
               {kTradeBuy, 50, 40, 30, 60},
               {kTradeSell, 50, 40, 30, 60},
               {kTradeGive, 38, 17, 26, 45}};
  for (const auto& c : cases) {
    Game game;
    GameState& s = game.state;
    s.Happiness = 50;
    s.Morale = 60;
    s.LordNobility = 40;
    s.LordReligion = 30;
    s.Gold = 700;
    s.TradeRepeatKey = 2;
    game.live.TradeMode = c.mode;
    CancelTrade(game);
    EXPECT_EQ(s.Happiness, c.happiness) << int{c.mode};
    EXPECT_EQ(s.Morale, c.morale) << int{c.mode};
    EXPECT_EQ(s.LordNobility, c.nobility) << int{c.mode};
    EXPECT_EQ(s.LordReligion, c.religion) << int{c.mode};
    EXPECT_EQ(s.Gold, 700);
    EXPECT_EQ(game.live.TradeMode, kTradeNone);
    EXPECT_EQ(s.TradeRepeatKey, 0);
  }
}

}  // namespace
}  // namespace valorne
