#include "battle/battle_files.h"

#include "military/battle_exchange.h"

namespace valorne {

FileResult LoadAndFightBattle(const std::filesystem::path& folder, FightReport& report) {
  report = FightReport{};
  BattleInput input;
  if (FileResult read = ReadFightIn(folder, input); !read.ok()) return read;
  if (auto why = UnfightableBattle(input)) {
    return FileResult::Failure(FileStatus::Corrupt, "the battle file \"" +
                                                        GamePath(folder, kFightInFile).string() +
                                                        "\" cannot be fought: " + *why);
  }
  report = FightBattle(input);
  return FileResult::Success();
}

FileResult FinishBattle(const std::filesystem::path& folder, const FightReport& report) {
  if (FileResult written = WriteFightOut(folder, report.output); !written.ok()) return written;
  return WriteFightStatus(folder, kFightStatusFinished);
}

}  // namespace valorne
