// What a player's action on a county screen did. Every button handler of the
// county screens calls one rule function; the function changes the state when
// the action goes through and tells the screen what to put on its hint line
// (`Helper`): the reason for a refusal ("not enough resources", "nothing
// chosen", ...) or, for some actions, a confirmation.
#pragma once

#include "text/text_tables.h"

namespace valorne {

struct Outcome {
  bool accepted = false;  // the action went through (a refusal changes nothing)
  TextRef hint{};         // text for the screen's hint line; category 0: leave it

  bool HasHint() const { return hint.category != 0; }
};

inline Outcome Accepted(TextRef hint = {}) {
  return {true, hint};
}
inline Outcome Refused(TextRef hint = {}) {
  return {false, hint};
}

// The hint texts the county screens share (category 4).
inline constexpr TextRef kNotEnoughResources{4, 17};
inline constexpr TextRef kNothingChosen{4, 22};
inline constexpr TextRef kBuildingMissing{4, 23};
inline constexpr TextRef kNothingRunning{4, 136};

}  // namespace valorne
