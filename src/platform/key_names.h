// The names of the keys the screens react to, and the key codes the game's
// handlers compare with (37 left, 38 up, 39 right, 40 down, 117 F6, ...).
// Letters are named by their capital ("A".."Z"), digits by themselves.
#pragma once

#include <optional>
#include <string_view>

namespace valorne {

// The key code of a key name, or nothing for a name the game does not know.
std::optional<int> KeyCode(std::string_view name);

}  // namespace valorne
