// The battle in its window on the real clock, and the same picture drawn
// into a file for the screenshots.
#include <memory>

#include "battle/view/battle_view.h"
#include "battle_program.h"
#include "level/settings_files.h"
#include "platform/clock.h"
#include "platform/data_files.h"
#include "platform/sdl/offscreen_canvas.h"
#include "platform/sdl/sdl_window.h"

namespace valorne {

namespace {

// About thirty pictures a second while the fight plays.
constexpr int kFrameMs = 33;
// While the summary stands still the window only looks now and then whether
// its time is up.
constexpr int kStillWaitMs = 250;

std::filesystem::path PicturesOf(const std::filesystem::path& app_path) {
  DisplaySettings settings;
  const int depth = ReadDisplaySettings(app_path, settings).ok() ? settings.GraphicsDepth : 16;
  return PictureFolder(app_path, depth);
}

}  // namespace

bool PlayInWindow(const FightReport& report, const std::filesystem::path& app_path) {
  std::unique_ptr<SdlWindow> window;
  try {
    window = std::make_unique<SdlWindow>("Valorne - battle", kBattleWindowSize);
  } catch (const SdlWindowError&) {
    return false;
  }
  const std::filesystem::path pictures = PicturesOf(app_path);
  BattleView view(report);
  SteadyClock clock;
  // Whether the picture in the window is out of date: always while the fight
  // plays; once the summary stands, only after the player did something or
  // the window was uncovered.
  bool stale = true;
  auto handle = [&view, &stale](const InputEvent& event) {
    switch (event.kind) {
      case InputEvent::Kind::KeyDown:
        view.Key(event.key);
        stale = true;
        break;
      case InputEvent::Kind::ButtonDown:
        view.Click(event.position);
        stale = true;
        break;
      case InputEvent::Kind::Quit:  // closing the window closes the summary too
        view.SkipToEnd();
        view.Key("Escape");
        break;
      case InputEvent::Kind::Redraw:
        stale = true;
        break;
      default:
        break;
    }
  };
  while (!view.finished()) {
    // Waits for the player at most one frame while the fight plays, longer
    // while the summary stands still; then takes whatever else came.
    const bool still = view.showing_summary() && !stale;
    if (auto event = window->WaitEvent(still ? kStillWaitMs : kFrameMs)) handle(*event);
    while (auto more = window->PollEvent()) handle(*more);
    if (view.finished()) break;
    view.SetTime(static_cast<int>(clock.NowMs()));
    if (view.finished()) break;
    if (view.showing_summary() && !stale) continue;
    Canvas& canvas = window->BeginFrame();
    canvas.SetPictureFolder(pictures);
    view.Draw(canvas);
    window->EndFrame();
    // The frame that first shows the summary is its last until something
    // happens; every frame of the fight is followed by another.
    stale = !view.showing_summary();
  }
  return true;
}

std::string DrawShot(const FightReport& report, const std::filesystem::path& app_path,
                     const std::filesystem::path& file, int at_ms) {
  BattleView view(report);
  view.SetTime(at_ms);
  SdlSnapshotMaker maker;
  return maker.Snapshot(file, kBattleWindowSize, PicturesOf(app_path),
                        [&view](Canvas& canvas) { view.Draw(canvas); });
}

}  // namespace valorne
