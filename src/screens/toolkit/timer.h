// A timer of a screen: a name, an interval in milliseconds, an enabled flag
// and a handler. An enabled timer with an interval above 0 fires every
// interval; turning it on, or giving it a new interval, starts the count
// again. Timers fire one at a time, in order of the time they are due (the
// one made first when two are due together), and a timer whose handler is
// still running (it opened a modal screen) does not fire again until that
// handler returns.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/clock.h"

namespace valorne {

class Form;

class Timer {
 public:
  Timer(std::string name, const Clock& clock, int interval_ms, bool enabled);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  int interval() const { return interval_; }
  void SetInterval(int interval_ms);
  bool enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The handler and the form it belongs to (its handlers go when it closes).
  void SetHandler(std::function<void()> handler, const Form* owner = nullptr);
  void ClearHandler();
  const Form* owner() const { return owner_; }
  bool has_handler() const { return static_cast<bool>(handler_); }

  // Whether it can fire: enabled, with an interval, a handler, not running.
  bool Armed() const;
  std::int64_t due() const { return due_; }
  std::uint64_t sequence() const { return sequence_; }

  // Runs the handler and counts the next interval from now.
  void Fire();

 private:
  void Restart();

  std::string name_;
  const Clock& clock_;
  int interval_;
  bool enabled_;
  std::int64_t due_ = 0;
  std::uint64_t sequence_;
  bool running_ = false;
  std::function<void()> handler_;
  const Form* owner_ = nullptr;
};

// The earlier due of two armed timers (the first made on a tie).
bool FiresBefore(const Timer& a, const Timer& b);

}  // namespace valorne
