#include "platform/sound_channels.h"

namespace valorne {

RecordedSoundChannels::Channel& RecordedSoundChannels::Get(std::string_view channel) {
  for (Channel& c : channels_) {
    if (c.name == channel) return c;
  }
  channels_.push_back({std::string(channel), {}, kLoudest, false});
  return channels_.back();
}

const RecordedSoundChannels::Channel* RecordedSoundChannels::Find(std::string_view channel) const {
  for (const Channel& c : channels_) {
    if (c.name == channel) return &c;
  }
  return nullptr;
}

void RecordedSoundChannels::SetFile(std::string_view channel, const std::filesystem::path& file) {
  Get(channel).file = file;
}

void RecordedSoundChannels::Play(std::string_view channel) {
  Channel& c = Get(channel);
  if (c.file.empty() || c.volume <= kSilent) return;
  if (played_.size() == kRemembered) played_.erase(played_.begin());
  played_.push_back(c.name + ": " + c.file.filename().string());
}

void RecordedSoundChannels::Stop(std::string_view channel) {
  Get(channel);
}

void RecordedSoundChannels::SetVolume(std::string_view channel, int hundredths_db) {
  Get(channel).volume = hundredths_db;
}

void RecordedSoundChannels::SetLooping(std::string_view channel, bool looping) {
  Get(channel).looping = looping;
}

}  // namespace valorne
