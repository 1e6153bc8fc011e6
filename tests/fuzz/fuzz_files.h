// The fuzz targets' scratch files: each input is written to a file of a
// folder of the fuzzing process's own, so that the readers under test read
// it the way the level does, from the disk.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace valorne::fuzz {

// A folder of this process's own under the system's temporary folder,
// made on first use.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("valorne-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

// Writes the fuzzer's bytes as the file `relative` of the scratch folder.
inline std::filesystem::path WriteInput(const std::string& relative, const std::uint8_t* data,
                                        std::size_t size) {
  const auto file = ScratchFolder() / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return file;
}

}  // namespace valorne::fuzz
