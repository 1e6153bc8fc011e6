// What the programs print as JSON (the headless level's "show", "forms",
// "dump") read back for tests. Objects keep their keys in the order written,
// so tests can check the order too.
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <stdexcept>
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

// The control `name` of a `show` line; std::out_of_range when the screen has
// none.
inline const JsonValue& ControlOf(const JsonValue& screen, std::string_view name) {
  for (const JsonValue& c : screen.at("controls")) {
    if (c.at("name").get_ref<const std::string&>() == name) return c;
  }
  throw std::out_of_range(std::string(name) + " is not on " + screen.at("name").get<std::string>());
}

// The texts of the controls of a `show` line, by control name.
inline std::map<std::string, std::string> Texts(const JsonValue& screen) {
  std::map<std::string, std::string> texts;
  for (const JsonValue& c : screen.at("controls")) {
    texts[c.at("name").get<std::string>()] = c.at("text").get<std::string>();
  }
  return texts;
}

}  // namespace valorne::testing
