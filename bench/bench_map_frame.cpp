// One full frame of the campaign map at 1280 x 1024 through the software
// canvas: the painted county with every object and marker on it, the status
// bar with its plaques and the command bar, as a new level shows them. The
// game folder is taken from VALORNE_GAME_DIR, else the "game" folder beside
// the benchmark's own folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "county/fields.h"
#include "platform/data_files.h"
#include "platform/sdl/offscreen_canvas.h"
#include "screens/camp1_frm.h"
#include "screens/map_screens.h"
#include "screens/toolkit/ui.h"
#include "state/level_params.h"
#include "state/start_values.h"

namespace valorne {
namespace {

constexpr Size kDisplay{1280, 1024};

std::filesystem::path GameFolder() {
  if (const char* folder = std::getenv("VALORNE_GAME_DIR")) return folder;
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path("game") : self.parent_path().parent_path() / "game";
}

void BM_MapFrame(benchmark::State& state) {
  Game game;
  game.AppPath = GameFolder();
  game.Difficulty = 2;
  SetUpLevelParams(game.params, 2);
  SetStartValues(game);
  RestoreFieldPictures(game);
  ScreenRegistry registry;
  RegisterMapScreens(registry);
  VirtualClock clock;
  RecordedSoundChannels sound;
  RecordedPointer pointer;
  HeadlessServices services;
  Ui ui(game, registry, {clock, sound, pointer, services});
  ui.SetDisplaySize(kDisplay);
  std::unique_ptr<Camp1Frm> map;
  try {
    map = std::make_unique<Camp1Frm>(game, ui);
  } catch (const std::exception& e) {
    state.SkipWithError((std::string("no campaign map: ") + e.what()).c_str());
    return;
  }
  map->RedrawAll();
  OffscreenCanvas out(kDisplay, [](const std::string&) {});
  if (!out.ok()) {
    state.SkipWithError(out.error().c_str());
    return;
  }
  out.canvas().SetPictureFolder(PictureFolder(game.AppPath, 16));
  for (auto _ : state) {
    out.canvas().Clear(kBlack);
    map->Draw(out.canvas());
    benchmark::DoNotOptimize(out.PixelAt(640, 512));
  }
  state.counters["controls"] = static_cast<double>(map->controls().size());
}
BENCHMARK(BM_MapFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valorne

BENCHMARK_MAIN();
