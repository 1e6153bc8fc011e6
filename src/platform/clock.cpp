#include "platform/clock.h"

#include <chrono>

namespace valorne {

namespace {
std::int64_t SteadyNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}
}  // namespace

SteadyClock::SteadyClock() : start_ns_(SteadyNanoseconds()) {}

std::int64_t SteadyClock::NowMs() const {
  return (SteadyNanoseconds() - start_ns_) / 1000000;
}

}  // namespace valorne
