#include "sibling_program.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>

#include "level/settings_files.h"
#include "platform/clock.h"
#include "platform/play_folder.h"
#include "platform/sdl/offscreen_canvas.h"
#include "platform/sdl/sdl_services.h"
#include "platform/sdl/sdl_sound.h"
#include "platform/sdl/sdl_window.h"
#include "platform/sound_channels.h"
#include "platform/window.h"
#include "screens/toolkit/scripted_ui.h"
#include "screens/toolkit/ui.h"
#include "screens/toolkit/window_loop.h"

namespace valorne {

namespace {

namespace fs = std::filesystem;

// The campaign's programs draw their pages for the smallest screen the
// campaign runs on; the window scales them to its size.
constexpr Size kDisplay{800, 600};

std::string Usage(std::string_view program) {
  return "usage: " + std::string(program) + " [--headless] [--app-path DIR]";
}

fs::path ProgramFolder(const char* argv0) {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (!error && !self.empty()) return self.parent_path();
  fs::path given = fs::absolute(argv0 ? argv0 : "", error);
  return given.has_parent_path() ? given.parent_path() : fs::current_path();
}

// The machine as a script sees it: message boxes told on standard error,
// programs started only noted.
class ScriptServices : public HeadlessServices {
 public:
  explicit ScriptServices(std::string_view program) : program_(program) {}
  void ShowMessageBox(std::string_view title, std::string_view text) override {
    HeadlessServices::ShowMessageBox(title, text);
    std::cerr << program_ << ": message box: " << title << ": " << text << "\n";
  }

 private:
  std::string program_;
};

int RunScreen(const SiblingProgram& program, Ui& ui) {
  try {
    ui.Open(program.first_screen);
    return 0;
  } catch (const ProgramExit& exit) {
    if (!exit.message.empty()) std::cerr << program.name << ": " << exit.message << "\n";
    return exit.code;
  }
}

int RunHeadless(const SiblingProgram& program, Game& game, const ScreenRegistry& registry) {
  ScriptServices services(program.name);
  // Input already at its end: handed over without a script, nothing to show.
  if (std::cin.peek() == std::char_traits<char>::eof()) return 0;
  SdlSnapshotMaker shots;
  int code = 0;
  {
    ScriptedUi scripted(game, registry, services, std::cin, std::cout, std::cerr, &shots);
    scripted.ui().SetDisplaySize(kDisplay);
    code = RunScreen(program, scripted.ui());
  }
  TellStarted(std::cerr, program.name, services.started);
  return code;
}

int RunInWindow(const SiblingProgram& program, Game& game, const ScreenRegistry& registry) {
  std::unique_ptr<SdlWindow> window;
  try {
    window = std::make_unique<SdlWindow>("Valorne", kDisplay);
  } catch (const SdlWindowError& e) {
    std::cerr << program.name << ": the window cannot be opened: " << e.what()
              << " (--headless runs without one)\n";
    return 1;
  }
  SdlSoundChannels sound;
  sound.SetMuted(true);
  SdlServices services(game.AppPath, 96, sound, window.get());
  SteadyClock clock;
  Ui ui(game, registry, {clock, sound, *window, services});
  ui.SetDisplaySize(kDisplay);
  game.set_ui(&ui);
  SdlSnapshotMaker shots;
  ui.SetSnapshotMaker(&shots);
  WindowLoop loop(ui, *window);
  ui.SetEventSource(&loop);
  const int code = RunScreen(program, ui);
  game.set_ui(nullptr);
  return code;
}

}  // namespace

std::string ParseSiblingArguments(const std::vector<std::string>& words, SiblingArguments& out) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "--headless") {
      out.headless = true;
    } else if (word == "--help" || word == "-h") {
      out.help = true;
    } else if (word == "--app-path") {
      if (i + 1 >= words.size()) return "--app-path needs a value";
      std::error_code error;
      if (!fs::is_directory(words[i + 1], error)) {
        return "the game folder " + words[i + 1] + " does not exist";
      }
      out.app_path = fs::absolute(words[++i]);
    } else {
      return "unknown argument " + word;
    }
  }
  return {};
}

void TellStarted(std::ostream& out, std::string_view program,
                 const std::vector<std::filesystem::path>& started) {
  for (const fs::path& p : started) out << program << ": started " << p.filename().string() << "\n";
}

int RunSibling(const SiblingProgram& program, int argc, char** argv) {
  SiblingArguments arguments;
  const std::string error =
      ParseSiblingArguments(std::vector<std::string>(argv + 1, argv + argc), arguments);
  if (!error.empty()) {
    std::cerr << program.name << ": " << error << "\n" << Usage(program.name) << "\n";
    return 3;
  }
  if (arguments.help) {
    std::cout << Usage(program.name) << "\n";
    return 0;
  }
  try {
    Game game;
    game.AppPath =
        arguments.app_path.empty()
            ? PlayFolderFor(ProgramFolder(argc > 0 ? argv[0] : nullptr), program.name, std::cerr)
            : arguments.app_path;
    if (program.prepare) program.prepare(game, std::cerr);
    // The pictures of the depth the player chose; a damaged record leaves
    // the default (the menu has already said so and repaired it).
    DisplaySettings display;
    if (ReadDisplaySettings(game.AppPath, display).ok()) game.display = display;
    ScreenRegistry registry;
    program.register_screens(registry);
    return arguments.headless ? RunHeadless(program, game, registry)
                              : RunInWindow(program, game, registry);
  } catch (const std::exception& e) {
    std::cerr << program.name << ": " << e.what() << "\n";
    return 1;
  }
}

}  // namespace valorne
