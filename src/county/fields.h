// The county's ten fields: what each field is used for, the people it
// employs, the yearly harvest of grain and the meat of the cattle. A field
// changes its use only by `SetWorkers` (the people) followed by `SetField`
// (the state and the picture on the map); the field menu, the floods and the
// release of workers at the end of turn all go through these two.
#pragma once

#include <string_view>

#include "state/game.h"

namespace valorne {

// The five uses of a field (`FieldStates`).
inline constexpr Byte FieldEmpty = 0;
inline constexpr Byte FieldCrops = 1;
inline constexpr Byte FieldCattle = 2;
inline constexpr Byte FieldFlood = 3;
inline constexpr Byte FieldHire = 4;  // leased out

inline constexpr int kFieldCount = 10;

// The map pictures of the fields.
inline constexpr std::string_view kEmptyRes = "EmptyRes";
inline constexpr std::string_view kCropsRes1 = "CropsRes1";
inline constexpr std::string_view kCropsRes2 = "CropsRes2";
inline constexpr std::string_view kCropsRes3 = "CropsRes3";
inline constexpr std::string_view kCropsRes4 = "CropsRes4";
inline constexpr std::string_view kCattleRes = "CattleRes";
inline constexpr std::string_view kFloodRes = "FloodRes";
inline constexpr std::string_view kHireRes = "HireRes";

// The picture a field takes when it is set to `state` (crops start with the
// first picture); empty for a value that is no field state.
std::string_view FieldStatePicture(Byte state);

// The crops picture of season 1..4 (`CropsRes1`..`CropsRes4`).
std::string_view SeasonCropsPicture(int season);

// Moves the people for changing field 1..10 from its present state to
// `new_state`, before `SetField` writes the new state: a crops field employs
// `CropsParams`[1] people, a cattle field `CattleParams`[1], and a leased
// field counts in `LeasedFields`. Only the changes the game knows move
// anybody: a change to the flooded state, a change from a flooded field to an
// empty one and a change to the same state move nobody. Field numbers outside
// 1..10 change nothing. The field becomes the selected field.
void SetWorkers(Game& game, int field, Byte new_state);

// Writes the new state of field 1..10 and gives it the state's picture
// (crops start with `CropsRes1`). Values above 4 change nothing.
void SetField(Game& game, int field, Byte new_state);

// The end of turn's food rule, run once the season has advanced: the losses
// to birds and wolves by the farming level, the yield of one crops and one
// cattle field (cut when village 1 or windmill 1 is damaged), the grain
// harvest when season 1 begins and the meat when season 2 begins, and the
// crops pictures of the new season.
void CalcFood(Game& game);

// Puts the season's crops picture on every crops field.
void ShowCropsPictures(Game& game);

// Brings every field's picture in line with the state after a new level or a
// load: the crops fields show the picture of the present season.
void RestoreFieldPictures(Game& game);

// The map's field counters. Crops and cattle fields are counted from their
// workers; leased and flooded fields count as empty.
Long CCropsLblValue(const Game& game);
Long CCattleLblValue(const Game& game);
Long CEmptyLblValue(const Game& game);
Long CHireLblValue(const Game& game);

}  // namespace valorne
