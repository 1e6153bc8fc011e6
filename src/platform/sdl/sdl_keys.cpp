#include "platform/sdl/sdl_keys.h"

namespace valorne {

std::string KeyNameOf(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z)
    return std::string(1, static_cast<char>('A' + (key - SDLK_a)));
  if (key >= SDLK_0 && key <= SDLK_9)
    return std::string(1, static_cast<char>('0' + (key - SDLK_0)));
  if (key >= SDLK_F1 && key <= SDLK_F12) return "F" + std::to_string(1 + (key - SDLK_F1));
  switch (key) {
    case SDLK_LEFT:
      return "Left";
    case SDLK_RIGHT:
      return "Right";
    case SDLK_UP:
      return "Up";
    case SDLK_DOWN:
      return "Down";
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return "Return";
    case SDLK_ESCAPE:
      return "Escape";
    case SDLK_BACKSPACE:
      return "Backspace";
    case SDLK_TAB:
      return "Tab";
    case SDLK_SPACE:
      return "Space";
    case SDLK_DELETE:
      return "Delete";
    case SDLK_INSERT:
      return "Insert";
    case SDLK_HOME:
      return "Home";
    case SDLK_END:
      return "End";
    case SDLK_PAGEUP:
      return "PageUp";
    case SDLK_PAGEDOWN:
      return "PageDown";
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return "Shift";
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return "Control";
    case SDLK_LALT:
    case SDLK_RALT:
      return "Alt";
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
      return "Minus";
    case SDLK_PLUS:
    case SDLK_EQUALS:
    case SDLK_KP_PLUS:
      return "Plus";
    case SDLK_PERIOD:
      return "Period";
    case SDLK_COMMA:
      return "Comma";
    default:
      return {};
  }
}

}  // namespace valorne
