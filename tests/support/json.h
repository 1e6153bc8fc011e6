// What the programs print as JSON (the headless level's "show", "forms",
// "dump") read back for tests. Objects keep their keys in the order written,
// so tests can check the order too.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace valorne::testing {

// Members are read with at(): a member the program failed to print is a
// failed test naming the key (operator[] of a const object would not check).
using JsonValue = nlohmann::ordered_json;

// Parses one JSON text; nlohmann::json::parse_error with the position on bad
// input (including anything after the value).
inline JsonValue ParseJson(std::string_view text) {
  return JsonValue::parse(text);
}

// The keys of an object, in the order written.
inline std::vector<std::string> Keys(const JsonValue& object) {
  std::vector<std::string> keys;
  for (const auto& member : object.items()) keys.push_back(member.key());
  return keys;
}

// A number of a `dump` line, and element `index` (from 0) of an array in it.
inline long Number(const JsonValue& dump, std::string_view key) {
  return dump.at(key).get<long>();
}
inline long Element(const JsonValue& dump, std::string_view key, int index) {
  return dump.at(key).at(static_cast<std::size_t>(index)).get<long>();
}

}  // namespace valorne::testing
