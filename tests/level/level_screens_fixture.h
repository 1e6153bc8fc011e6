// The level's screens as the player meets them: a game in a scratch folder
// with the game's own texts, the level's screens registered, and a queue of
// the player's actions that the open screens take one at a time.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "level/level_screens.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/toolkit_fixture.h"
#include "state/start_values.h"
#include "support/temp_dir.h"

namespace valorne::testing {

struct LevelScreens : Screens {
  TempDir dir;

  LevelScreens() {
    game.AppPath = dir.path();
    game.texts.ReadAll(VALORNE_GAME_DIR);
    game.rng = Random::Constant(0.5);
    SetStartValues(game);
    RegisterLevelScreens(registry);
  }

  std::filesystem::path SaveFile(const std::string& name) const {
    return dir.path() / "Save Game" / (name + ".s9_");
  }

  Form& Top() const {
    if (!ui.top()) throw std::runtime_error("no screen is open");
    return *ui.top();
  }
  std::string TopName() const { return ui.top() ? ui.top()->name() : ""; }
  std::string Read(const std::string& control) const { return Top()[control].Text(); }

  // --- The player's actions, taken when the screens ask for input ---
  void Then(std::function<void()> step) { steps.steps.push_back(std::move(step)); }
  void Click(const std::string& control) {
    Then([this, control] {
      Form& form = Top();
      EXPECT_TRUE(ui.ClickOn(form, &form[control], MouseButton::Left))
          << form.name() << "." << control << " takes no click";
    });
  }
  void Type(const std::string& box, const std::string& text) {
    Then([this, box, text] {
      Form& form = Top();
      form.SetFocus(&form[box]);
      form.Get<TextBox>(box).Type(text);
    });
  }
  // Presses and releases a key on the top screen.
  void Key(const std::string& name) {
    Then([this, name] {
      ui.Key(name, true);
      ui.Key(name, false);
    });
  }
  // Clicks the entry of a list that reads `entry`.
  void Choose(const std::string& list, const std::string& entry) {
    Then([this, list, entry] {
      Form& form = Top();
      auto& box = form.Get<ListBox>(list);
      for (int i = 0; i < box.ListCount(); ++i) {
        if (box.List(i) == entry) {
          box.SetListIndex(i);
          ui.ClickOn(form, &box, MouseButton::Left);
          return;
        }
      }
      ADD_FAILURE() << list << " shows no entry " << entry;
    });
  }
  // The message box shows `text` and is closed with its OK button.
  void CloseMessage(TextRef text) {
    Then([this, text] {
      EXPECT_EQ(TopName(), "MsgBoxFrm");
      EXPECT_EQ(ui.message(), text);
      Form& box = Top();
      ui.ClickOn(box, &box["OkAniBtn"], MouseButton::Left);
    });
  }
  // Looks at the screens without acting.
  void Look(std::function<void()> check) {
    Then([this, check] {
      check();
      // A look takes no turn of its own: the next action runs at once.
      if (!steps.steps.empty()) steps.Pump();
    });
  }

  // Opens `form` and feeds it the queued actions; every action must be used.
  void Run(std::string_view form) {
    ui.Open(form);
    EXPECT_TRUE(steps.steps.empty()) << steps.steps.size() << " actions were left over";
    steps.steps.clear();
  }
};

}  // namespace valorne::testing
