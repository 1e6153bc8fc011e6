// The recruiting screen `ArmyFrm`: idle people take weapons and armour from
// the armoury and become soldiers, one at a time while the raise button is
// held, and the raised soldiers are formed into a new army at the castle or
// at the outpost. The raised soldiers exist only while the screen is open:
// the screen owns a `Recruiting` record (it is not saved), and cancelling puts
// every stock and pool back as it was when the screen opened.
#pragma once

#include <array>
#include <string>

#include "county/armoury.h"
#include "county/screen_outcome.h"
#include "state/game.h"

namespace valorne {

inline constexpr Integer kMaxArmySoldiers = 4000;
inline constexpr Integer kMinArmySoldiers = 100;
inline constexpr int kPlayerArmies = 3;

// Where a new army appears: recruited at the castle it stands on the road in
// front of the castle gate; recruited at the outpost it stands at the
// crossroads beside the outpost.
inline constexpr Byte kRecruitPlaceCastle = 0;
inline constexpr Byte kRecruitPlaceOutpost = 1;
inline constexpr Byte kCastleGateWaypoint = 2;
inline constexpr Byte kOutpostWaypoint = 23;

// The recruiting screen's own values while it is open.
struct Recruiting {
  Byte SelectedUnitType = 0;  // 1..14, 0 for none
  Byte RecruitPlace = kRecruitPlaceCastle;
  Integer RaisedTotal = 0;
  ArmyComposition RaisedSoldiers;  // in army-record order
  std::array<long, kArmouryRows> StocksOnOpening{};
};

// The map's army button (place 0) and the outpost (place 1) open the screen
// only once the barracks stand ("building missing" otherwise); the outpost
// does nothing at all until it is held (`OutpostState` 200).
Outcome CanOpenRecruiting(const GameState& state, Byte place);

// The screen's values on opening: nothing raised, the stocks remembered.
Recruiting BeginRecruiting(const GameState& state, Byte place);

// A type button. Monks need the lord's religion (by difficulty), templars and
// paladins a religion of 50: otherwise the button does nothing. The mounted
// types need the stables: otherwise "building missing".
Outcome ChooseUnitType(const Game& game, Recruiting& recruiting, int type);

// One tick of the held raise button: one soldier of the chosen type takes his
// equipment. Refusals: every idle person already raised (4/20), an army of
// 4000 (4/21), an item out of store or the type's cap reached (4/18).
Outcome RaiseOneSoldier(Game& game, Recruiting& recruiting);

// One tick of the held release button: one soldier of the chosen type gives
// his equipment back. Refused when none of that type is raised.
Outcome ReleaseOneSoldier(Game& game, Recruiting& recruiting);

// The form button is enabled only while the county has fewer than three armies.
bool CanFormAnotherArmy(const GameState& state);

// The first of armies 1..3 that holds no soldiers, 0 when all three do.
int FirstFreeArmy(const GameState& state);

// `OkAniBtn`: fewer than 100 raised soldiers: 4/19. Otherwise they become the
// first free army, at the castle gate or the outpost; the people leave the
// idle pool and the population; the screen closes.
Outcome FormArmy(Game& game, Recruiting& recruiting);

// `Noanibtn`: every armoury stock and recruit pool goes back to its value on
// opening and the raised soldiers are dismissed.
void CancelRecruiting(Game& game, Recruiting& recruiting);

// The labels for the chosen type.
struct RecruitFigures {
  std::string Attack, Defence, Speed;
  std::string NeedsWeapon, NeedsShield, NeedsChainMail, NeedsPlate;  // "1" or "0"
  std::string Weapon, Shield, ChainMail, Plate;                      // stocks in store
  std::string Raised;       // `RaisedLbl`: soldiers of this type raised
  std::string RaisedTotal;  // every soldier raised
  TextRef Name{};           // category 4
  TextRef Hint{};           // category 1
  std::string Portrait;     // "sold1res" .. "sold14res"
};
RecruitFigures RecruitingFigures(const Game& game, const Recruiting& recruiting);

}  // namespace valorne
