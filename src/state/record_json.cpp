// The state as JSON, for --dump-save and the headless `dump` command. Keys
// follow the record order; a field split over the record (the rival counties
// and their armies) is written whole where it first appears.
#include <charconv>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "state/record.h"

namespace valorne {

namespace {

std::string Number(Single x) {
  // A damaged save can hold any bits in a real; JSON has no word for the
  // ones that are no number.
  if (!std::isfinite(x)) return "null";
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, res.ptr);
}
template <typename T>
std::string Number(T x) {
  return std::to_string(static_cast<long long>(x));
}

// Writes the members of one composite as "key": value pairs.
class ObjectWalk {
 public:
  std::string out;

  template <typename T>
  void Scalar(const char* name, const T& x) {
    Key(name);
    out += Number(x);
  }
  template <typename A>
  void Array(const char* name, const A& a) {
    Key(name);
    out += '[';
    bool first = true;
    for (const auto& x : a) {
      if (!first) out += ',';
      first = false;
      out += Number(x);
    }
    out += ']';
  }
  template <typename A>
  void Prefix(const char* name, const A& a, int count) {
    Key(name);
    out += '[';
    for (int i = 1; i <= count; ++i) {
      if (i > 1) out += ',';
      out += Number(a[i]);
    }
    out += ']';
  }
  template <typename A>
  void Entries(const char* name, const A& a) {
    Array(name, a);
  }

 private:
  void Key(const char* name) {
    if (!out.empty()) out += ',';
    out += '"';
    out += name;
    out += "\":";
  }
};

class JsonWalk {
 public:
  // Keys in order of first appearance, with their rendered values; troop-list
  // arrays collect their elements until the end.
  std::vector<std::string> order;
  std::map<std::string, std::string> single;
  std::map<std::string, std::vector<std::string>> grouped;

  template <typename T>
  void Scalar(const char* name, const T& x) {
    Put(name, Number(x));
  }
  template <typename T>
  void Tithe(const char* name, const T& x) {
    Put(name, Number(x));
  }
  template <typename A>
  void Array(const char* name, const A& a) {
    ObjectWalk w;
    w.Array(name, a);
    Put(name, w.out.substr(std::char_traits<char>::length(name) + 3));
  }
  template <typename T>
  void Army(const char* name, int, const T& t) {
    Group(name, Object([&](ObjectWalk& w) { VisitTroops(w, t); }));
  }
  template <typename T>
  void Camp(const char* name, int index, const T& t) {
    std::string obj = Object([&](ObjectWalk& w) { VisitTroops(w, t); });
    if (index == 0) {
      Put(name, obj);
    } else {
      Group(name, obj);
    }
  }
  template <typename R>
  void Rival(const char* name, int county, const R& r, int armies) {
    Group(name, Object([&](ObjectWalk& w) { VisitRival(w, r, county, armies); }));
  }
  template <typename O>
  void Outlaws(const char* name, const O& o) {
    Put(name, Object([&](ObjectWalk& w) { VisitOutlaws(w, o); }));
  }

  std::string Render() const {
    std::string out = "{";
    bool first = true;
    for (const auto& key : order) {
      if (!first) out += ',';
      first = false;
      out += '"' + key + "\":";
      if (auto it = single.find(key); it != single.end()) {
        out += it->second;
      } else {
        out += '[';
        const auto& items = grouped.at(key);
        for (std::size_t i = 0; i < items.size(); ++i) {
          if (i) out += ',';
          out += items[i];
        }
        out += ']';
      }
    }
    return out + "}";
  }

 private:
  template <typename F>
  static std::string Object(F fill) {
    ObjectWalk w;
    fill(w);
    return "{" + w.out + "}";
  }
  void Put(const std::string& name, std::string value) {
    order.push_back(name);
    single[name] = std::move(value);
  }
  void Group(const std::string& name, std::string value) {
    auto& items = grouped[name];
    if (items.empty()) order.push_back(name);
    items.push_back(std::move(value));
  }
};

}  // namespace

std::string RecordToJson(const GameState& state) {
  JsonWalk walk;
  VisitRecord(walk, state);
  return walk.Render();
}

}  // namespace valorne
