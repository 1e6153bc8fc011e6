// Changing a field of the state by an amount computed in floating point, the
// way the turn's rules do it: the sum is worked out exactly, then stored into
// the field's own type (half to even, wrapping to the field's width).
#pragma once

#include "state/values.h"

namespace valorne {

inline void AddTo(Long& field, double amount) {
  field = ToLong(static_cast<double>(field) + amount);
}
inline void AddTo(Integer& field, double amount) {
  field = ToInteger(static_cast<double>(field) + amount);
}
inline void AddTo(Byte& field, double amount) {
  field = ToByte(static_cast<double>(field) + amount);
}
inline void AddTo(Single& field, double amount) {
  field = ToSingle(static_cast<double>(field) + amount);
}

// A product of two 16-bit Integers, wrapping as the county's arithmetic does.
inline double IntegerProduct(long a, long b) {
  return WrapInteger(static_cast<std::int64_t>(a) * static_cast<std::int64_t>(b));
}

// One end of turn of a countdown byte (research, guard training, sieges):
// 200 and above is idle, 1..199 counts down by one, and a count that stands
// at 0 (or reaches it now) fires: the byte returns to idle (200) and the
// caller carries out the task.
inline bool CountdownFires(Byte& turns) {
  if (turns >= 1 && turns <= 199) --turns;
  if (turns != 0) return false;
  turns = 200;
  return true;
}

}  // namespace valorne
