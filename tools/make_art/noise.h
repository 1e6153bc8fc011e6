// Deterministic randomness for the painters: a small generator seeded from a
// name, and smooth value noise. Same seed, same picture, on every machine.
#pragma once

#include <cstdint>
#include <string_view>

namespace art {

std::uint64_t HashName(std::string_view name);

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  explicit Rng(std::string_view name) : state_(HashName(name)) {}
  std::uint64_t Next();
  float Uniform();  // [0, 1)
  float Range(float lo, float hi) { return lo + (hi - lo) * Uniform(); }
  int Int(int lo, int hi);  // lo..hi inclusive

 private:
  std::uint64_t state_;
};

// Value noise in [0, 1], smooth, with a period-free lattice hashed from seed.
float ValueNoise(float x, float y, std::uint32_t seed);
// Fractal sum of octaves, in [0, 1].
float Fbm(float x, float y, std::uint32_t seed, int octaves = 4);
// A per-pixel hash in [0, 1) (grain, speckles).
float Hash01(int x, int y, std::uint32_t seed);

}  // namespace art
