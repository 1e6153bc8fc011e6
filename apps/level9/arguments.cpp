#include "arguments.h"

#include <charconv>
#include <system_error>

namespace valorne {

const char* const kUsage =
    "usage: level9 [--headless] [--app-path DIR] [--seed N | --rnd X] [--dpi N] "
    "[--dump-save FILE]";

namespace {

template <class T>
bool ParseWhole(const std::string& word, T& value) {
  const char* end = word.data() + word.size();
  const auto [ptr, error] = std::from_chars(word.data(), end, value);
  return error == std::errc() && ptr == end;
}

bool ParseFraction(const std::string& word, double& value) {
  const char* end = word.data() + word.size();
  const auto [ptr, error] = std::from_chars(word.data(), end, value);
  return error == std::errc() && ptr == end;
}

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& words) {
  ParsedArguments parsed;
  ProgramArguments& a = parsed.arguments;
  auto fail = [&parsed](std::string message) {
    parsed.error = std::move(message);
    return parsed;
  };
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    const bool takes_value = word == "--app-path" || word == "--seed" || word == "--rnd" ||
                             word == "--dpi" || word == "--dump-save";
    if (takes_value && i + 1 >= words.size()) return fail(word + " needs a value");
    const std::string value = takes_value ? words[++i] : std::string();
    if (word == "--headless") {
      a.headless = true;
    } else if (word == "--help" || word == "-h") {
      a.help = true;
    } else if (word == "--app-path") {
      std::error_code error;
      if (!std::filesystem::is_directory(value, error)) {
        return fail("the game folder " + value + " does not exist");
      }
      a.app_path = value;
    } else if (word == "--seed") {
      std::uint64_t seed = 0;
      if (!ParseWhole(value, seed)) return fail("--seed takes a whole number, not " + value);
      a.seed = seed;
    } else if (word == "--rnd") {
      double rnd = 0;
      if (!ParseFraction(value, rnd) || !(rnd >= 0.0 && rnd < 1.0)) {
        return fail("--rnd takes a number from 0 up to (not including) 1, not " + value);
      }
      a.rnd = rnd;
    } else if (word == "--dpi") {
      int dpi = 0;
      if (!ParseWhole(value, dpi) || dpi < 1 || dpi > 10000) {
        return fail("--dpi takes a whole number from 1 to 10000, not " + value);
      }
      a.dots_per_inch = dpi;
    } else if (word == "--dump-save") {
      a.dump_save = value;
    } else {
      return fail("unknown argument " + word);
    }
  }
  if (a.seed && a.rnd) return fail("give --seed or --rnd, not both");
  return parsed;
}

std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && !self.empty()) return self.parent_path();
  std::filesystem::path given = argv0 ? argv0 : "";
  given = std::filesystem::absolute(given, error);
  return given.has_parent_path() ? given.parent_path() : std::filesystem::current_path();
}

}  // namespace valorne
