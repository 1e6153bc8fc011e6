// The level in its window: SDL for the display, sound and processes, on the
// real clock.
#include <iostream>
#include <memory>

#include "level_run.h"
#include "platform/clock.h"
#include "platform/sdl/offscreen_canvas.h"
#include "platform/sdl/sdl_services.h"
#include "platform/sdl/sdl_sound.h"
#include "platform/sdl/sdl_window.h"
#include "screens/toolkit/window_loop.h"

namespace valorne {

int RunInWindow(Game& game, const ProgramArguments& arguments) {
  std::unique_ptr<SdlWindow> window;
  try {
    window = std::make_unique<SdlWindow>("Valorne", Size{800, 600});
  } catch (const SdlWindowError& e) {
    std::cerr << "level9: the window cannot be opened: " << e.what()
              << " (--headless runs without one)\n";
    return 1;
  }
  SdlSoundChannels sound;
  if (sound.DeviceCount() == 0)
    std::cerr << "level9: no sound device; the game plays without sound\n";
  SdlServices services(game.AppPath, arguments.dots_per_inch, sound, window.get());
  SteadyClock clock;
  ScreenRegistry registry;
  RegisterGameScreens(registry);
  Ui ui(game, registry, {clock, sound, *window, services});
  services.on_display_mode = [&ui](Size size) { ui.SetDisplaySize(size); };
  game.set_ui(&ui);
  SdlSnapshotMaker shots;
  ui.SetSnapshotMaker(&shots);
  WindowLoop loop(ui, *window);
  ui.SetEventSource(&loop);

  const int code = RunLevel(game, ui, services, [&] { sound.SetMuted(!game.SoundOn); });
  game.set_ui(nullptr);
  return code;
}

}  // namespace valorne
