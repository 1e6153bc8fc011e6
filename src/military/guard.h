// The guard's services as the guard screen sells them: an assassin mission
// against a rival county (its lord or its morale), a scout mission to one of
// the three remote places of the map, and the training of the county's own
// guard. Each is paid in gold when it is bought; a second mission of a kind
// that is under way cannot be bought.
#pragma once

#include "county/screen_outcome.h"
#include "state/game.h"

namespace valorne {

enum class GuardService { None, Assassin, Scout, Guard };

// The assassins' strikes (`AssassinKind`).
inline constexpr Byte kMurderLord = 1;
inline constexpr Byte kStrikeMorale = 2;

// The scouts' targets (`ScoutTarget`): the dolmen at waypoint 18, the statue
// at waypoint 29, the chapel at waypoint 42.
inline constexpr Byte kScoutDolmen = 1;
inline constexpr Byte kScoutStatue = 2;
inline constexpr Byte kScoutChapel = 3;

// The guard's training takes this many ends of turn.
inline constexpr Byte kGuardTrainingTurns = 3;

// The hints of the guard screen (category 5).
inline constexpr TextRef kMissionUnderWay{5, 168};
inline constexpr TextRef kChooseTarget{5, 169};
inline constexpr TextRef kChoosePlace{5, 170};
inline constexpr TextRef kOrderGiven{5, 172};

// The gold a service costs now: the assassins and scouts their fixed price,
// the guard's training its level times the price of one level.
Long ServicePrice(const Game& game, GuardService service);

// A mission (or the training) of this kind is under way.
bool ServiceRunning(const GameState& state, GuardService service);

// The turns the scouts travel to target 1, 2 or 3 (0 for no target).
Byte ScoutTravelTurns(Byte target);

// The assassin lists' choice: county 1 or 2, entry 0 (the lord) or 1 (its
// morale). Sets `AssassinTarget` and `AssassinKind`.
void ChooseAssassinTarget(GameState& state, Byte county, int entry);

// The screen's OK: buys `service` with the choices the state holds.
// Refusals: a mission of the kind under way, too little gold (4/17), no
// target chosen; nothing is paid then.
Outcome BuyService(Game& game, GuardService service);

}  // namespace valorne
