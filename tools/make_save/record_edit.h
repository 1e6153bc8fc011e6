// Setting one field of a saved game by its record name: "Gold",
// "BuildingBuilt(2)", "ArmySoldiers(1).Archers", "Rivals(2).CastleStage(3)",
// "OutlawArmies.OutlawMonks(0)". The names and their numbering are those of
// the record and of its JSON dump: lists numbered as the game numbers them,
// members of a composite after a dot.
#pragma once

#include <string>
#include <string_view>

#include "state/game_state.h"

namespace valorne {

// Sets the field `name` of `state` to `value`. Returns an empty string when
// done, or the reason it was refused (no such field, an element outside the
// list, a value the field cannot hold), in which case `state` is unchanged.
std::string SetRecordField(GameState& state, std::string_view name, std::string_view value);

}  // namespace valorne
