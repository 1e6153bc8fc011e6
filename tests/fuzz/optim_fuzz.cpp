// "Optim.rx", the display and sound record the menu program writes. A record
// the level takes encodes back to the bytes it was read from.
#include <algorithm>
#include <cstdlib>

#include "fuzz/fuzz_files.h"
#include "level/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valorne;
  fuzz::WriteInput("Optim.rx", data, size);
  DisplaySettings settings;
  if (ReadDisplaySettings(fuzz::ScratchFolder(), settings).ok()) {
    const auto again = EncodeDisplaySettings(settings);
    if (size != again.size() || !std::equal(again.begin(), again.end(), data)) std::abort();
    (void)PictureFolder(settings);
  }
  return 0;
}
