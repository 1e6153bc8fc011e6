// The events a screen handles: the player's mouse and keys on a control or
// on the form's background, and the form's own life (load, activation,
// closing).
#pragma once

#include <functional>
#include <string>

#include "platform/input_event.h"

namespace valorne {

class Control;

enum class FormEvent {
  Click,      // left button pressed and released on the same control
  MouseDown,  // any button; `button` says which
  MouseUp,
  MouseMove,   // the pointer moved over the control (or the background)
  MouseEnter,  // the pointer came onto the control
  MouseLeave,  // the pointer left it
  KeyDown,     // `key` names the key, `key_code` is the game's code for it
  KeyUp,
  Change,      // a text box's text or a check box's value changed by the player
  Load,        // the form is about to be shown
  Activate,    // the form became the top screen
  Deactivate,  // another screen opened over it
  Unload,      // the form closed
  Covered,     // a screen opened somewhere above it (it may be deeper than the top)
};
inline constexpr int kFormEventCount = 14;

// What a handler is told. For a control array, `index` is the element's
// number (the 3 of "MsgLbl(3)"); -1 for a control outside an array.
// Positions are in the control's own units (0,0 its top-left corner).
struct EventArgs {
  Control* control = nullptr;
  int index = -1;
  MouseButton button = MouseButton::Left;
  int x = 0;
  int y = 0;
  std::string key;
  int key_code = 0;
};

using Handler = std::function<void(const EventArgs&)>;

}  // namespace valorne
