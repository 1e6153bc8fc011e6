// Laying out the bytes of the battle files by hand, field by field,
// little-endian, for the golden tests of the battles.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace valorne::testing {

struct Bytes {
  std::vector<unsigned char> b;
  Bytes& u8(unsigned v) {
    b.push_back(static_cast<unsigned char>(v));
    return *this;
  }
  Bytes& u16(unsigned v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
  Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
  Bytes& text(const std::string& s) {
    for (char c : s) u8(static_cast<unsigned char>(c));
    return *this;
  }
  Bytes& u16s(std::initializer_list<unsigned> values) {
    for (unsigned v : values) u16(v);
    return *this;
  }
};

}  // namespace valorne::testing
