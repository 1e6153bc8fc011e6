// What the level asks of the machine it runs on, beyond drawing and input:
// the screen's dots per inch, the sound devices, a second running copy of
// the level, a message box, the display mode, and starting a sibling program.
// The window implementation answers from SDL; the headless one from its
// settings, so that start-up can be tested without a display.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace valorne {

class PlatformServices {
 public:
  virtual ~PlatformServices() = default;

  virtual int DotsPerInch() = 0;
  virtual int SoundDeviceCount() = 0;
  virtual bool AnotherInstanceRunning() = 0;
  virtual void ShowMessageBox(std::string_view title, std::string_view text) = 0;
  // Asks for a display mode; false when it cannot be set (the level goes on).
  virtual bool SetDisplayMode(int width, int height, int bits_per_pixel) = 0;
  // Starts a sibling program of the game folder in a window of its own;
  // false when it could not be started.
  virtual bool StartProgram(const std::filesystem::path& program) = 0;

  // Starts a sibling program that the level keeps watch over while it works
  // (the battle program), with `arguments`; its process number, or 0 when it
  // could not be started. ProgramRunning tells whether it still runs.
  virtual int StartWatchedProgram(const std::filesystem::path& program,
                                  const std::vector<std::string>& arguments) = 0;
  virtual bool ProgramRunning(int process) = 0;
};

// The headless answers: fixed values, a record of what was asked.
class HeadlessServices : public PlatformServices {
 public:
  int dots_per_inch = 96;
  int sound_devices = 0;
  bool another_instance = false;
  std::vector<std::string> message_boxes;        // "title: text"
  std::vector<std::string> display_modes;        // "800x600x16"
  std::vector<std::filesystem::path> started;    // programs started, in order

  std::vector<std::string> watched_arguments;  // of the last watched program
  bool watched_start_fails = false;            // watched programs cannot be started
  bool watched_running = true;                 // what ProgramRunning answers

  int DotsPerInch() override { return dots_per_inch; }
  int SoundDeviceCount() override { return sound_devices; }
  bool AnotherInstanceRunning() override { return another_instance; }
  void ShowMessageBox(std::string_view title, std::string_view text) override {
    message_boxes.push_back(std::string(title) + ": " + std::string(text));
  }
  bool SetDisplayMode(int width, int height, int bits_per_pixel) override {
    display_modes.push_back(std::to_string(width) + "x" + std::to_string(height) + "x" +
                            std::to_string(bits_per_pixel));
    return true;
  }
  bool StartProgram(const std::filesystem::path& program) override {
    started.push_back(program);
    return true;
  }
  int StartWatchedProgram(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments) override {
    if (watched_start_fails) return 0;
    started.push_back(program);
    watched_arguments = arguments;
    return static_cast<int>(started.size());
  }
  bool ProgramRunning(int) override { return watched_running; }
};

}  // namespace valorne
