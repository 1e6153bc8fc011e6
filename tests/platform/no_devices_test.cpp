// A machine without a display or a sound card: which video drivers show a
// window, and sound that gives up quietly.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/sdl/sdl_sound.h"
#include "platform/sdl/sdl_window.h"

namespace valorne {
namespace {

TEST(NoDevices, InvisibleDriversCountOnlyWhenAskedFor) {
  struct Case {
    const char* driver;
    const char* asked_for;
    bool shows;
  };
  const Case cases[] = {
      {"x11", nullptr, true},        {"wayland", nullptr, true},    {"KMSDRM", nullptr, true},
      {"offscreen", nullptr, false}, {"dummy", nullptr, false},     {"evdev", nullptr, false},
      {"dummy", "dummy", true},      {"offscreen", "dummy", false}, {"x11", "wayland", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DriverShowsWindows(c.driver, c.asked_for), c.shows)
        << c.driver << " asked " << (c.asked_for ? c.asked_for : "-");
  }
}

// Runs `body` with standard error caught in a file; returns what it wrote.
template <typename Body>
std::string CaughtStandardError(Body body) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("valorne_err_" + std::to_string(getpid()));
  std::fflush(stderr);
  const int saved = dup(STDERR_FILENO);
  FILE* sink = std::fopen(file.c_str(), "w");
  dup2(fileno(sink), STDERR_FILENO);
  body();
  std::fflush(stderr);
  dup2(saved, STDERR_FILENO);
  close(saved);
  std::fclose(sink);
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  std::filesystem::remove(file);
  return text.str();
}

TEST(NoDevices, SoundWithoutACardIsOffAndSilentOnTheTerminal) {
  // The sound system asked for a card that is not there prints its errors
  // unless they are kept off the terminal.
  const char* before = std::getenv("SDL_AUDIODRIVER");
  const std::string restore = before ? before : "";
  setenv("SDL_AUDIODRIVER", "alsa", 1);
  setenv("AUDIODEV", "hw:97", 1);
  int devices = -1;
  std::vector<std::string> reports;
  const std::string err = CaughtStandardError([&] {
    SdlSoundChannels sound([&](const std::string& line) { reports.push_back(line); });
    devices = sound.DeviceCount();
    sound.Play("MusicChanel01");
  });
  unsetenv("AUDIODEV");
  if (before) {
    setenv("SDL_AUDIODRIVER", restore.c_str(), 1);
  } else {
    unsetenv("SDL_AUDIODRIVER");
  }
  EXPECT_EQ(devices, 0);
  EXPECT_EQ(err, "");
  EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace valorne
