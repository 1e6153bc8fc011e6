#include "county/recruitment.h"

#include "county/unit_catalogue.h"

namespace valorne {

namespace {

constexpr TextRef kNoIdlePeople{4, 20};
constexpr TextRef kArmyFull{4, 21};
constexpr TextRef kNoEquipment{4, 18};
constexpr TextRef kArmyTooSmall{4, 19};

bool ValidType(int type) {
  return type >= 1 && type <= kUnitTypes;
}

long RaisedOfType(const Recruiting& r, int type) {
  return r.RaisedSoldiers.Get(ArmySlotOfType(type));
}

// The moves a new army has in its first turn: as many as the county's morale
// gives every army at the end of a turn.
Byte MovesForMorale(Single morale) {
  if (morale >= 75) return 3;
  if (morale >= 50) return 2;
  return 1;
}

}  // namespace

Outcome CanOpenRecruiting(const GameState& s, Byte place) {
  if (place == kRecruitPlaceOutpost && s.OutpostState != kIdle) return Refused();
  return IsTrue(s.BuildingBuilt[2]) ? Accepted() : Refused(kBuildingMissing);
}

Recruiting BeginRecruiting(const GameState& s, Byte place) {
  Recruiting r;
  r.RecruitPlace = place;
  r.StocksOnOpening = ArmouryStocks(s);
  return r;
}

Outcome ChooseUnitType(const Game& game, Recruiting& r, int type) {
  if (!ValidType(type)) return Refused();
  const GameState& s = game.state;
  switch (UnitType(type).condition) {
    case UnitCondition::MonkReligion:
      if (s.LordReligion < MonkReligionNeeded(game.Difficulty)) return Refused();
      break;
    case UnitCondition::Stables:
      if (!IsTrue(s.BuildingBuilt[3])) return Refused(kBuildingMissing);
      break;
    case UnitCondition::Religion50:
      if (s.LordReligion < 50) return Refused();
      break;
    case UnitCondition::None:
      break;
  }
  r.SelectedUnitType = static_cast<Byte>(type);
  return Accepted();
}

Outcome RaiseOneSoldier(Game& game, Recruiting& r) {
  if (!ValidType(r.SelectedUnitType)) return Refused();
  GameState& s = game.state;
  if (r.RaisedTotal >= s.IdlePeople) return Refused(kNoIdlePeople);
  if (r.RaisedTotal >= kMaxArmySoldiers) return Refused(kArmyFull);
  const int type = r.SelectedUnitType;
  const Equipment e = EquipmentOf(type);
  for (int i = 0; i < e.count; ++i) {
    if (ArmouryStock(s, e.rows[static_cast<std::size_t>(i)]) <= 0) return Refused(kNoEquipment);
  }
  const int cap = UnitType(type).cap;
  if (cap > 0 && RaisedOfType(r, type) >= cap) return Refused(kNoEquipment);

  for (int i = 0; i < e.count; ++i) AddToArmoury(s, e.rows[static_cast<std::size_t>(i)], -1);
  const int slot = ArmySlotOfType(type);
  r.RaisedSoldiers.Set(slot, r.RaisedSoldiers.Get(slot) + 1);
  r.RaisedTotal = WrapInteger(r.RaisedTotal + 1);
  return Accepted();
}

Outcome ReleaseOneSoldier(Game& game, Recruiting& r) {
  if (!ValidType(r.SelectedUnitType)) return Refused();
  const int type = r.SelectedUnitType;
  if (RaisedOfType(r, type) <= 0) return Refused();
  const Equipment e = EquipmentOf(type);
  for (int i = 0; i < e.count; ++i) {
    AddToArmoury(game.state, e.rows[static_cast<std::size_t>(i)], +1);
  }
  const int slot = ArmySlotOfType(type);
  r.RaisedSoldiers.Set(slot, r.RaisedSoldiers.Get(slot) - 1);
  r.RaisedTotal = WrapInteger(r.RaisedTotal - 1);
  return Accepted();
}

bool CanFormAnotherArmy(const GameState& s) {
  for (int a = 1; a <= kPlayerArmies; ++a) {
    if (!IsTrue(s.ArmyExists[a])) return true;
  }
  return false;
}

int FirstFreeArmy(const GameState& s) {
  for (int a = 1; a <= kPlayerArmies; ++a) {
    if (s.ArmySizes[a] == 0) return a;
  }
  return 0;
}

Outcome FormArmy(Game& game, Recruiting& r) {
  if (r.RaisedTotal < kMinArmySoldiers) return Refused(kArmyTooSmall);
  GameState& s = game.state;
  const int a = FirstFreeArmy(s);
  if (a == 0) return Refused();
  s.ArmySizes[a] = r.RaisedTotal;
  s.ArmyExists[a] = kTrue;
  s.ArmySoldiers[a] = r.RaisedSoldiers;
  s.Population -= r.RaisedTotal;
  s.IdlePeople -= r.RaisedTotal;
  s.ArmyWaypointNos[a] =
      r.RecruitPlace == kRecruitPlaceOutpost ? kOutpostWaypoint : kCastleGateWaypoint;
  s.ArmyMovesLeft[a] = MovesForMorale(s.Morale);
  r.SelectedUnitType = 0;
  r.RaisedTotal = 0;
  r.RaisedSoldiers.Clear();
  return Accepted();
}

void CancelRecruiting(Game& game, Recruiting& r) {
  SetArmouryStocks(game.state, r.StocksOnOpening);
  r.SelectedUnitType = 0;
  r.RaisedTotal = 0;
  r.RaisedSoldiers.Clear();
}

RecruitFigures RecruitingFigures(const Game& game, const Recruiting& r) {
  RecruitFigures f;
  f.RaisedTotal = std::to_string(r.RaisedTotal);
  const int type = r.SelectedUnitType;
  if (!ValidType(type)) return f;
  const GameState& s = game.state;
  const UnitTypeInfo& info = UnitType(type);
  auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
  auto stock = [&s](ArmouryRow row) { return std::to_string(ArmouryStock(s, row)); };
  f.Attack = info.attack;
  f.Defence = info.defence;
  f.Speed = info.speed;
  f.NeedsWeapon = flag(NeedsWeapon(type));
  f.NeedsShield = flag(info.shield);
  f.NeedsChainMail = flag(info.chain_mail);
  f.NeedsPlate = flag(info.plate);
  f.Weapon = stock(info.weapon);
  f.Shield = stock(ArmouryRow::Shields);
  f.ChainMail = stock(ArmouryRow::ChainMails);
  f.Plate = stock(ArmouryRow::PlateArmours);
  f.Raised = std::to_string(RaisedOfType(r, type));
  f.Name = {4, info.name_text};
  f.Hint = {1, info.hint_text};
  f.Portrait = UnitPortrait(type);
  return f;
}

}  // namespace valorne
