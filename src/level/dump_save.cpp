#include "level/dump_save.h"

#include "level/saves.h"
#include "state/record.h"

namespace valorne {

int DumpSave(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
  Record record{};
  if (FileResult read = ReadSaveRecord(file, record); !read.ok()) {
    err << "level9: " << read.message << "\n";
    return 2;
  }
  GameState state;
  ReadRecordAsStored(record, state);
  out << RecordToJson(state) << "\n";
  return 0;
}

}  // namespace valorne
