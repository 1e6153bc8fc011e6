// A mistake in how a screen uses its controls: a control, timer or screen
// named that does not exist, a control asked for as the wrong kind, a name
// declared twice. The message names the screen and the name.
#pragma once

#include <stdexcept>

namespace valorne {

struct ToolkitError : std::logic_error {
  using std::logic_error::logic_error;
};

}  // namespace valorne
