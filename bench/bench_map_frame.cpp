// One full frame of a map-sized screen through the software canvas: a
// 1280 x 1024 map picture with a hundred controls on and around it (map
// objects, status labels, command buttons). The real campaign map will take
// this form's place.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/sdl/offscreen_canvas.h"
#include "screens/toolkit/ui.h"

namespace valorne {
namespace {

constexpr Size kDisplay{1280, 1024};

// A picture folder with a painted map and a few object pictures.
std::filesystem::path MakePictures() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "valorne-bench-pictures";
  std::filesystem::create_directories(folder);
  OffscreenCanvas map(kDisplay);
  for (int y = 0; y < kDisplay.height; y += 32) {
    for (int x = 0; x < kDisplay.width; x += 32) {
      map.canvas().Fill({x, y, 32, 32}, Rgb(60 + (x * 7 + y * 3) % 90, 110 + (x + y) % 80, 50));
    }
  }
  map.SavePng(folder / "mapres.png");
  for (int i = 0; i < 4; ++i) {
    OffscreenCanvas object({48, 48});
    object.canvas().Fill({4, 4, 40, 40}, Rgb(120 + 30 * i, 80, 40));
    object.SavePng(folder / ("object" + std::to_string(i) + ".png"));
  }
  return folder;
}

std::vector<ControlSpec> MapControls(std::vector<std::string>& names) {
  std::vector<ControlSpec> table;
  names.reserve(128);
  auto add = [&](std::string name, ControlSpec spec) {
    names.push_back(std::move(name));
    spec.name = names.back();
    table.push_back(spec);
  };
  add("MapSurface",
      {.kind = ControlKind::Picture, .rect = {0, 0, 1280, 1024}, .picture = "mapres"});
  for (int i = 0; i < 60; ++i) {
    add("ObjectImg" + std::to_string(i + 1),
        {.kind = ControlKind::Image,
         .rect = {40 + (i % 10) * 120, 120 + (i / 10) * 130, 48, 48},
         .picture = i % 5 == 4 ? "missingres" : "object0",
         .parent = "MapSurface"});
  }
  for (int i = 0; i < 24; ++i) {
    add("StatusLbl" + std::to_string(i + 1),
        {.kind = i % 2 ? ControlKind::RunaLabel : ControlKind::Label,
         .rect = {10 + (i % 12) * 105, 8 + (i / 12) * 22, 100, 20},
         .text = "Gold 2350",
         .fore = kWhite});
  }
  for (int i = 0; i < 15; ++i) {
    add("CommandBtn" + std::to_string(i + 1),
        {.kind = ControlKind::AniButton, .rect = {10 + i * 84, 970, 80, 40}, .text = "Army"});
  }
  return table;
}

void BM_MapFrame(benchmark::State& state) {
  const std::filesystem::path pictures = MakePictures();
  Game game;
  ScreenRegistry registry;
  VirtualClock clock;
  RecordedSoundChannels sound;
  RecordedPointer pointer;
  HeadlessServices services;
  Ui ui(game, registry, {clock, sound, pointer, services});
  ui.SetDisplaySize(kDisplay);
  std::vector<std::string> names;
  const std::vector<ControlSpec> table = MapControls(names);
  Form map(ui, {.name = "Camp1Frm", .size = kDisplay, .controls = table, .centred = false});
  OffscreenCanvas out(kDisplay, [](const std::string&) {});
  if (!out.ok()) {
    state.SkipWithError(out.error().c_str());
    return;
  }
  out.canvas().SetPictureFolder(pictures);
  for (auto _ : state) {
    out.canvas().Clear(kBlack);
    map.Draw(out.canvas());
    benchmark::DoNotOptimize(out.PixelAt(640, 512));
  }
  state.counters["controls"] = static_cast<double>(map.controls().size());
}
BENCHMARK(BM_MapFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valorne

BENCHMARK_MAIN();
