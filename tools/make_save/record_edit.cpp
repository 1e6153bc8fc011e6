#include "record_edit.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>
#include <vector>

#include "state/record_fields.h"

namespace valorne {

namespace {

// One step of a field name: "Rivals(2)" or "Gold".
struct Segment {
  std::string name;
  std::optional<int> index;
};

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Splits "ArmySoldiers(2).Archers" into its steps; nothing on a malformed name.
std::optional<std::vector<Segment>> ParseName(std::string_view text) {
  std::vector<Segment> path;
  std::size_t at = 0;
  while (true) {
    Segment seg;
    while (at < text.size() && IsNameChar(text[at])) seg.name += text[at++];
    if (seg.name.empty()) return std::nullopt;
    if (at < text.size() && text[at] == '(') {
      const std::size_t close = text.find(')', at);
      if (close == std::string_view::npos) return std::nullopt;
      int index = 0;
      const char* first = text.data() + at + 1;
      const char* last = text.data() + close;
      const auto res = std::from_chars(first, last, index);
      if (first == last || res.ec != std::errc() || res.ptr != last) return std::nullopt;
      seg.index = index;
      at = close + 1;
    }
    path.push_back(std::move(seg));
    if (at == text.size()) return path;
    if (text[at] != '.') return std::nullopt;
    ++at;
  }
}

std::string RangeText(long long lo, long long hi) {
  return std::to_string(lo) + " to " + std::to_string(hi);
}

// Reads `text` as a whole number from lo to hi into `field`; the reason for
// a refusal otherwise, with the field untouched.
template <typename T>
std::string StoreWhole(T& field, std::string_view text, const std::string& where, long long lo,
                       long long hi) {
  // The game's true is -1 in a 16-bit field.
  if constexpr (std::is_same_v<T, Boolean>) {
    if (text == "true" || text == "false") {
      field = text == "true" ? kTrue : kFalse;
      return {};
    }
  }
  long long v = 0;
  const char* last = text.data() + text.size();
  const auto res = std::from_chars(text.data(), last, v);
  if (text.empty() || res.ec != std::errc() || res.ptr != last || v < lo || v > hi) {
    return where + " takes a whole number from " + RangeText(lo, hi) + ", not \"" +
           std::string(text) + "\"";
  }
  field = static_cast<T>(v);
  return {};
}

// Reads `text` as a value of the field's own type and stores it.
template <typename T>
std::string Store(T& field, std::string_view text, const std::string& where) {
  if constexpr (std::is_floating_point_v<T>) {
    T v{};
    const char* last = text.data() + text.size();
    const auto res = std::from_chars(text.data(), last, v);
    if (text.empty() || res.ec != std::errc() || res.ptr != last || !std::isfinite(v)) {
      return where + " takes a number such as 62.5, not \"" + std::string(text) + "\"";
    }
    field = v;
    return {};
  } else {
    return StoreWhole(field, text, where, std::numeric_limits<T>::min(),
                      std::numeric_limits<T>::max());
  }
}

// Walks one level of the record (or of a composite inside it) looking for the
// step path[depth]; composites hand the rest of the path to a walker of their
// own members.
class FieldSetter {
 public:
  FieldSetter(const std::vector<Segment>& path, std::size_t depth, std::string_view value,
              std::string owner)
      : path_(path), depth_(depth), value_(value), owner_(std::move(owner)) {}

  template <typename T>
  void Scalar(const char* name, T& x) {
    if (!Number(name)) return;
    error_ = Store(x, value_, Here());
  }
  template <typename T>
  void Tithe(const char* name, T& x) {
    // A save keeps the tithe in 16 bits.
    if (!Number(name)) return;
    error_ = StoreWhole(x, value_, Here(), std::numeric_limits<Integer>::min(),
                        std::numeric_limits<Integer>::max());
  }
  template <typename T, std::size_t N>
  void Array(const char* name, OneBased<T, N>& a) {
    if (Element(name, 1, static_cast<int>(N))) error_ = Store(a[*seg().index], value_, Here());
  }
  template <typename A>
  void Prefix(const char* name, A& a, int count) {
    if (Element(name, 1, count)) error_ = Store(a[*seg().index], value_, Here());
  }
  template <typename T, std::size_t N>
  void Entries(const char* name, std::array<T, N>& a) {
    if (Element(name, 0, static_cast<int>(N) - 1)) {
      error_ = Store(a[static_cast<std::size_t>(*seg().index)], value_, Here());
    }
  }
  template <typename T>
  void Army(const char* name, int index, T& t) {
    Composite(name, index, [&](FieldSetter& inner) { VisitTroops(inner, t); });
  }
  template <typename T>
  void Camp(const char* name, int index, T& t) {
    Composite(name, index, [&](FieldSetter& inner) { VisitTroops(inner, t); });
  }
  template <typename R>
  void Rival(const char* name, int county, R& r, int armies) {
    Composite(name, county, [&](FieldSetter& inner) { VisitRival(inner, r, county, armies); });
  }
  template <typename O>
  void Outlaws(const char* name, O& o) {
    Composite(name, 0, [&](FieldSetter& inner) { VisitOutlaws(inner, o); });
  }

  // The outcome once the whole level has been walked: empty when the field
  // was found and set.
  std::string Finish() const {
    if (found_) return error_;
    const std::string whole = owner_ + seg().name;
    if (!indices_.empty()) {
      int lo = indices_.front(), hi = indices_.front();
      for (int i : indices_) lo = std::min(lo, i), hi = std::max(hi, i);
      if (!seg().index) {
        return whole + " is a list: name one element, " + whole + "(" + std::to_string(lo) +
               ") .. " + whole + "(" + std::to_string(hi) + ")";
      }
      return whole + " has elements " + std::to_string(lo) + " .. " + std::to_string(hi) +
             ", not " + std::to_string(*seg().index);
    }
    if (owner_.empty()) return "the save record has no field named " + seg().name;
    return owner_.substr(0, owner_.size() - 1) + " has no member named " + seg().name;
  }

 private:
  const Segment& seg() const { return path_[depth_]; }
  bool Last() const { return depth_ + 1 == path_.size(); }
  std::string Here() const {
    std::string s = owner_ + seg().name;
    if (seg().index) s += "(" + std::to_string(*seg().index) + ")";
    return s;
  }

  // A field that holds one number.
  bool Number(const char* name) {
    if (seg().name != name) return false;
    found_ = true;
    if (seg().index) {
      error_ = owner_ + name + " is not a list: write " + owner_ + name + "=VALUE";
    } else if (!Last()) {
      error_ = owner_ + name + " is a number and has no members";
    } else {
      return true;
    }
    return false;
  }

  // A list of numbers numbered lo..hi; true when the step names one of them.
  bool Element(const char* name, int lo, int hi) {
    if (seg().name != name) return false;
    found_ = true;
    const std::string whole = owner_ + name;
    if (!seg().index) {
      error_ = whole + " is a list: name one element, " + whole + "(" + std::to_string(lo) +
               ") .. " + whole + "(" + std::to_string(hi) + ")";
    } else if (*seg().index < lo || *seg().index > hi) {
      error_ = whole + " has elements " + std::to_string(lo) + " .. " + std::to_string(hi) +
               ", not " + std::to_string(*seg().index);
    } else if (!Last()) {
      error_ = Here() + " is a number and has no members";
    } else {
      return true;
    }
    return false;
  }

  // A troop list, rival county or the outlaws: `index` 0 when the record
  // holds it once, else its number in its list.
  template <typename Walk>
  void Composite(const char* name, int index, Walk walk) {
    if (seg().name != name) return;
    if (index != 0) {
      indices_.push_back(index);
      if (seg().index != index) return;
    } else if (seg().index) {
      found_ = true;
      error_ = owner_ + name + " is not a list: write " + owner_ + name + ".MEMBER=VALUE";
      return;
    }
    found_ = true;
    if (Last()) {
      error_ = Here() + " has members: name one, as in " + Here() + ".MEMBER=VALUE";
      return;
    }
    FieldSetter inner(path_, depth_ + 1, value_, Here() + ".");
    walk(inner);
    error_ = inner.Finish();
  }

  const std::vector<Segment>& path_;
  std::size_t depth_;
  std::string_view value_;
  std::string owner_;
  bool found_ = false;
  std::string error_;
  std::vector<int> indices_;
};

}  // namespace

std::string SetRecordField(GameState& state, std::string_view name, std::string_view value) {
  const auto path = ParseName(name);
  if (!path) {
    return "\"" + std::string(name) + "\" is no field name: write Name, Name(3) or Name(3).Member";
  }
  GameState edited = state;
  FieldSetter setter(*path, 0, value, "");
  VisitRecord(setter, edited);
  std::string error = setter.Finish();
  if (error.empty()) state = edited;
  return error;
}

}  // namespace valorne
