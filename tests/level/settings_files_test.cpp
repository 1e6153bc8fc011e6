// The settings and exchange files of the game folder.
#include "level/settings_files.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "level/default_settings.h"
#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::ReadBytes;
using testing::ReadText;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteText;

TEST(SettingsRecords, DisplaySettingsBytesAndRoundTrip) {
  DisplaySettings s;
  s.DisplaySetting1 = 0x0102;
  s.FadesOff = kTrue;
  s.DisplaySetting3 = 3;
  s.DisplaySetting4 = 4;
  s.StandardPointer = kTrue;
  s.DisplaySetting6 = 6;
  s.SoundOff = kTrue;
  s.Force1024 = kFalse;
  s.ResolutionChoice = 2;
  s.GraphicsDepth = 32;
  s.DisplaySetting9 = 9;
  s.FadeSurfacesOff = kTrue;
  s.DisplaySetting11 = 11;
  s.DisplaySetting12 = 12;
  const auto bytes = EncodeDisplaySettings(s);
  const std::array<std::uint8_t, 23> expected = {0x02, 0x01, 0xFF, 0xFF, 3,    0,    4, 0,
                                                 0xFF, 0xFF, 6,    0,    0xFF, 0xFF, 0, 0,
                                                 2,    32,   9,    0xFF, 0xFF, 11,   12};
  EXPECT_EQ(bytes, expected);
  TempDir dir;
  ASSERT_TRUE(WriteDisplaySettings(dir.path(), s).ok());
  EXPECT_EQ(ReadBytes(dir / "Optim.rx").size(), 23u);
  DisplaySettings read;
  ASSERT_TRUE(ReadDisplaySettings(dir.path(), read).ok());
  EXPECT_EQ(read, s);
}

TEST(SettingsRecords, AdvancedOptionsBytesAndRoundTrip) {
  AdvancedOptions o;
  o.MapAnimOption = kFalse;
  o.ClearMessagesOption = kTrue;
  o.MessageSoundOff = kTrue;
  o.TrooperOption = kFalse;
  o.WalkOption = kTrue;
  o.TooltipOption = kFalse;
  o.AutoCalcOption = kTrue;
  o.MusicOption = kFalse;
  o.AutoSaveOption = kTrue;
  o.AnimatedSOption = kFalse;
  o.MusicVolume = -3500;
  o.SoundVolume = -10000;
  o.MusicStep = 7;
  o.SoundStep = 0;
  const auto bytes = EncodeAdvancedOptions(o);
  const std::array<std::uint8_t, 26> expected = {0,    0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0,    0xFF,
                                                 0xFF, 0, 0,    0xFF, 0xFF, 0,    0, 0xFF, 0xFF,
                                                 0,    0, 0x54, 0xF2, 0xF0, 0xD8, 7, 0};
  EXPECT_EQ(bytes, expected);
  TempDir dir;
  ASSERT_TRUE(WriteAdvancedOptions(dir.path(), o).ok());
  AdvancedOptions read;
  ASSERT_TRUE(ReadAdvancedOptions(dir.path(), read).ok());
  EXPECT_EQ(read, o);
}

TEST(SettingsRecords, DamagedRecordsAreRefusedAndChangeNothing) {
  const auto good_optim = EncodeDisplaySettings(DisplaySettings{});
  const auto good_advanced = EncodeAdvancedOptions(AdvancedOptions{});
  auto with = [](auto bytes, std::size_t at, std::uint8_t value) {
    std::vector<unsigned char> v(bytes.begin(), bytes.end());
    v[at] = value;
    return v;
  };
  struct Case {
    const char* what;
    const char* file;
    std::optional<std::vector<unsigned char>> bytes;  // nothing: no file at all
    FileStatus status;
  };
  const Case cases[] = {
      {"optim missing", "Optim.rx", std::nullopt, FileStatus::Missing},
      {"optim short", "Optim.rx", std::vector<unsigned char>(22, 0), FileStatus::TooShort},
      {"optim long", "Optim.rx", std::vector<unsigned char>(24, 0), FileStatus::TooLong},
      {"optim empty", "Optim.rx", std::vector<unsigned char>{}, FileStatus::TooShort},
      {"optim unknown screen size", "Optim.rx", with(good_optim, 16, 4), FileStatus::Corrupt},
      {"advanced missing", "Advanced.rx", std::nullopt, FileStatus::Missing},
      {"advanced short", "Advanced.rx", std::vector<unsigned char>(25, 0), FileStatus::TooShort},
      {"advanced long", "Advanced.rx", std::vector<unsigned char>(27, 0), FileStatus::TooLong},
      {"advanced step 11", "Advanced.rx", with(good_advanced, 24, 11), FileStatus::Corrupt},
      {"advanced loud", "Advanced.rx", with(good_advanced, 20, 1), FileStatus::Corrupt},
      {"advanced garbage", "Advanced.rx", std::vector<unsigned char>(26, 0x7F),
       FileStatus::Corrupt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    if (c.bytes) WriteBytes(dir / c.file, *c.bytes);
    DisplaySettings display;
    display.GraphicsDepth = 99;
    AdvancedOptions options;
    options.MusicStep = 3;
    const FileResult result = std::string(c.file) == "Optim.rx"
                                  ? ReadDisplaySettings(dir.path(), display)
                                  : ReadAdvancedOptions(dir.path(), options);
    EXPECT_EQ(result.status, c.status);
    EXPECT_NE(result.message.find(c.file), std::string::npos) << result.message;
    EXPECT_EQ(display.GraphicsDepth, 99);
    EXPECT_EQ(options.MusicStep, 3);
  }
}

TEST(NumberFiles, ReadLikeTheCampaignReadsThem) {
  struct Case {
    const char* text;
    int value;  // -1: refused
  };
  const Case cases[] = {
      {"9\r\n", 9},          {"9\n", 9},           {"9", 9},          {" 12 \r\n", 12},
      {"\r\n\r\n 3\r\n", 3}, {"2,5\r\n", 2},       {"7\r\n8\r\n", 7}, {"+4\r\n", 4},
      {"2.5\r\n", 2},        {"3.5\r\n", 4},       {"255\r\n", 255},  {"0\r\n", 0},
      {"\t6\t\n", 6},        {"256\r\n", -1},      {"-1\r\n", -1},    {"", -1},
      {"\r\n", -1},          {"abc\r\n", -1},      {"9x\r\n", -1},    {"- 3\r\n", -1},
      {".\r\n", -1},         {"\x01\x02\xff", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::string(c.text)));
    TempDir dir;
    WriteText(dir / "camp.rx", c.text);
    Byte value = 77;
    const FileResult result = ReadNumberFile(dir.path(), kCampFile, value);
    if (c.value < 0) {
      EXPECT_EQ(result.status, FileStatus::Corrupt);
      EXPECT_NE(result.message.find("camp.rx"), std::string::npos) << result.message;
      EXPECT_EQ(value, 77);
    } else {
      EXPECT_TRUE(result.ok()) << result.message;
      EXPECT_EQ(value, c.value);
    }
  }
  TempDir dir;
  Byte value = 77;
  EXPECT_EQ(ReadNumberFile(dir.path(), kCampFile, value).status, FileStatus::Missing);
}

TEST(NumberFiles, WrittenAsDigitsAndCrLf) {
  TempDir dir;
  ASSERT_TRUE(WriteNumberFile(dir.path(), kLevelInfoFile, 10).ok());
  EXPECT_EQ(ReadText(dir / "levelinfo.rx"), "10\r\n");
  ASSERT_TRUE(WriteNumberFile(dir.path(), kLoadRequestFile, 0).ok());
  EXPECT_EQ(ReadText(dir / "LGame.rx"), "0\r\n");
}

TEST(NumberFiles, DifficultyIsOneToThree) {
  for (int d = 0; d <= 4; ++d) {
    TempDir dir;
    WriteDifficulty(dir.path(), d);
    Byte difficulty = 2;
    const FileResult result = ReadDifficulty(dir.path(), difficulty);
    EXPECT_EQ(result.ok(), d >= 1 && d <= 3) << d;
    EXPECT_EQ(difficulty, result.ok() ? d : 2);
  }
}

TEST(DefaultSettings, ANewFolderGetsThemAndAPlayersFilesAreKept) {
  TempDir dir;
  WriteText(dir / "options.rx", "3\r\n");  // the player's, in another letter case
  std::ostringstream log;
  ASSERT_TRUE(WriteDefaultSettings(dir.path(), log).ok()) << log.str();
  EXPECT_EQ(ReadText(dir / "options.rx"), "3\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "Options.rx"));

  DisplaySettings display;
  ASSERT_TRUE(ReadDisplaySettings(dir.path(), display).ok());
  EXPECT_EQ(display.ResolutionChoice, 0);
  EXPECT_EQ(display.GraphicsDepth, 16);
  EXPECT_EQ(display.SoundOff, kFalse);
  AdvancedOptions options;
  ASSERT_TRUE(ReadAdvancedOptions(dir.path(), options).ok());
  EXPECT_EQ(options.MapAnimOption, kTrue);
  EXPECT_EQ(options.TooltipOption, kTrue);
  EXPECT_EQ(options.AutoSaveOption, kTrue);
  EXPECT_EQ(options.MusicOption, kTrue);
  EXPECT_EQ(options.MusicVolume, 0);
  EXPECT_EQ(options.SoundStep, 10);
  EXPECT_EQ(ReadText(dir / "LGame.rx"), "0\r\n");
  EXPECT_EQ(ReadText(dir / "levelinfo.rx"), "9\r\n");
  EXPECT_EQ(ReadText(dir / "camp.rx"), "9\r\n");

  WriteText(dir / "camp.rx", "12\r\n");
  ASSERT_TRUE(WriteDefaultSettings(dir.path(), log).ok());
  EXPECT_EQ(ReadText(dir / "camp.rx"), "12\r\n") << "a second run changes nothing";
}

TEST(DefaultSettings, TheBuiltGameFolderHoldsReadableSettings) {
  const std::filesystem::path folder = VALORNE_GAME_DIR;
  DisplaySettings display;
  AdvancedOptions options;
  Byte value = 0;
  EXPECT_TRUE(ReadDisplaySettings(folder, display).ok());
  EXPECT_TRUE(ReadAdvancedOptions(folder, options).ok());
  EXPECT_TRUE(ReadDifficulty(folder, value).ok());
  for (auto name : {kLoadRequestFile, kLevelInfoFile, kCampFile}) {
    EXPECT_TRUE(ReadNumberFile(folder, name, value).ok()) << name;
  }
}

}  // namespace
}  // namespace valorne
