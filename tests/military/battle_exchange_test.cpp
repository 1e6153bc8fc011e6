// The battle exchange files, byte for byte: what the level writes for the
// battle program and what the battle program writes back.
#include "military/battle_exchange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteText;
using FileBytes = std::vector<unsigned char>;

void Append(FileBytes& b, std::initializer_list<unsigned> v) {
  for (unsigned x : v) b.push_back(static_cast<unsigned char>(x));
}
void AppendText(FileBytes& b, const std::string& s) {
  b.insert(b.end(), s.begin(), s.end());
}
std::string AsString(const FileBytes& b) {
  return std::string(b.begin(), b.end());
}

// An outlaw band battle: the player's full list against a short list, with
// the automatic calculation on, in winter on the low-detail map.
BattleInput OutlawBattle() {
  BattleInput in;
  in.map_name = "\\level9\\field2_low_winter.cbf";
  in.auto_calc = kAutoCalcValue;
  in.farming_advanced = 1;
  in.performance13 = 7;
  in.season_code = 2;
  in.fades_on = 1;
  in.scroll_speed_code = 4;
  in.performance5_off = 0;
  in.performance3_off = 1;
  in.music_volume = 80;
  in.sound_volume = 100;
  in.map_animation = 1;
  in.tooltips = 0;
  in.battle_kind = kFieldBattle;
  BattleSide ours{"The Lions", kSideColours[0], 0, 65, false, {}};
  ours.troops[kSlotArchers] = 300;
  ours.troops[kSlotEngineers] = 24;
  ours.troops[kSlotMonks] = 5;
  BattleSide band{"Viking army", kSideColours[1], 1, 20, true, {}};
  band.troops[kSlotSwordMen] = 1000;
  band.troops[kSlotPaladins] = -1;  // the file keeps the raw 16-bit value
  in.sides = {ours, band};
  return in;
}

FileBytes OutlawBattleBytes() {
  FileBytes b;
  const std::string map = "\\level9\\field2_low_winter.cbf";
  Append(b, {static_cast<unsigned>(map.size())});
  AppendText(b, map);
  Append(b, {0xF9, 0x01, 0x00, 0x00});                    // 505, 0
  Append(b, {1, 7, 2, 1, 4, 0, 1, 80, 100, 1, 0, 0, 2});  // header bytes, 2 sides
  Append(b, {9});                                         // side 0
  AppendText(b, "The Lions");
  Append(b, {0x00, 0xFF, 0x00, 0x00, 0, 65, 0, 0});  // green, team 0, morale, full
  Append(b, {0x2C, 0x01});                           // slot 0: 300 archers
  for (int slot = 1; slot < 10; ++slot) Append(b, {0, 0});
  Append(b, {24, 0, 0, 0, 0, 0, 5, 0});  // engineers .. monks
  Append(b, {11});                       // side 1
  AppendText(b, "Viking army");
  Append(b, {0xFF, 0x00, 0x00, 0x00, 1, 20, 0, 1});  // red, team 1, short list
  Append(b, {0, 0, 0, 0, 0, 0, 0xE8, 0x03});         // slot 3: 1000
  for (int slot = 4; slot < 9; ++slot) Append(b, {0, 0});
  Append(b, {0xFF, 0xFF, 0, 0});  // slots 9, 10
  return b;
}

TEST(BattleExchange, InputFileBytesAsLaidOutByHand) {
  TempDir dir;
  ASSERT_TRUE(WriteFightIn(dir.path(), OutlawBattle()).ok());
  EXPECT_EQ(ReadBytes(dir / "Fight_in.rx"), OutlawBattleBytes());

  BattleInput back;
  ASSERT_TRUE(ReadFightIn(dir.path(), back).ok());
  EXPECT_EQ(EncodeBattleInput(back), AsString(OutlawBattleBytes()));
  EXPECT_EQ(back.sides[1].troops[kSlotPaladins], -1);
  EXPECT_EQ(back.sides[1].troops[kSlotLongBowmen], 0) << "slots past the short list stay 0";
}

TEST(BattleExchange, FourSidesWithEmptyNamesAndTheirColours) {
  BattleInput in;
  in.map_name = "m";
  for (int i = 0; i < 4; ++i) {
    in.sides.push_back({"", kSideColours[i], static_cast<std::uint8_t>(i), 30, i == 2, {}});
  }
  const std::string bytes = EncodeBattleInput(in);
  // 19 header bytes, then sides of 9 + 2 × slots bytes (name length, colour, team, morale,
  // flag).
  EXPECT_EQ(bytes.size(), 19u + 3 * (9u + 28u) + (9u + 22u));
  const std::string side3 = bytes.substr(bytes.size() - 37, 9);
  EXPECT_EQ(side3, std::string("\x00\xFF\xFF\x00\x00\x03\x1E\x00\x00", 9)) << "yellow, team 3";
  const std::string side2 = bytes.substr(19 + 2 * 37, 9);
  EXPECT_EQ(side2, std::string("\x00\x00\x00\xFF\x00\x02\x1E\x00\x01", 9)) << "blue, short";
}

TEST(BattleExchange, ALongNameIsWrittenWithTheLowByteOfItsLength) {
  BattleInput in;
  in.map_name = std::string(300, 'x');
  in.sides.push_back({});
  const std::string bytes = EncodeBattleInput(in);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 300 % 256);
  EXPECT_EQ(bytes.substr(1, 300), std::string(300, 'x'));
}

TEST(BattleExchange, OutputFileForShortAndFullLists) {
  FileBytes b;
  Append(b, {3, 0, 2, 0x10, 0x01, 0x2C, 0x01});  // 3 sides, narrow victory, 272 and 300 dead
  Append(b, {0});                                // side 0, full list
  for (int slot = 0; slot < 14; ++slot) Append(b, {static_cast<unsigned>(slot + 1), 0});
  Append(b, {1});  // side 1, short list
  for (int slot = 0; slot < 11; ++slot) Append(b, {0, static_cast<unsigned>(slot)});
  Append(b, {1});  // side 2, short list, all dead
  for (int slot = 0; slot < 11; ++slot) Append(b, {0, 0});
  TempDir dir;
  WriteBytes(dir / "fight_OUT.rx", b);

  BattleOutput out;
  ASSERT_TRUE(ReadFightOut(dir.path(), out).ok());
  EXPECT_EQ(out.outcome, kOutcomeNarrowVictory);
  EXPECT_EQ(out.our_dead, 272);
  EXPECT_EQ(out.enemy_dead, 300);
  ASSERT_EQ(out.sides.size(), 3u);
  EXPECT_FALSE(out.sides[0].short_list);
  EXPECT_EQ(out.sides[0].survivors[kSlotMonks], 14);
  EXPECT_TRUE(out.sides[1].short_list);
  EXPECT_EQ(out.sides[1].survivors[kSlotEngineers], 10 * 256);
  EXPECT_EQ(out.sides[1].survivors[kSlotLongBowmen], 0);
  EXPECT_EQ(EncodeBattleOutput(out), AsString(b)) << "the writer lays out the same bytes";
}

TEST(BattleExchange, DamagedFilesAreRefusedWithTheReason) {
  const std::string good_in = AsString(OutlawBattleBytes());
  std::string bad_count = good_in;
  bad_count[1 + 29 + 16] = 5;  // the side count
  std::string bad_flag = good_in;
  bad_flag[1 + 29 + 17 + 1 + 9 + 7] = 2;  // side 0's short-list flag
  struct Case {
    const char* what;
    std::string bytes;
    const char* reason;
  };
  const Case inputs[] = {
      {"empty", "", "ends before the length of the map name"},
      {"name past the end", "\x40short", "ends before the map name"},
      {"one byte short", good_in.substr(0, good_in.size() - 1), "ends before slot 10 of side 1"},
      {"a byte too many", good_in + "x", "1 bytes follow the last side"},
      {"five sides", bad_count, "side count is 5"},
      {"no sides", good_in.substr(0, 1 + 29 + 16) + std::string(1, '\0'), "side count is 0"},
      {"flag 2", bad_flag, "short-list flag of side 0 is 2"},
  };
  for (const Case& c : inputs) {
    BattleInput in;
    std::string problem;
    EXPECT_FALSE(DecodeBattleInput(c.bytes, in, problem)) << c.what;
    EXPECT_NE(problem.find(c.reason), std::string::npos) << c.what << ": " << problem;
  }
  const Case outputs[] = {
      {"header cut", std::string("\x01\x00\x01\x00", 4), "ends before our dead"},
      {"five sides", std::string("\x05\x00\x01\x00\x00\x00\x00", 7), "more than 4"},
      {"list cut", std::string("\x01\x00\x01\x00\x00\x00\x00\x01\x00\x00", 10),
       "ends before slot 1 of side 0"},
  };
  for (const Case& c : outputs) {
    BattleOutput out;
    std::string problem;
    EXPECT_FALSE(DecodeBattleOutput(c.bytes, out, problem)) << c.what;
    EXPECT_NE(problem.find(c.reason), std::string::npos) << c.what << ": " << problem;
  }
}

TEST(BattleExchange, ReadingReportsMissingAndDamagedFilesAndLeavesNothingHalfRead) {
  TempDir dir;
  BattleInput in = OutlawBattle();
  EXPECT_EQ(ReadFightIn(dir.path(), in).status, FileStatus::Missing);
  EXPECT_TRUE(in.sides.empty());
  WriteBytes(dir / "Fight_in.rx", FileBytes(5000, 1));
  FileResult big = ReadFightIn(dir.path(), in);
  EXPECT_EQ(big.status, FileStatus::Corrupt);
  FileBytes cut = OutlawBattleBytes();
  cut.resize(cut.size() - 3);
  WriteBytes(dir / "Fight_in.rx", cut);
  FileResult damaged = ReadFightIn(dir.path(), in);
  EXPECT_EQ(damaged.status, FileStatus::Corrupt);
  EXPECT_NE(damaged.message.find("Fight_in.rx"), std::string::npos) << damaged.message;
  EXPECT_TRUE(in.sides.empty() && in.map_name.empty());
}

TEST(BattleExchange, OutputMustMatchTheSidesSent) {
  const BattleInput in = OutlawBattle();  // full list, short list
  BattleOutput out;
  out.sides = {{false, {}}, {true, {}}};
  EXPECT_FALSE(OutputMismatch(in, out).has_value());
  out.sides[1].short_list = false;
  EXPECT_TRUE(OutputMismatch(in, out).has_value());
  out.sides = {{false, {}}};
  EXPECT_TRUE(OutputMismatch(in, out).has_value());
}

TEST(BattleExchange, StatusFileIsOneNumberAndALineEnd) {
  TempDir dir;
  int status = -1;
  EXPECT_EQ(ReadFightStatus(dir.path(), status).status, FileStatus::Missing);
  ASSERT_TRUE(WriteFightStatus(dir.path(), kFightStatusFinished).ok());
  EXPECT_EQ(ReadBytes(dir / "fight_status.rx"), (FileBytes{'2', '\r', '\n'}));
  ASSERT_TRUE(ReadFightStatus(dir.path(), status).ok());
  EXPECT_EQ(status, 2);
  WriteText(dir / "fight_status.rx", "nothing");
  EXPECT_EQ(ReadFightStatus(dir.path(), status).status, FileStatus::Corrupt);

  WriteText(dir / "FIGHT_IN.rx", "x");
  DeleteBattleExchangeFiles(dir.path());
  DeleteBattleExchangeFiles(dir.path());  // nothing left to delete is no error
  EXPECT_FALSE(std::filesystem::exists(dir / "FIGHT_IN.rx"));
}

TEST(BattleExchange, SlotOrderAgainstTheArmyRecord) {
  const int army_slots[kBattleSlotsUsed] = {2, 5, 3, 4, 6, 7, 8, 9, 10, 11, 14, 12, 13, 1};
  for (int slot = 0; slot < kBattleSlotsUsed; ++slot) {
    EXPECT_EQ(ArmySlotOfBattleSlot(slot), army_slots[slot]);
    EXPECT_EQ(BattleSlotOfArmySlot(army_slots[slot]), slot);
  }
  EXPECT_EQ(ArmySlotOfBattleSlot(14), -1);
  EXPECT_EQ(BattleSlotOfArmySlot(0), -1);
}

}  // namespace
}  // namespace valorne
