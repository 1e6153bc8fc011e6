// The headless sound channels keep only the last sounds played, so a long
// headless game does not grow with every sound.
#include "platform/sound_channels.h"

#include <gtest/gtest.h>

#include <string>

namespace valorne {
namespace {

TEST(RecordedSoundChannels, KeepOnlyTheLastSoundsPlayed) {
  RecordedSoundChannels sound;
  const std::size_t played = RecordedSoundChannels::kRemembered + 5;
  for (std::size_t i = 0; i < played; ++i) {
    sound.SetFile("ClickChanel01", "Sounds/click" + std::to_string(i) + ".wav");
    sound.Play("ClickChanel01");
  }
  ASSERT_EQ(sound.played().size(), RecordedSoundChannels::kRemembered);
  EXPECT_EQ(sound.played().front(), "ClickChanel01: click5.wav");
  EXPECT_EQ(sound.played().back(), "ClickChanel01: click" + std::to_string(played - 1) + ".wav");
}

}  // namespace
}  // namespace valorne
