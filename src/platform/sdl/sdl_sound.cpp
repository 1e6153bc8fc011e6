#include "platform/sdl/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "platform/sdl/quiet_errors.h"

namespace valorne {

int MixerVolume(int hundredths_db) {
  if (hundredths_db <= kSilent) return 0;
  if (hundredths_db >= kLoudest) return MIX_MAX_VOLUME;
  const double gain = std::pow(10.0, hundredths_db / 2000.0);
  return static_cast<int>(std::lround(gain * MIX_MAX_VOLUME));
}

struct SdlSoundChannels::Impl {
  struct Channel {
    int mixer = 0;
    Mix_Chunk* chunk = nullptr;
    int volume = kLoudest;
    bool looping = false;
  };
  Reporter report;
  bool open = false;
  bool muted = false;
  int devices = 0;
  std::map<std::string, Channel, std::less<>> channels;
  std::map<std::string, Mix_Chunk*> chunks;  // by file, nullptr when it failed
  std::set<std::string> reported;

  Channel& Get(std::string_view name) {
    auto it = channels.find(name);
    if (it != channels.end()) return it->second;
    Channel c;
    c.mixer = static_cast<int>(channels.size());
    if (open) Mix_AllocateChannels(c.mixer + 1);
    return channels.emplace(std::string(name), c).first->second;
  }
};

SdlSoundChannels::SdlSoundChannels(Reporter report) : impl_(std::make_unique<Impl>()) {
  impl_->report = std::move(report);
  // Without a sound card the sound system prints a screenful of its own
  // errors; the game says in one line that it plays without sound.
  QuietStandardError quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  impl_->open = true;
  Mix_AllocateChannels(8);
  impl_->devices = std::max(1, SDL_GetNumAudioDevices(0));
}

SdlSoundChannels::~SdlSoundChannels() {
  if (!impl_->open) return;
  Mix_HaltChannel(-1);
  for (auto& [file, chunk] : impl_->chunks) {
    if (chunk) Mix_FreeChunk(chunk);
  }
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SdlSoundChannels::DeviceCount() const {
  return impl_->devices;
}

void SdlSoundChannels::SetMuted(bool muted) {
  impl_->muted = muted;
  if (muted && impl_->open) Mix_HaltChannel(-1);
}

void SdlSoundChannels::SetFile(std::string_view channel, const std::filesystem::path& file) {
  Impl::Channel& c = impl_->Get(channel);
  c.chunk = nullptr;
  if (!impl_->open) return;
  auto it = impl_->chunks.find(file.string());
  if (it == impl_->chunks.end()) {
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    if (!chunk && impl_->reported.insert(file.string()).second) {
      impl_->report("level9: the sound " + file.string() + " cannot be played (" + Mix_GetError() +
                    ")");
    }
    it = impl_->chunks.emplace(file.string(), chunk).first;
  }
  c.chunk = it->second;
}

void SdlSoundChannels::Play(std::string_view channel) {
  Impl::Channel& c = impl_->Get(channel);
  if (!impl_->open || impl_->muted || !c.chunk) return;
  Mix_Volume(c.mixer, MixerVolume(c.volume));
  // -1: the mixer repeats the file until the channel is halted.
  Mix_PlayChannel(c.mixer, c.chunk, c.looping ? -1 : 0);
}

void SdlSoundChannels::Stop(std::string_view channel) {
  Impl::Channel& c = impl_->Get(channel);
  if (impl_->open) Mix_HaltChannel(c.mixer);
}

void SdlSoundChannels::SetLooping(std::string_view channel, bool looping) {
  impl_->Get(channel).looping = looping;
}

void SdlSoundChannels::SetVolume(std::string_view channel, int hundredths_db) {
  Impl::Channel& c = impl_->Get(channel);
  c.volume = hundredths_db;
  if (impl_->open) Mix_Volume(c.mixer, MixerVolume(hundredths_db));
}

}  // namespace valorne
