#include "county/fields.h"

#include <gtest/gtest.h>

#include <optional>

namespace valorne {
namespace {

// A county of normal difficulty: 100 people per crops field, 45 per cattle
// field.
void SetUpNormalFields(Game& game) {
  game.Difficulty = 2;
  SetUpLevelParams(game.params, 2);
  game.state.VillageStates = {200, 100, 100};
  game.state.WindmillStates = {200, 100, 100};
}

struct Counts {
  Long idle;
  Integer crops, cattle;
  Byte leased;
  friend bool operator==(const Counts&, const Counts&) = default;
};

Counts CountsOf(const GameState& s) {
  return {s.IdlePeople, s.CropsWorkers, s.CattleWorkers, s.LeasedFields};
}

TEST(Fields, SetWorkersMovesPeopleOnlyForTheKnownChanges) {
  struct Move {
    Byte from, to;
    Counts change;
  };
  // Wc = 100, Wk = 45.
  const Move moves[] = {
      {0, 1, {-100, 100, 0, 0}}, {0, 2, {-45, 0, 45, 0}},     {0, 4, {0, 0, 0, 1}},
      {1, 0, {100, -100, 0, 0}}, {1, 2, {55, -100, 45, 0}},   {1, 4, {100, -100, 0, 1}},
      {2, 0, {45, 0, -45, 0}},   {2, 1, {-55, 100, -45, 0}},  {2, 4, {45, 0, -45, 1}},
      {3, 1, {-100, 100, 0, 0}}, {3, 2, {-45, 0, 45, 0}},     {3, 4, {0, 0, 0, 1}},
      {4, 0, {0, 0, 0, 255}},    {4, 1, {-100, 100, 0, 255}}, {4, 2, {-45, 0, 45, 255}},
      {4, 3, {0, 0, 0, 255}},
  };
  const Counts start{1000, 300, 90, 2};
  for (int from = 0; from <= 5; ++from) {
    for (int to = 0; to <= 5; ++to) {
      SCOPED_TRACE(::testing::Message() << from << " -> " << to);
      std::optional<Counts> change;
      for (const Move& m : moves) {
        if (m.from == from && m.to == to) change = m.change;
      }
      Game game;
      SetUpNormalFields(game);
      GameState& s = game.state;
      s.IdlePeople = start.idle;
      s.CropsWorkers = start.crops;
      s.CattleWorkers = start.cattle;
      s.LeasedFields = start.leased;
      s.FieldStates[7] = static_cast<Byte>(from);
      SetWorkers(game, 7, static_cast<Byte>(to));
      Counts expected = start;
      if (change) {
        expected.idle += change->idle;
        expected.crops = static_cast<Integer>(expected.crops + change->crops);
        expected.cattle = static_cast<Integer>(expected.cattle + change->cattle);
        expected.leased = static_cast<Byte>(expected.leased + change->leased);
      }
      EXPECT_EQ(CountsOf(s), expected);
      EXPECT_EQ(s.FieldStates[7], from) << "SetWorkers leaves the state to SetField";
      EXPECT_EQ(game.live.SelectedField, 7);
    }
  }
}

TEST(Fields, LeasedFieldsWrapAsAByte) {
  Game game;
  SetUpNormalFields(game);
  game.state.FieldStates[1] = FieldHire;
  SetWorkers(game, 1, FieldEmpty);
  EXPECT_EQ(game.state.LeasedFields, 255);
  game.state.FieldStates[2] = FieldEmpty;
  SetWorkers(game, 2, FieldHire);
  EXPECT_EQ(game.state.LeasedFields, 0);
}

TEST(Fields, SetFieldWritesStateAndPicture) {
  struct Case {
    Byte state;
    const char* picture;
  };
  const Case cases[] = {
      {0, "EmptyRes"}, {1, "CropsRes1"}, {2, "CattleRes"}, {3, "FloodRes"}, {4, "HireRes"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picture);
    Game game;
    game.live.CropsPicture = kCropsRes3;  // a new crops field still starts green
    game.state.FieldStates[10] = 4;
    SetField(game, 10, c.state);
    EXPECT_EQ(game.state.FieldStates[10], c.state);
    EXPECT_EQ(game.live.FieldPictures[10], c.picture);
  }
}

TEST(Fields, SetFieldIgnoresNoStateAndNoField) {
  Game game;
  game.state.FieldStates[3] = FieldCattle;
  game.live.FieldPictures[3] = kCattleRes;
  for (int bad_state : {5, 200, 255}) {
    SetField(game, 3, static_cast<Byte>(bad_state));
    EXPECT_EQ(game.state.FieldStates[3], FieldCattle);
    EXPECT_EQ(game.live.FieldPictures[3], kCattleRes);
  }
  const GameState before = game.state;
  for (int bad_field : {0, -1, 11, 1000}) {
    SetWorkers(game, bad_field, FieldCrops);
    SetField(game, bad_field, FieldCrops);
  }
  EXPECT_EQ(game.state, before);
}

TEST(Fields, YieldsByDifficultyLevelAndDamage) {
  struct Case {
    int difficulty, level;
    bool village_intact, windmill_intact;
    int birds, wolves;
    Integer crops, cattle;
  };
  const Case cases[] = {
      {2, 0, true, true, 90, 15, 360, 60},
      {2, 0, false, false, 90, 15, 39, 33},  // a fifth of 55 %
      {3, 0, false, true, 80, 11, 176, 24},
      {1, 0, true, true, 110, 24, 440, 96},
      {1, 1, true, true, 111, 24, 459, 101},
      {3, 2, true, true, 41, 5, 399, 60},  // losses fall to a tenth
      {2, 3, true, true, 46, 7, 464, 83},
      {2, 4, true, true, 23, 0, 507, 95},  // no more wolves
      {3, 7, true, true, 21, 0, 519, 90},
      {2, 10, true, false, 25, 0, 125, 125},
      // 720 x 55 passes the 16-bit range and wraps below zero.
      {1, 10, false, true, 30, 0, -259, 93},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "difficulty " << c.difficulty << " level " << c.level << " village "
                 << c.village_intact << " windmill " << c.windmill_intact);
    Game game;
    SetUpLevelParams(game.params, c.difficulty);
    GameState& s = game.state;
    s.FarmingLevel = static_cast<Byte>(c.level);
    s.VillageStates[1] = c.village_intact ? 200 : 4;
    s.WindmillStates[1] = c.windmill_intact ? 200 : 2;
    s.Season = 3;
    CalcFood(game);
    EXPECT_EQ(s.BirdsLoss, c.birds);
    EXPECT_EQ(s.WolvesLoss, c.wolves);
    EXPECT_EQ(s.CropYieldPerField, c.crops);
    EXPECT_EQ(s.CattleYieldPerField, c.cattle);
  }
}

TEST(Fields, HarvestAndPicturesBySeason) {
  struct Case {
    Byte season;
    Long grain, meat;
    const char* crops_picture;
  };
  // Three crops fields of 360 and two cattle fields of 60.
  const Case cases[] = {{1, 1000 + 3 * 360, 500, "CropsRes1"},
                        {2, 1000, 500 + 2 * 60, "CropsRes2"},
                        {3, 1000, 500, "CropsRes3"},
                        {4, 1000, 500, "CropsRes4"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "season " << int{c.season});
    Game game;
    SetUpNormalFields(game);
    GameState& s = game.state;
    s.FieldStates = {1, 1, 2, 0, 3, 4, 1, 2, 0, 0};
    RestoreFieldPictures(game);
    s.Season = c.season;
    s.GrainStock = 1000;
    s.MeatStock = 500;
    CalcFood(game);
    EXPECT_EQ(s.GrainStock, c.grain);
    EXPECT_EQ(s.MeatStock, c.meat);
    EXPECT_EQ(game.live.CropsPicture, c.crops_picture);
    for (int field : {1, 2, 7}) EXPECT_EQ(game.live.FieldPictures[field], c.crops_picture);
    EXPECT_EQ(game.live.FieldPictures[3], kCattleRes);
    EXPECT_EQ(game.live.FieldPictures[5], kFloodRes);
    EXPECT_EQ(game.live.FieldPictures[6], kHireRes);
    EXPECT_EQ(game.live.FieldPictures[9], kEmptyRes);
  }
}

TEST(Fields, CropsSownInSpringAreReapedAfterFourTurns) {
  Game game;
  SetUpNormalFields(game);
  GameState& s = game.state;
  s.Season = 1;
  s.IdlePeople = 500;
  SetWorkers(game, 4, FieldCrops);
  SetField(game, 4, FieldCrops);
  std::vector<Long> grain;
  for (Byte season : {2, 3, 4, 1, 2}) {
    s.Season = season;
    CalcFood(game);
    grain.push_back(s.GrainStock);
  }
  EXPECT_EQ(grain, (std::vector<Long>{0, 0, 0, 360, 360}));
}

TEST(Fields, RestoredPicturesFollowTheSeason) {
  Game game;
  game.state.Season = 2;
  game.state.FieldStates = {1, 2, 3, 4, 0, 0, 0, 0, 0, 1};
  RestoreFieldPictures(game);
  EXPECT_EQ(game.live.FieldPictures[1], kCropsRes2);
  EXPECT_EQ(game.live.FieldPictures[10], kCropsRes2);
  EXPECT_EQ(game.live.FieldPictures[2], kCattleRes);
  EXPECT_EQ(game.live.FieldPictures[3], kFloodRes);
  EXPECT_EQ(game.live.FieldPictures[4], kHireRes);
  EXPECT_EQ(game.live.FieldPictures[5], kEmptyRes);
}

TEST(Fields, MapCountersCountLeasedAndFloodedAsEmpty) {
  struct Case {
    Integer crops_workers, cattle_workers;
    Byte leased;
    Long empty, crops, cattle, hire;
  };
  const Case cases[] = {
      {0, 0, 0, 10, 0, 0, 0},     {300, 90, 2, 5, 3, 2, 2},
      {1000, 0, 0, 0, 10, 0, 0},  {150, 89, 1, 8, 1, 1, 1},  // part fields truncate
      {-150, 0, 0, 11, -1, 0, 0},                            // below zero: truncated toward zero
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.crops_workers << " on crops, " << c.cattle_workers << " on cattle");
    Game game;
    SetUpNormalFields(game);
    game.state.CropsWorkers = c.crops_workers;
    game.state.CattleWorkers = c.cattle_workers;
    game.state.LeasedFields = c.leased;
    EXPECT_EQ(CEmptyLblValue(game), c.empty);
    EXPECT_EQ(CCropsLblValue(game), c.crops);
    EXPECT_EQ(CCattleLblValue(game), c.cattle);
    EXPECT_EQ(CHireLblValue(game), c.hire);
  }
}

TEST(Fields, CountersWithoutLevelTablesCountNothing) {
  Game game;  // no difficulty set up: no people per field
  game.state.CropsWorkers = 300;
  EXPECT_EQ(CCropsLblValue(game), 0);
  EXPECT_EQ(CEmptyLblValue(game), 10);
}

}  // namespace
}  // namespace valorne
