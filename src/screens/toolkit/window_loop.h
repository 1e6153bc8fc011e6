// The modal loops' events from the window: it waits for the player until the
// next timer is due, so an idle screen costs next to nothing; then it hands
// on the events, fires the timers that are due and draws again the parts of
// the screens that changed, if any.
#pragma once

#include "platform/window.h"
#include "screens/toolkit/event_source.h"

namespace valorne {

class Ui;

class WindowLoop : public EventSource {
 public:
  WindowLoop(Ui& ui, Window& window) : ui_(ui), window_(window) {}
  void Pump() override;
  // Draws the open screens now.
  void Draw();

 private:
  void Handle(const InputEvent& event);

  Ui& ui_;
  Window& window_;
};

}  // namespace valorne
