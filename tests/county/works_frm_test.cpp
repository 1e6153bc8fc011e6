#include "county/works_frm.h"

#include <gtest/gtest.h>

#include "county/county_frm_fixture.h"
#include "screens/toolkit/page_look.h"
#include "county/works.h"
#include "screens/toolkit/look.h"

namespace valorne {
namespace {

using county_testing::CountyScreens;

std::string Slots(const Form& f) {
  std::string pictures;
  for (int place = 1; place <= kWorkPlaces; ++place) {
    pictures += f["SlotImg" + std::to_string(place)].picture() == kSlotInUse ? 'X' : '.';
  }
  return pictures;
}

TEST(WorksFrm, PlacesAreStaffedAndFreedFromTheIdlePool) {
  // Difficulty 2: people and yield of one place.
  struct Case {
    Works works;
    const char* title;
    const char* yield_label;
    int people;
    int yield;
  };
  const Case cases[] = {
      {Works::Wood, "Woodcutters", "WoodLbl", 260, 155},
      {Works::Stone, "Stone quarry", "StoneLbl", 300, 120},
      {Works::Ore, "Ore mine", "OreLbl", 185, 210},
  };
  for (const Case& c : cases) {
    const std::string form = std::string(InfoOf(c.works).form);
    SCOPED_TRACE(form);
    CountyScreens s;
    s.game.state.Rival1Standing = kFalse;
    // Enough idle people for four places and a half.
    const int idle = 4 * c.people + c.people / 2;
    s.game.state.IdlePeople = idle;
    auto expect_figures = [&](const Form& f, int places, const char* pictures) {
      EXPECT_EQ(CountyScreens::Label(f, "AvailableLbl"), std::to_string(idle - places * c.people));
      EXPECT_EQ(CountyScreens::Label(f, "PeopleLbl"), std::to_string(places * c.people));
      EXPECT_EQ(CountyScreens::Label(f, c.yield_label), "+" + std::to_string(places * c.yield));
      EXPECT_EQ(Slots(f), pictures);
    };
    s.Play(form, [&](Form& f) {
      EXPECT_EQ(CountyScreens::Label(f, "FrmTitleLbl"), c.title);
      EXPECT_EQ(CountyScreens::Label(f, "RUNA_Label1"), "Work places");
      expect_figures(f, 0, ".....");
      // Any button staffs a place, in any order.
      s.Click(f, "SlotImg2");
      expect_figures(f, 1, ".X...");
      s.Click(f, "SlotImg5", MouseButton::Right);
      s.Click(f, "SlotImg1", MouseButton::Middle);
      s.Click(f, "SlotImg4");
      expect_figures(f, 4, "XX.XX");
      EXPECT_EQ(f["AvailableLbl"].fore(), page_look::kWarningInk);
      // Half a place's people are idle: the last place stays free.
      s.Click(f, "SlotImg3");
      expect_figures(f, 4, "XX.XX");
      // Freeing a place gives its people back, and the last place can be
      // staffed now.
      s.Click(f, "SlotImg1", MouseButton::Right);
      expect_figures(f, 3, ".X.XX");
      EXPECT_EQ(f["AvailableLbl"].fore(), look::kInk);
      s.Click(f, "SlotImg3");
      expect_figures(f, 4, ".XXXX");
    });
    const WorksStaff staff = StaffOf(s.game, c.works);
    EXPECT_EQ(staff.places_used, 4);
    EXPECT_EQ(staff.workers, 4 * c.people);
    EXPECT_EQ(staff.places[1], 0);
    EXPECT_EQ(staff.places[3], 1);
    EXPECT_EQ(s.game.state.IdlePeople, c.people / 2);
    // Every press clicks, the refused one too.
    EXPECT_EQ(s.sound.played(), std::vector<std::string>(7, "ClickChanel01: click01.wav"));
  }
}

TEST(WorksFrm, PressesAreSilentWithTheSoundOff) {
  CountyScreens s;
  s.game.SoundOn = false;
  s.game.state.IdlePeople = 1000;
  s.Play("WoodFrm", [&](Form& f) { s.Click(f, "SlotImg1"); });
  EXPECT_EQ(s.game.state.WoodSlots[1], 1);
  EXPECT_TRUE(s.sound.played().empty());
}

TEST(WorksFrm, TheOreMineOpensOnlyOnceRivalOneHasFallen) {
  CountyScreens s;
  s.game.state.Rival1Standing = kTrue;
  EXPECT_FALSE(OpenWorks(s.game, Works::Ore));
  EXPECT_TRUE(s.sound.played().empty());

  s.game.state.Rival1Standing = kFalse;
  std::string opened;
  s.steps.steps.push_back([&] { opened = s.ui.top()->name(); });
  s.steps.steps.push_back([&] { s.Click(*s.ui.top(), "OkAniBtn"); });
  EXPECT_TRUE(OpenWorks(s.game, Works::Ore));
  EXPECT_EQ(opened, "OreFrm");
  EXPECT_EQ(s.sound.played(), std::vector<std::string>{"EnvChanel03: orecutter01.wav"});
}

}  // namespace
}  // namespace valorne
