// The diplomacy screen and the trade post played through the real level
// program: the player's clicks as a script, the county read back with `dump`
// and the screens with `show`.
#include <gtest/gtest.h>

#include <map>

#include "support/json.h"
#include "support/level9_run.h"
#include "support/prepared_save.h"

namespace valorne {
namespace {

using testing::GameFolder;
using testing::JsonValue;
using testing::Number;
using testing::Outcome;
using testing::ParseJson;
using testing::PrepareSave;
using testing::Texts;

// Grain bought at the trade post: three clicks on the up button and a hold
// of three ticks (the press itself makes a step) come to 70 grain, paid with
// 70 gold and the market's tax of 3.
TEST(TradeScreens, GrainBoughtAtTheTradePostReachesTheStores) {
  GameFolder folder;
  const Outcome run = folder.Run(
      "click TipsFrm.Image1\n"
      "dump\n"
      "click Camp1Frm.GarryImg\n"
      "click GarryFrm.Label3\n"
      "click GarryFrm.CropsUpAniBtn\n"
      "click GarryFrm.CropsUpAniBtn\n"
      "click GarryFrm.CropsUpAniBtn\n"
      "down GarryFrm.CropsUpAniBtn\n"
      "advance 360\n"
      "up GarryFrm.CropsUpAniBtn\n"
      "show\n"
      "click GarryFrm.OkAniBtn\n"
      "dump\n"
      "quit\n",
      "--rnd 0.5");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 3u) << run.err;
  const JsonValue before = ParseJson(run.lines[0]);
  const auto shown = Texts(ParseJson(run.lines[1]));
  const JsonValue after = ParseJson(run.lines[2]);
  EXPECT_EQ(shown.at("CropsLbl"), "70");
  EXPECT_EQ(shown.at("GoldLbl"), "-70");
  EXPECT_EQ(shown.at("TradeTaxLbl"), "3");
  EXPECT_EQ(Number(after, "GrainStock"), Number(before, "GrainStock") + 70);
  EXPECT_EQ(Number(after, "Gold"), Number(before, "Gold") - 73);
  EXPECT_EQ(Number(after, "TradeRepeatKey"), 0);
}

// An ambassador sent to a rival without an envoy is refused and costs
// nothing; the trade page's orders are kept in the county's record.
TEST(TradeScreens, DiplomacyRefusesAnEarlyAmbassadorAndKeepsTheTradeOrders) {
  GameFolder folder;
  const Outcome run = folder.Run(
      "click TipsFrm.Image1\n"
      "dump\n"
      "click Camp1Frm.DiploBtn\n"
      "select DiploFrm.RivalsLst 0\n"
      "click DiploFrm.AmbasadorBtn\n"
      "click DiploFrm.EnvoyAniBtn\n"
      "show\n"
      "click DiploFrm.TradeBtn\n"
      "select DiploFrm.SellLst 2\n"
      "click DiploFrm.UpAniBtn\n"
      "click DiploFrm.UpAniBtn\n"
      "select DiploFrm.BuyLst 1\n"
      "click DiploFrm.UpAniBtn2\n"
      "show\n"
      "click DiploFrm.OkAniBtn\n"
      "dump\n"
      "quit\n",
      "--rnd 0.5");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 4u) << run.err;
  const JsonValue before = ParseJson(run.lines[0]);
  const auto rivals = Texts(ParseJson(run.lines[1]));
  const auto trade = Texts(ParseJson(run.lines[2]));
  const JsonValue after = ParseJson(run.lines[3]);
  EXPECT_EQ(rivals.at("Helper"), "Relations are not yet good enough for that.");
  EXPECT_EQ(rivals.at("GoldLbl"), "3450");
  EXPECT_EQ(Number(after, "Gold"), Number(before, "Gold"));
  EXPECT_EQ(after.at("RivalStance").at(0).get<double>(), 0);
  EXPECT_EQ(Number(after, "SellGood"), 3);
  EXPECT_EQ(Number(after, "SellPercent"), 20);
  EXPECT_EQ(Number(after, "BuyGood"), 2);
  EXPECT_EQ(Number(after, "BuyPercent"), 10);
  // The page's figures are the orders' own.
  const long ore = Number(after, "OreStock");
  EXPECT_EQ(trade.at("SellAmountLbl"), std::to_string(ore * 20 / 100));
  EXPECT_EQ(trade.at("SellGoldLbl"), std::to_string(ore * 20 / 125));
  const long stone = Number(after, "MarketStone");
  EXPECT_EQ(trade.at("BuyAmountLbl"), std::to_string(stone * 10 / 100));
  EXPECT_EQ(trade.at("BuyGoldLbl"), std::to_string(stone * 10 / 90));
}

// The people's plea of the sixteenth turn, answered with help: the trade
// post opens on its giving panel, and turning them away there costs 12
// happiness, 15 morale and 4 religion more than an empty gift does.
TEST(TradeScreens, ThePleaOpensTheGivingPanelAndRefusingItCosts) {
  GameFolder folder;
  ASSERT_EQ(folder.Run("click TipsFrm.Image1\nquit\n", "--rnd 0.5").code, 0);
  PrepareSave(folder, "Plea", {"Turn=15"});
  const auto answer = [&](const std::string& button) {
    const Outcome run = folder.Run(
        "click TipsFrm.Image1\n"
        "load Plea\n"
        "click MsgBoxFrm.OkAniBtn\n"
        "click Camp1Frm.EndTurnBtn\n"
        "advance 3000\n"
        "click ReligionFrm.StakeNoAniBtn\n"
        "advance 1000\n"
        "click MsgFrm.OkAniBtn\n"
        "show\n"
        "click GarryFrm." +
            button +
            "\n"
            "advance 3000\n"
            "dump\n"
            "click MessagesFrm.OkAniBtn\n"
            "quit\n",
        "--rnd 0.5");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.lines.size(), 2u) << run.err;
    if (run.lines.size() != 2) return JsonValue{};
    const JsonValue panel = ParseJson(run.lines[0]);
    EXPECT_EQ(panel.at("name").get<std::string>(), "GarryFrm");
    for (const auto& c : panel.at("controls")) {
      const std::string& name = c.at("name").get<std::string>();
      if (name == "GoldLbl" || name == "CropsUpAniBtn") {
        EXPECT_EQ(c.at("visible").get<bool>(), name == "CropsUpAniBtn") << name;
      }
    }
    return ParseJson(run.lines[1]);
  };
  const JsonValue gave = answer("OkAniBtn");
  const JsonValue refused = answer("Noanibtn");
  ASSERT_TRUE(gave.is_object() && refused.is_object());
  EXPECT_EQ(Number(gave, "Happiness") - Number(refused, "Happiness"), 12);
  EXPECT_NEAR(gave.at("Morale").get<double>() - refused.at("Morale").get<double>(), 15, 0.01);
  EXPECT_EQ(Number(gave, "LordReligion") - Number(refused, "LordReligion"), 4);
}

}  // namespace
}  // namespace valorne
