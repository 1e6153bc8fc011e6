// The level's window as the screens see it: the events of the player, a
// canvas to draw a frame on, and the mouse pointer. The SDL window is the
// only real one; tests use fakes.
#pragma once

#include <filesystem>
#include <optional>

#include "platform/canvas.h"
#include "platform/input_event.h"

namespace valorne {

// The mouse pointer: the system's own arrow or a pointer file (".ico"), shown
// or hidden.
class PointerDevice {
 public:
  virtual ~PointerDevice() = default;
  // Takes the pointer from a file; false (and the pointer unchanged) when the
  // file cannot be read.
  virtual bool SetPointerFile(const std::filesystem::path& file) = 0;
  virtual void UseSystemPointer() = 0;
  virtual void ShowPointer(bool shown) = 0;
};

// The headless pointer remembers what it was told.
class RecordedPointer : public PointerDevice {
 public:
  std::filesystem::path file;
  bool shown = true;
  bool SetPointerFile(const std::filesystem::path& f) override {
    file = f;
    return true;
  }
  void UseSystemPointer() override { file.clear(); }
  void ShowPointer(bool s) override { shown = s; }
};

class Window : public PointerDevice {
 public:
  // Waits for the next event at most `timeout_ms` (forever when negative).
  virtual std::optional<InputEvent> WaitEvent(int timeout_ms) = 0;
  // The next event if one is waiting, without waiting.
  virtual std::optional<InputEvent> PollEvent() = 0;
  // A canvas of the display size, cleared; shown by EndFrame.
  virtual Canvas& BeginFrame() = 0;
  // A canvas holding the frame last shown, to draw parts of it again (shown
  // by EndFrame); nullptr when the window keeps no frame (none was drawn
  // yet, or the display changed): then BeginFrame draws a whole one.
  virtual Canvas* BeginUpdate() { return nullptr; }
  virtual void EndFrame() = 0;
  // The size of the display in screen units (the window scales it to fit).
  virtual Size DisplaySize() const = 0;
  virtual void SetDisplaySize(Size size) = 0;
};

}  // namespace valorne
