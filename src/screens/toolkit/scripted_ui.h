// The screens without a window, driven by a script: virtual time, sounds and
// the pointer recorded, the script's commands handed to the screens as their
// events, and "shot" drawn by the snapshot maker given. The level's and the
// campaign programs' headless runs, and the script fuzzer, set theirs up
// through it.
#pragma once

#include <istream>
#include <ostream>

#include "platform/clock.h"
#include "platform/services.h"
#include "platform/snapshot.h"
#include "platform/sound_channels.h"
#include "platform/window.h"
#include "screens/toolkit/screen_registry.h"
#include "screens/toolkit/script_commands.h"
#include "screens/toolkit/script_driver.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

class ScriptedUi {
 public:
  // The game runs its screens on this ui until it is destroyed. Without
  // `shots` the script's "shot" is refused.
  ScriptedUi(Game& game, const ScreenRegistry& registry, PlatformServices& services,
             std::istream& in, std::ostream& out, std::ostream& err, SnapshotMaker* shots)
      : game_(game),
        ui_(game, registry, {clock_, sound_, pointer_, services}),
        driver_(ui_, clock_, commands_, in, out, err) {
    game_.set_ui(&ui_);
    driver_.SetSoundLog(&sound_);
    if (shots) {
      driver_.SetSnapshotMaker(shots);
      ui_.SetSnapshotMaker(shots);
    }
    ui_.SetEventSource(&driver_);
  }
  ~ScriptedUi() { game_.set_ui(nullptr); }
  ScriptedUi(const ScriptedUi&) = delete;
  ScriptedUi& operator=(const ScriptedUi&) = delete;

  Ui& ui() { return ui_; }
  ScriptDriver& driver() { return driver_; }
  // Where a program adds its own commands to the screens' ones.
  ScriptCommands& commands() { return commands_; }

 private:
  Game& game_;
  VirtualClock clock_;
  RecordedSoundChannels sound_;
  RecordedPointer pointer_;
  Ui ui_;
  ScriptCommands commands_;
  ScriptDriver driver_;
};

}  // namespace valorne
