// Two hundred ends of turn of an idle player beside both rival counties, at
// each difficulty: the rivals' values stay in their ranges after every turn,
// and their raids, losses, musters, war and march come on their own turns.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "rivals/rivals_fixture.h"
#include "turn/end_turn.h"

namespace valorne {
namespace {

using testing::Ids;
using testing::RecordingUi;

int Count(const MessageList& list, int id) {
  const std::vector<int> ids = Ids(list);
  return static_cast<int>(std::count(ids.begin(), ids.end(), id));
}

void ExpectInRange(const GameState& s, int turn) {
  for (int county = 1; county <= 2; ++county) {
    const RivalCounty& r = s.Rivals[county];
    for (Integer a : {r.Leadership, r.Nobility, r.Diplomacy, r.Religion}) {
      EXPECT_TRUE(a >= 0 && a <= 100) << "county " << county << " turn " << turn;
    }
    EXPECT_TRUE(r.Morale >= -100 && r.Morale <= 100) << "county " << county << " turn " << turn;
    EXPECT_TRUE(r.Happiness >= 0 && r.Happiness <= 100) << "county " << county << " turn " << turn;
    EXPECT_TRUE(r.People >= 0 && r.People <= 5000) << "county " << county << " turn " << turn;
  }
  for (Long stock :
       {s.Gold, s.WoodStock, s.StoneStock, s.OreStock, s.GrainStock, s.MeatStock, s.Population}) {
    EXPECT_GE(stock, 0) << "turn " << turn;
  }
  EXPECT_TRUE(s.Happiness >= 0 && s.Happiness <= 100) << "turn " << turn;
  EXPECT_TRUE(s.Health >= 0 && s.Health <= 100) << "turn " << turn;
  EXPECT_TRUE(s.Morale >= -100 && s.Morale <= 100) << "turn " << turn;
}

TEST(RivalsLongGameTest, TwoHundredTurnsAtEachDifficulty) {
  const std::multiset<int> kMusters1 = {12, 22, 35, 60, 95, 28};
  const std::multiset<int> kMusters2 = {9, 16, 40, 72, 95, 15, 25, 46, 50, 78, 89, 130};
  for (Byte difficulty : {1, 2, 3}) {
    Game game;
    game.rng = Random::Seeded(difficulty);
    game.Difficulty = difficulty;
    SetStartValues(game);
    RecordingUi ui(game);
    GameState& s = game.state;
    s.Rival2Standing = kTrue;
    s.RivalStance = {100, 100};  // ambassadors at both courts hear of every muster
    game.options.ClearMessagesOption = kTrue;
    int lost_on = 0;
    for (int end = 1; end <= 200; ++end) {
      const std::size_t asked = ui.Only("ask 23").size();
      EndTurn(game);
      const int t = s.Turn;
      ExpectInRange(s, t);
      if (lost_on == 0 && !IsTrue(s.PlayerUndefeated)) lost_on = t;
      if (game.reports.count < 8) {
        EXPECT_EQ(Count(game.reports, 101) > 0, t % 3 == 0) << "raid, turn " << t;
        EXPECT_EQ(Count(game.reports, 102) > 0, t % 6 == 0) << "loss, turn " << t;
        EXPECT_EQ(Count(game.reports, 88),
                  static_cast<int>(kMusters1.count(t) + kMusters2.count(t)))
            << "musters, turn " << t;
      }
      if (game.news.count < 8) {
        EXPECT_EQ(Count(game.news, 101) > 0, t % 5 == 0) << "county 2's raid, turn " << t;
        EXPECT_EQ(Count(game.news, 102) > 0, t % 8 == 0) << "county 2's loss, turn " << t;
      }
      if (end == 11) {  // turn 12: county 1's first muster
        EXPECT_EQ(s.CampArmies[1].Archers, 240);
        EXPECT_EQ(s.CampArmies[1].Total(), 690);
      }
      if (end == 8) {
        EXPECT_EQ(s.CampArmies[4].Total(), 690) << "county 2's first muster";
      }
      if (end == 32) {  // turn 33: county 1 declares war itself
        EXPECT_EQ(Count(game.reports, 89), 1);
        EXPECT_EQ(s.WarCountdown[1], 4);
      }
      // The war ends on turn 37 and the army sets out three turns later.
      const bool march = ui.Only("ask 23").size() > asked;
      EXPECT_EQ(march, end == 39) << "march, turn " << t;
      if (end == 39) {
        EXPECT_EQ(s.Rivals[1].CampStates[2], 2);
      }
    }
    // The lord fell to county 1's assassins on turn 24, the first of their
    // strikes at him that the guard of level 1 could not stop.
    EXPECT_EQ(lost_on, 24) << "difficulty " << int{difficulty};
    EXPECT_EQ(ui.Only("ask 22").front(), "ask 22/93");
    EXPECT_EQ(ui.Only("open TipsFrm").size(), 1u) << "difficulty " << int{difficulty};
  }
}

}  // namespace
}  // namespace valorne
