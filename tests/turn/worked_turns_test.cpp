// Whole ends of turn from a normal start with every draw at 0.5, worked out by
// hand from the rules, one row per turn. Two counties: one whose lord orders
// nothing (it starves), and one that sows, grazes, staffs the works and
// researches. The lord pays the church's tithe, spares the heretic and
// declines the tournament, as he would on the screens.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "county/church_tournament.h"
#include "county/field_menu.h"
#include "county/people_tax.h"
#include "county/science.h"
#include "county/works.h"
#include "state/start_values.h"
#include "turn/church_tournament_turn.h"
#include "turn/end_turn.h"
#include "turn/recording_ui.h"

namespace valorne {
namespace {

using testing::RecordingUi;

// The county after one end of turn; `turn` is the turn that has just begun.
struct TurnFigures {
  int turn, season;
  Long gold, wood, stone, ore, grain, meat, people, idle;
  Integer happiness, health;
  Single morale;
  Integer leadership, nobility, diplomacy, religion;
  Byte farming;
  Long tithe;
};

void ExpectFigures(const GameState& s, const TurnFigures& w) {
  SCOPED_TRACE("turn " + std::to_string(w.turn));
  EXPECT_EQ(s.Turn, w.turn);
  EXPECT_EQ(s.Season, w.season);
  EXPECT_EQ(s.Gold, w.gold);
  EXPECT_EQ(s.WoodStock, w.wood);
  EXPECT_EQ(s.StoneStock, w.stone);
  EXPECT_EQ(s.OreStock, w.ore);
  EXPECT_EQ(s.GrainStock, w.grain);
  EXPECT_EQ(s.MeatStock, w.meat);
  EXPECT_EQ(s.Population, w.people);
  EXPECT_EQ(s.IdlePeople, w.idle);
  EXPECT_EQ(s.Happiness, w.happiness);
  EXPECT_EQ(s.Health, w.health);
  EXPECT_FLOAT_EQ(s.Morale, w.morale);
  EXPECT_EQ(s.LordLeadership, w.leadership);
  EXPECT_EQ(s.LordNobility, w.nobility);
  EXPECT_EQ(s.LordDiplomacy, w.diplomacy);
  EXPECT_EQ(s.LordReligion, w.religion);
  EXPECT_EQ(s.FarmingLevel, w.farming);
  EXPECT_EQ(s.TitheDemand, w.tithe);
}

// A normal start (2500 gold, 1000 wood, 350 stone and ore, 6500 grain, 250
// meat, 3500 people, happiness and health 70) whose church and tournament
// screens answer as the lord above would.
class WorkedTurns {
 public:
  WorkedTurns() : ui_(game_) {
    game_.rng = Random::Constant(0.5);
    game_.Difficulty = 2;
    SetStartValues(game_);
    game_.state.Rival1Standing = kFalse;  // the county alone, no rival raids
    ui_.on_open["ReligionFrm"] = [this] {
      if (game_.live.ReligionMode == kTitheQuestion) {
        EXPECT_TRUE(PayTithe(game_).outcome.accepted);
      } else {
        EXPECT_TRUE(RefuseBurning(game_).outcome.accepted);
      }
    };
    ui_.on_open["TournamentFrm"] = [this] { RefuseTournament(game_); };
  }

  Game& game() { return game_; }

  // Plays the turns of `expected` in order: the orders of each turn, its end,
  // and the figures the end leaves.
  void Play(const std::map<int, std::function<void()>>& orders,
            const std::vector<TurnFigures>& expected) {
    for (const TurnFigures& w : expected) {
      const auto it = orders.find(game_.state.Turn);
      if (it != orders.end()) it->second();
      EndTurn(game_);
      ExpectFigures(game_.state, w);
    }
  }

 private:
  Game game_;
  RecordingUi ui_;
};

// The idle county. Its 250 meat are eaten on the first end of turn (3560
// people eat 296), so from then on no tax is paid (taxes need grain and meat
// in store) and only the fort brings gold: 6 % of the people, some 210 to 290
// a turn. Without meat health falls 6 a turn; the grain lasts to turn 8.
//   1st end: tax 175 -> 2675; happiness 70 -2 (tax) = 68, band 50..74 +60
//     people; lord +3 -7 +3 = 67; fort 213 -> 2888; meat 250 -296, grain
//     -890; +5 +3 each; health over 50: happiness +5, people +178 = 3738;
//     autumn's end -2: happiness 78, health 76.
//   5th end: the tithe is Fix(4602 x 40 / 100) = 1840, paid: 3618 -1840
//     +276 = 2054 gold, religion 58, nobility 5 +1 (tithe) +1 (fort) = 7.
//   6th end: health 46 is in the band 31..50: -489 people, happiness -5.
//   8th end: no grain left either: -15 health, down to 23.
//   9th end: health 12 brings the plague (-947 people) and happiness 15 the
//     mob; its 35 and 25 men plunder 30 of gold, grain, wood, stone and ore.
//   10th end: health -5: a quarter (691) and then 35 % (726) of the people
//     die; leadership 34 +1 (nobility 10) +1 (religion).
TEST(WorkedTurnsTest, AnIdleCountyStarvesByTheRules) {
  WorkedTurns county;
  county.Play(
      {},
      {
          // turn season gold wood stone ore grain meat people idle
          // happiness health morale lead. nob. dipl. rel. farming tithe
          {2, 2, 2888, 1000, 350, 350, 5610, 0, 3738, 3738, 78, 76, 25.3f, 26, 2, 51, 55, 1, 500},
          {3, 3, 3116, 1000, 350, 350, 4657, 0, 4003, 4003, 70, 66, 25.42f, 27, 3, 52, 55, 1, 500},
          {4, 4, 3359, 1000, 350, 350, 3642, 0, 4266, 4266, 68, 62, 25.36f, 28, 4, 53, 55, 1, 500},
          {5, 1, 3618, 1000, 350, 350, 2561, 0, 4542, 4542, 69, 60, 25.12f, 29, 5, 54, 55, 1, 500},
          {6, 2, 2054, 1000, 350, 350, 1411, 0, 4832, 4832, 63, 52, 24.7f, 30, 7, 55, 58, 1, 1840},
          {7, 3, 2347, 1000, 350, 350, 188, 0, 4403, 4403, 45, 42, 23.9f, 31, 8, 56, 58, 1, 1840},
          {8, 4, 2607, 1000, 350, 350, 0, 0, 3909, 3909, 46, 38, 22.92f, 32, 8, 57, 55, 1, 1840},
          {9, 1, 2837, 1000, 350, 350, 0, 0, 3849, 3849, 33, 27, 21.96f, 33, 9, 58, 55, 1, 1840},
          {10, 2, 3034, 970, 320, 320, 0, 0, 2842, 2842, 13, 10, 20.82f, 34, 10, 59, 55, 1, 1840},
          {11, 3, 3140, 910, 260, 260, 0, 0, 1350, 1350, 0, 0, 21.7f, 36, 11, 58, 55, 1, 1840},
      });
  EXPECT_TRUE(IsTrue(county.game().state.RebelsActive));
  EXPECT_EQ(county.game().state.RebelStrength, (OneBased<Integer, 2>{70, 50}));
}

// The farming county. Turn 1: crops on fields 1..8 (800 people), two wood
// places (520) and one stone place (300), tax 20 %, research of level 2 (300
// gold, 70 ore). Turn 2: cattle on fields 9 and 10 (90), research of level 3
// (600 gold, 140 ore). Both researches complete at the next end of turn.
//   1st end: tax Int(20 x 3500 / 200) = 350; wood +310, stone +120; level 2
//     brings 150 people, 500 grain, 26 meat, +12 happiness, +6 health.
//   2nd end: level 3 brings 225 people, 750 grain, 39 meat; 39 meat are
//     there when the people sit down, so they eat meat once more (-349).
//   4th end: summer's end, the harvest: at level 3 the birds take
//     Fix(465 x 10 / 100) = 46, each field yields 60 - 46 + 450 = 464, eight
//     fields 3712 grain.
//   5th end: 5015 people is a large county: +22 -375; the tithe
//     Fix(4737 x 40 / 100) = 1894 is paid; winter's beginning brings the two
//     cattle fields' meat, 2 x (15 - 7 + 75) = 166, which no one eats: the
//     meat box went out when the store ran empty.
TEST(WorkedTurnsTest, AFarmingCountyByTheRules) {
  WorkedTurns county;
  Game& game = county.game();
  auto sow = [&](int field, FieldMenuButton use) {
    EXPECT_TRUE(ChooseFieldAction(game, field, use).accepted) << "field " << field;
  };
  auto staff = [&](Works works, int place) {
    EXPECT_TRUE(ToggleWorkPlace(game, works, place).accepted);
  };
  auto research = [&] { EXPECT_TRUE(StartResearch(game).accepted); };
  const std::map<int, std::function<void()>> orders = {
      {1,
       [&] {
         for (int field = 1; field <= 8; ++field) sow(field, FieldMenuButton::Field2Pic);
         staff(Works::Wood, 1);
         staff(Works::Wood, 2);
         staff(Works::Stone, 1);
         EXPECT_TRUE(TaxUp(game).accepted);
         research();
         EXPECT_EQ(game.state.IdlePeople, 3500 - 800 - 520 - 300);
       }},
      {2,
       [&] {
         sow(9, FieldMenuButton::Field3Pic);
         sow(10, FieldMenuButton::Field3Pic);
         research();
       }},
  };
  county.Play(
      orders,
      {
          {2, 2, 2772, 1310, 470, 280, 6073, 0, 3895, 2275, 88, 82, 25.3f, 26, 2, 51, 55, 2, 500},
          {3, 3, 2423, 1620, 590, 140, 5775, 0, 4404, 2694, 100, 92, 25.42f, 27, 3, 52, 55, 3, 500},
          {4, 4, 2691, 1930, 710, 140, 4656, 0, 4702, 2992, 95, 88, 25.36f, 28, 4, 53, 55, 3, 500},
          {5, 1, 2977, 2240, 830, 140, 7174, 0, 5015, 3305, 92, 86, 25.12f, 29, 5, 54, 55, 3, 500},
          {6, 2, 1367, 2550, 950, 140, 5990, 166, 4973, 3263, 83, 78, 24.7f, 30, 7, 55, 58, 3,
           1894},
      });
  EXPECT_EQ(game.state.CropYieldPerField, 464);
  EXPECT_EQ(game.state.CattleYieldPerField, 83);
  EXPECT_FALSE(IsTrue(game.state.EatMeat));
}

}  // namespace
}  // namespace valorne
