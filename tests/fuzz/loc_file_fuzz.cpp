// A ".loc" text file: read into a table of each size the level uses. A file
// refused leaves the table as it was.
#include "fuzz/fuzz_files.h"
#include "text/text_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valorne;
  const auto file = fuzz::WriteInput("texts.loc", data, size);
  TextTables tables;
  for (int category = 1; category <= 6; ++category) {
    TextTable& table = tables.Category(category);
    try {
      ReadTextFile(file, table);
    } catch (const TextFileError&) {
    }
    for (int id = 0; id < table.ids(); ++id)
      (void)tables.Utf8({static_cast<std::uint8_t>(category), static_cast<std::int16_t>(id)});
  }
  return 0;
}
