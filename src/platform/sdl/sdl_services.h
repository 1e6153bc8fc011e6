// What the level asks of the machine, answered on the desktop: dots per inch
// as given on the command line (96 unless told), the sound devices of the
// mixer, a lock file in the game folder against a second copy, SDL's
// message box, the display size passed on to the screens, and sibling
// programs started detached.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "platform/geometry.h"
#include "platform/sdl/posix_process.h"
#include "platform/services.h"

namespace valorne {

class SdlSoundChannels;
class SdlWindow;

class SdlServices : public PlatformServices {
 public:
  SdlServices(const std::filesystem::path& app_path, int dots_per_inch, SdlSoundChannels& sound,
              SdlWindow* window);

  // Told the display size the level chose.
  std::function<void(Size)> on_display_mode;

  int DotsPerInch() override { return dots_per_inch_; }
  int SoundDeviceCount() override;
  bool AnotherInstanceRunning() override;
  void ShowMessageBox(std::string_view title, std::string_view text) override;
  bool SetDisplayMode(int width, int height, int bits_per_pixel) override;
  bool StartProgram(const std::filesystem::path& program) override;
  int StartWatchedProgram(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments) override;
  bool ProgramRunning(int process) override { return ChildRunning(process); }

 private:
  std::filesystem::path app_path_;
  int dots_per_inch_;
  SdlSoundChannels& sound_;
  SdlWindow* window_;
  std::unique_ptr<InstanceLock> lock_;
};

}  // namespace valorne
