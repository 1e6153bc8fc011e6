// "Fight_out.rx", the level's side: the outcome the battle program left. A file
// that is taken is written again and read back to the same bytes.
#include <cstdlib>

#include "fuzz/fuzz_files.h"
#include "military/battle_exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valorne;
  fuzz::WriteInput("Fight_out.rx", data, size);
  BattleOutput read;
  if (ReadFightOut(fuzz::ScratchFolder(), read).ok()) {
    const std::string once = EncodeBattleOutput(read);
    BattleOutput again;
    std::string problem;
    if (!DecodeBattleOutput(once, again, problem)) std::abort();
    if (EncodeBattleOutput(again) != once) std::abort();
  }
  return 0;
}
