// "Fight_in.rx", the battle program's side: the battle the level asks for. A file
// that is taken is written again and read back to the same bytes.
#include <cstdlib>

#include "fuzz/fuzz_files.h"
#include "military/battle_exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valorne;
  fuzz::WriteInput("Fight_in.rx", data, size);
  BattleInput read;
  if (ReadFightIn(fuzz::ScratchFolder(), read).ok()) {
    const std::string once = EncodeBattleInput(read);
    BattleInput again;
    std::string problem;
    if (!DecodeBattleInput(once, again, problem)) std::abort();
    if (EncodeBattleInput(again) != once) std::abort();
  }
  return 0;
}
