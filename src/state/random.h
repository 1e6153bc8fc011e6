// The game's one random generator. Every draw is uniform on [0, 1) and the
// rules turn it into whole numbers as Int(Rnd x N + K). The generator belongs
// to the game object and is passed in; nothing draws from a hidden global.
#pragma once

#include <cstdint>
#include <optional>

namespace valorne {

class Random {
 public:
  // Clock mode: reseeded from the clock whenever the game asks for it.
  Random();

  // Repeatable mode (--seed N): reseeding from the clock is replaced by a
  // fixed sequence, so the same inputs give the same game.
  static Random Seeded(std::uint64_t seed);

  // Constant mode (--rnd X): every draw returns X, 0 <= X < 1.
  static Random Constant(double value);

  // One draw, uniform on [0, 1), with single precision as the game's reals.
  double Rnd();

  // The game reseeds before each block of draws and on a timer; in the
  // repeatable and constant modes this changes nothing.
  void Randomize();

  bool IsRepeatable() const { return !clock_mode_; }

 private:
  explicit Random(std::uint64_t seed, bool clock_mode);
  std::uint64_t NextBits();

  std::uint64_t state_ = 0;
  bool clock_mode_ = true;
  std::optional<double> constant_;
};

}  // namespace valorne
