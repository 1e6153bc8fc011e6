#include "state/random.h"

#include <chrono>

namespace valorne {

namespace {
std::uint64_t ClockSeed() {
  return static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

Random::Random() : Random(ClockSeed(), true) {}

Random::Random(std::uint64_t seed, bool clock_mode) : state_(seed), clock_mode_(clock_mode) {}

Random Random::Seeded(std::uint64_t seed) { return Random(seed, false); }

Random Random::Constant(double value) {
  Random r(0, false);
  if (value < 0.0) value = 0.0;
  if (value >= 1.0) value = 0.99999994;  // the largest single below 1
  r.constant_ = value;
  return r;
}

// SplitMix64: small, fast, and every seed gives a good sequence.
std::uint64_t Random::NextBits() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Random::Rnd() {
  if (constant_) return *constant_;
  // 24 random bits: exactly representable as a single, never 1.
  return static_cast<double>(NextBits() >> 40) / 16777216.0;
}

void Random::Randomize() {
  if (clock_mode_) state_ ^= ClockSeed();
}

}  // namespace valorne
