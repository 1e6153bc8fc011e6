// The level program's command line:
//   level9 [--headless] [--app-path DIR] [--seed N | --rnd X] [--dpi N]
//          [--dump-save FILE]
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace valorne {

struct ProgramArguments {
  bool headless = false;
  std::filesystem::path app_path;  // empty: the program's own folder
  std::optional<std::uint64_t> seed;
  std::optional<double> rnd;
  int dots_per_inch = 96;
  std::optional<std::filesystem::path> dump_save;
  bool help = false;
};

struct ParsedArguments {
  ProgramArguments arguments;
  std::string error;  // empty when the line was good
};

ParsedArguments ParseArguments(const std::vector<std::string>& words);

extern const char* const kUsage;

// The folder the running program was started from.
std::filesystem::path ProgramFolder(const char* argv0);

}  // namespace valorne
