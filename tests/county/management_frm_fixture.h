// The management screens as the player meets them: a normal start (every
// draw 0.5, normal difficulty) with the game's own English texts, the
// management screens registered, and a queue of the player's actions that the
// open screens take one at a time.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>

#include "../../tools/make_art/asset_names.h"
#include "county/management_screens.h"
#include "screens/toolkit/form_checks.h"
#include "screens/toolkit/toolkit_fixture.h"
#include "state/start_values.h"

namespace valorne::testing {

// Reads the readable text sources ("ID<TAB>text", "\n" a line break) of the
// five categories into `texts`, so the tests need no built game folder.
inline void ReadTextSources(TextTables& texts) {
  const std::pair<const char*, int> files[] = {
      {"campaign", 1}, {"missions", 2}, {"captions", 3}, {"campaign1", 4}, {"levels", 5}};
  for (const auto& [name, category] : files) {
    const std::filesystem::path path =
        std::filesystem::path(VALORNE_SOURCE_DIR) / "data" / "texts" / (std::string(name) + ".txt");
    std::ifstream in(path);
    ASSERT_TRUE(in) << "cannot read " << path;
    std::string line;
    while (std::getline(in, line)) {
      const std::size_t tab = line.find('\t');
      if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
      std::string text;
      for (std::size_t i = tab + 1; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
          text += line[i + 1] == 'n' ? '\n' : line[i + 1];
          ++i;
        } else {
          text += line[i];
        }
      }
      texts.Category(category).Set(std::stoi(line.substr(0, tab)), Utf8ToGlyphs(text));
    }
  }
}

// Whether our data set has a picture of that name.
inline bool DataSetHasPicture(std::string_view name) {
  for (const assets::Asset& a : assets::kAssets) {
    if (a.kind == assets::Kind::kPicture && a.name == name) return true;
  }
  return false;
}

struct ManageScreens : Screens {
  explicit ManageScreens(double rnd = 0.5) {
    game.rng = Random::Constant(rnd);
    game.Difficulty = 2;
    SetStartValues(game);
    ReadTextSources(game.texts);
    RegisterManagementScreens(registry);
  }

  std::string Words(TextRef ref) const { return game.texts.Utf8(ref); }

  Form& Top() const {
    if (!ui.top()) throw std::runtime_error("no screen is open");
    return *ui.top();
  }
  std::string TopName() const { return ui.top() ? ui.top()->name() : ""; }
  std::string Read(std::string_view control) const { return Top()[control].Text(); }
  bool Shown(std::string_view control) const { return Top()[control].visible(); }
  bool Enabled(std::string_view control) const { return Top()[control].enabled(); }

  // Lets time pass: the timers that fall due fire in their order.
  void AdvanceNow(int ms) {
    const std::int64_t until = clock.NowMs() + ms;
    while (Timer* next = ui.NextTimer()) {
      if (next->due() > until) break;
      clock.AdvanceTo(next->due());
      next->Fire();
    }
    clock.AdvanceTo(until);
  }

  // --- The player's actions, taken when the screens ask for input ---
  void Then(std::function<void()> step) { steps.steps.push_back(std::move(step)); }
  void Click(const std::string& control) {
    Then([this, control] {
      Form& form = Top();
      EXPECT_TRUE(ui.ClickOn(form, &form[control], MouseButton::Left))
          << form.name() << "." << control << " takes no click";
    });
  }
  void Down(const std::string& control) {
    Then([this, control] {
      Form& form = Top();
      EXPECT_TRUE(ui.Press(form, &form[control], MouseButton::Left));
    });
  }
  void Up(const std::string& control) {
    Then([this, control] {
      Form& form = Top();
      EXPECT_TRUE(ui.Release(form, &form[control], MouseButton::Left));
    });
  }
  void Advance(int ms) {
    Then([this, ms] { AdvanceNow(ms); });
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
  void RunModal(Form& form) {
    ui.ShowModal(form);
    EXPECT_TRUE(steps.steps.empty()) << steps.steps.size() << " actions were left over";
    steps.steps.clear();
  }

  std::vector<std::string> Problems(const Form& form) const {
    FormCheckOptions options;
    options.picture_exists = DataSetHasPicture;
    options.texts = &game.texts;
    return CheckForm(form, options);
  }
};

}  // namespace valorne::testing
