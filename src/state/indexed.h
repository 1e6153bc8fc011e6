// Arrays of the game state are numbered from 1 (field 1..10, army 1..3,
// village 1..3), as the rules name them. OneBased keeps that numbering in the
// code so that every rule reads as the game describes it.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace valorne {

template <typename T, std::size_t N>
class OneBased {
 public:
  constexpr OneBased() = default;
  constexpr OneBased(std::initializer_list<T> values) {
    std::size_t i = 0;
    for (const T& v : values) {
      if (i < N) items_[i++] = v;
    }
  }

  constexpr T& operator[](int i) {
    assert(i >= 1 && static_cast<std::size_t>(i) <= N);
    return items_[static_cast<std::size_t>(i - 1)];
  }
  constexpr const T& operator[](int i) const {
    assert(i >= 1 && static_cast<std::size_t>(i) <= N);
    return items_[static_cast<std::size_t>(i - 1)];
  }

  static constexpr int size() { return static_cast<int>(N); }
  constexpr auto begin() { return items_.begin(); }
  constexpr auto end() { return items_.end(); }
  constexpr auto begin() const { return items_.begin(); }
  constexpr auto end() const { return items_.end(); }
  constexpr void fill(const T& v) { items_.fill(v); }

  friend constexpr bool operator==(const OneBased&, const OneBased&) = default;

 private:
  std::array<T, N> items_{};
};

}  // namespace valorne
