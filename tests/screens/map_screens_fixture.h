// The campaign map and the objectives screen without a window: a new level
// of normal difficulty in a scratch game folder (the county map file copied
// in, the texts read from the built game folder), the two screens
// registered, virtual time. Run() opens a screen, runs the test's body on
// it once it is shown, then closes it; any screen the body opens over it is
// noted and closed at once (the other parts' screens are not under test).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "screens/camp1_frm.h"
#include "screens/map_screens.h"
#include "screens/tips_frm.h"
#include "screens/toolkit/toolkit_fixture.h"
#include "state/level_params.h"
#include "state/start_values.h"
#include "support/temp_dir.h"

namespace valorne::map_testing {

// Closes every screen opened over the one under test, noting its name.
class ClosingSource : public EventSource {
 public:
  explicit ClosingSource(Ui& ui) : ui_(ui) {}
  std::string home;
  std::function<void(Form&)> body;
  // Called with each screen opened over the home screen before it closes.
  std::function<void(Form&)> on_opened;
  std::vector<std::string> opened;

  void Pump() override {
    Form* top = ui_.top();
    if (!top) throw std::runtime_error("pumped with no screen open");
    if (top->name() != home) {
      opened.push_back(top->name());
      if (on_opened) on_opened(*top);
      top->Close();
      return;
    }
    if (body) {
      auto run = std::move(body);
      body = nullptr;
      run(*top);
    }
    top->Close();
  }

 private:
  Ui& ui_;
};

struct MapScreens : testing::Screens {
  testing::TempDir folder;
  ClosingSource source{ui};

  explicit MapScreens(Size display = {800, 600}) {
    std::filesystem::create_directories(folder / "maps");
    std::filesystem::copy_file(std::filesystem::path(VALORNE_GAME_DIR) / "maps" / "camp1.map",
                               folder / "maps/camp1.map");
    game.AppPath = folder.path();
    game.texts.ReadAll(VALORNE_GAME_DIR);
    game.Difficulty = 2;
    SetUpLevelParams(game.params, 2);
    SetStartValues(game);
    game.display.FadesOff = kTrue;
    game.ShowMessagesOption = false;
    RegisterMapScreens(registry);
    ui.SetDisplaySize(display);
    ui.SetEventSource(&source);
  }

  // Opens `form` and runs `body` on it; returns the screens opened over it.
  std::vector<std::string> Run(std::string_view form, std::function<void(Form&)> body) {
    source.home = std::string(form);
    source.body = std::move(body);
    source.opened.clear();
    ui.Open(form);
    return source.opened;
  }

  void OnMap(const std::function<void(Camp1Frm&)>& body) {
    Run("Camp1Frm", [&](Form& f) { body(dynamic_cast<Camp1Frm&>(f)); });
  }

  // The screens a click opens (each closed at once).
  std::vector<std::string> Click(Form& form, std::string_view control,
                                 MouseButton button = MouseButton::Left) {
    const std::size_t before = source.opened.size();
    ui.ClickOn(form, &form[control], button);
    return {source.opened.begin() + static_cast<long>(before), source.opened.end()};
  }

  // Time passes: the timers due fire in order.
  void Advance(int ms) {
    const std::int64_t until = clock.NowMs() + ms;
    while (Timer* next = ui.NextTimer()) {
      if (next->due() > until) break;
      clock.AdvanceTo(next->due());
      next->Fire();
    }
    clock.AdvanceTo(until);
  }

  std::string Text(TextRef ref) const { return game.texts.Utf8(ref); }
  std::vector<std::string> Played() const { return sound.played(); }
};

}  // namespace valorne::map_testing
