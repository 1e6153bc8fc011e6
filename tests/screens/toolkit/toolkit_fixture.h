// The screens of a level without a window: a fresh game, virtual time,
// recorded sounds and a script (or a list of steps) as the event source.
#pragma once

#include <deque>
#include <functional>
#include <sstream>
#include <stdexcept>

#include "platform/clock.h"
#include "platform/services.h"
#include "platform/sound_channels.h"
#include "platform/window.h"
#include "screens/toolkit/script_driver.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne::testing {

// Runs one queued step per pump; running out of steps while a screen is open
// is a test failure (the loop would wait forever).
class StepSource : public EventSource {
 public:
  std::deque<std::function<void()>> steps;
  void Pump() override {
    if (steps.empty()) throw std::runtime_error("no steps left while a screen is open");
    auto step = std::move(steps.front());
    steps.pop_front();
    step();
  }
};

struct Screens {
  Game game;
  ScreenRegistry registry;
  VirtualClock clock;
  RecordedSoundChannels sound;
  RecordedPointer pointer;
  HeadlessServices services;
  Ui ui{game, registry, {clock, sound, pointer, services}};
  StepSource steps;

  Screens() {
    game.set_ui(&ui);
    ui.SetEventSource(&steps);
  }
};

// The same with a script: Run() opens `first` and feeds it the script;
// returns the exit code, with what was printed in out and err.
struct ScriptedScreens : Screens {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  ScriptCommands commands;
  ScriptDriver driver{ui, clock, commands, in, out, err};

  explicit ScriptedScreens(const std::string& script) : in(script) {
    ui.SetEventSource(&driver);
    driver.SetSoundLog(&sound);
  }

  int Run(std::string_view first) {
    try {
      ui.Open(first);
    } catch (const ProgramExit& e) {
      err << e.message;
      return e.code;
    }
    return 0;
  }
};

}  // namespace valorne::testing
