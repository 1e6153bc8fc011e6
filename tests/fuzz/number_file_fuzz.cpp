// The one-number files ("Options.rx", "LGame.rx", "levelinfo.rx",
// "camp.rx"): a number the level takes is written back in the campaign's form
// and read again as the same number.
#include <cstdlib>

#include "fuzz/fuzz_files.h"
#include "level/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valorne;
  fuzz::WriteInput("LGame.rx", data, size);
  fuzz::WriteInput("Options.rx", data, size);
  Byte value = 0;
  if (ReadNumberFile(fuzz::ScratchFolder(), kLoadRequestFile, value).ok()) {
    Byte again = 0;
    std::string problem;
    if (!ParseNumberText(NumberText(value), again, problem) || again != value) std::abort();
  }
  Byte difficulty = 0;
  if (ReadDifficulty(fuzz::ScratchFolder(), difficulty).ok()) {
    if (difficulty < 1 || difficulty > 3) std::abort();
  }
  return 0;
}
