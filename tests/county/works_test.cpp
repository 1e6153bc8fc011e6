#include "county/works.h"

#include <gtest/gtest.h>

#include "county/screen_log_ui.h"

namespace valorne {
namespace {

using county_testing::ScreenLogUi;

const Works kAllWorks[] = {Works::Wood, Works::Stone, Works::Ore};

TEST(Works, TogglingKeepsPlacesWorkersAndPoolInStep) {
  // Wood needs 260 people a place, stone 300, ore 185.
  struct Case {
    Works works;
    Integer people;
  };
  const Case cases[] = {{Works::Wood, 260}, {Works::Stone, 300}, {Works::Ore, 185}};
  // Places pressed in turn; some twice, so they are staffed and freed again.
  const int presses[] = {3, 1, 5, 3, 2, 4, 1, 3, 5, 5, 2};
  for (const Case& c : cases) {
    SCOPED_TRACE(InfoOf(c.works).form);
    Game game;
    SetUpLevelParams(game.params, 2);
    game.state.IdlePeople = 5000;
    OneBased<Byte, 5> expected_places;
    for (int place : presses) {
      EXPECT_TRUE(ToggleWorkPlace(game, c.works, place).accepted);
      expected_places[place] = expected_places[place] == 1 ? 0 : 1;
      const WorksStaff staff = StaffOf(game, c.works);
      int in_use = 0;
      for (Byte p : staff.places) in_use += p;
      EXPECT_EQ(staff.places, expected_places);
      EXPECT_EQ(staff.places_used, in_use);
      EXPECT_EQ(staff.workers, in_use * c.people);
      EXPECT_EQ(game.state.IdlePeople + staff.workers, 5000);
    }
  }
}

TEST(Works, StaffingNeedsAPlacesPeopleFreeingAlwaysWorks) {
  for (Works works : kAllWorks) {
    SCOPED_TRACE(InfoOf(works).form);
    Game game;
    SetUpLevelParams(game.params, 1);
    const Integer people = StaffOf(game, works).people_per_place;

    game.state.IdlePeople = people - 1;
    EXPECT_FALSE(ToggleWorkPlace(game, works, 2).accepted);
    EXPECT_EQ(StaffOf(game, works).places[2], 0);
    EXPECT_EQ(StaffOf(game, works).workers, 0);
    EXPECT_EQ(game.state.IdlePeople, people - 1);
    EXPECT_TRUE(WorksScreenFigures(game, works).AvailableWarning);

    game.state.IdlePeople = people;
    EXPECT_FALSE(WorksScreenFigures(game, works).AvailableWarning);
    EXPECT_TRUE(ToggleWorkPlace(game, works, 2).accepted);
    EXPECT_EQ(game.state.IdlePeople, 0);
    EXPECT_EQ(StaffOf(game, works).places_used, 1);

    // Freeing with nobody idle and nothing in store.
    game.state.WoodStock = game.state.StoneStock = game.state.OreStock = 0;
    EXPECT_TRUE(ToggleWorkPlace(game, works, 2).accepted);
    EXPECT_EQ(game.state.IdlePeople, people);
    EXPECT_EQ(StaffOf(game, works).places_used, 0);
  }
}

TEST(Works, PlaceNumbersOutsideOneToFiveChangeNothing) {
  Game game;
  SetUpLevelParams(game.params, 2);
  game.state.IdlePeople = 5000;
  const GameState before = game.state;
  for (int place : {0, 6, -1, 100}) {
    EXPECT_FALSE(ToggleWorkPlace(game, Works::Wood, place).accepted);
  }
  EXPECT_EQ(game.state, before);
}

TEST(Works, TheThreeWorksShareOneIdlePool) {
  Game game;
  SetUpLevelParams(game.params, 2);
  game.state.IdlePeople = 3 * 185 + 200;  // three ore places leave 200, too few for wood
  for (int place = 1; place <= 3; ++place) {
    EXPECT_TRUE(ToggleWorkPlace(game, Works::Ore, place).accepted);
  }
  EXPECT_EQ(game.state.IdlePeople, 200);
  EXPECT_FALSE(ToggleWorkPlace(game, Works::Wood, 1).accepted);
  EXPECT_TRUE(ToggleWorkPlace(game, Works::Ore, 3).accepted);  // free one ore place
  EXPECT_TRUE(ToggleWorkPlace(game, Works::Wood, 1).accepted);
  EXPECT_EQ(game.state.IdlePeople, 385 - 260);
  EXPECT_EQ(game.state.WoodWorkers, 260);
  EXPECT_EQ(game.state.OreWorkers, 370);
  EXPECT_EQ(game.state.StoneWorkers, 0);
}

TEST(Works, ScreenFiguresByWorksAndDifficulty) {
  struct Case {
    Works works;
    int difficulty;
    int places;
    TextRef title;
    const char* yield;
  };
  const Case cases[] = {
      {Works::Wood, 1, 5, {3, 95}, "+1275"},  {Works::Wood, 3, 5, {3, 95}, "+500"},
      {Works::Wood, 2, 0, {3, 95}, "+0"},     {Works::Stone, 2, 3, {3, 82}, "+360"},
      {Works::Stone, 1, 5, {3, 82}, "+1000"}, {Works::Ore, 2, 2, {3, 60}, "+420"},
      {Works::Ore, 1, 5, {3, 60}, "+1550"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << InfoOf(c.works).form << " difficulty " << c.difficulty
                                      << " places " << c.places);
    Game game;
    SetUpLevelParams(game.params, c.difficulty);
    game.state.IdlePeople = 10000;
    for (int place = 1; place <= c.places; ++place) ToggleWorkPlace(game, c.works, place);
    const WorksFigures f = WorksScreenFigures(game, c.works);
    const WorksStaff staff = StaffOf(game, c.works);
    EXPECT_EQ(f.FrmTitle, c.title);
    EXPECT_EQ(f.Label1, (TextRef{3, 61}));
    EXPECT_EQ(f.Label2, (TextRef{3, 62}));
    EXPECT_EQ(f.Yield, c.yield);
    EXPECT_EQ(f.People, std::to_string(c.places * staff.people_per_place));
    EXPECT_EQ(f.Available, std::to_string(10000 - c.places * staff.people_per_place));
    for (int place = 1; place <= 5; ++place) {
      EXPECT_EQ(f.SlotPictures[place], place <= c.places ? "SlotRes2" : "SlotRes1");
    }
  }
}

TEST(Works, OreWorksStayClosedWhileRivalOneStands) {
  struct Case {
    Works works;
    bool rival_standing;
    bool opens;
    const char* sound;
  };
  const Case cases[] = {
      {Works::Ore, true, false, ""},
      {Works::Ore, false, true, "EnvChanel03 orecutter01.wav"},
      {Works::Wood, true, true, "EnvChanel03 woodcutter01.wav"},
      {Works::Stone, true, true, "EnvChanel03 stonecutter01.wav"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << InfoOf(c.works).form << " rival " << c.rival_standing);
    Game game;
    ScreenLogUi ui(game);
    game.state.Rival1Standing = ToBoolean(c.rival_standing);
    EXPECT_EQ(CanOpenWorks(game, c.works), c.opens);
    EXPECT_EQ(OpenWorks(game, c.works), c.opens);
    if (c.opens) {
      EXPECT_EQ(ui.screens, std::vector<std::string>{std::string(InfoOf(c.works).form)});
      EXPECT_EQ(ui.sounds, std::vector<std::string>{c.sound});
    } else {
      EXPECT_TRUE(ui.screens.empty());
      EXPECT_TRUE(ui.sounds.empty());
    }
  }
}

}  // namespace
}  // namespace valorne
