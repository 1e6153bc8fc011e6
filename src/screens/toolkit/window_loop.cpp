#include "screens/toolkit/window_loop.h"

#include <algorithm>

#include "screens/toolkit/ui.h"

namespace valorne {

namespace {
// The longest wait when no timer is due: the loop also looks at the level's
// ending now and then.
constexpr int kLongestWaitMs = 1000;
}  // namespace

// Only the parts that changed are drawn again over the frame the window
// keeps; a window that keeps none gets whole frames.
void WindowLoop::Draw() {
  if (!ui_.dirty().whole()) {
    if (Canvas* kept = window_.BeginUpdate()) {
      ui_.DrawChanged(*kept);
      window_.EndFrame();
      return;
    }
  }
  Canvas& canvas = window_.BeginFrame();
  ui_.Draw(canvas);
  window_.EndFrame();
}

void WindowLoop::Handle(const InputEvent& event) {
  if (event.kind == InputEvent::Kind::Quit) throw ProgramExit{0, ""};
  ui_.Dispatch(event);
}

void WindowLoop::Pump() {
  if (ui_.display_size() != window_.DisplaySize()) window_.SetDisplaySize(ui_.display_size());
  if (ui_.NeedsRedraw()) Draw();
  int wait = kLongestWaitMs;
  if (const Timer* next = ui_.NextTimer()) {
    const std::int64_t until = next->due() - ui_.clock().NowMs();
    wait = static_cast<int>(std::clamp<std::int64_t>(until, 0, kLongestWaitMs));
  }
  if (std::optional<InputEvent> event = window_.WaitEvent(wait)) {
    Handle(*event);
    // Take whatever else is waiting before drawing: a fast pointer sends
    // many moves.
    for (int i = 0; i < 256; ++i) {
      std::optional<InputEvent> more = window_.PollEvent();
      if (!more) break;
      Handle(*more);
    }
  }
  ui_.FireDueTimers();
  if (ui_.NeedsRedraw()) Draw();
}

}  // namespace valorne
