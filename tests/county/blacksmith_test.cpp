#include "county/blacksmith.h"

#include <gtest/gtest.h>

namespace valorne {
namespace {

Game& WithParams(Game& game) {
  SetUpLevelParams(game.params, 2);
  return game;
}

TEST(Blacksmith, StartNeedsOneTurnsMaterialsAndPaysNothing) {
  struct Case {
    int item;
    Long wood, ore;
    bool accepted;
  };
  const Case cases[] = {
      {3, 0, 500, true},                                              // swords need no wood
      {3, 0, 499, false},   {1, 500, 0, true},                        // bows need no ore
      {1, 499, 0, false},   {2, 300, 200, true},                      // clubs need both
      {2, 299, 200, false}, {2, 300, 199, false}, {8, 0, 100, true},  // crosses
      {11, 400, 100, true},                                           // shields
      {7, 999, 50, false},                                            // pikes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "item " << c.item << ", " << c.wood << " wood, " << c.ore << " ore");
    Game game;
    WithParams(game);
    game.state.WoodStock = c.wood;
    game.state.OreStock = c.ore;
    game.state.ForgeOrder = 9;  // an earlier order
    const Outcome o = StartForging(game, c.item);
    EXPECT_EQ(o.accepted, c.accepted);
    EXPECT_EQ(game.state.WoodStock, c.wood);
    EXPECT_EQ(game.state.OreStock, c.ore);
    if (c.accepted) {
      EXPECT_EQ(game.state.ForgeOrder, c.item);
      const TextRef name{4, static_cast<std::int16_t>(48 + c.item)};
      EXPECT_EQ(o.hint, name);
      EXPECT_EQ(SmithyLineText(game.state), name);
    } else {
      EXPECT_EQ(o.hint, kNotEnoughResources);
      EXPECT_EQ(game.state.ForgeOrder, 0);
      EXPECT_EQ(SmithyLineText(game.state), kNothingRunning);
    }
  }
}

TEST(Blacksmith, NothingChosenAndStop) {
  Game game;
  WithParams(game);
  game.state.WoodStock = 5000;
  game.state.OreStock = 5000;
  EXPECT_EQ(StartForging(game, 0).hint, kNothingChosen);
  EXPECT_EQ(game.state.ForgeOrder, 0);
  ASSERT_TRUE(StartForging(game, 10).accepted);
  ASSERT_TRUE(StartForging(game, 4).accepted);  // replaces the plate armour
  EXPECT_EQ(game.state.ForgeOrder, 4);
  StopForging(game);
  EXPECT_EQ(game.state.ForgeOrder, 0);
  EXPECT_EQ(SmithyLineText(game.state), kNothingRunning);
}

TEST(Blacksmith, ItemFiguresFollowTheTableAndItsUsers) {
  struct Case {
    int item;
    const char* pieces;
    const char* wood;
    const char* ore;
    std::vector<std::int16_t> users;  // unit names, category 4
  };
  const Case cases[] = {
      {1, "30", "500", "0", {61}},
      {3, "20", "0", "500", {63, 66, 70}},
      {5, "30", "0", "700", {65, 69}},
      {8, "1", "0", "100", {60}},
      {9, "40", "0", "700", {64, 65, 66}},
      {10, "35", "0", "1000", {63, 67, 68, 69, 70}},
      {11, "40", "400", "100", {63, 67, 68}},
  };
  Game game;
  WithParams(game);
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "item " << c.item);
    const ForgeItemFigures f = ItemFigures(game.params, c.item);
    EXPECT_EQ(f.Pieces, c.pieces);
    EXPECT_EQ(f.WoodCost, c.wood);
    EXPECT_EQ(f.OreCost, c.ore);
    EXPECT_EQ(f.Season, (TextRef{4, 140}));
    std::vector<std::int16_t> users;
    for (const TextRef& t : f.Users) users.push_back(t.id);
    EXPECT_EQ(users, c.users);
  }
}

TEST(Blacksmith, OpensOnlyOnceBuilt) {
  GameState s;
  EXPECT_EQ(CanOpenBlacksmith(s).hint, kBuildingMissing);
  s.BuildingBuilt[1] = kTrue;
  EXPECT_TRUE(CanOpenBlacksmith(s).accepted);
}

}  // namespace
}  // namespace valorne
