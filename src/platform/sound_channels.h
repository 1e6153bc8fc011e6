// The sound channels of the timer screen. A channel is known by its name
// ("MusicChanel01", "ClickChanel01", "EnvChanel01"...; any name makes a new
// one), is given a file and then told to play it. Volumes are in hundredths
// of a decibel: 0 is the loudest, -10000 silent.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace valorne {

inline constexpr int kLoudest = 0;
inline constexpr int kSilent = -10000;

class SoundChannels {
 public:
  virtual ~SoundChannels() = default;
  virtual void SetFile(std::string_view channel, const std::filesystem::path& file) = 0;
  virtual void Play(std::string_view channel) = 0;
  virtual void Stop(std::string_view channel) = 0;
  virtual void SetVolume(std::string_view channel, int hundredths_db) = 0;
  // A looping channel plays its file over and over until it is stopped (the
  // music); the others play their file once.
  virtual void SetLooping(std::string_view channel, bool looping) = 0;
};

// The headless channels: nothing is heard; the last sounds played are kept in
// order as "channel: file" (the file name without its folder). Only the last
// kRemembered are kept, so that a long headless game does not grow with every
// sound it plays.
class RecordedSoundChannels : public SoundChannels {
 public:
  struct Channel {
    std::string name;
    std::filesystem::path file;
    int volume = kLoudest;
    bool looping = false;
  };

  void SetFile(std::string_view channel, const std::filesystem::path& file) override;
  void Play(std::string_view channel) override;
  void Stop(std::string_view channel) override;
  void SetVolume(std::string_view channel, int hundredths_db) override;
  void SetLooping(std::string_view channel, bool looping) override;

  static constexpr std::size_t kRemembered = 1000;

  const std::vector<std::string>& played() const { return played_; }
  const Channel* Find(std::string_view channel) const;

 private:
  Channel& Get(std::string_view channel);
  std::vector<Channel> channels_;
  std::vector<std::string> played_;
};

}  // namespace valorne
