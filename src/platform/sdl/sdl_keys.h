// The game's names of SDL's keys. Internal to the SDL window.
#pragma once

#include <SDL.h>

#include <string>

namespace valorne {

// "F6", "Left", "Return", "A"...; empty for a key the game does not name.
std::string KeyNameOf(SDL_Keycode key);

}  // namespace valorne
