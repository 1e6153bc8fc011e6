// The files the level and the battle program exchange, in the game folder:
//   "\Fight_in.rx"       the battle: the map, the settings the battle program
//                        honours, and up to four sides with their troops
//                        (written by the level, read by the battle program)
//   "\Fight_out.rx"      the outcome, the losses and every side's survivors
//                        (written by the battle program, read by the level)
//   "\fight_status.rx"   one number as text: 1 a battle was started, 2 the
//                        battle program has finished, 0 idle
// Both binary files are little-endian, written field by field with no
// padding. Each has exactly one writer and one reader here, used by both
// programs. Readers check every length and count before trusting a byte and
// say what was wrong; writers replace the file through a temporary file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "level/game_files.h"
#include "state/values.h"

namespace valorne {

inline constexpr std::string_view kFightInFile = "\\Fight_in.rx";
inline constexpr std::string_view kFightOutFile = "\\Fight_out.rx";
inline constexpr std::string_view kFightStatusFile = "\\fight_status.rx";

// The values of the status file.
inline constexpr int kFightStatusIdle = 0;
inline constexpr int kFightStatusStarted = 1;
inline constexpr int kFightStatusFinished = 2;

// The header value that asks for the automatic calculation of the battle.
inline constexpr std::uint16_t kAutoCalcValue = 505;

// The battle program knows 16 unit slots per side, of which 14 are used; a
// side with the short list carries only the first 11 in the files.
inline constexpr int kMaxBattleSides = 4;
inline constexpr int kBattleSlots = 16;
inline constexpr int kBattleSlotsUsed = 14;
inline constexpr int kShortListSlots = 11;

// The unit slots of a battle, in their own order (not the army record's).
enum BattleSlot : int {
  kSlotArchers = 0,
  kSlotHelebarders = 1,
  kSlotClubMen = 2,
  kSlotSwordMen = 3,
  kSlotTwoHanders = 4,
  kSlotCavalry = 5,
  kSlotHeavyCavalry = 6,
  kSlotChampions = 7,
  kSlotTemplars = 8,
  kSlotPaladins = 9,
  kSlotEngineers = 10,
  kSlotLongBowmen = 11,
  kSlotWarlords = 12,
  kSlotMonks = 13,
};

// The army record slot (1..14: monks, archers, club men, swordsmen,
// halberdiers, two-handers, cavalry, heavy cavalry, champions, templars,
// paladins, long-bowmen, warlords, engineers) of battle slot 0..13, and back
// (-1 for a number outside).
int ArmySlotOfBattleSlot(int battle_slot);
int BattleSlotOfArmySlot(int army_slot);

// How many slots a side carries in the files.
inline constexpr int SlotsCarried(bool short_list) {
  return short_list ? kShortListSlots : kBattleSlotsUsed;
}

// The battle kinds of the header.
inline constexpr std::uint8_t kFieldBattle = 0;
inline constexpr std::uint8_t kCastleAssault = 1;
inline constexpr std::uint8_t kCastleDefence = 2;

// The side colours, 0x00BBGGRR.
inline constexpr std::uint32_t kSideColours[kMaxBattleSides] = {0x0000FF00u, 0x000000FFu,
                                                                0x00FF0000u, 0x0000FFFFu};

using BattleTroopList = std::array<Integer, kBattleSlots>;

struct BattleSide {
  std::string name;
  std::uint32_t colour = 0;  // 0x00BBGGRR
  std::uint8_t team = 0;     // sides of one team are allies
  std::uint16_t morale = 0;  // 0..100
  bool short_list = false;   // carries slots 0..10 only
  BattleTroopList troops{};  // slots past those carried stay 0
};

// "\Fight_in.rx".
struct BattleInput {
  std::string map_name;                // "\level9\field2_winter.cbf"
  std::uint16_t auto_calc = 0;         // kAutoCalcValue or 0
  std::uint16_t reserved = 0;          // always 0
  std::uint8_t farming_advanced = 0;   // 1 when farming knowledge is 6 or more
  std::uint8_t performance13 = 0;      // a byte of the performance settings, copied
  std::uint8_t season_code = 0;        // 1 spring, 2 winter, else 0
  std::uint8_t fades_on = 0;           // 1 when screen fades are on
  std::uint8_t scroll_speed_code = 0;  // 0, 2 or 4
  std::uint8_t performance5_off = 0;   // 1 when performance field 5 is 0
  std::uint8_t performance3_off = 0;   // 1 when performance field 3 is 0
  std::uint8_t music_volume = 0;       // 0..100
  std::uint8_t sound_volume = 0;       // 0..100
  std::uint8_t map_animation = 0;      // 1 when the map animation option is on
  std::uint8_t tooltips = 0;           // 1 when the tooltip option is on
  std::uint8_t battle_kind = kFieldBattle;
  std::vector<BattleSide> sides;  // 1..4 sides; side 0 the player's army
};

// "\Fight_out.rx".
struct BattleSideSurvivors {
  bool short_list = false;
  BattleTroopList survivors{};  // slots past those carried stay 0
};

struct BattleOutput {
  std::uint8_t outcome = 0;  // 0 lost; nonzero won; 1 won with plunder
  std::uint16_t our_dead = 0;
  std::uint16_t enemy_dead = 0;
  std::vector<BattleSideSurvivors> sides;  // at most 4
};

inline constexpr std::uint8_t kOutcomeDefeat = 0;
inline constexpr std::uint8_t kOutcomeVictoryWithPlunder = 1;
inline constexpr std::uint8_t kOutcomeNarrowVictory = 2;

// The bytes of each file, and back. A name is written after the low byte of
// its length. Decoding refuses a file that ends early, has bytes left over, a
// side count out of range or a short-list flag other than 0 and 1, and says
// which field was wrong in `problem`.
std::string EncodeBattleInput(const BattleInput& input);
bool DecodeBattleInput(std::string_view bytes, BattleInput& input, std::string& problem);
std::string EncodeBattleOutput(const BattleOutput& output);
bool DecodeBattleOutput(std::string_view bytes, BattleOutput& output, std::string& problem);

// Whether an outcome answers the battle that was sent: the same side count
// and the same short-list flags, side by side. The reason when not.
std::optional<std::string> OutputMismatch(const BattleInput& input, const BattleOutput& output);

// The files in the game folder `folder`. Reading reports Missing for an
// absent file and Corrupt (with the reason) for a damaged one; on any failure
// the struct read into is left empty.
FileResult WriteFightIn(const std::filesystem::path& folder, const BattleInput& input);
FileResult ReadFightIn(const std::filesystem::path& folder, BattleInput& input);
FileResult WriteFightOut(const std::filesystem::path& folder, const BattleOutput& output);
FileResult ReadFightOut(const std::filesystem::path& folder, BattleOutput& output);

// "\fight_status.rx": writes the number and a line end; reads the first
// number of the file (Corrupt when there is none).
FileResult WriteFightStatus(const std::filesystem::path& folder, int status);
FileResult ReadFightStatus(const std::filesystem::path& folder, int& status);

// Deletes "\Fight_in.rx" and "\Fight_out.rx"; missing files are no error.
void DeleteBattleExchangeFiles(const std::filesystem::path& folder);

}  // namespace valorne
