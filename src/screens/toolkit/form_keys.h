// The keys every screen answers the same way. Escape closes or cancels a
// screen through its close, cancel or "no" button; Return presses its
// default button. A screen names them in its FormSpec (`cancel`,
// `confirm`), or the usual names decide:
//
//   Escape  Noanibtn, else CloseBtn; a screen with neither closes through
//           OkAniBtn when that is its only way out
//   Return  OkAniBtn
//
// A question whose answer matters (`question`) is answered by no key while
// both answers are shown; a notice with its one button shown takes both.
// Hidden or disabled buttons are not pressed. A screen that handles keys on
// its own form decides for itself and gets no help here.
#pragma once

#include <string_view>

namespace valorne {

class Control;
class Form;

// The button `key` ("Escape", "Return") presses on `form`, or none.
Control* KeyButton(const Form& form, std::string_view key);

}  // namespace valorne
