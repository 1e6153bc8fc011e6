// The headless driver's script: a whole script read as the level reads its
// standard input and played on a fresh game in a game folder of its own,
// with no window. Every script must end with an exit code, never a fault.
// Pictures are not taken ("shot" is refused), so a script writes nothing
// outside the game folder.
#include <filesystem>
#include <sstream>

#include "../../apps/level9/level_run.h"
#include "fuzz/fuzz_files.h"
#include "platform/clock.h"
#include "platform/sound_channels.h"
#include "platform/window.h"
#include "screens/toolkit/scripted_ui.h"
#include "state/random.h"

namespace {

namespace fs = std::filesystem;

// The built game folder's settings, texts, map and pointers, fresh for
// each script: what one script saved or changed is not seen by the next.
void PrepareGameFolder(const fs::path& game) {
  const fs::path built = VALORNE_GAME_DIR;
  fs::remove_all(game);
  fs::create_directories(game);
  for (const char* name : {"Optim.rx", "Options.rx", "Advanced.rx", "LGame.rx", "levelinfo.rx"}) {
    fs::copy_file(built / name, game / name);
  }
  for (const char* folder : {"localizations", "maps", "pointers"}) {
    fs::copy(built / folder, game / folder, fs::copy_options::recursive);
  }
}

class QuietServices : public valorne::HeadlessServices {
 public:
  QuietServices() {
    dots_per_inch = 96;
    sound_devices = 1;
  }
  valorne::Ui* ui = nullptr;
  bool SetDisplayMode(int width, int height, int bits_per_pixel) override {
    HeadlessServices::SetDisplayMode(width, height, bits_per_pixel);
    if (ui) ui->SetDisplaySize({width, height});
    return true;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valorne;
  const fs::path game_folder = fuzz::ScratchFolder() / "game";
  PrepareGameFolder(game_folder);

  Game game;
  game.AppPath = game_folder;
  game.rng = Random::Seeded(1);
  QuietServices services;
  ScreenRegistry registry;
  RegisterGameScreens(registry);
  std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  ScriptedUi scripted(game, registry, services, script, out, err, nullptr);
  services.ui = &scripted.ui();
  // A screen awaited that never comes would hold each input for 20 s.
  scripted.driver().SetAwaitCeilingMs(50);
  RegisterGameCommands(scripted.commands(), game);
  (void)RunLevel(game, scripted.ui(), services, nullptr);
  services.ui = nullptr;
  return 0;
}
