// What the player does, as the window reports it: the pointer in screen
// units of the display, buttons, keys by name, typed text. The headless
// script produces the same events, aimed at named controls instead of
// positions.
#pragma once

#include <string>

#include "platform/geometry.h"

namespace valorne {

enum class MouseButton { Left, Right, Middle };

struct InputEvent {
  enum class Kind {
    PointerMove,  // the pointer is at `position`
    PointerLeft,  // the pointer left the window
    ButtonDown,
    ButtonUp,
    KeyDown,  // `key` names the key ("F6", "Left", "A")
    KeyUp,
    TextTyped,  // `text` holds what was typed, as UTF-8
    Redraw,     // the window needs drawing again (uncovered, resized)
    Quit,       // the window was closed
  };
  Kind kind = Kind::Redraw;
  Point position;
  MouseButton button = MouseButton::Left;
  std::string key;
  std::string text;
};

}  // namespace valorne
