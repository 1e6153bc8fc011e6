// The game menu: its pages, the options pages and the ways out.
#include "level/menu_frm.h"

#include <gtest/gtest.h>

#include <tuple>

#include "level/game_files.h"
#include "level/level_screens_fixture.h"
#include "level/saves.h"
#include "level/settings_files.h"
#include "screens/toolkit/form_checks.h"

namespace valorne {
namespace {

using testing::LevelScreens;
using testing::ReadBytes;

std::string_view PageOf(const LevelScreens& s) {
  return dynamic_cast<const MenuFrm&>(s.Top()).page();
}

TEST(MenuFrm, EveryLevelScreenPassesTheScreenChecks) {
  LevelScreens s;
  FormCheckOptions options;
  options.picture_exists = PicturesIn(VALORNE_GAME_DIR);
  options.texts = &s.game.texts;
  EXPECT_EQ(CheckRegisteredScreens(s.registry, s.game, s.ui, options), std::vector<std::string>{});
  EXPECT_EQ(s.registry.Names(),
            (std::vector<std::string>{"LoadGameFrm", "MainScreenExit", "MenuFrm", "SaveGameFrm"}));
}

TEST(MenuFrm, EntriesLeadToTheirPagesAndBack) {
  struct Case {
    std::string entry;
    std::string page;
    std::string title;
  };
  const Case cases[] = {{"OptionsLbl", "OptionsPage", "Options"},
                        {"MoreOptionsLbl", "MoreOptionsPage", "Sound and messages"},
                        {"AboutLbl", "AboutPage", "About Valorne"}};
  LevelScreens s;
  for (const Case& c : cases) {
    s.Click(c.entry);
    s.Look([&] {
      EXPECT_EQ(PageOf(s), c.page);
      EXPECT_EQ(s.Read("TitleLbl"), c.title);
      EXPECT_TRUE(s.Top()[c.page].visible());
      EXPECT_FALSE(s.Top()["MainPage"].visible());
      EXPECT_EQ(s.Top()["OkAniBtn"].visible(), c.page != "AboutPage");
    });
    s.Click("MenuLbl");
    s.Look([&] {
      EXPECT_EQ(PageOf(s), "MainPage");
      EXPECT_FALSE(s.Top()["MenuLbl"].visible());
    });
  }
  s.Click("AboutLbl");
  s.Look([&] {
    const std::string about = s.Read("AboutTextLbl");
    EXPECT_EQ(about.rfind("Valorne", 0), 0u);
    EXPECT_NE(about.find("GPL-3.0-or-later"), std::string::npos);
  });
  s.Key("Escape");  // back to the main page
  s.Key("Escape");  // back to the map
  s.Run("MenuFrm");
}

TEST(MenuFrm, VolumeButtonsStepBy350UpToTen) {
  LevelScreens s;
  s.game.options.MusicStep = 0;
  s.game.options.MusicVolume = -5000;
  s.Click("MoreOptionsLbl");
  for (int i = 0; i < 10; ++i) s.Click("MusicUp");
  s.Look([&] {
    EXPECT_EQ(s.game.options.MusicStep, 10);
    EXPECT_EQ(s.game.options.MusicVolume, -1500);
    EXPECT_EQ(s.Top()["MusicVolumeCtrl"].width(), 300);
    EXPECT_EQ(s.Read("MusicStepLbl"), "10 / 10");
    EXPECT_EQ(s.sound.Find("MusicChanel01")->volume, -1500);
  });
  s.Click("MusicUp");  // an eleventh press changes nothing
  s.Look([&] {
    EXPECT_EQ(s.game.options.MusicStep, 10);
    EXPECT_EQ(s.game.options.MusicVolume, -1500);
  });
  s.Click("MusicDown");
  s.Look([&] {
    EXPECT_EQ(s.game.options.MusicStep, 9);
    EXPECT_EQ(s.Top()["MusicVolumeCtrl"].width(), 270);
    EXPECT_EQ(s.Read("MusicStepLbl"), "9 / 10");
  });
  for (int i = 0; i < 11; ++i) s.Click("SoundsDown");
  s.Look([&] {
    EXPECT_EQ(s.game.options.SoundStep, 0);
    EXPECT_EQ(s.game.options.SoundVolume, -3500);
    EXPECT_FALSE(s.Top()["SoundVolumeCtrl"].visible());
    for (std::string_view channel : kEffectChannels) {
      ASSERT_NE(s.sound.Find(channel), nullptr) << channel;
      EXPECT_EQ(s.sound.Find(channel)->volume, -3500) << channel;
    }
    EXPECT_EQ(s.sound.Find("MusicChanel01")->volume, -1850) << "the music keeps its own volume";
  });
  s.Click("MenuLbl");
  s.Click("ResumeLbl");
  s.Run("MenuFrm");
}

TEST(MenuFrm, BarsGrowWithTheLargeScreenMode) {
  LevelScreens s;
  s.game.LargeScreenMode = true;
  s.game.options.SoundStep = 4;
  s.Click("MoreOptionsLbl");
  s.Look([&] {
    EXPECT_EQ(s.Top()["MusicVolumeCtrl"].width(), 375);
    EXPECT_EQ(s.Top()["SoundVolumeCtrl"].width(), 150);
  });
  s.Click("SoundsUp");
  s.Look([&] { EXPECT_EQ(s.Top()["SoundVolumeCtrl"].width(), 188); });  // 150 units * 1.25
  s.Click("MenuLbl");
  s.Click("ResumeLbl");
  s.Run("MenuFrm");
}

TEST(MenuFrm, TheMusicBoxSetsBothVolumesWhateverTheyWere) {
  LevelScreens s;
  AdvancedOptions& o = s.game.options;
  o.MusicStep = 4;
  o.MusicVolume = -2100;
  o.SoundStep = 7;
  o.SoundVolume = -1050;
  s.Click("MoreOptionsLbl");
  s.Look([&] { EXPECT_TRUE(s.Top().Get<CheckBox>("MusicOption").checked()); });
  s.Click("MusicOption");
  s.Look([&] {
    EXPECT_FALSE(IsTrue(o.MusicOption));
    EXPECT_EQ(std::tuple(o.MusicVolume, o.SoundVolume, o.MusicStep, o.SoundStep),
              std::tuple(Integer{-10000}, Integer{-10000}, Byte{0}, Byte{0}));
    EXPECT_FALSE(s.Top()["MusicVolumeCtrl"].visible());
    EXPECT_EQ(s.sound.Find("MusicChanel01")->volume, -10000);
  });
  s.Click("MusicOption");
  s.Look([&] {
    EXPECT_TRUE(IsTrue(o.MusicOption));
    EXPECT_EQ(std::tuple(o.MusicVolume, o.SoundVolume, o.MusicStep, o.SoundStep),
              std::tuple(Integer{0}, Integer{0}, Byte{10}, Byte{10}));
    EXPECT_EQ(s.Top()["SoundVolumeCtrl"].width(), 300);
    EXPECT_EQ(s.sound.Find("ClickChanel01")->volume, 0);
  });
  s.Click("MenuLbl");
  s.Click("ResumeLbl");
  s.Run("MenuFrm");
}

TEST(MenuFrm, EachBoxShowsAndSetsItsOption) {
  struct Case {
    std::string box;
    std::string page_entry;
    Boolean AdvancedOptions::*field;
  };
  const Case cases[] = {
      {"MapAnimOption", "OptionsLbl", &AdvancedOptions::MapAnimOption},
      {"TrooperOption", "OptionsLbl", &AdvancedOptions::TrooperOption},
      {"WalkOption", "OptionsLbl", &AdvancedOptions::WalkOption},
      {"TooltipOption", "OptionsLbl", &AdvancedOptions::TooltipOption},
      {"AutoCalcOption", "OptionsLbl", &AdvancedOptions::AutoCalcOption},
      {"AutoSaveOption", "OptionsLbl", &AdvancedOptions::AutoSaveOption},
      {"AnimatedSOption", "OptionsLbl", &AdvancedOptions::AnimatedSOption},
      {"DeleteMsgOption", "MoreOptionsLbl", &AdvancedOptions::ClearMessagesOption},
      {"DisableMsgSOption", "MoreOptionsLbl", &AdvancedOptions::MessageSoundOff},
  };
  for (const Case& c : cases) {
    for (bool before : {false, true}) {
      SCOPED_TRACE(c.box + (before ? " on" : " off"));
      LevelScreens s;
      s.game.options.*c.field = ToBoolean(before);
      const AdvancedOptions others = s.game.options;
      s.Click(c.page_entry);
      s.Look([&] { EXPECT_EQ(s.Top().Get<CheckBox>(c.box).checked(), before); });
      s.Click(c.box);
      s.Look([&] {
        EXPECT_EQ(s.game.options.*c.field, ToBoolean(!before));
        AdvancedOptions rest = s.game.options;
        rest.*c.field = ToBoolean(before);
        EXPECT_EQ(rest, others) << "no other option moved";
      });
      s.Click("MenuLbl");
      s.Click("ResumeLbl");
      s.Run("MenuFrm");
    }
  }
}

TEST(MenuFrm, BackKeepsTheChangesForTheRunWithoutWriting) {
  LevelScreens s;
  ASSERT_TRUE(WriteAdvancedOptions(s.dir.path(), s.game.options).ok());
  const auto file_before = ReadBytes(s.dir / "Advanced.rx");
  s.Click("OptionsLbl");
  s.Click("AutoSaveOption");
  s.Click("MenuLbl");
  s.Click("MoreOptionsLbl");
  s.Click("SoundsDown");
  s.Click("MenuLbl");
  s.Click("ResumeLbl");
  s.Run("MenuFrm");
  EXPECT_FALSE(IsTrue(s.game.options.AutoSaveOption));
  EXPECT_EQ(s.game.options.SoundStep, 9);
  EXPECT_EQ(ReadBytes(s.dir / "Advanced.rx"), file_before);
}

TEST(MenuFrm, ConfirmWritesTheOptionsAndClosesTheMenu) {
  struct Case {
    bool sound_on;
    bool tooltips;
  };
  for (const Case& c : {Case{true, false}, Case{true, true}, Case{false, false}}) {
    SCOPED_TRACE(std::to_string(c.sound_on) + std::to_string(c.tooltips));
    LevelScreens s;
    s.game.SoundOn = c.sound_on;
    s.game.options.TooltipOption = ToBoolean(!c.tooltips);
    s.ui.timer("TooltipsTimer").SetEnabled(!c.tooltips);
    s.Click("OptionsLbl");
    s.Click("TooltipOption");
    s.Click("MenuLbl");
    s.Click("MoreOptionsLbl");
    s.Click("MusicDown");
    s.Click("MusicDown");
    s.Click("OkAniBtn");
    s.Run("MenuFrm");
    EXPECT_EQ(ReadBytes(s.dir / "Advanced.rx").size(), 26u);
    AdvancedOptions written;
    ASSERT_TRUE(ReadAdvancedOptions(s.dir.path(), written).ok());
    EXPECT_EQ(written, s.game.options);
    // Without sound the volumes are kept at full.
    EXPECT_EQ(written.MusicStep, c.sound_on ? 8 : 10);
    EXPECT_EQ(written.MusicVolume, c.sound_on ? -700 : 0);
    EXPECT_EQ(IsTrue(written.TooltipOption), c.tooltips);
    EXPECT_EQ(s.ui.timer("TooltipsTimer").enabled(), c.tooltips);
  }
}

TEST(MenuFrm, AnOptionsFileThatCannotBeWrittenIsToldAndTheMenuStays) {
  LevelScreens s;
  std::filesystem::create_directories(s.dir / "Advanced.rx" / "in the way");
  s.Click("MoreOptionsLbl");
  s.Click("SoundsDown");
  s.Click("OkAniBtn");
  s.Look([&] {
    EXPECT_EQ(s.TopName(), "MenuFrm");
    EXPECT_NE(s.Read("Helper"), "");
  });
  s.Click("MenuLbl");
  s.Click("ResumeLbl");
  s.Run("MenuFrm");
  EXPECT_EQ(s.game.options.SoundStep, 9) << "the change stays in force for the run";
}

TEST(MenuFrm, SaveAndExitWritesItsSaveAndEndsTheLevel) {
  LevelScreens s;
  s.game.state.Gold = 3210;
  s.Click("SaveExitLbl");
  s.Run("MenuFrm");
  EXPECT_TRUE(s.game.live.ProgramEnding);
  EXPECT_EQ(ReadBytes(s.SaveFile("Save and Exit")).size(), 792u);
  EXPECT_TRUE(s.services.started.empty());
}

TEST(MenuFrm, SaveAndExitThatCannotSaveKeepsTheLevelRunning) {
  LevelScreens s;
  testing::WriteText(s.dir / "Save Game", "a file where the save folder belongs");
  s.Click("SaveExitLbl");
  s.Look([&] {
    EXPECT_EQ(s.TopName(), "MenuFrm");
    EXPECT_NE(s.Read("Helper").find("cannot be made"), std::string::npos) << s.Read("Helper");
  });
  s.Click("ResumeLbl");
  s.Run("MenuFrm");
  EXPECT_FALSE(s.game.live.ProgramEnding);
}

}  // namespace
}  // namespace valorne
