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

// A new level's map, ready to draw at 1280 x 1024.
struct MapFrame {
  Game game;
  ScreenRegistry registry;
  VirtualClock clock;
  RecordedSoundChannels sound;
  RecordedPointer pointer;
  HeadlessServices services;
  Ui ui{game, registry, {clock, sound, pointer, services}};
  std::unique_ptr<Camp1Frm> map;
  std::unique_ptr<OffscreenCanvas> out;

  // False, with the reason given to the benchmark, when it cannot run.
  bool SetUp(benchmark::State& state) {
    game.AppPath = GameFolder();
    game.Difficulty = 2;
    SetUpLevelParams(game.params, 2);
    SetStartValues(game);
    RestoreFieldPictures(game);
    RegisterMapScreens(registry);
    ui.SetDisplaySize(kDisplay);
    try {
      map = std::make_unique<Camp1Frm>(game, ui);
    } catch (const std::exception& e) {
      state.SkipWithError((std::string("no campaign map: ") + e.what()).c_str());
      return false;
    }
    map->RedrawAll();
    out = std::make_unique<OffscreenCanvas>(kDisplay, [](const std::string&) {});
    if (!out->ok()) {
      state.SkipWithError(out->error().c_str());
      return false;
    }
    out->canvas().SetPictureFolder(PictureFolder(game.AppPath, 16));
    return true;
  }

  void Draw() {
    out->canvas().Clear(kBlack);
    map->Draw(out->canvas());
    benchmark::DoNotOptimize(out->PixelAt(640, 512));
  }
};

void BM_MapFrame(benchmark::State& state) {
  MapFrame f;
  if (!f.SetUp(state)) return;
  for (auto _ : state) f.Draw();
  state.counters["controls"] = static_cast<double>(f.map->controls().size());
}
BENCHMARK(BM_MapFrame)->Unit(benchmark::kMillisecond);

// The same frame drawn control by control, with no still layer kept: what
// the layer of the land and the buildings saves.
void BM_MapFrameWithoutStillLayer(benchmark::State& state) {
  MapFrame f;
  if (!f.SetUp(state)) return;
  f.out->canvas().KeepLayers(false);
  for (auto _ : state) f.Draw();
}
BENCHMARK(BM_MapFrameWithoutStillLayer)->Unit(benchmark::kMillisecond);

// The busiest corner of the county alive: village 1 with its chimneys, the
// turning windmill, the fields and a chest, the river with its fish; each
// frame a tenth of a second later, as the map's timer ticks.
void BM_MapFrameAlive(benchmark::State& state) {
  MapFrame f;
  if (!f.SetUp(state)) return;
  f.map->CentreMapOn({2000, 800});
  std::int64_t now = 0;
  for (auto _ : state) {
    now += kAmbientTickMs;
    f.map->ShowAmbience(now);
    f.Draw();
  }
  int shown = 0;
  for (const AmbientPlace& place : f.map->ambience().places())
    shown += (*f.map)[place.control].visible();
  state.counters["sprites"] = shown;
}
BENCHMARK(BM_MapFrameAlive)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valorne

BENCHMARK_MAIN();
