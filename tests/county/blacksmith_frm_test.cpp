#include "county/blacksmith_frm.h"

#include <gtest/gtest.h>

#include "county/armoury.h"
#include "county/blacksmith.h"
#include "management_frm_fixture.h"

namespace valorne {
namespace {

using testing::ManageScreens;

TEST(BlacksmithFrmTest, StartingTakesOneTurnsWoodAndOreInStoreButPaysNothing) {
  struct Case {
    const char* button;
    Long wood, ore;
    bool accepted;
    Integer name;
  };
  const Case cases[] = {
      {"BowBtn", 500, 0, true, 49},      // exactly one turn's wood
      {"BowBtn", 499, 9000, false, 49},  // one short
      {"SwordBtn", 0, 500, true, 51},    // swords need no wood
      {"SwordBtn", 0, 499, false, 51},  {"CrossBtn", 0, 100, true, 56},
      {"PikeBtn", 1000, 49, false, 55},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.button << " " << c.wood << " " << c.ore);
    ManageScreens s;
    GameState& st = s.game.state;
    st.BuildingBuilt[1] = kTrue;
    st.WoodStock = c.wood;
    st.OreStock = c.ore;
    st.ForgeOrder = 10;  // plate armour was under way
    s.Click(c.button);
    s.Click("OkAniBtn");
    s.Look([&] {
      EXPECT_EQ(s.Read("Helper"), s.Words(c.accepted ? TextRef{4, c.name} : kNotEnoughResources));
      EXPECT_EQ(s.Read("OrderLbl"), s.Words(c.accepted ? TextRef{4, c.name} : kNothingRunning));
    });
    s.Click("Noanibtn");
    s.Run("BlacksmithFrm");
    int item = 0;
    for (int k = 1; k <= kForgeItems; ++k) {
      if (kForgeItemInfo[static_cast<std::size_t>(k)].button == c.button) item = k;
    }
    EXPECT_EQ(st.ForgeOrder, c.accepted ? item : 0);
    EXPECT_EQ(st.WoodStock, c.wood);  // the smithy pays at the end of the turn
    EXPECT_EQ(st.OreStock, c.ore);
  }
}

TEST(BlacksmithFrmTest, AChosenItemShowsItsFiguresAndTheSoldiersWhoCarryIt) {
  struct Case {
    const char* button;
    const char* picture;
    const char* wood;
    const char* ore;
    const char* pieces;
    std::vector<Integer> users;  // names of the unit types, category 4
  };
  const Case cases[] = {
      {"BowBtn", "BowRes", "500", "0", "30", {61}},
      {"CrossBtn", "CrossItemRes", "0", "100", "1", {60}},
      {"SwordBtn", "SwordRes", "0", "500", "20", {63, 66, 70}},
      {"PlateBtn", "PlateRes", "0", "1000", "35", {63, 67, 68, 69, 70}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    ManageScreens s;
    s.Click(c.button);
    s.Look([&] {
      const auto& form = static_cast<const BlacksmithFrm&>(s.Top());
      EXPECT_NE(form.chosen(), 0);
      EXPECT_EQ(s.Top()["ItemImg"].picture(), c.picture);
      EXPECT_TRUE(s.Shown("ItemImg"));
      EXPECT_EQ(s.Read("WoodCostLbl"), c.wood);
      EXPECT_EQ(s.Read("OreCostLbl"), c.ore);
      EXPECT_EQ(s.Read("RUNA_Label1"), c.pieces);
      EXPECT_EQ(s.Read("SeasonLbl"), s.Words({4, 140}));
      const char* lines[] = {"SoldierListLbl", "SoldierListLbl2", "SoldierListLbl3",
                             "SoldierListLbl4", "SoldierListLbl5"};
      for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(s.Read(lines[k]), k < c.users.size() ? s.Words({4, c.users[k]}) : "") << k;
      }
      // Only the chosen button glows.
      EXPECT_TRUE(s.Top()[c.button].back().has_value());
      EXPECT_EQ(s.Top()[c.button == std::string("BowBtn") ? "ClubBtn" : "BowBtn"].back(),
                std::nullopt);
    });
    s.Click("Noanibtn");
    s.Run("BlacksmithFrm");
  }
}

TEST(BlacksmithFrmTest, StopForgetsTheChoiceAndIdlesTheSmithy) {
  ManageScreens s;
  GameState& st = s.game.state;
  s.Click("OkAniBtn");
  s.Look([&] { EXPECT_EQ(s.Read("Helper"), s.Words(kNothingChosen)); });
  s.Click("BowBtn");
  s.Click("OkAniBtn");
  s.Look([&] {
    EXPECT_EQ(st.ForgeOrder, 1);
    EXPECT_EQ(s.Read("OrderLbl"), s.Words({4, 49}));
    EXPECT_TRUE(s.Shown("FireImg"));
  });
  // The fire burns on while the order stands.
  s.Advance(3 * 125);
  s.Look([&] { EXPECT_EQ(s.Top()["FireImg"].strip_frame(), 3); });
  s.Click("CancelAniBtn");
  s.Look([&] {
    EXPECT_EQ(st.ForgeOrder, 0);
    EXPECT_EQ(static_cast<const BlacksmithFrm&>(s.Top()).chosen(), 0);
    EXPECT_EQ(s.Read("OrderLbl"), s.Words(kNothingRunning));
    EXPECT_EQ(s.Read("WeaponLbl"), "");
    EXPECT_EQ(s.Read("SoldierListLbl"), "");
    EXPECT_FALSE(s.Shown("ItemImg"));
    EXPECT_FALSE(s.Shown("FireImg"));
    EXPECT_EQ(s.Top()["BowBtn"].back(), std::nullopt);
  });
  // With the choice forgotten, starting again needs a new choice.
  s.Click("OkAniBtn");
  s.Look([&] {
    EXPECT_EQ(s.Read("Helper"), s.Words(kNothingChosen));
    EXPECT_EQ(st.ForgeOrder, 0);
  });
  s.Click("Noanibtn");
  s.Run("BlacksmithFrm");
  EXPECT_EQ(st.WoodStock, 1000);
  EXPECT_EQ(st.OreStock, 350);
}

TEST(ArmouryFrmTest, ShowsEveryStockAndPoolAndIsReachedFromTheBlacksmith) {
  ManageScreens s;
  GameState& st = s.game.state;
  // Each stock a different number: row r holds 100 + r.
  std::array<long, kArmouryRows> stocks{};
  for (int r = 0; r < kArmouryRows; ++r) stocks[static_cast<std::size_t>(r)] = 100 + r;
  SetArmouryStocks(st, stocks);
  st.WoodStock = 4321;
  st.OreStock = 1234;
  s.Look([&] {
    EXPECT_EQ(s.Read("WoodLbl"), "4321");
    EXPECT_EQ(s.Read("OreLbl"), "1234");
    EXPECT_EQ(s.Read("BowLbl"), "100");
    EXPECT_EQ(s.Read("ShieldLbl"), "113");
  });
  s.Click("ArmouryBtn");
  s.Look([&] {
    EXPECT_EQ(s.TopName(), "ArmouryFrm");
    const std::pair<const char*, int> labels[] = {
        {"BowLbl", 100},       {"ClubLbl", 104},     {"SwordLbl", 105},  {"HelebardLbl", 106},
        {"TwoHandLbl", 107},   {"MaceLbl", 108},     {"PikeLbl", 109},   {"CrossLbl", 110},
        {"ChainMailLbl", 111}, {"PlateLbl", 112},    {"ShieldLbl", 113}, {"LongBowLbl", 101},
        {"WarlordLbl", 102},   {"EngineerLbl", 103},
    };
    for (const auto& [label, value] : labels)
      EXPECT_EQ(s.Read(label), std::to_string(value)) << label;
    EXPECT_EQ(s.Read("ItemNameLbl(9)"), s.Words({4, 57}));
    // While it is open a new bow comes in: the blacksmith shows it on return.
    st.Bows = 131;
  });
  s.Click("OkAniBtn");
  s.Look([&] {
    EXPECT_EQ(s.TopName(), "BlacksmithFrm");
    EXPECT_EQ(s.Read("BowLbl"), "131");
  });
  s.Click("Noanibtn");
  s.Run("BlacksmithFrm");
  EXPECT_EQ(s.sound.played(), (std::vector<std::string>{"EnvChanel03: armoury01.wav"}));
}

}  // namespace
}  // namespace valorne
