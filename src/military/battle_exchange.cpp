#include "military/battle_exchange.h"

#include <system_error>

#include "level/settings_files.h"

namespace valorne {

namespace {

namespace fs = std::filesystem;

// Army record slots (1..14) by battle slot.
constexpr int kArmySlotOfBattleSlot[kBattleSlotsUsed] = {2, 5,  3,  4,  6,  7,  8,
                                                         9, 10, 11, 14, 12, 13, 1};

// No exchange file comes near this size: four sides with the longest names
// hold well under 2 KB.
constexpr std::size_t kMaxExchangeBytes = 4096;

class ByteWriter {
 public:
  void U8(unsigned v) { bytes_ += static_cast<char>(v & 0xFFu); }
  void U16(unsigned v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFFu);
    U16(v >> 16);
  }
  // The low byte of the length, then every character of the name.
  void Name(const std::string& s) {
    U8(static_cast<unsigned>(s.size()));
    bytes_ += s;
  }
  void Troops(bool short_list, const BattleTroopList& troops) {
    U8(short_list ? 1 : 0);
    for (int slot = 0; slot < SlotsCarried(short_list); ++slot) {
      U16(static_cast<std::uint16_t>(troops[static_cast<std::size_t>(slot)]));
    }
  }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

// Reads fields in order; the first field that runs past the end stops the
// reader and names itself in `problem`.
class ByteReader {
 public:
  ByteReader(std::string_view bytes, std::string& problem) : bytes_(bytes), problem_(problem) {}

  bool U8(std::uint8_t& v, const std::string& what) {
    if (!Need(1, what)) return false;
    v = static_cast<std::uint8_t>(bytes_[pos_++]);
    return true;
  }
  bool U16(std::uint16_t& v, const std::string& what) {
    if (!Need(2, what)) return false;
    v = static_cast<std::uint16_t>(Byte(pos_) | (Byte(pos_ + 1) << 8));
    pos_ += 2;
    return true;
  }
  bool U32(std::uint32_t& v, const std::string& what) {
    if (!Need(4, what)) return false;
    v = Byte(pos_) | (Byte(pos_ + 1) << 8) | (Byte(pos_ + 2) << 16) |
        (static_cast<std::uint32_t>(Byte(pos_ + 3)) << 24);
    pos_ += 4;
    return true;
  }
  bool Name(std::string& s, const std::string& what) {
    std::uint8_t length = 0;
    if (!U8(length, "the length of " + what) || !Need(length, what)) return false;
    s.assign(bytes_.substr(pos_, length));
    pos_ += length;
    return true;
  }
  bool Troops(bool& short_list, BattleTroopList& troops, const std::string& side) {
    std::uint8_t flag = 0;
    if (!U8(flag, "the short-list flag of " + side)) return false;
    if (flag > 1) return Fail("the short-list flag of " + side + " is " + std::to_string(flag));
    short_list = flag == 1;
    troops.fill(0);
    for (int slot = 0; slot < SlotsCarried(short_list); ++slot) {
      std::uint16_t count = 0;
      if (!U16(count, "slot " + std::to_string(slot) + " of " + side)) return false;
      troops[static_cast<std::size_t>(slot)] = static_cast<Integer>(count);
    }
    return true;
  }
  bool AtEnd() {
    if (pos_ == bytes_.size()) return true;
    return Fail(std::to_string(bytes_.size() - pos_) + " bytes follow the last side");
  }
  bool Fail(std::string why) {
    problem_ = std::move(why);
    return false;
  }

 private:
  std::uint32_t Byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }
  bool Need(std::size_t n, const std::string& what) {
    if (bytes_.size() - pos_ >= n) return true;
    return Fail("it ends before " + what);
  }

  std::string_view bytes_;
  std::string& problem_;
  std::size_t pos_ = 0;
};

std::string SideName(std::size_t side) {
  return "side " + std::to_string(side);
}

std::string Quoted(const fs::path& file) {
  return "\"" + file.string() + "\"";
}

FileResult ReadExchangeFile(const fs::path& folder, std::string_view name, std::string& bytes) {
  FileResult read = ReadFileBytes(GamePath(folder, name), kMaxExchangeBytes, bytes);
  if (read.status == FileStatus::TooLong) read.status = FileStatus::Corrupt;
  return read;
}

FileResult Damaged(const fs::path& folder, std::string_view name, const std::string& problem) {
  return FileResult::Failure(
      FileStatus::Corrupt,
      "the battle file " + Quoted(GamePath(folder, name)) + " is damaged: " + problem);
}

}  // namespace

int ArmySlotOfBattleSlot(int battle_slot) {
  if (battle_slot < 0 || battle_slot >= kBattleSlotsUsed) return -1;
  return kArmySlotOfBattleSlot[battle_slot];
}

int BattleSlotOfArmySlot(int army_slot) {
  for (int slot = 0; slot < kBattleSlotsUsed; ++slot) {
    if (kArmySlotOfBattleSlot[slot] == army_slot) return slot;
  }
  return -1;
}

std::string EncodeBattleInput(const BattleInput& in) {
  ByteWriter w;
  w.Name(in.map_name);
  w.U16(in.auto_calc);
  w.U16(in.reserved);
  for (std::uint8_t b :
       {in.farming_advanced, in.performance13, in.season_code, in.fades_on, in.scroll_speed_code,
        in.performance5_off, in.performance3_off, in.music_volume, in.sound_volume,
        in.map_animation, in.tooltips, in.battle_kind}) {
    w.U8(b);
  }
  w.U8(static_cast<unsigned>(in.sides.size()));
  for (const BattleSide& side : in.sides) {
    w.Name(side.name);
    w.U32(side.colour);
    w.U8(side.team);
    w.U16(side.morale);
    w.Troops(side.short_list, side.troops);
  }
  return w.Take();
}

bool DecodeBattleInput(std::string_view bytes, BattleInput& in, std::string& problem) {
  in = BattleInput{};
  ByteReader r(bytes, problem);
  if (!r.Name(in.map_name, "the map name") || !r.U16(in.auto_calc, "the calculation value") ||
      !r.U16(in.reserved, "the header")) {
    return false;
  }
  for (std::uint8_t* b :
       {&in.farming_advanced, &in.performance13, &in.season_code, &in.fades_on,
        &in.scroll_speed_code, &in.performance5_off, &in.performance3_off, &in.music_volume,
        &in.sound_volume, &in.map_animation, &in.tooltips, &in.battle_kind}) {
    if (!r.U8(*b, "the header")) return false;
  }
  std::uint8_t count = 0;
  if (!r.U8(count, "the side count")) return false;
  if (count < 1 || count > kMaxBattleSides) {
    return r.Fail("its side count is " + std::to_string(count) + ", not 1..4");
  }
  in.sides.resize(count);
  for (std::size_t i = 0; i < in.sides.size(); ++i) {
    BattleSide& side = in.sides[i];
    const std::string name = SideName(i);
    if (!r.Name(side.name, "the name of " + name) || !r.U32(side.colour, "the colour of " + name) ||
        !r.U8(side.team, "the team of " + name) || !r.U16(side.morale, "the morale of " + name) ||
        !r.Troops(side.short_list, side.troops, name)) {
      return false;
    }
  }
  return r.AtEnd();
}

std::string EncodeBattleOutput(const BattleOutput& out) {
  ByteWriter w;
  w.U16(static_cast<unsigned>(out.sides.size()));
  w.U8(out.outcome);
  w.U16(out.our_dead);
  w.U16(out.enemy_dead);
  for (const BattleSideSurvivors& side : out.sides) w.Troops(side.short_list, side.survivors);
  return w.Take();
}

bool DecodeBattleOutput(std::string_view bytes, BattleOutput& out, std::string& problem) {
  out = BattleOutput{};
  ByteReader r(bytes, problem);
  std::uint16_t count = 0;
  if (!r.U16(count, "the side count") || !r.U8(out.outcome, "the outcome") ||
      !r.U16(out.our_dead, "our dead") || !r.U16(out.enemy_dead, "the enemy dead")) {
    return false;
  }
  if (count > kMaxBattleSides) {
    return r.Fail("its side count is " + std::to_string(count) + ", more than 4");
  }
  out.sides.resize(count);
  for (std::size_t i = 0; i < out.sides.size(); ++i) {
    if (!r.Troops(out.sides[i].short_list, out.sides[i].survivors, SideName(i))) return false;
  }
  return r.AtEnd();
}

std::optional<std::string> OutputMismatch(const BattleInput& input, const BattleOutput& output) {
  if (output.sides.size() != input.sides.size()) {
    return "the battle was sent " + std::to_string(input.sides.size()) + " sides but " +
           std::to_string(output.sides.size()) + " came back";
  }
  for (std::size_t i = 0; i < input.sides.size(); ++i) {
    if (input.sides[i].short_list != output.sides[i].short_list) {
      return "the short-list flag of " + SideName(i) + " came back changed";
    }
  }
  return std::nullopt;
}

FileResult WriteFightIn(const fs::path& folder, const BattleInput& input) {
  return WriteFileReplacing(GamePath(folder, kFightInFile), EncodeBattleInput(input));
}

FileResult ReadFightIn(const fs::path& folder, BattleInput& input) {
  input = BattleInput{};
  std::string bytes, problem;
  if (FileResult read = ReadExchangeFile(folder, kFightInFile, bytes); !read.ok()) return read;
  if (!DecodeBattleInput(bytes, input, problem)) {
    input = BattleInput{};
    return Damaged(folder, kFightInFile, problem);
  }
  return FileResult::Success();
}

FileResult WriteFightOut(const fs::path& folder, const BattleOutput& output) {
  return WriteFileReplacing(GamePath(folder, kFightOutFile), EncodeBattleOutput(output));
}

FileResult ReadFightOut(const fs::path& folder, BattleOutput& output) {
  output = BattleOutput{};
  std::string bytes, problem;
  if (FileResult read = ReadExchangeFile(folder, kFightOutFile, bytes); !read.ok()) return read;
  if (!DecodeBattleOutput(bytes, output, problem)) {
    output = BattleOutput{};
    return Damaged(folder, kFightOutFile, problem);
  }
  return FileResult::Success();
}

FileResult WriteFightStatus(const fs::path& folder, int status) {
  return WriteNumberFile(folder, kFightStatusFile, status);
}

FileResult ReadFightStatus(const fs::path& folder, int& status) {
  Byte value = 0;
  FileResult read = ReadNumberFile(folder, kFightStatusFile, value);
  if (read.ok()) status = value;
  return read;
}

void DeleteBattleExchangeFiles(const fs::path& folder) {
  std::error_code ignored;
  fs::remove(GamePath(folder, kFightInFile), ignored);
  fs::remove(GamePath(folder, kFightOutFile), ignored);
}

}  // namespace valorne
