// A county built up through its screens over several turns, from a normal
// start: the blacksmith and the barracks ordered on the build screen, bows
// forged turn after turn, and a new army of archers raised and formed. The
// screens are driven by the same script language as the headless level, and
// the turns end between the screen visits with every question answered No.
#include <gtest/gtest.h>

#include <sstream>

#include "county/army_frm.h"
#include "county/blacksmith.h"
#include "county/construction.h"
#include "county/management_screens.h"
#include "county/recruitment.h"
#include "county/works.h"
#include "management_frm_fixture.h"
#include "support/json.h"
#include "turn/end_turn.h"

namespace valorne {
namespace {

using testing::ParseJson;
using testing::ScriptedScreens;

struct Buildup : ScriptedScreens {
  Buildup() : ScriptedScreens("") {
    game.rng = Random::Constant(0.5);
    game.Difficulty = 2;
    SetStartValues(game);
    game.state.Rival1Standing = kFalse;  // the county alone, no rival raids
    testing::ReadTextSources(game.texts);
    RegisterManagementScreens(registry);
  }

  // Opens `screen` and plays `script` on it until it closes; the script's
  // "show" lines are kept in `shown`.
  void Play(std::string_view screen, const std::string& script) {
    in.clear();
    in.str(script);
    out.str("");
    err.str("");
    ASSERT_EQ(Run(screen), 0) << err.str();
    ASSERT_EQ(ui.top(), nullptr) << screen << " is still open";
    shown.clear();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) shown.push_back(line);
  }

  // A control as the `n`-th "show" of the last script gave it.
  testing::JsonValue Control(std::size_t n, std::string_view control) const {
    const testing::JsonValue form = ParseJson(shown.at(n));
    for (const testing::JsonValue& c : form["controls"]) {
      if (c.at("name").get<std::string>() == control) return c;
    }
    ADD_FAILURE() << "no control " << control;
    return {};
  }
  std::string Shown(std::size_t n, std::string_view control) const {
    const testing::JsonValue c = Control(n, control);
    return c.is_object() ? c.at("text").get<std::string>() : std::string();
  }

  std::string Words(TextRef ref) const { return game.texts.Utf8(ref); }

  void EndTurnAnsweringNo() {
    FixedAnswerUi no(false);
    game.set_ui(&no);
    EndTurn(game);
    game.set_ui(&ui);
  }

  std::vector<std::string> shown;
};

bool HasNews(const Game& game, TextRef text) {
  for (int k = 0; k < game.news.count; ++k) {
    if (game.news.lines[static_cast<std::size_t>(k)] == text) return true;
  }
  return false;
}

// The armoury's fourteen stocks with some rows changed.
std::array<long, kArmouryRows> With(std::array<long, kArmouryRows> stocks, ArmouryRow row,
                                    long delta) {
  stocks[static_cast<std::size_t>(row)] += delta;
  return stocks;
}

TEST(BuildupFrmTest, BlacksmithBarracksBowsAndANewArmyOfArchers) {
  Buildup b;
  GameState& s = b.game.state;
  const LevelParams& params = b.game.params;
  // A normal start: 2500 gold, 1000 wood, 350 stone, 350 ore, 3500 people,
  // 145 bows, no blacksmith and no barracks.
  ASSERT_EQ(s.Gold, 2500);
  ASSERT_EQ(s.WoodStock, 1000);
  ASSERT_EQ(s.StoneStock, 350);
  ASSERT_EQ(s.Bows, 145);
  ASSERT_EQ(s.IdlePeople, 3500);
  const std::array<long, kArmouryRows> start_stocks = ArmouryStocks(s);

  // The quarry and the woodcutters get people: 600 and 780 leave the idle pool.
  for (int place = 1; place <= 2; ++place) ToggleWorkPlace(b.game, Works::Stone, place);
  for (int place = 1; place <= 3; ++place) ToggleWorkPlace(b.game, Works::Wood, place);
  ASSERT_EQ(s.IdlePeople, 2120);
  const long wood_a_turn = 3L * params.WoodWorksParams[0];
  const long stone_a_turn = 2L * params.StoneWorksParams[0];

  // Turn 1: the treasury is too poor for the blacksmith.
  b.Play("BuildFrm",
         "click BuildFrm.BlacksmithBtn\nclick BuildFrm.OkAniBtn\nshow\nclick BuildFrm.Noanibtn\n");
  EXPECT_EQ(b.Shown(0, "Helper"), b.Words(kNotEnoughResources));
  EXPECT_EQ(b.Shown(0, "StoreGoldLbl"), "2500");
  EXPECT_EQ(s.Gold, 2500);
  EXPECT_EQ(s.ConstructionTurns, kIdle);
  // A treasure found on the map fills the treasury.
  s.Gold += 12000;
  b.Play("BuildFrm", "click BuildFrm.BlacksmithBtn\nclick BuildFrm.OkAniBtn\n");
  EXPECT_EQ(s.Gold, 9500);
  EXPECT_EQ(s.WoodStock, 200);
  EXPECT_EQ(s.StoneStock, 150);
  EXPECT_EQ(s.ConstructionBuilding, 1);
  EXPECT_EQ(s.ConstructionTurns, 2);

  // Three ends of turn: the countdown runs 2, 1, 0 and the blacksmith stands.
  for (int turns_left : {1, 0}) {
    const long wood = s.WoodStock;
    b.EndTurnAnsweringNo();
    EXPECT_EQ(s.ConstructionTurns, turns_left);
    EXPECT_EQ(s.WoodStock, wood + wood_a_turn);
    EXPECT_FALSE(IsTrue(s.BuildingBuilt[1]));
  }
  b.EndTurnAnsweringNo();
  EXPECT_TRUE(IsTrue(s.BuildingBuilt[1]));
  EXPECT_EQ(s.ConstructionTurns, kIdle);
  EXPECT_EQ(s.ConstructionBuilding, 0);
  EXPECT_TRUE(HasNews(b.game, {1, 72}));
  EXPECT_TRUE(CanOpenBlacksmith(s).accepted);
  EXPECT_EQ(s.Turn, 4);
  ASSERT_EQ(s.WoodStock, 200 + 3 * wood_a_turn);
  ASSERT_EQ(s.StoneStock, 150 + 3 * stone_a_turn);  // 870: short of the barracks' 1000

  // Turn 4: the barracks must wait for stone; the blacksmith is ticked.
  const Long gold_turn4 = s.Gold;
  b.Play(
      "BuildFrm",
      "show\nclick BuildFrm.BaracksBtn\nclick BuildFrm.OkAniBtn\nshow\nclick BuildFrm.Noanibtn\n");
  EXPECT_FALSE(b.Control(0, "BlacksmithBtn").at("enabled").get<bool>());
  EXPECT_TRUE(b.Control(0, "OkImage(1)").at("visible").get<bool>());
  EXPECT_TRUE(b.Control(0, "BaracksBtn").at("enabled").get<bool>());
  EXPECT_EQ(b.Shown(1, "Helper"), b.Words(kNotEnoughResources));
  EXPECT_EQ(b.Shown(1, "StoneLbl"), "1000");
  EXPECT_EQ(b.Shown(1, "StoreStoneLbl"), "870");
  EXPECT_EQ(s.Gold, gold_turn4);
  EXPECT_EQ(s.StoneStock, 870);

  // The smithy takes a standing order for bows; nothing is paid yet.
  const long wood_turn4 = s.WoodStock;
  b.Play("BlacksmithFrm",
         "click BlacksmithFrm.BowBtn\nshow\nclick BlacksmithFrm.OkAniBtn\nshow\n"
         "click BlacksmithFrm.Noanibtn\n");
  EXPECT_EQ(b.Shown(0, "WoodCostLbl"), "500");
  EXPECT_EQ(b.Shown(0, "RUNA_Label1"), "30");
  EXPECT_EQ(b.Shown(0, "SoldierListLbl"), b.Words({4, 61}));
  EXPECT_EQ(b.Shown(1, "Helper"), b.Words({4, 49}));
  EXPECT_EQ(b.Shown(1, "OrderLbl"), b.Words({4, 49}));
  EXPECT_EQ(s.ForgeOrder, 1);
  EXPECT_EQ(s.WoodStock, wood_turn4);
  EXPECT_EQ(ArmouryStocks(s), start_stocks);

  // Turn 4 ends: thirty bows for 500 wood; the quarry brings the stone.
  b.EndTurnAnsweringNo();
  EXPECT_EQ(s.Bows, 175);
  EXPECT_EQ(s.WoodStock, wood_turn4 + wood_a_turn - 500);
  EXPECT_EQ(s.StoneStock, 870 + stone_a_turn);
  EXPECT_EQ(ArmouryStocks(s), With(start_stocks, ArmouryRow::Bows, 30));

  // Turn 5: the barracks are ordered and paid.
  const Long gold = s.Gold;
  const long wood = s.WoodStock;
  const long stone = s.StoneStock;
  b.Play("BuildFrm", "click BuildFrm.BaracksBtn\nclick BuildFrm.OkAniBtn\n");
  EXPECT_EQ(s.Gold, gold - 5000);
  EXPECT_EQ(s.WoodStock, wood - 800);
  EXPECT_EQ(s.StoneStock, stone - 1000);
  EXPECT_EQ(s.ConstructionBuilding, 2);
  EXPECT_EQ(s.ConstructionTurns, 2);

  // Three more ends of turn: ninety bows, and the barracks stand.
  for (int turn = 1; turn <= 3; ++turn) {
    const long wood_before = s.WoodStock;
    b.EndTurnAnsweringNo();
    EXPECT_EQ(s.Bows, 175 + 30 * turn);
    EXPECT_EQ(s.WoodStock, wood_before + wood_a_turn - 500);
    EXPECT_EQ(s.ForgeOrder, 1);
    EXPECT_EQ(IsTrue(s.BuildingBuilt[2]), turn == 3);
  }
  ASSERT_EQ(s.Turn, 8);
  ASSERT_EQ(s.Bows, 265);
  EXPECT_TRUE(CanOpenRecruiting(s, kRecruitPlaceCastle).accepted);

  // Turn 8: two hundred archers are raised with the raise button held for
  // two hundred ticks, and formed into the second army at the castle gate.
  const Long people = s.Population;
  const Long idle = s.IdlePeople;
  const std::array<long, kArmouryRows> stocks = ArmouryStocks(s);
  const ArmyComposition first_army = s.ArmySoldiers[1];
  const std::string hold = std::to_string(200 * ArmyFrm::kRaiseIntervalMs);
  b.Play("ArmyFrm",
         "click ArmyFrm.MonkBtn\nclick ArmyFrm.ArcherBtn\ndown ArmyFrm.UpAniBtn\nadvance " + hold +
             "\nup ArmyFrm.UpAniBtn\nadvance 1000\nshow\nclick ArmyFrm.OkAniBtn\n");
  EXPECT_EQ(b.Shown(0, "NameLbl"), b.Words({4, 61}));  // the monk needs a more pious lord
  EXPECT_EQ(b.Shown(0, "RaisedLbl"), "200");
  EXPECT_EQ(b.Shown(0, "WeaponLbl"), "65");
  EXPECT_EQ(b.Shown(0, "ArmyNameLbl"), b.Words({4, 113}));
  EXPECT_EQ(ArmouryStocks(s), With(stocks, ArmouryRow::Bows, -200));
  EXPECT_EQ(s.Population, people - 200);
  EXPECT_EQ(s.IdlePeople, idle - 200);
  EXPECT_EQ(s.ArmyExists, (OneBased<Boolean, 3>{kTrue, kTrue, kFalse}));
  EXPECT_EQ(s.ArmySizes, (OneBased<Integer, 3>{1010, 200, 0}));
  ArmyComposition archers;
  archers.Archers = 200;
  EXPECT_EQ(s.ArmySoldiers[2], archers);
  EXPECT_EQ(s.ArmySoldiers[1], first_army);
  EXPECT_EQ(s.ArmyWaypointNos[2], kCastleGateWaypoint);
  EXPECT_GE(s.ArmyMovesLeft[2], 1);

  // The smithy keeps forging for the next army.
  b.EndTurnAnsweringNo();
  EXPECT_EQ(s.Bows, 95);
  EXPECT_EQ(s.ArmySizes[2], 200);
}

}  // namespace
}  // namespace valorne
