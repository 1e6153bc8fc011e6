// The level's window: the display size chosen by the settings, drawn scaled
// into a window of any size with black bars where the shapes differ;
// resizable; Alt+Enter switches between window and full screen. It keeps
// the frame it last showed, so that a change redraws only its part. It waits
// for events (never spins), converts them to the game's events and key
// names, and takes the mouse pointer from pointer files.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/window.h"

namespace valorne {

struct SdlWindowError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Whether windows made by the video driver SDL picked can be seen: the
// invisible drivers SDL falls back to without a display count only when the
// environment asked for them by name (`asked_for`, SDL_VIDEODRIVER).
bool DriverShowsWindows(std::string_view driver, const char* asked_for);

class SdlWindow : public Window {
 public:
  // Opens the window; an SdlWindowError says why it cannot.
  SdlWindow(const std::string& title, Size display);
  ~SdlWindow() override;
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  std::optional<InputEvent> WaitEvent(int timeout_ms) override;
  std::optional<InputEvent> PollEvent() override;
  Canvas& BeginFrame() override;
  Canvas* BeginUpdate() override;
  void EndFrame() override;
  Size DisplaySize() const override;
  void SetDisplaySize(Size size) override;

  bool SetPointerFile(const std::filesystem::path& file) override;
  void UseSystemPointer() override;
  void ShowPointer(bool shown) override;

  void ToggleFullScreen();
  // The native window for the message boxes (an SDL_Window*).
  void* native() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace valorne
