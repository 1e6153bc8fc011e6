// A battle through the screens, with the test in the battle program's place:
// the level writes the battle's files and starts the program, the poll waits
// for the status file, and the results screen or the message box follows.
#include <gtest/gtest.h>

#include "military/battle_exchange.h"
#include "military/battle_start.h"
#include "military/military_screens.h"
#include "screens/toolkit/toolkit_fixture.h"
#include "state/start_values.h"
#include "support/temp_dir.h"

namespace valorne {
namespace {

struct BattleScreens : testing::Screens {
  testing::TempDir dir;
  BattleScreens() {
    RegisterMilitaryScreens(registry);
    game.texts.ReadAll(VALORNE_GAME_DIR);
    game.rng = Random::Constant(0.5);
    SetStartValues(game);
    game.AppPath = dir.path();
    game.display.FadesOff = kTrue;
    // Army 1 before outlaw band 1.
    game.state.ArmyWaypointNos[1] = 24;
    game.state.SelectedArmy = 1;
    game.live.BattleTarget = 1;
  }
  void Advance(std::int64_t ms) {
    const std::int64_t until = clock.NowMs() + ms;
    while (Timer* next = ui.NextTimer()) {
      if (next->due() > until) break;
      clock.AdvanceTo(next->due());
      next->Fire();
    }
    clock.AdvanceTo(until);
  }
  void Step(std::function<void()> step) { steps.steps.push_back(std::move(step)); }
  void ClickTop(const std::string& control) {
    Step([this, control] { ui.ClickOn(*ui.top(), &(*ui.top())[control], MouseButton::Left); });
  }
  bool Exists(const char* name) const { return std::filesystem::exists(dir / name); }
};

TEST(BattleFlowTest, TheResultsFollowTheFinishedBattle) {
  BattleScreens b;
  StartBattle(b.game, kFieldBattleMode);
  ASSERT_TRUE(b.Exists("Fight_in.rx"));
  ASSERT_EQ(b.services.started.size(), 1u);
  EXPECT_EQ(b.services.started[0].filename(), "battledata.rx");
  // Still fighting: the poll waits.
  b.Advance(1000);
  EXPECT_TRUE(b.game.live.BattleRunning);

  BattleOutput out{1, 60, 900, {}};
  out.sides.push_back({false, {90, 100, 100, 100, 100, 300, 100, 0, 50, 50, 5, 0, 0, 5}});
  out.sides.push_back({true, {}});
  ASSERT_TRUE(WriteFightOut(b.dir.path(), out).ok());
  ASSERT_TRUE(WriteFightStatus(b.dir.path(), kFightStatusFinished).ok());
  b.Step([&] {
    ASSERT_EQ(b.ui.top()->name(), "ResultsFrm");
    const Form& r = *b.ui.top();
    EXPECT_EQ(r["TitleLbl"].Text(), b.game.texts.Utf8({4, 48}));
    EXPECT_EQ(r["WeDeathLbl"].Text(), "60");
    EXPECT_EQ(r["EnemyDeathLbl"].Text(), "900");
    EXPECT_EQ(r.At("SoldierLbl", 2).Text(), "90");   // archers left
    EXPECT_EQ(r.At("PlunderLbl", 1).Text(), "250");  // wood
    EXPECT_EQ(b.sound.played().back(), "EnvChanel01: victory.wav");
  });
  b.ClickTop("OkAniBtn");
  b.Advance(300);
  const GameState& s = b.game.state;
  EXPECT_FALSE(IsTrue(s.GoalFlags[1]));
  EXPECT_EQ(s.ArmySoldiers[1].Archers, 90);
  EXPECT_EQ(s.Outlaws.Band(1).Total(), 0);
  EXPECT_FALSE(b.Exists("Fight_in.rx"));
  EXPECT_FALSE(b.Exists("Fight_out.rx"));
  EXPECT_EQ(testing::ReadText(b.dir / "fight_status.rx"), "0\r\n");
  EXPECT_FALSE(b.game.live.BattleRunning);
  EXPECT_FALSE(b.ui.timer("BattleTimer").enabled());
}

// A battle program that cannot be started, or that ends without finishing:
// the message box, the exchange files gone, nothing changed.
TEST(BattleFlowTest, AFailedBattleProgramChangesNothing) {
  for (bool start_fails : {true, false}) {
    BattleScreens b;
    b.services.watched_start_fails = start_fails;
    b.services.watched_running = false;
    const GameState before = b.game.state;
    b.Step([&] {
      ASSERT_EQ(b.ui.top()->name(), "MsgBoxFrm");
      EXPECT_EQ(b.ui.message().id, 127);
    });
    b.ClickTop("OkAniBtn");
    StartBattle(b.game, kFieldBattleMode);
    b.Advance(1000);
    EXPECT_TRUE(b.steps.steps.empty()) << start_fails;
    GameState after = b.game.state;
    EXPECT_EQ(after, before) << start_fails;
    EXPECT_FALSE(b.Exists("Fight_in.rx"));
    EXPECT_EQ(testing::ReadText(b.dir / "fight_status.rx"), "0\r\n");
    EXPECT_FALSE(b.game.live.BattleRunning);
  }
}

}  // namespace
}  // namespace valorne
