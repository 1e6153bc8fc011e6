#include "support/json_reader.h"

#include <cstdlib>

namespace valorne::testing {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  JsonValue Document() {
    JsonValue v = Value();
    Space();
    if (pos_ != text_.size()) Fail("text after the value");
    return v;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("bad JSON at " + std::to_string(pos_) + ": " + what);
  }
  void Space() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\n' || text_[pos_] == '\r')) {
      ++pos_;
    }
  }
  char Peek() {
    Space();
    if (pos_ >= text_.size()) Fail("unexpected end");
    return text_[pos_];
  }
  void Expect(char c) {
    if (Peek() != c) Fail(std::string("expected ") + c);
    ++pos_;
  }
  bool Word(std::string_view w) {
    if (text_.substr(pos_, w.size()) != w) return false;
    pos_ += w.size();
    return true;
  }

  JsonValue Value() {
    const char c = Peek();
    if (c == '{') return Object();
    if (c == '[') return Array();
    if (c == '"') return {String()};
    if (Word("true")) return {true};
    if (Word("false")) return {false};
    if (Word("null")) return {nullptr};
    return Number();
  }

  JsonValue Object() {
    Expect('{');
    JsonValue::Object members;
    if (Peek() == '}') {
      ++pos_;
      return {members};
    }
    while (true) {
      if (Peek() != '"') Fail("expected a key");
      std::string key = String();
      Expect(':');
      members.emplace_back(std::move(key), Value());
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      Expect('}');
      return {members};
    }
  }

  JsonValue Array() {
    Expect('[');
    JsonValue::Array items;
    if (Peek() == ']') {
      ++pos_;
      return {items};
    }
    while (true) {
      items.push_back(Value());
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      Expect(']');
      return {items};
    }
  }

  static void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  std::string String() {
    Expect('"');
    std::string out;
    while (true) {
      if (pos_ >= text_.size()) Fail("unterminated string");
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) Fail("control character in a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) Fail("unterminated escape");
      const char e = text_[pos_++];
      switch (e) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case '/':
          out += '/';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'u': {
          if (pos_ + 4 > text_.size()) Fail("short \\u escape");
          const std::string hex(text_.substr(pos_, 4));
          char* end = nullptr;
          const unsigned code = static_cast<unsigned>(std::strtoul(hex.c_str(), &end, 16));
          if (end != hex.c_str() + 4) Fail("bad \\u escape");
          pos_ += 4;
          AppendUtf8(out, code);
          break;
        }
        default:
          Fail("unknown escape");
      }
    }
  }

  JsonValue Number() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() &&
           std::string_view("+-0123456789.eE").find(text_[pos_]) != std::string_view::npos) {
      ++pos_;
    }
    if (start == pos_) Fail("unexpected character");
    const std::string number(text_.substr(start, pos_ - start));
    char* end = nullptr;
    const double v = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size()) Fail("bad number " + number);
    return {v};
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const {
  for (const auto& [k, v] : object()) {
    if (k == key) return v;
  }
  throw std::out_of_range("no member " + std::string(key));
}

bool JsonValue::Has(std::string_view key) const {
  if (!IsObject()) return false;
  for (const auto& [k, v] : object()) {
    if (k == key) return true;
  }
  return false;
}

std::vector<std::string> JsonValue::Keys() const {
  std::vector<std::string> keys;
  for (const auto& [k, v] : object()) keys.push_back(k);
  return keys;
}

JsonValue ParseJson(std::string_view text) {
  return Parser(text).Document();
}

}  // namespace valorne::testing
