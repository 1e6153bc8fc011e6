// The save record: the 792-byte little-endian image of the game state.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "state/record_fields.h"

namespace valorne {

using Record = std::array<std::uint8_t, kRecordSize>;

// Copies every live field into the record, in record order. The record keeps
// what it held only where the state has no field (there is none: every byte
// of the record belongs to a field), so packing a state always gives the same
// bytes.
void PackGameState(const GameState& state, Record& record);

enum class UnpackResult { Applied, OtherLevel };

// Copies the record into the live state, unless the record belongs to another
// level, in which case nothing changes. `PrevLevelNumber` receives the live
// level number as it was. The battle working copy is not read back; a rival
// county that does not stand comes back cleared, with its armies.
UnpackResult UnpackGameState(const Record& record, GameState& state, Byte& prev_level_number);

// Reads every field of the record as stored, the battle working copy included
// and without the rules of loading (no level check, no clearing of a rival
// county that does not stand): for tools that show a save as it is.
void ReadRecordAsStored(const Record& record, GameState& state);

// One row of the record's layout: a field (or one element of a troop-list
// array, named "ArmySoldiers(2)"), its byte offset and its size.
struct RecordField {
  std::string name;
  int offset = 0;
  int size = 0;
};
std::vector<RecordField> RecordLayout();

// The state as one JSON object on one line, keys in record order.
std::string RecordToJson(const GameState& state);

}  // namespace valorne
