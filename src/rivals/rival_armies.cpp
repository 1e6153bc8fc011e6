// A rival county's armies: the musters on its fixed turns, county 1's own
// declaration of war, the armies it buys as a war draws near, the march on
// the player's castle and the attack when the army arrives.
#include "military/battle_start.h"
#include "rivals/rival_rules.h"
#include "turn/messages.h"
#include "turn/turn_arithmetic.h"

namespace valorne {

namespace {

// Camp states: the army in its camp, on the march, at the castle.
constexpr Byte kInCamp = 1;
constexpr Byte kMarching = 2;
constexpr Byte kAtTheCastle = 3;

constexpr int kMarchingArmy = 2;  // every county marches with its second army
constexpr Byte kAttackUnderWay = 201;
constexpr int kCastleWaypoint = 1;
constexpr Byte kMarchEngineers = 20;

struct Purchase {
  Long gold;
  Long people;
  CampComposition troops;
};

CampComposition BoughtTroops(int archers, int club_men, int sword_men, int helebarders,
                             int two_handers, int warlords, int engineers) {
  CampComposition t;
  t.Archers = static_cast<Integer>(archers);
  t.ClubMen = static_cast<Integer>(club_men);
  t.SwordMen = static_cast<Integer>(sword_men);
  t.Helebarders = static_cast<Integer>(helebarders);
  t.TwoHanders = static_cast<Integer>(two_handers);
  t.Warlords = static_cast<Byte>(warlords);
  t.Engineers = static_cast<Byte>(engineers);
  return t;
}

// The army a county buys by the gold it holds: from 4000, from 8000, from
// 12000.
Purchase PurchaseFor(Long gold) {
  if (gold >= 12000) return {9370, 937, BoughtTroops(460, 320, 186, 560, 400, 1, 10)};
  if (gold >= 8000) return {7850, 785, BoughtTroops(450, 360, 300, 250, 300, 1, 10)};
  return {4530, 453, BoughtTroops(200, 200, 200, 250, 100, 1, 5)};
}

// What a county too poor for a full army scrapes together.
const Purchase kSmallArmy{3160, 316, BoughtTroops(160, 120, 35, 0, 0, 0, 0)};

int AttackStatus(int county) {
  return county + 1;  // `RivalStatus` entry 2 counts for county 1, entry 3 for county 2
}

bool HasArmy(const RivalCounty& r, int army) {
  return IsTrue(r.ArmyRaised[army]) && r.CampStates[army] != 0;
}

CampComposition& CampTroops(GameState& s, int county, int army) {
  return s.CampArmies[CampOf(county, army)];
}

void Raise(RivalCounty& r, int army) {
  r.ArmyRaised[army] = kTrue;
  if (r.CampStates[army] == 0) r.CampStates[army] = kInCamp;
}

void Disband(GameState& s, int county, int army) {
  RivalCounty& r = RivalOf(s, county);
  r.ArmyRaised[army] = kFalse;
  r.CampStates[army] = 0;
  CampTroops(s, county, army).Clear();
}

void Pay(RivalCounty& r, Long gold, Long people) {
  AddTo(r.Gold, -static_cast<double>(gold));
  AddTo(r.People, -static_cast<double>(people));
}

void AddTroops(CampComposition& to, const CampComposition& from) {
  for (int kind = 1; kind <= kUnitKinds; ++kind) to.Set(kind, to.Get(kind) + from.Get(kind));
}

// The turn that comes three ends of turn after this one; turn 200 is
// followed by 2.
Byte ThreeTurnsOn(Byte turn) {
  int later = turn + 3;
  if (later > 200) later -= 199;
  return static_cast<Byte>(later);
}

// The county's army sets out against the castle: county 1 marches with its
// second army, joined by the third, or with the third alone, which then
// takes the second's place; county 2 with its second. The engineers decide
// how soon it arrives.
void SetOut(Game& game, int county) {
  GameState& s = game.state;
  RivalCounty& r = RivalOf(s, county);
  const bool second = HasArmy(r, kMarchingArmy);
  const bool third = ProfileOf(county).armies == 3 && HasArmy(r, 3);
  if (!second && !third) return;
  CampComposition& marching = CampTroops(s, county, kMarchingArmy);
  long engineers = kMarchEngineers;
  if (third) {
    const CampComposition joining = CampTroops(s, county, 3);
    engineers += joining.Engineers;
    if (second) {
      AddTroops(marching, joining);
    } else {
      marching = joining;
    }
    Disband(s, county, 3);
  }
  marching.Engineers = WrapByte(engineers);
  Raise(r, kMarchingArmy);
  r.CampStates[kMarchingArmy] = kMarching;
  s.RivalStatus[AttackStatus(county)] = static_cast<Byte>(ArrivalTurns(marching.Engineers));
  if (county == 1) {
    Ask(game, 23, 91);
  } else {
    PostReport(game, 1, 91);
  }
}

}  // namespace

int ArrivalTurns(long engineers) {
  if (engineers <= 10) return 6;
  if (engineers <= 20) return 4;
  if (engineers <= 30) return 3;
  return 2;
}

void RivalMusters(Game& game, const RivalProfile& p, RivalCounty& r) {
  GameState& s = game.state;
  for (const MusterRow& row : p.musters) {
    if (row.turn != s.Turn) continue;
    Pay(r, row.gold, row.people);
    CampTroops(s, p.county, row.army) = row.troops;
    Raise(r, row.army);
    // An ambassador at the rival's court hears of every muster.
    if (s.RivalStance[p.county] == 100) PostReport(game, 1, 88);
  }
}

void RivalDeclaresWar(Game& game, const RivalProfile& p) {
  GameState& s = game.state;
  if (p.county != 1 || s.Turn != 33) return;
  const bool war_running =
      s.WarCountdown[1] != 0 || s.WarCountdown[2] != 0 || s.RivalStatus[AttackStatus(1)] < kIdle;
  if (war_running) return;
  s.WarCountdown[1] = 5;
  PostReport(game, 1, 89);
}

// Two turns before the war countdown ends, while no army of the county is
// already on the road or at the castle, the county buys an army for the war.
void RivalPurchases(Game& game, const RivalProfile& p, RivalCounty& r) {
  GameState& s = game.state;
  if (s.WarCountdown[p.county] != 2 || r.CampStates[kMarchingArmy] >= kMarching) return;
  Byte& attack = s.RivalStatus[AttackStatus(p.county)];
  const bool second = HasArmy(r, kMarchingArmy);
  const bool third = p.armies == 3 && HasArmy(r, 3);
  if (r.Gold >= 4000) {
    const Purchase bought = PurchaseFor(r.Gold);
    Pay(r, bought.gold, bought.people);
    if (p.armies == 3) {
      CampTroops(s, p.county, 3) = bought.troops;
      Raise(r, 3);
    } else {
      // County 2 has no third army: the troops join its second at once.
      if (!second) CampTroops(s, p.county, kMarchingArmy).Clear();
      AddTroops(CampTroops(s, p.county, kMarchingArmy), bought.troops);
      Raise(r, kMarchingArmy);
    }
    PostReport(game, 1, 92);
  } else if (!second && !third) {
    Pay(r, kSmallArmy.gold, kSmallArmy.people);
    CampTroops(s, p.county, kMarchingArmy) = kSmallArmy.troops;
    Raise(r, kMarchingArmy);
    PostReport(game, 1, 92);
  } else if (second != third) {
    // The one army it has is all it will march with.
    attack = kIdle;
  }
}

void WarCountdowns(Game& game) {
  GameState& s = game.state;
  for (int county = 1; county <= 2; ++county) {
    Byte& war = s.WarCountdown[county];
    if (war >= 1 && war <= 199) {
      --war;
      if (war == 0) {
        war = kIdle;  // the countdown has ended; the army sets out in three turns
        s.WarMarchTurns[county] = ThreeTurnsOn(s.Turn);
      }
    } else if (war == kIdle && s.WarMarchTurns[county] == s.Turn) {
      war = 0;
      s.WarMarchTurns[county] = 0;
      if (RivalStands(s, county)) SetOut(game, county);
    }
  }
}

bool RivalAttack(Game& game, int county) {
  GameState& s = game.state;
  Byte& attack = s.RivalStatus[AttackStatus(county)];
  if (attack >= 1 && attack <= 199) --attack;
  if (attack != 0) return false;
  attack = kAttackUnderWay;
  RivalCounty& r = RivalOf(s, county);
  if (r.CampStates[kMarchingArmy] != kMarching) {
    // The army was beaten on the road: nothing reaches the castle.
    attack = kIdle;
    return false;
  }
  r.CampStates[kMarchingArmy] = kAtTheCastle;
  game.live.BattleTarget = county == 1 ? 8 : 11;
  for (int army = 1; army <= 3; ++army) {
    if (IsTrue(s.ArmyExists[army]) && s.ArmyWaypointNos[army] == kCastleWaypoint) {
      s.SelectedArmy = static_cast<Byte>(army);
      StartCastleDefence(game, county);
      return false;
    }
  }
  // No army holds the castle: it falls without a battle.
  s.PlayerUndefeated = kFalse;
  if (game.live.DefeatText.category == 0) game.live.DefeatText = TextRef{1, 94};
  return true;
}

}  // namespace valorne
