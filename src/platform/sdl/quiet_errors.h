// Keeps the libraries under SDL (the sound system's and the display
// system's own error printing) off the terminal while they are asked about
// devices that may not exist: the game tells the player itself, in one line,
// what it found.
#pragma once

namespace valorne {

// While it lives, whatever is written to standard error goes nowhere.
class QuietStandardError {
 public:
  QuietStandardError();
  ~QuietStandardError();
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_ = -1;
};

}  // namespace valorne
