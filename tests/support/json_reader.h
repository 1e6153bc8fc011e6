// A small JSON reader for tests that check what the programs print (the
// headless level's "show", "forms", "dump"). Objects keep their keys in the
// order written, so tests can check the order too.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace valorne::testing {

struct JsonValue {
  using Array = std::vector<JsonValue>;
  using Object = std::vector<std::pair<std::string, JsonValue>>;
  std::variant<std::nullptr_t, bool, double, std::string, Array, Object> value;

  bool IsObject() const { return std::holds_alternative<Object>(value); }
  bool IsArray() const { return std::holds_alternative<Array>(value); }
  bool IsString() const { return std::holds_alternative<std::string>(value); }
  bool IsNumber() const { return std::holds_alternative<double>(value); }
  bool IsBool() const { return std::holds_alternative<bool>(value); }

  const Object& object() const { return std::get<Object>(value); }
  const Array& array() const { return std::get<Array>(value); }
  const std::string& str() const { return std::get<std::string>(value); }
  double number() const { return std::get<double>(value); }
  bool boolean() const { return std::get<bool>(value); }

  // The member of an object; std::out_of_range when it has none.
  const JsonValue& operator[](std::string_view key) const;
  const JsonValue& operator[](std::size_t i) const { return array().at(i); }
  bool Has(std::string_view key) const;
  std::vector<std::string> Keys() const;
};

// Parses one JSON text; std::runtime_error with the position on bad input
// (including anything after the value).
JsonValue ParseJson(std::string_view text);

// A number of a `dump` line, and element `index` (from 0) of an array in it.
inline long Number(const JsonValue& dump, std::string_view key) {
  return static_cast<long>(dump[key].number());
}
inline long Element(const JsonValue& dump, std::string_view key, int index) {
  return static_cast<long>(dump[key][static_cast<std::size_t>(index)].number());
}

}  // namespace valorne::testing
