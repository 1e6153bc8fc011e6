// Where the modal loops get their events: the window (the player's input and
// the real clock) or the headless script (its commands and virtual time).
// Each Pump handles what is there, waiting if need be; the loop of the open
// screen calls it until that screen closes.
#pragma once

#include <string>

namespace valorne {

class EventSource {
 public:
  virtual ~EventSource() = default;
  virtual void Pump() = 0;
};

// Ends the program from inside any number of open screens: thrown by the
// event source (the script's "quit", its end, a refused command; the window
// closed) and caught by the program's main. Deliberately not a
// std::exception, so that no handler's catch of those stops it.
struct ProgramExit {
  int code = 0;
  std::string message;  // for standard error; empty for a plain end
};

}  // namespace valorne
