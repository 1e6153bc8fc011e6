// The level's start, run in a fresh game folder with the headless platform.
#include "level/startup.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "level/level_fixture.h"
#include "level/saves.h"
#include "state/start_values.h"

namespace valorne {
namespace {

using testing::ReadBytes;
using testing::ReadText;
using testing::TempDir;
using testing::TestGame;
using testing::WriteText;

struct StartupTest : ::testing::Test {
  TempDir dir;
  TestGame t{dir.path()};
  Game& game = t.game;
  HeadlessServices services;
  std::ostringstream warnings;

  StartupResult Start() { return StartProgram(game, services, warnings); }
  StartupResult NewLevel() { return SetUpNewLevel(game, services, warnings); }
  std::filesystem::path FirstSave() { return dir.path() / "Save Game" / "FirstSave.s9_"; }
};

TEST_F(StartupTest, ScreenDensity) {
  testing::MakeGameFolder(dir.path());
  struct Case {
    int dpi;
    StartupResult result;
    bool large;
  };
  for (const Case c :
       {Case{96, StartupResult::Continue, true}, Case{120, StartupResult::Continue, false},
        Case{144, StartupResult::Exit, false}, Case{72, StartupResult::Exit, false}}) {
    SCOPED_TRACE(c.dpi);
    services = HeadlessServices{};
    services.dots_per_inch = c.dpi;
    game.LargeScreenMode = !c.large;
    EXPECT_EQ(Start(), c.result);
    EXPECT_EQ(services.message_boxes.size(), c.result == StartupResult::Exit ? 1u : 0u);
    if (c.result == StartupResult::Continue) {
      EXPECT_EQ(game.LargeScreenMode, c.large);
    } else {
      EXPECT_NE(services.message_boxes[0].find(std::to_string(c.dpi)), std::string::npos);
      EXPECT_TRUE(services.display_modes.empty()) << "nothing after the message";
    }
  }
}

TEST_F(StartupTest, ASecondCopyEndsSilently) {
  testing::MakeGameFolder(dir.path());
  services.another_instance = true;
  EXPECT_EQ(Start(), StartupResult::Exit);
  EXPECT_TRUE(services.message_boxes.empty());
  EXPECT_TRUE(services.display_modes.empty());
}

TEST_F(StartupTest, SettingsSoundAndDisplayMode) {
  testing::MakeGameFolder(dir.path(), 3);
  DisplaySettings display;
  display.ResolutionChoice = 2;
  display.GraphicsDepth = 8;
  WriteDisplaySettings(dir.path(), display);
  AdvancedOptions options;
  options.TooltipOption = kFalse;
  WriteAdvancedOptions(dir.path(), options);
  services.sound_devices = 2;
  ASSERT_EQ(Start(), StartupResult::Continue);
  EXPECT_EQ(game.Difficulty, 3);
  EXPECT_TRUE(game.SoundOn);
  EXPECT_EQ(game.display.GraphicsDepth, 8);
  EXPECT_EQ(PictureFolder(game.display), "\\graphics\\low\\");
  EXPECT_EQ(game.options.TooltipOption, kFalse);
  EXPECT_EQ(services.display_modes, (std::vector<std::string>{"1280x960x16", "1280x960x32"}));
  EXPECT_EQ(game.texts.Utf8({5, 2}), "A") << "the texts are read";
  EXPECT_TRUE(warnings.str().empty()) << warnings.str();

  // Sound off in the settings, or no sound device, means no sound; 1024 x 768
  // when forced.
  display.SoundOff = kTrue;
  display.Force1024 = kTrue;
  WriteDisplaySettings(dir.path(), display);
  services = HeadlessServices{};
  services.sound_devices = 2;
  ASSERT_EQ(Start(), StartupResult::Continue);
  EXPECT_FALSE(game.SoundOn);
  EXPECT_EQ(services.display_modes, (std::vector<std::string>{"1024x768x16", "1024x768x32"}));
  display.SoundOff = kFalse;
  WriteDisplaySettings(dir.path(), display);
  services.sound_devices = 0;
  ASSERT_EQ(Start(), StartupResult::Continue);
  EXPECT_FALSE(game.SoundOn);
}

TEST_F(StartupTest, MissingSettingsGiveTheDefaultsWithAWarning) {
  testing::MakeGameFolder(dir.path());
  for (const char* name : {"Optim.rx", "Advanced.rx"}) std::filesystem::remove(dir / name);
  WriteText(dir / "Options.rx", "hard\r\n");
  game.Difficulty = 3;
  game.options.MusicStep = 4;
  ASSERT_EQ(Start(), StartupResult::Continue);
  EXPECT_EQ(game.Difficulty, 2);
  EXPECT_EQ(game.display, DisplaySettings{});
  EXPECT_EQ(game.options, AdvancedOptions{});
  for (const char* name : {"Optim.rx", "Options.rx", "Advanced.rx"}) {
    EXPECT_NE(warnings.str().find(name), std::string::npos) << warnings.str();
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "Advanced.rx")) << "written only when confirmed";
}

TEST_F(StartupTest, ATextFileThatCannotBeReadStopsTheLevel) {
  for (const char* broken : {"missing", "short"}) {
    SCOPED_TRACE(broken);
    testing::MakeGameFolder(dir.path());
    const auto file = dir.path() / "localizations" / "captions.loc";
    if (std::string(broken) == "missing") {
      std::filesystem::remove(file);
    } else {
      testing::WriteBytes(file, {5, 0, 1, 0});
    }
    services = HeadlessServices{};
    EXPECT_EQ(Start(), StartupResult::Exit);
    ASSERT_EQ(services.message_boxes.size(), 1u);
    EXPECT_NE(services.message_boxes[0].find("captions.loc"), std::string::npos);
  }
}

TEST_F(StartupTest, ANewLevelAtEachDifficultyWritesItsFirstSave) {
  for (int difficulty = 1; difficulty <= 3; ++difficulty) {
    SCOPED_TRACE(difficulty);
    TempDir folder;
    TestGame run(folder.path());
    testing::MakeGameFolder(folder.path(), difficulty);
    run.game.rng = Random::Constant(0.5);
    ASSERT_EQ(StartProgram(run.game, services, warnings), StartupResult::Continue);
    ASSERT_EQ(SetUpNewLevel(run.game, services, warnings), StartupResult::Continue);
    EXPECT_EQ(run.ui.events, (std::vector<std::string>{"screen TipsFrm"}));

    Game expected;
    expected.Difficulty = static_cast<Byte>(difficulty);
    expected.rng = Random::Constant(0.5);
    SetStartValues(expected);
    Record record{};
    PackGameState(expected.state, record);
    const auto bytes = ReadBytes(folder.path() / "Save Game" / "FirstSave.s9_");
    ASSERT_EQ(bytes.size(), 792u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), record.begin()));
    const Long gold = bytes[13] | (bytes[14] << 8) | (bytes[15] << 16) | (bytes[16] << 24);
    EXPECT_EQ(gold, (std::array<Long, 3>{5000, 2500, 1250}[difficulty - 1]));
    EXPECT_EQ(run.game.state, expected.state);
  }
}

TEST_F(StartupTest, TheLoadRequestIsServedOnce) {
  testing::MakeGameFolder(dir.path());
  WriteText(dir / "LGame.rx", "1\r\n");
  game.rng = Random::Constant(0.5);
  // The player picks a save made later in the game; it must be the first
  // save of this start that holds the start values when the dialog opens.
  std::vector<unsigned char> first_save_seen;
  t.ui.on_open = [&](std::string_view form) {
    if (form == "LoadGameFrm") first_save_seen = ReadBytes(FirstSave());
  };
  ASSERT_EQ(Start(), StartupResult::Continue);
  ASSERT_EQ(NewLevel(), StartupResult::Continue);
  EXPECT_EQ(t.ui.events, (std::vector<std::string>{"screen LoadGameFrm", "screen TipsFrm"}));
  EXPECT_EQ(first_save_seen.size(), 792u);
  EXPECT_EQ(ReadText(dir / "LGame.rx"), "0\r\n");

  t.ui.events.clear();
  ASSERT_EQ(NewLevel(), StartupResult::Continue);
  EXPECT_EQ(t.ui.events, (std::vector<std::string>{"screen TipsFrm"}));
}

TEST_F(StartupTest, ACampaignBehindThisLevelStopsAfterTheFirstSave) {
  testing::MakeGameFolder(dir.path());
  WriteText(dir / "levelinfo.rx", "8\r\n");
  ASSERT_EQ(Start(), StartupResult::Continue);
  EXPECT_EQ(NewLevel(), StartupResult::Exit);
  EXPECT_EQ(services.message_boxes, (std::vector<std::string>{"Valorne: No, no, no... :)"}));
  EXPECT_EQ(ReadBytes(FirstSave()).size(), 792u);
  EXPECT_TRUE(t.ui.events.empty()) << "no objectives screen";

  for (const char* reached : {"9\r\n", "12\n"}) {
    WriteText(dir / "levelinfo.rx", reached);
    services = HeadlessServices{};
    EXPECT_EQ(NewLevel(), StartupResult::Continue);
    EXPECT_TRUE(services.message_boxes.empty());
  }
}

TEST_F(StartupTest, MissingCampaignFilesDoNotStopTheLevel) {
  testing::MakeGameFolder(dir.path());
  std::filesystem::remove(dir / "LGame.rx");
  std::filesystem::remove(dir / "levelinfo.rx");
  ASSERT_EQ(Start(), StartupResult::Continue);
  EXPECT_EQ(NewLevel(), StartupResult::Continue);
  EXPECT_EQ(t.ui.events, (std::vector<std::string>{"screen TipsFrm"}));
  EXPECT_NE(warnings.str().find("levelinfo.rx"), std::string::npos);
  EXPECT_EQ(ReadText(dir / "LGame.rx"), "0\r\n");
}

}  // namespace
}  // namespace valorne
