#include "screens/toolkit/screen_json.h"

#include <cstdio>

#include "screens/toolkit/controls.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

// The length of the UTF-8 sequence starting at text[i], or 0 when it is not
// a well-formed one.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  std::uint32_t min = 0;
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    min = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  std::uint32_t code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

class JsonObject {
 public:
  explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
  ~JsonObject() { out_ += '}'; }
  std::string& Key(std::string_view key) {
    if (!first_) out_ += ", ";
    first_ = false;
    out_ += JsonString(key);
    out_ += ": ";
    return out_;
  }
  void Add(std::string_view key, std::string_view text) { Key(key) += JsonString(text); }
  void Add(std::string_view key, const char* text) { Add(key, std::string_view(text)); }
  void Add(std::string_view key, bool value) { Key(key) += value ? "true" : "false"; }
  void Add(std::string_view key, long long value) { Key(key) += std::to_string(value); }
  void Add(std::string_view key, int value) { Add(key, static_cast<long long>(value)); }

 private:
  std::string& out_;
  bool first_ = true;
};

void ControlJson(const Control& c, std::string& out) {
  JsonObject o(out);
  o.Add("name", c.name());
  o.Add("kind", KindName(c.kind()));
  o.Add("visible", c.visible());
  o.Add("enabled", c.enabled());
  o.Add("text", c.Text());
  o.Add("colour", c.fore().Hex());
  o.Add("left", c.left());
  o.Add("top", c.top());
  o.Add("width", c.width());
  o.Add("height", c.height());
  o.Add("picture", c.picture());
  if (const auto* list = dynamic_cast<const ListBox*>(&c)) {
    o.Key("items") += JsonStrings(list->items());
    o.Add("index", list->ListIndex());
  }
  if (const auto* box = dynamic_cast<const CheckBox*>(&c)) o.Add("checked", box->checked());
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::size_t length = Utf8Length(text, i);
    if (length == 0) {
      out += "\\ufffd";
      ++i;
      continue;
    }
    if (length > 1) {
      out.append(text.substr(i, length));
    } else if (c == '"') {
      out += "\\\"";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
    i += length;
  }
  out += '"';
  return out;
}

std::string JsonStrings(const std::vector<std::string>& texts) {
  std::string out = "[";
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) out += ", ";
    out += JsonString(texts[i]);
  }
  out += ']';
  return out;
}

std::string FormJson(const Form& form) {
  std::string out;
  {
    JsonObject o(out);
    o.Add("name", form.name());
    std::string& list = o.Key("controls");
    list += '[';
    bool first = true;
    for (const auto& c : form.controls()) {
      if (!first) list += ", ";
      first = false;
      ControlJson(*c, list);
    }
    list += ']';
  }
  return out;
}

std::string StackJson(const Ui& ui) {
  std::vector<std::string> names;
  for (const Form* f : ui.stack()) names.push_back(f->name());
  return JsonStrings(names);
}

std::string TimersJson(Ui& ui) {
  std::string out = "[";
  bool first = true;
  auto add = [&](const Form& form) {
    for (const auto& t : form.timers()) {
      if (!first) out += ", ";
      first = false;
      JsonObject o(out);
      o.Add("form", form.name());
      o.Add("name", t->name());
      o.Add("interval", t->interval());
      o.Add("enabled", t->enabled());
      o.Add("due", static_cast<long long>(t->due()));
    }
  };
  add(ui.timers());
  for (const Form* f : ui.stack()) add(*f);
  out += ']';
  return out;
}

}  // namespace valorne
