#include "state/record.h"

#include <bit>
#include <cstring>
#include <type_traits>

namespace valorne {

namespace {

// Walks the record field by field and hands every stored number to the
// derived class's Prim(). Composite fields are broken down here, once, so
// that reading and writing share one shape.
template <typename Derived>
class BinaryWalk {
 public:
  template <typename T>
  void Scalar(const char*, T& x) {
    self().Prim(x);
  }
  template <typename T>
  void Tithe(const char*, T& x) {
    self().PrimTithe(x);
  }
  template <typename A>
  void Array(const char*, A& a) {
    for (auto& x : a) self().Prim(x);
  }
  template <typename A>
  void Prefix(const char*, A& a, int count) {
    for (int i = 1; i <= count; ++i) self().Prim(a[i]);
  }
  template <typename A>
  void Entries(const char*, A& a) {
    for (auto& x : a) self().Prim(x);
  }
  template <typename T>
  void Army(const char*, int, T& t) {
    VisitTroops(*this, t);
  }
  template <typename T>
  void Camp(const char*, int, T& t) {
    VisitTroops(*this, t);
  }
  template <typename R>
  void Rival(const char*, int county, R& r, int armies) {
    VisitRival(*this, r, county, armies);
  }
  template <typename O>
  void Outlaws(const char*, O& o) {
    VisitOutlaws(*this, o);
  }

 private:
  Derived& self() { return static_cast<Derived&>(*this); }
};

class Writer : public BinaryWalk<Writer> {
 public:
  explicit Writer(Record& r) : record_(r) {}

  template <typename T>
  void Prim(const T& x) {
    if constexpr (std::is_same_v<T, Single>) {
      Put(std::bit_cast<std::uint32_t>(x), 4);
    } else {
      Put(static_cast<std::uint64_t>(static_cast<std::make_unsigned_t<T>>(x)), sizeof(T));
    }
  }
  void PrimTithe(const Long& x) { Put(static_cast<std::uint16_t>(x & 0xFFFF), 2); }
  int offset() const { return offset_; }

 private:
  void Put(std::uint64_t v, int width) {
    for (int i = 0; i < width; ++i) record_[static_cast<std::size_t>(offset_++)] =
        static_cast<std::uint8_t>(v >> (8 * i));
  }
  Record& record_;
  int offset_ = 0;
};

class Reader : public BinaryWalk<Reader> {
 public:
  explicit Reader(const Record& r) : record_(r) {}

  template <typename T>
  void Prim(T& x) {
    if constexpr (std::is_same_v<T, Single>) {
      x = std::bit_cast<Single>(static_cast<std::uint32_t>(Take(4)));
    } else {
      x = static_cast<T>(static_cast<std::make_unsigned_t<T>>(Take(sizeof(T))));
    }
  }
  void PrimTithe(Long& x) { x = static_cast<Integer>(static_cast<std::uint16_t>(Take(2))); }

 private:
  std::uint64_t Take(int width) {
    std::uint64_t v = 0;
    for (int i = 0; i < width; ++i)
      v |= static_cast<std::uint64_t>(record_[static_cast<std::size_t>(offset_++)]) << (8 * i);
    return v;
  }
  const Record& record_;
  int offset_ = 0;
};

// Measures each top-level field by walking it with a writer into scratch.
class LayoutWalk {
 public:
  std::vector<RecordField> rows;

  template <typename T>
  void Scalar(const char* name, T& x) {
    Measure(name, [&](Writer& w) { w.Scalar(name, x); });
  }
  template <typename T>
  void Tithe(const char* name, T& x) {
    Measure(name, [&](Writer& w) { w.Tithe(name, x); });
  }
  template <typename A>
  void Array(const char* name, A& a) {
    Measure(name, [&](Writer& w) { w.Array(name, a); });
  }
  template <typename T>
  void Army(const char* name, int i, T& t) {
    Measure(Indexed(name, i), [&](Writer& w) { w.Army(name, i, t); });
  }
  template <typename T>
  void Camp(const char* name, int i, T& t) {
    Measure(Indexed(name, i), [&](Writer& w) { w.Camp(name, i, t); });
  }
  template <typename R>
  void Rival(const char* name, int county, R& r, int armies) {
    Measure(Indexed(name, county), [&](Writer& w) { w.Rival(name, county, r, armies); });
  }
  template <typename O>
  void Outlaws(const char* name, O& o) {
    Measure(name, [&](Writer& w) { w.Outlaws(name, o); });
  }

 private:
  static std::string Indexed(const char* name, int i) {
    return i == 0 ? std::string(name) : std::string(name) + "(" + std::to_string(i) + ")";
  }
  template <typename F>
  void Measure(std::string name, F write) {
    Writer w(scratch_);
    write(w);
    rows.push_back({std::move(name), offset_, w.offset()});
    offset_ += w.offset();
  }
  Record scratch_{};
  int offset_ = 0;
};

}  // namespace

CampComposition OutlawArmies::Band(int band) const {
  CampComposition t;
  auto b = static_cast<std::size_t>(band);
  t.Monks = Monks[b];
  t.Archers = Archers[b];
  t.ClubMen = ClubMen[b];
  t.SwordMen = SwordMen[b];
  t.Helebarders = Helebarders[b];
  t.TwoHanders = TwoHanders[b];
  t.Cavalry = Cavalry[b];
  t.HeavyCavalry = HeavyCavalry[b];
  t.Champions = Champions[b];
  t.Templars = Templars[b];
  t.Paladins = Paladins[b];
  t.LongBowmen = LongBowmen[b];
  t.Warlords = Warlords[b];
  t.Engineers = Engineers[b];
  return t;
}

void OutlawArmies::SetBand(int band, const CampComposition& t) {
  auto b = static_cast<std::size_t>(band);
  Monks[b] = t.Monks;
  Archers[b] = t.Archers;
  ClubMen[b] = t.ClubMen;
  SwordMen[b] = t.SwordMen;
  Helebarders[b] = t.Helebarders;
  TwoHanders[b] = t.TwoHanders;
  Cavalry[b] = t.Cavalry;
  HeavyCavalry[b] = t.HeavyCavalry;
  Champions[b] = t.Champions;
  Templars[b] = t.Templars;
  Paladins[b] = t.Paladins;
  LongBowmen[b] = t.LongBowmen;
  Warlords[b] = t.Warlords;
  Engineers[b] = t.Engineers;
}

void PackGameState(const GameState& state, Record& record) {
  Writer w(record);
  VisitRecord(w, state);
}

UnpackResult UnpackGameState(const Record& record, GameState& state, Byte& prev_level_number) {
  prev_level_number = state.LevelNumber;
  if (record[0] != state.LevelNumber) return UnpackResult::OtherLevel;

  GameState loaded = state;
  Reader r(record);
  VisitRecord(r, loaded);
  loaded.BattleArmy = state.BattleArmy;  // filled afresh before every battle
  if (!IsTrue(loaded.Rival1Standing)) {
    loaded.Rivals[1] = RivalCounty{};
    for (int c = 1; c <= 3; ++c) loaded.CampArmies[c].Clear();
  }
  if (!IsTrue(loaded.Rival2Standing)) {
    loaded.Rivals[2] = RivalCounty{};
    for (int c = 4; c <= 5; ++c) loaded.CampArmies[c].Clear();
  }
  state = loaded;
  return UnpackResult::Applied;
}

void ReadRecordAsStored(const Record& record, GameState& state) {
  Reader r(record);
  VisitRecord(r, state);
}

std::vector<RecordField> RecordLayout() {
  GameState scratch;
  LayoutWalk walk;
  VisitRecord(walk, scratch);
  return walk.rows;
}

}  // namespace valorne
