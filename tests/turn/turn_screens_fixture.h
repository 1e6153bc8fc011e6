// The screens of the end of turn and of the church on a fresh game: the
// game's own texts, every screen of the two groups registered, and steps
// that act as the player would (click a control of the top screen, let time
// pass) or look at the screens while they are open.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "county/church_screens.h"
#include "screens/toolkit/form_checks.h"
#include "screens/toolkit/toolkit_fixture.h"
#include "turn/turn_screens.h"

namespace valorne::testing {

struct TurnScreens : Screens {
  TurnScreens() {
    RegisterTurnScreens(registry);
    RegisterChurchScreens(registry);
    game.texts.ReadAll(VALORNE_GAME_DIR);
    game.AppPath = VALORNE_GAME_DIR;
  }

  // The player clicks a control of the top screen; the click must reach it.
  void Click(const std::string& control) {
    steps.steps.push_back([this, control] {
      Form* top = ui.top();
      ASSERT_NE(top, nullptr) << "no screen is open to click " << control;
      EXPECT_TRUE(ui.ClickOn(*top, &(*top)[control], MouseButton::Left))
          << top->name() << "." << control << " cannot be clicked";
    });
  }
  void ClickTimes(const std::string& control, int times) {
    for (int i = 0; i < times; ++i) Click(control);
  }
  // Time passes; the timers due meanwhile fire in order.
  void Advance(std::int64_t ms) {
    steps.steps.push_back([this, ms] { AdvanceNow(ms); });
  }
  void AdvanceNow(std::int64_t ms) {
    const std::int64_t until = clock.NowMs() + ms;
    while (!ui.ending()) {
      Timer* next = ui.NextTimer();
      if (!next || next->due() > until) break;
      clock.AdvanceTo(next->due());
      next->Fire();
    }
    clock.AdvanceTo(until);
  }
  // Looks at the open screens without acting.
  void Then(std::function<void()> look) { steps.steps.push_back(std::move(look)); }

  Form& Top() const { return *ui.top(); }
  std::string TopName() const { return ui.top() ? ui.top()->name() : std::string(); }
  std::string Text(const std::string& control) const { return Top()[control].Text(); }
  std::string GameText(int category, int id) const {
    return game.texts.Utf8({static_cast<std::uint8_t>(category), static_cast<std::int16_t>(id)});
  }
  // The sounds played so far, "channel: file".
  std::vector<std::string> Sounds() const { return sound.played(); }

  // The screen-table check of every registered screen, with the game's
  // pictures and texts.
  std::vector<std::string> CheckScreens() {
    FormCheckOptions options;
    options.picture_exists = PicturesIn(VALORNE_GAME_DIR);
    options.texts = &game.texts;
    return CheckRegisteredScreens(registry, game, ui, options);
  }
};

}  // namespace valorne::testing
