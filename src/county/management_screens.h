// The management screens of the county: construction (`BuildFrm`,
// `BuildingFrm`, `CastleFrm`), the blacksmith and armoury (`BlacksmithFrm`,
// `ArmouryFrm`), recruiting (`ArmyFrm`), the realm and its lords (`RealmFrm`,
// `LeaderFrm`).
#pragma once

#include "screens/toolkit/screen_registry.h"
#include "state/values.h"

namespace valorne {

class Game;
class Ui;

// Registers every management screen under its form name. `ArmyFrm` opened by
// name recruits at the castle and `LeaderFrm` shows the player's lord.
void RegisterManagementScreens(ScreenRegistry& registry);

// Opens the recruiting screen for the castle (place 0) or the outpost
// (place 1), as the map's army button and the outpost do, once their guard
// has let them through.
void OpenRecruiting(Game& game, Ui& ui, Byte place);

// Opens the leader screen for lord 1 (the player), 2 or 3 (the rival lords).
void OpenLeader(Game& game, Ui& ui, int lord);

}  // namespace valorne
