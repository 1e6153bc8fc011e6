#include <gtest/gtest.h>

#include <utility>

#include "toolkit_fixture.h"

namespace valorne {
namespace {

using testing::ScriptedScreens;

// A map screen with two timers of its own; the script drives virtual time.
struct TimedScreens : ScriptedScreens {
  std::vector<std::string> fired;
  std::string open_from_fast;  // a screen FastTimer opens the first time

  explicit TimedScreens(const std::string& script) : ScriptedScreens(script) {
    registry.Register("Camp1Frm", [this](Game&, Ui& u) {
      auto form = std::make_unique<Form>(u, FormSpec{.name = "Camp1Frm", .size = {100, 100}});
      Form* f = form.get();
      f->AddTimer("FastTimer", 30, true, [this, &u] {
        fired.push_back("Fast@" + std::to_string(u.clock().NowMs()));
        if (!open_from_fast.empty()) u.Open(std::exchange(open_from_fast, ""));
      });
      f->AddTimer("SlowTimer", 45, true,
                  [this, &u] { fired.push_back("Slow@" + std::to_string(u.clock().NowMs())); });
      u.timers().Bind("MapTimer", *f, [this, &u] {
        fired.push_back("Map@" + std::to_string(u.clock().NowMs()));
        u.timer("MapTimer").SetEnabled(false);  // a one-shot, as the level's set-up timer
      });
      return form;
    });
  }
};

TEST(Timers, FireInOrderOfDueTimeOnVirtualTime) {
  TimedScreens s(
      "advance 100\n"
      "quit\n");
  s.ui.timer("MapTimer").SetInterval(45);  // due with SlowTimer; made earlier, so first
  s.ui.timer("MapTimer").SetEnabled(true);
  EXPECT_EQ(s.Run("Camp1Frm"), 0);
  EXPECT_EQ(s.fired, (std::vector<std::string>{"Fast@30", "Map@45", "Slow@45", "Fast@60", "Fast@90",
                                               "Slow@90"}));
  EXPECT_EQ(s.clock.NowMs(), 100);
}

TEST(Timers, TimersStayQuietUntilTimeIsAdvanced) {
  TimedScreens s(
      "show\n"
      "advance 29\n"
      "quit\n");
  EXPECT_EQ(s.Run("Camp1Frm"), 0);
  EXPECT_TRUE(s.fired.empty());
}

TEST(Timers, NewIntervalOrReenablingCountsFromThen) {
  VirtualClock clock;
  Timer t("TimeTimer", clock, 100, true);
  t.SetHandler([] {});
  EXPECT_EQ(t.due(), 100);
  clock.AdvanceTo(70);
  t.SetEnabled(true);  // already on: no restart
  EXPECT_EQ(t.due(), 100);
  t.SetInterval(30000);
  EXPECT_EQ(t.due(), 30070);
  t.SetEnabled(false);
  EXPECT_FALSE(t.Armed());
  clock.AdvanceTo(500);
  t.SetEnabled(true);
  EXPECT_EQ(t.due(), 30500);
  t.SetInterval(0);  // no interval: never fires
  EXPECT_FALSE(t.Armed());
}

TEST(Timers, AHandlerThatOpensAScreenIsNotReentered) {
  TimedScreens s(
      "advance 200\n"  // FastTimer opens TipsFrm at 30 and waits in it
      "advance 100\n"  // inside TipsFrm: the other timers go on, FastTimer does not
      "click TipsFrm.CloseBtn\n"
      "quit\n");
  s.open_from_fast = "TipsFrm";
  EXPECT_EQ(s.Run("Camp1Frm"), 0);
  // Inside TipsFrm time runs to 130 with only SlowTimer firing; when TipsFrm
  // closes, FastTimer is overdue and fires at once, and the first advance
  // goes on to 200.
  EXPECT_EQ(s.fired, (std::vector<std::string>{"Fast@30", "Slow@45", "Slow@90", "Fast@130",
                                               "Slow@135", "Fast@160", "Slow@180", "Fast@190"}));
  EXPECT_EQ(s.clock.NowMs(), 200);
}

TEST(Timers, ClosingAScreenTakesAwayTheTimerHandlersItGave) {
  TimedScreens s("quit\n");
  s.ui.timer("MapTimer").SetInterval(10);
  s.ui.timer("MapTimer").SetEnabled(true);
  EXPECT_EQ(s.Run("Camp1Frm"), 0);
  EXPECT_FALSE(s.ui.timer("MapTimer").has_handler());
  EXPECT_FALSE(s.ui.timer("MapTimer").enabled());
  EXPECT_EQ(s.ui.NextTimer(), nullptr);
  EXPECT_THROW(s.ui.timer("NoSuchTimer"), ToolkitError);
}

TEST(Timers, AScreenMadeButNeverShownLeavesNoHandlerBehind) {
  testing::Screens s;
  {
    Form unseen(s.ui, {.name = "ArmyFrm", .size = {10, 10}});
    s.ui.timers().Bind("ArmyTimer", unseen, [] {});
    s.ui.timer("ArmyTimer").SetInterval(5);
    s.ui.timer("ArmyTimer").SetEnabled(true);
    EXPECT_EQ(s.ui.NextTimer(), &s.ui.timer("ArmyTimer"));
  }
  EXPECT_FALSE(s.ui.timer("ArmyTimer").has_handler());
  EXPECT_EQ(s.ui.NextTimer(), nullptr);
}

}  // namespace
}  // namespace valorne
