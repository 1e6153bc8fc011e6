#include "military/army_camp.h"

#include "military/waypoints.h"

namespace valorne {

namespace {

template <typename T>
void Add(T& field, long amount) {
  if constexpr (sizeof(T) == 1) {
    field = WrapByte(static_cast<std::int64_t>(field) + amount);
  } else if constexpr (sizeof(T) == 2) {
    field = WrapInteger(static_cast<std::int64_t>(field) + amount);
  } else {
    field = WrapLong(static_cast<std::int64_t>(field) + amount);
  }
}

bool Exists(const GameState& s, int army) {
  return army >= 1 && army <= 3 && IsTrue(s.ArmyExists[army]);
}

// The recruiting screen's type number of each army-record kind.
constexpr int kSplitTypes[kUnitKinds] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 12};

// Army-record kind 1..14 of a recruiting type number.
int KindOfType(int type) {
  for (int k = 1; k <= kUnitKinds; ++k) {
    if (kSplitTypes[k - 1] == type) return k;
  }
  return 0;
}

}  // namespace

EquipmentCarried EquipmentOf(const ArmyComposition& a, long size) {
  return {.Weapons = size - a.Warlords - a.LongBowmen - a.Engineers,
          .Shields = long{a.Champions} + a.HeavyCavalry + a.Cavalry + a.SwordMen,
          .ChainMails = long{a.Cavalry} + a.TwoHanders + a.SwordMen + a.Helebarders,
          .Plates = long{a.Warlords} + a.Paladins + a.Templars + a.Champions + a.HeavyCavalry,
          .Horses = long{a.Champions} + a.HeavyCavalry + a.Cavalry};
}

void RecountArmy(GameState& s, int army) {
  s.ArmySizes[army] = WrapInteger(s.ArmySoldiers[army].Total());
}

std::array<bool, 3> CombinablePairs(const GameState& s) {
  std::array<bool, 3> pairs{};
  for (std::size_t k = 0; k < kArmyPairs.size(); ++k) {
    const auto [a, b] = kArmyPairs[k];
    pairs[k] = Exists(s, a) && Exists(s, b) && s.ArmyWaypointNos[a] == s.ArmyWaypointNos[b];
  }
  return pairs;
}

void ParkArmy(GameState& s, int army) {
  s.ArmyExists[army] = kFalse;
  s.ArmySizes[army] = 0;
  s.ArmySoldiers[army].Clear();
}

void DisbandArmy(Game& game, int army) {
  GameState& s = game.state;
  if (army < 1 || army > 3) return;
  if (s.GarrisonedArmy == army) s.GarrisonedArmy = 0;
  const ArmyComposition a = s.ArmySoldiers[army];
  const Integer people =
      WrapInteger(static_cast<std::int64_t>(s.ArmySizes[army]) - a.Warlords - a.LongBowmen);
  s.ArmyExists[army] = kFalse;
  s.ArmySizes[army] = 0;
  Add(s.Population, people);
  Add(s.IdlePeople, people);
  Add(s.Bows, a.Archers);
  Add(s.Clubs, a.ClubMen);
  Add(s.Helebards, a.Helebarders);
  Add(s.TwoHandSwords, a.TwoHanders);
  Add(s.Maces, a.HeavyCavalry);
  Add(s.Pikes, a.Champions);
  Add(s.Crosses, a.Monks);
  Add(s.Swords, long{a.Paladins} + a.Cavalry + a.SwordMen);
  Add(s.ChainMails, long{a.TwoHanders} + a.Helebarders + a.Cavalry);
  Add(s.Shields, long{a.Champions} + a.HeavyCavalry + a.Cavalry + a.SwordMen);
  // Templars keep their two-handed swords.
  Add(s.PlateArmours,
      long{a.Warlords} + a.Templars + a.Champions + a.HeavyCavalry + a.Paladins + a.SwordMen);
  Add(s.LongBows, a.LongBowmen);  // the long-bowmen pool
  Add(s.WarlordsAvailable, a.Warlords);
  Add(s.EngineersAvailable, a.Engineers);
  ParkArmy(s, army);
  s.ArmyWaypointNos[army] = 0;
}

TextRef BeginSplitOrder(Game& game) {
  const GameState& s = game.state;
  if (Exists(s, 1) && Exists(s, 2) && Exists(s, 3)) return kNoFreeArmySlot;
  game.live.ArmyClickMode = 1;
  return {};
}

SplitColumns BeginSplit(const GameState& s, int army) {
  SplitColumns c;
  if (army < 1 || army > 3) return c;
  c.RaisedTotal = s.ArmySizes[army];
  c.RaisedSoldiers = s.ArmySoldiers[army];
  return c;
}

int SplitUnitType(int entry) {
  return entry >= 0 && entry < kUnitKinds ? kSplitTypes[entry] : 0;
}

bool DetachOne(SplitColumns& c, int type) {
  const int kind = KindOfType(type);
  if (kind == 0 || c.RaisedSoldiers.Get(kind) < 1) return false;
  c.RaisedSoldiers.Set(kind, c.RaisedSoldiers.Get(kind) - 1);
  c.Detached.Set(kind, c.Detached.Get(kind) + 1);
  --c.RaisedTotal;
  ++c.DetachedTotal;
  return true;
}

bool ReturnOne(SplitColumns& c, int type) {
  const int kind = KindOfType(type);
  if (kind == 0 || c.Detached.Get(kind) < 1) return false;
  c.Detached.Set(kind, c.Detached.Get(kind) - 1);
  c.RaisedSoldiers.Set(kind, c.RaisedSoldiers.Get(kind) + 1);
  ++c.RaisedTotal;
  --c.DetachedTotal;
  return true;
}

TextRef FinishSplit(Game& game, const SplitColumns& c) {
  GameState& s = game.state;
  const int source = s.SelectedArmy;
  if (c.DetachedTotal < kMinArmySize || c.RaisedTotal < kMinArmySize) return kArmyTooSmall;
  int slot = 0;
  for (int army = 1; army <= 3 && slot == 0; ++army) {
    if (s.ArmySizes[army] == 0) slot = army;
  }
  if (source < 1 || source > 3 || slot == 0) return kNoFreeArmySlot;
  s.ArmySizes[source] = WrapInteger(c.RaisedTotal);
  s.ArmySoldiers[source] = c.RaisedSoldiers;
  s.ArmyExists[slot] = kTrue;
  s.ArmySoldiers[slot] = c.Detached;
  s.ArmySizes[slot] = WrapInteger(c.DetachedTotal);
  s.ArmyWaypointNos[slot] = s.ArmyWaypointNos[source];
  s.ArmyMovesLeft[slot] = 2;
  s.ArmyMovesLeft[source] = 1;
  game.live.ArmyFacings[slot] = game.live.ArmyFacings[source];
  game.live.ArmyClickMode = 0;
  return {};
}

void CancelSplit(Game& game) {
  game.live.ArmyClickMode = 2;
}

TextRef CombineArmies(Game& game, const std::array<bool, 3>& ticked) {
  GameState& s = game.state;
  std::vector<int> armies;
  if (ticked[0] && ticked[1] && ticked[2]) {
    armies = {1, 2, 3};
  } else {
    for (std::size_t k = 0; k < ticked.size() && armies.empty(); ++k) {
      if (ticked[k]) armies = {kArmyPairs[k][0], kArmyPairs[k][1]};
    }
  }
  if (armies.empty()) return {};
  long total = 0;
  for (int army : armies) total += s.ArmySizes[army];
  if (total > kMaxArmySize) return kArmyTooLarge;
  const int kept = armies.front();
  for (std::size_t k = 1; k < armies.size(); ++k) {
    const int absorbed = armies[k];
    for (int kind = 1; kind <= kUnitKinds; ++kind) {
      s.ArmySoldiers[kept].Set(kind,
                               s.ArmySoldiers[kept].Get(kind) + s.ArmySoldiers[absorbed].Get(kind));
    }
    ParkArmy(s, absorbed);
  }
  s.ArmySizes[kept] = WrapInteger(total);
  s.ArmyMovesLeft[kept] = 0;
  return {};
}

}  // namespace valorne
