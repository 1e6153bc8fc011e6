#include "rivals/diplomacy.h"

#include <gtest/gtest.h>

#include "turn/recording_ui.h"

namespace valorne {
namespace {

using testing::Ids;
using testing::RecordingUi;

// One mission sent to a party with a relation and a treasury; what it leaves.
struct MissionCase {
  const char* name;
  DiploPage page;
  Byte relation;
  Long gold;
  Mission mission;
  bool accepted;
  TextRef hint;
  Byte relation_after;
  Long gold_after;
  Integer diplomacy_after;  // from 40
};

class MissionTest : public ::testing::TestWithParam<MissionCase> {};

TEST_P(MissionTest, PaysAndChangesTheRelationOnlyWhenItGoes) {
  const MissionCase& c = GetParam();
  GameState s;
  s.LordDiplomacy = 40;
  s.Gold = c.gold;
  Relation(s, c.page, 2) = c.relation;
  const Outcome outcome = SendMission(s, c.page, 2, c.mission);
  EXPECT_EQ(outcome.accepted, c.accepted);
  EXPECT_EQ(outcome.hint, c.hint);
  EXPECT_EQ(Relation(s, c.page, 2), c.relation_after);
  EXPECT_EQ(Relation(s, c.page, 1), 0);  // the other party is untouched
  EXPECT_EQ(s.Gold, c.gold_after);
  EXPECT_EQ(s.LordDiplomacy, c.diplomacy_after);
}

constexpr auto R = DiploPage::Rivals;
constexpr auto C = DiploPage::Counties;
constexpr TextRef kNoHint{};
constexpr TextRef kTooPoor{4, 24};

INSTANTIATE_TEST_SUITE_P(
    Missions, MissionTest,
    ::testing::Values(
        MissionCase{"RivalEnvoy", R, 0, 5000, Mission::Envoy, true, kNoHint, 1, 1700, 41},
        MissionCase{"EnvoyWithOneShortOfItsPrice", R, 0, 3299, Mission::Envoy, false,
                    kNotEnoughResources, 0, 3299, 40},
        MissionCase{"SecondEnvoyCostsNothing", R, 1, 5000, Mission::Envoy, false, kNoHint, 1, 5000,
                    40},
        MissionCase{"RivalAmbassadorWithoutEnvoy", R, 0, 9000, Mission::Ambassador, false, kTooPoor,
                    0, 9000, 40},
        MissionCase{"PennilessAmbassadorWithoutEnvoy", R, 0, 0, Mission::Ambassador, false,
                    kTooPoor, 0, 0, 40},
        MissionCase{"RivalAmbassadorAfterEnvoy", R, 1, 3450, Mission::Ambassador, true, kNoHint,
                    100, 0, 40},
        MissionCase{"NoGiftsToARival", R, 1, 9000, Mission::Gift, false, kNoHint, 1, 9000, 40},
        MissionCase{"GiftWithoutEnvoy", C, 0, 9000, Mission::Gift, false, kNoHint, 0, 9000, 40},
        MissionCase{"GiftAfterEnvoy", C, 1, 4700, Mission::Gift, true, kNoHint, 2, 0, 41},
        MissionCase{"NoGiftMakesAnAmbassador", C, 99, 9000, Mission::Gift, false, kNoHint, 99, 9000,
                    40},
        MissionCase{"CountyAmbassadorAfterOneGift", C, 2, 9000, Mission::Ambassador, false,
                    kTooPoor, 2, 9000, 40},
        MissionCase{"CountyAmbassadorAfterTwoGifts", C, 3, 5000, Mission::Ambassador, true, kNoHint,
                    100, 0, 42},
        MissionCase{"SecondAmbassadorCostsNothing", C, 100, 9000, Mission::Ambassador, false,
                    kNoHint, 100, 9000, 40},
        MissionCase{"SpyIsFreeAndChangesNothing", R, 1, 0, Mission::Spy, true, kNoHint, 1, 0, 40}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(WarTest, OneWarAtATime) {
  Game game;
  RecordingUi ui(game);
  GameState& s = game.state;
  ui.answers[10] = false;  // the war on rival 2 is withdrawn
  EXPECT_TRUE(DeclareWar(game, 2).accepted);
  EXPECT_EQ(s.WarCountdown[2], 0);
  ui.answers[9] = true;  // the war on rival 1 is confirmed
  EXPECT_TRUE(DeclareWar(game, 1).accepted);
  EXPECT_EQ(s.WarCountdown[1], 5);
  EXPECT_EQ(Ids(game.reports), std::vector<int>{89});
  const Outcome second = DeclareWar(game, 2);  // while the first runs
  EXPECT_FALSE(second.accepted);
  EXPECT_EQ(second.hint, (TextRef{4, 32}));
  EXPECT_EQ(s.WarCountdown[2], 0);
  EXPECT_EQ(ui.Only("ask"), (std::vector<std::string>{"ask 10/116", "ask 9/116"}));
}

}  // namespace
}  // namespace valorne
