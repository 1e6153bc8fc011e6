// The whole-number rules of the game's arithmetic. The level was written for a
// machine of 16-bit Integers, 8-bit Bytes and single-precision reals, and its
// results depend on exactly how fractions become whole numbers and how
// products wrap; every rule uses these helpers instead of plain casts.
#pragma once

#include <cmath>
#include <cstdint>

namespace valorne {

using Byte = std::uint8_t;
using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
using Boolean = std::int16_t;  // 0 false, -1 true

inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

inline constexpr Boolean ToBoolean(bool b) { return b ? kTrue : kFalse; }
inline constexpr bool IsTrue(Boolean b) { return b != 0; }

// Int: the greatest whole number not above x.
inline double Int(double x) { return std::floor(x); }

// Fix: drops the fraction, toward zero.
inline double Fix(double x) { return std::trunc(x); }

// Storing a fraction into a whole number rounds half to even (2.5 -> 2, 3.5 -> 4).
inline double RoundHalfEven(double x) { return std::nearbyint(x); }

// 16-bit Integer and 8-bit Byte arithmetic wraps around.
inline constexpr Integer WrapInteger(std::int64_t v) {
  return static_cast<Integer>(static_cast<std::uint16_t>(static_cast<std::uint64_t>(v) & 0xFFFFu));
}
inline constexpr Byte WrapByte(std::int64_t v) {
  return static_cast<Byte>(static_cast<std::uint64_t>(v) & 0xFFu);
}
inline constexpr Long WrapLong(std::int64_t v) {
  return static_cast<Long>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v) & 0xFFFFFFFFu));
}

// The stores of a computed value into a field of each type: the fraction is
// rounded half to even, then the value wraps to the field's width.
inline Integer ToInteger(double x) {
  return WrapInteger(static_cast<std::int64_t>(RoundHalfEven(x)));
}
inline Byte ToByte(double x) { return WrapByte(static_cast<std::int64_t>(RoundHalfEven(x))); }
inline Long ToLong(double x) { return WrapLong(static_cast<std::int64_t>(RoundHalfEven(x))); }
inline Single ToSingle(double x) { return static_cast<Single>(x); }

}  // namespace valorne
