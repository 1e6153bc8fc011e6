#include "level/settings_files.h"

#include <cmath>

namespace valorne {

namespace {

namespace fs = std::filesystem;

// Puts numbers into a record, little-endian, back to back.
template <std::size_t N>
class RecordPacker {
 public:
  void Put(std::int64_t value, int width) {
    for (int i = 0; i < width; ++i) bytes_[at_++] = static_cast<std::uint8_t>(value >> (8 * i));
  }
  const std::array<std::uint8_t, N>& bytes() const { return bytes_; }

 private:
  std::array<std::uint8_t, N> bytes_{};
  std::size_t at_ = 0;
};

// Takes numbers out of a record, little-endian, back to back.
class RecordUnpacker {
 public:
  explicit RecordUnpacker(std::string_view bytes) : bytes_(bytes) {}
  Integer Integer16() {
    auto lo = static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes_[at_]));
    auto hi = static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes_[at_ + 1]));
    at_ += 2;
    return static_cast<Integer>(static_cast<std::uint16_t>(lo | (hi << 8)));
  }
  Byte Byte8() { return static_cast<Byte>(bytes_[at_++]); }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

std::string Quoted(const fs::path& file) {
  return "\"" + file.string() + "\"";
}

// Reads a record file of exactly `size` bytes.
FileResult ReadRecordFile(const fs::path& file, std::size_t size, std::string& bytes) {
  FileResult read = ReadFileBytes(file, size, bytes);
  if (read.status == FileStatus::TooLong) {
    return FileResult::Failure(FileStatus::TooLong, "the settings file " + Quoted(file) +
                                                        " is longer than its " +
                                                        std::to_string(size) + "-byte record");
  }
  if (!read.ok()) return read;
  if (bytes.size() < size) {
    return FileResult::Failure(FileStatus::TooShort, "the settings file " + Quoted(file) +
                                                         " holds " + std::to_string(bytes.size()) +
                                                         " bytes, fewer than its " +
                                                         std::to_string(size) + "-byte record");
  }
  return FileResult::Success();
}

template <std::size_t N>
std::string_view AsText(const std::array<std::uint8_t, N>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), N};
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A piece of a damaged file, fit to be quoted in a message.
std::string Excerpt(std::string_view text, std::size_t from) {
  std::string out;
  for (char c : text.substr(from, 12)) out += (c >= ' ' && c <= '~') ? c : '?';
  return "\"" + out + "\"";
}

}  // namespace

std::array<std::uint8_t, kDisplaySettingsSize> EncodeDisplaySettings(const DisplaySettings& s) {
  RecordPacker<kDisplaySettingsSize> p;
  p.Put(s.DisplaySetting1, 2);
  p.Put(s.FadesOff, 2);
  p.Put(s.DisplaySetting3, 2);
  p.Put(s.DisplaySetting4, 2);
  p.Put(s.StandardPointer, 2);
  p.Put(s.DisplaySetting6, 2);
  p.Put(s.SoundOff, 2);
  p.Put(s.Force1024, 2);
  p.Put(s.ResolutionChoice, 1);
  p.Put(s.GraphicsDepth, 1);
  p.Put(s.DisplaySetting9, 1);
  p.Put(s.FadeSurfacesOff, 2);
  p.Put(s.DisplaySetting11, 1);
  p.Put(s.DisplaySetting12, 1);
  return p.bytes();
}

bool DecodeDisplaySettings(std::string_view bytes, DisplaySettings& s, std::string& problem) {
  if (bytes.size() != kDisplaySettingsSize) {
    problem = "the display record is " + std::to_string(bytes.size()) + " bytes, not 23";
    return false;
  }
  RecordUnpacker u(bytes);
  DisplaySettings read;
  read.DisplaySetting1 = u.Integer16();
  read.FadesOff = u.Integer16();
  read.DisplaySetting3 = u.Integer16();
  read.DisplaySetting4 = u.Integer16();
  read.StandardPointer = u.Integer16();
  read.DisplaySetting6 = u.Integer16();
  read.SoundOff = u.Integer16();
  read.Force1024 = u.Integer16();
  read.ResolutionChoice = u.Byte8();
  read.GraphicsDepth = u.Byte8();
  read.DisplaySetting9 = u.Byte8();
  read.FadeSurfacesOff = u.Integer16();
  read.DisplaySetting11 = u.Byte8();
  read.DisplaySetting12 = u.Byte8();
  if (read.ResolutionChoice > 3) {
    problem = "its screen size choice is " + std::to_string(read.ResolutionChoice) +
              " (0 to 3 are known)";
    return false;
  }
  s = read;
  return true;
}

std::array<std::uint8_t, kAdvancedOptionsSize> EncodeAdvancedOptions(const AdvancedOptions& o) {
  RecordPacker<kAdvancedOptionsSize> p;
  for (Boolean b :
       {o.MapAnimOption, o.ClearMessagesOption, o.MessageSoundOff, o.TrooperOption, o.WalkOption,
        o.TooltipOption, o.AutoCalcOption, o.MusicOption, o.AutoSaveOption, o.AnimatedSOption}) {
    p.Put(b, 2);
  }
  p.Put(o.MusicVolume, 2);
  p.Put(o.SoundVolume, 2);
  p.Put(o.MusicStep, 1);
  p.Put(o.SoundStep, 1);
  return p.bytes();
}

bool DecodeAdvancedOptions(std::string_view bytes, AdvancedOptions& o, std::string& problem) {
  if (bytes.size() != kAdvancedOptionsSize) {
    problem = "the options record is " + std::to_string(bytes.size()) + " bytes, not 26";
    return false;
  }
  RecordUnpacker u(bytes);
  AdvancedOptions read;
  for (Boolean* b :
       {&read.MapAnimOption, &read.ClearMessagesOption, &read.MessageSoundOff, &read.TrooperOption,
        &read.WalkOption, &read.TooltipOption, &read.AutoCalcOption, &read.MusicOption,
        &read.AutoSaveOption, &read.AnimatedSOption}) {
    *b = u.Integer16();
  }
  read.MusicVolume = u.Integer16();
  read.SoundVolume = u.Integer16();
  read.MusicStep = u.Byte8();
  read.SoundStep = u.Byte8();
  // The volume buttons keep steps within 0..10, and a volume is never louder
  // than 0 nor quieter than silent (-10000); anything else is not an options
  // record.
  if (read.MusicStep > 10 || read.SoundStep > 10) {
    problem = "a volume step is beyond 10";
    return false;
  }
  if (read.MusicVolume < -10000 || read.SoundVolume < -10000 || read.MusicVolume > 0 ||
      read.SoundVolume > 0) {
    problem = "a volume is outside -10000..0";
    return false;
  }
  o = read;
  return true;
}

bool ParseNumberText(std::string_view text, Byte& value, std::string& problem) {
  std::size_t i = 0;
  while (i < text.size() && (IsBlank(text[i]) || IsLineEnd(text[i]))) ++i;
  const std::size_t start = i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  double number = 0;
  std::size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) number = number * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits, scale /= 10) {
      number += (text[i] - '0') * scale;
    }
  }
  if (digits == 0) {
    problem = i >= text.size() ? "it holds no number"
                               : "it holds " + Excerpt(text, start) + " where a number belongs";
    return false;
  }
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && text[i] != ',' && !IsLineEnd(text[i])) {
    problem = "the number is followed by " + Excerpt(text, i);
    return false;
  }
  const double rounded = std::nearbyint(negative ? -number : number);
  if (rounded < 0 || rounded > 255) {
    problem = "its number " + std::string(text.substr(start, i - start)) + " does not fit 0..255";
    return false;
  }
  value = static_cast<Byte>(rounded);
  return true;
}

std::string NumberText(long value) {
  return std::to_string(value) + "\r\n";
}

FileResult ReadDisplaySettings(const fs::path& folder, DisplaySettings& s) {
  const fs::path file = GamePath(folder, kOptimFile);
  std::string bytes, problem;
  if (FileResult read = ReadRecordFile(file, kDisplaySettingsSize, bytes); !read.ok()) return read;
  if (!DecodeDisplaySettings(bytes, s, problem)) {
    return FileResult::Failure(FileStatus::Corrupt,
                               "the settings file " + Quoted(file) + " is damaged: " + problem);
  }
  return FileResult::Success();
}

FileResult WriteDisplaySettings(const fs::path& folder, const DisplaySettings& s) {
  return WriteFileReplacing(GamePath(folder, kOptimFile), AsText(EncodeDisplaySettings(s)));
}

FileResult ReadAdvancedOptions(const fs::path& folder, AdvancedOptions& o) {
  const fs::path file = GamePath(folder, kAdvancedFile);
  std::string bytes, problem;
  if (FileResult read = ReadRecordFile(file, kAdvancedOptionsSize, bytes); !read.ok()) return read;
  if (!DecodeAdvancedOptions(bytes, o, problem)) {
    return FileResult::Failure(FileStatus::Corrupt,
                               "the settings file " + Quoted(file) + " is damaged: " + problem);
  }
  return FileResult::Success();
}

FileResult WriteAdvancedOptions(const fs::path& folder, const AdvancedOptions& o) {
  return WriteFileReplacing(GamePath(folder, kAdvancedFile), AsText(EncodeAdvancedOptions(o)));
}

FileResult ReadNumberFile(const fs::path& folder, std::string_view name, Byte& value) {
  const fs::path file = GamePath(folder, name);
  std::string text, problem;
  // One number and its line end; anything after the first line is not read.
  FileResult read = ReadFileBytes(file, 4096, text);
  if (!read.ok() && read.status != FileStatus::TooLong) return read;
  if (!ParseNumberText(text, value, problem)) {
    return FileResult::Failure(FileStatus::Corrupt,
                               "the file " + Quoted(file) + " is damaged: " + problem);
  }
  return FileResult::Success();
}

FileResult WriteNumberFile(const fs::path& folder, std::string_view name, long value) {
  return WriteFileReplacing(GamePath(folder, name), NumberText(value));
}

FileResult ReadDifficulty(const fs::path& folder, Byte& difficulty) {
  Byte read = 0;
  if (FileResult result = ReadNumberFile(folder, kOptionsFile, read); !result.ok()) return result;
  if (read < 1 || read > 3) {
    return FileResult::Failure(FileStatus::Corrupt,
                               "the settings file " + Quoted(GamePath(folder, kOptionsFile)) +
                                   " gives difficulty " + std::to_string(read) +
                                   " (1 easy, 2 normal, 3 hard)");
  }
  difficulty = read;
  return FileResult::Success();
}

FileResult WriteDifficulty(const fs::path& folder, int difficulty) {
  return WriteNumberFile(folder, kOptionsFile, difficulty);
}

std::string_view PictureFolder(const DisplaySettings& s) {
  return s.GraphicsDepth == 16 ? "\\graphics\\high\\" : "\\graphics\\low\\";
}

}  // namespace valorne
