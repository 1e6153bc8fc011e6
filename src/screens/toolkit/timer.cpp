#include "screens/toolkit/timer.h"

#include <atomic>

namespace valorne {

namespace {
std::uint64_t NextSequence() {
  static std::atomic<std::uint64_t> counter{0};
  return ++counter;
}
}  // namespace

Timer::Timer(std::string name, const Clock& clock, int interval_ms, bool enabled)
    : name_(std::move(name)),
      clock_(clock),
      interval_(interval_ms),
      enabled_(enabled),
      sequence_(NextSequence()) {
  Restart();
}

void Timer::Restart() {
  due_ = clock_.NowMs() + interval_;
}

void Timer::SetInterval(int interval_ms) {
  interval_ = interval_ms;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) Restart();
  enabled_ = enabled;
}

void Timer::SetHandler(std::function<void()> handler, const Form* owner) {
  handler_ = std::move(handler);
  owner_ = owner;
}

void Timer::ClearHandler() {
  handler_ = nullptr;
  owner_ = nullptr;
}

bool Timer::Armed() const {
  return enabled_ && interval_ > 0 && handler_ && !running_;
}

void Timer::Fire() {
  if (!Armed()) return;
  // The next tick counts from this one; a handler that gives the timer a new
  // interval, or turns it off and on, starts the count from then.
  due_ = clock_.NowMs() + interval_;
  running_ = true;
  struct Done {
    bool& running;
    ~Done() { running = false; }
  } done{running_};
  // The handler may replace itself; keep this one alive while it runs.
  const std::function<void()> handler = handler_;
  handler();
}

bool FiresBefore(const Timer& a, const Timer& b) {
  if (a.due() != b.due()) return a.due() < b.due();
  return a.sequence() < b.sequence();
}

}  // namespace valorne
