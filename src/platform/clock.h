// The time the timers run on, in milliseconds. The window runs on the real
// clock; the headless level on virtual time that only its script advances.
#pragma once

#include <cstdint>

namespace valorne {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t NowMs() const = 0;
};

// Time stands still until it is moved on; it never goes back.
class VirtualClock : public Clock {
 public:
  std::int64_t NowMs() const override { return now_; }
  void AdvanceTo(std::int64_t ms) {
    if (ms > now_) now_ = ms;
  }

 private:
  std::int64_t now_ = 0;
};

// Milliseconds since the program started (a steady clock).
class SteadyClock : public Clock {
 public:
  SteadyClock();
  std::int64_t NowMs() const override;

 private:
  std::int64_t start_ns_;
};

}  // namespace valorne
