// The options page: check boxes, the music box, the volume buttons, confirm.
#include "level/options_rules.h"

#include <gtest/gtest.h>

#include "level/level_fixture.h"

namespace valorne {
namespace {

using testing::TempDir;
using testing::TestGame;

TEST(OptionsRules, VolumeButtons) {
  AdvancedOptions o;
  SetOptionBox(o, "MusicOption", false);
  EXPECT_EQ(o.MusicStep, 0);
  EXPECT_EQ(o.MusicVolume, -10000);
  for (int press = 1; press <= 10; ++press) EXPECT_TRUE(MusicUp(o)) << press;
  EXPECT_EQ(o.MusicStep, 10);
  EXPECT_EQ(o.MusicVolume, -6500);
  EXPECT_FALSE(MusicUp(o)) << "an eleventh press changes nothing";
  EXPECT_EQ(o.MusicStep, 10);
  EXPECT_EQ(o.MusicVolume, -6500);
  EXPECT_EQ(VolumeBarWidth(o.MusicStep), 300);

  EXPECT_EQ(o.SoundStep, 0);
  EXPECT_FALSE(SoundsDown(o));
  EXPECT_EQ(o.SoundVolume, -10000);
  EXPECT_TRUE(SoundsUp(o));
  EXPECT_TRUE(SoundsUp(o));
  EXPECT_TRUE(SoundsDown(o));
  EXPECT_EQ(o.SoundStep, 1);
  EXPECT_EQ(o.SoundVolume, -9650);
  EXPECT_EQ(o.MusicVolume, -6500) << "the two volumes are apart";

  // Checking the music box again gives both back at full.
  SetOptionBox(o, "MusicOption", true);
  EXPECT_EQ(o.MusicOption, kTrue);
  EXPECT_EQ(o.MusicVolume, 0);
  EXPECT_EQ(o.SoundVolume, 0);
  EXPECT_EQ(o.MusicStep, 10);
  EXPECT_EQ(o.SoundStep, 10);
  EXPECT_TRUE(MusicDown(o));
  EXPECT_EQ(o.MusicVolume, -350);
}

TEST(OptionsRules, CheckBoxesByControlName) {
  struct Case {
    const char* control;
    Boolean AdvancedOptions::*field;
  };
  const Case cases[] = {
      {"MapAnimOption", &AdvancedOptions::MapAnimOption},
      {"DeleteMsgOption", &AdvancedOptions::ClearMessagesOption},
      {"DisableMsgSOption", &AdvancedOptions::MessageSoundOff},
      {"TrooperOption", &AdvancedOptions::TrooperOption},
      {"WalkOption", &AdvancedOptions::WalkOption},
      {"TooltipOption", &AdvancedOptions::TooltipOption},
      {"AutoCalcOption", &AdvancedOptions::AutoCalcOption},
      {"AutoSaveOption", &AdvancedOptions::AutoSaveOption},
      {"AnimatedSOption", &AdvancedOptions::AnimatedSOption},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    for (bool checked : {false, true}) {
      AdvancedOptions o;
      o.*c.field = ToBoolean(!checked);
      AdvancedOptions expected = o;
      expected.*c.field = ToBoolean(checked);
      EXPECT_TRUE(SetOptionBox(o, c.control, checked));
      EXPECT_EQ(o, expected) << "only its own option changes";
    }
  }
  AdvancedOptions o;
  EXPECT_FALSE(SetOptionBox(o, "OkAniBtn", true));
  EXPECT_EQ(o, AdvancedOptions{});
}

TEST(OptionsRules, ConfirmWritesTheOptionsAndKeepsFullVolumeWithoutSound) {
  struct Case {
    bool sound_on;
    Boolean sound_off_setting;
    Integer music_volume;
    Byte music_step;
  };
  for (const Case c :
       {Case{true, kFalse, -700, 8}, Case{false, kFalse, 0, 10}, Case{true, kTrue, 0, 10}}) {
    TempDir dir;
    TestGame t(dir.path());
    t.game.SoundOn = c.sound_on;
    t.game.display.SoundOff = c.sound_off_setting;
    AdvancedOptions& o = t.game.options;
    EXPECT_TRUE(MusicDown(o));
    EXPECT_TRUE(MusicDown(o));
    SetOptionBox(o, "WalkOption", false);
    ASSERT_TRUE(ConfirmOptions(t.game).ok());
    AdvancedOptions written;
    ASSERT_TRUE(ReadAdvancedOptions(dir.path(), written).ok());
    EXPECT_EQ(written, t.game.options);
    EXPECT_EQ(written.MusicVolume, c.music_volume);
    EXPECT_EQ(written.MusicStep, c.music_step);
    EXPECT_EQ(written.WalkOption, kFalse);
  }
}

}  // namespace
}  // namespace valorne
