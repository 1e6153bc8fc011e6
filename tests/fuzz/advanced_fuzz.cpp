// "Advanced.rx", the in-level options. Options the level takes are written
// back and read again unchanged.
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_files.h"
#include "level/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valorne;
  fuzz::WriteInput("Advanced.rx", data, size);
  AdvancedOptions options;
  if (ReadAdvancedOptions(fuzz::ScratchFolder(), options).ok()) {
    const auto bytes = EncodeAdvancedOptions(options);
    AdvancedOptions again;
    std::string problem;
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!DecodeAdvancedOptions(view, again, problem)) std::abort();
    if (EncodeAdvancedOptions(again) != bytes) std::abort();
  }
  return 0;
}
