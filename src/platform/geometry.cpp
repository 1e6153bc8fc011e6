#include "platform/geometry.h"

#include <cstdio>

namespace valorne {

std::string Colour::Hex() const {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", r, g, b);
  return text;
}

}  // namespace valorne
