// The level without a window: screens and timers on virtual time, driven by
// the script on standard input; screenshots through SDL's software renderer.
#include <iostream>

#include "level_run.h"
#include "platform/clock.h"
#include "platform/sdl/offscreen_canvas.h"
#include "platform/sdl/posix_process.h"
#include "platform/sound_channels.h"
#include "platform/window.h"
#include "screens/toolkit/scripted_ui.h"

namespace valorne {

namespace {

// The machine as the script sees it: one sound device (so the settings
// decide about sound), message boxes told on standard error, the display
// size handed to the screens, and sibling programs started for real, told
// with --headless to run without a window.
class ScriptServices : public HeadlessServices {
 public:
  explicit ScriptServices(int dpi) {
    dots_per_inch = dpi;
    sound_devices = 1;
  }
  Ui* ui = nullptr;

  void ShowMessageBox(std::string_view title, std::string_view text) override {
    HeadlessServices::ShowMessageBox(title, text);
    std::cerr << "level9: message box: " << title << ": " << text << "\n";
  }
  bool SetDisplayMode(int width, int height, int bits_per_pixel) override {
    HeadlessServices::SetDisplayMode(width, height, bits_per_pixel);
    if (ui) ui->SetDisplaySize({width, height});
    return true;
  }
  bool StartProgram(const std::filesystem::path& program) override {
    return StartWatchedProgram(program, {}) != 0;
  }
  int StartWatchedProgram(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments) override {
    HeadlessServices::StartWatchedProgram(program, arguments);
    std::vector<std::string> words{"--headless"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::string error;
    const int process = StartWatched(program, words, &error);
    if (process == 0) {
      std::cerr << "level9: " << program.string() << " cannot be started: " << error << "\n";
    }
    return process;
  }
  bool ProgramRunning(int process) override { return ChildRunning(process); }
};

}  // namespace

int RunHeadless(Game& game, const ProgramArguments& arguments) {
  ScriptServices services(arguments.dots_per_inch);
  ScreenRegistry registry;
  RegisterGameScreens(registry);
  SdlSnapshotMaker shots;
  int code = 0;
  {
    ScriptedUi scripted(game, registry, services, std::cin, std::cout, std::cerr, &shots);
    services.ui = &scripted.ui();
    RegisterGameCommands(scripted.commands(), game);
    code = RunLevel(game, scripted.ui(), services, nullptr);
    services.ui = nullptr;
  }
  // The campaign's chain: the programs the level handed over to, for the
  // scripts that follow a game through the splash, the intro and the menu.
  for (const auto& program : services.started) {
    std::cerr << "level9: started " << program.filename().string() << "\n";
  }
  return code;
}

}  // namespace valorne
