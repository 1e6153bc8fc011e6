// The sound channels through SDL2_mixer. Each named channel gets a mixer
// channel of its own; files are loaded once and kept. A file that cannot be
// loaded is reported once and the channel stays silent. When no sound
// device can be opened, or sound is muted, nothing is played.
#pragma once

#include <memory>

#include "platform/sdl/sdl_canvas.h"
#include "platform/sound_channels.h"

namespace valorne {

class SdlSoundChannels : public SoundChannels {
 public:
  explicit SdlSoundChannels(Reporter report = ReportToStandardError);
  ~SdlSoundChannels() override;
  SdlSoundChannels(const SdlSoundChannels&) = delete;
  SdlSoundChannels& operator=(const SdlSoundChannels&) = delete;

  // The number of sound output devices (0 when none could be opened).
  int DeviceCount() const;
  void SetMuted(bool muted);

  void SetFile(std::string_view channel, const std::filesystem::path& file) override;
  void Play(std::string_view channel) override;
  void Stop(std::string_view channel) override;
  void SetVolume(std::string_view channel, int hundredths_db) override;
  void SetLooping(std::string_view channel, bool looping) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// A volume in hundredths of a decibel as the mixer's 0..128.
int MixerVolume(int hundredths_db);

}  // namespace valorne
