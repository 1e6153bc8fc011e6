#include "platform/sdl/sdl_services.h"

#include <SDL.h>

#include <iostream>
#include <string>

#include "platform/sdl/sdl_sound.h"
#include "platform/sdl/sdl_window.h"

namespace valorne {

SdlServices::SdlServices(const std::filesystem::path& app_path, int dots_per_inch,
                         SdlSoundChannels& sound, SdlWindow* window)
    : app_path_(app_path), dots_per_inch_(dots_per_inch), sound_(sound), window_(window) {}

int SdlServices::SoundDeviceCount() {
  return sound_.DeviceCount();
}

bool SdlServices::AnotherInstanceRunning() {
  if (!lock_) lock_ = std::make_unique<InstanceLock>(app_path_ / "level9.lock");
  return !lock_->held();
}

void SdlServices::ShowMessageBox(std::string_view title, std::string_view text) {
  const std::string t(title);
  const std::string m(text);
  std::cerr << t << ": " << m << "\n";
  SDL_Window* parent = window_ ? static_cast<SDL_Window*>(window_->native()) : nullptr;
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, t.c_str(), m.c_str(), parent);
}

bool SdlServices::SetDisplayMode(int width, int height, int) {
  if (width <= 0 || height <= 0) return false;
  if (window_) window_->SetDisplaySize({width, height});
  if (on_display_mode) on_display_mode({width, height});
  return true;
}

bool SdlServices::StartProgram(const std::filesystem::path& program) {
  std::string error;
  if (StartDetached(program, &error)) return true;
  std::cerr << "level9: " << program.string() << " cannot be started: " << error << "\n";
  return false;
}

int SdlServices::StartWatchedProgram(const std::filesystem::path& program,
                                     const std::vector<std::string>& arguments) {
  std::string error;
  if (const int process = StartWatched(program, arguments, &error)) return process;
  std::cerr << "level9: " << program.string() << " cannot be started: " << error << "\n";
  return 0;
}

}  // namespace valorne
