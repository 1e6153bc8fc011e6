// The county map file, a plain text of objects, slots and waypoints, read
// and laid out for each display the level supports.
#include <sstream>

#include "screens/camp1_layout.h"
#include "screens/map_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valorne;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    MapLayout map = ParseMapLayout(in, "camp1.map");
    for (Size display : {Size{640, 480}, Size{800, 600}, Size{1024, 768}}) {
      Camp1Layout layout(map, display);
      (void)layout.map_area();
    }
  } catch (const MapLayoutError&) {
  }
  return 0;
}
