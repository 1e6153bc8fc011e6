// make_art: paints, draws and synthesizes the whole data set of the game
// into the game folder, from the map layout and our own drawing code.
//
//   make_art MAP_FILE GAME_FOLDER [NAME...]
//
// With names, only those assets are made (for looking at one picture).
// The output is the same on every run. See asset_names.h for the list of
// files and their conventions.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "asset_names.h"
#include "output.h"
#include "registry.h"

namespace {

using valorne::assets::Asset;
using valorne::assets::Kind;

// Every registered painter has its name in the list and the other way round.
bool CheckCoverage(const art::Registry& reg) {
  bool ok = true;
  std::set<std::string> listed;
  for (const Asset& a : valorne::assets::kAssets) {
    std::string name(a.name);
    if (!listed.insert(name).second) {
      std::fprintf(stderr, "make_art: \"%s\" is listed twice\n", name.c_str());
      ok = false;
    }
    bool found = a.kind == Kind::kSound ? reg.sounds.contains(name) : reg.pictures.contains(name);
    if (!found) {
      std::fprintf(stderr, "make_art: nothing makes \"%s\"\n", name.c_str());
      ok = false;
    }
  }
  for (const auto* table : {&reg.pictures}) {
    for (const auto& [name, fn] : *table)
      if (!listed.contains(name)) {
        std::fprintf(stderr, "make_art: \"%s\" is made but not listed\n", name.c_str());
        ok = false;
      }
  }
  for (const auto& [name, fn] : reg.sounds)
    if (!listed.contains(name)) {
      std::fprintf(stderr, "make_art: \"%s\" is made but not listed\n", name.c_str());
      ok = false;
    }
  return ok;
}

void Make(const Asset& a, const art::Registry& reg, const art::Context& ctx,
          const std::filesystem::path& game) {
  std::string name(a.name);
  if (a.kind == Kind::kSound) {
    art::WriteWav(reg.sounds.at(name)(), game / "sounds" / name);
    return;
  }
  art::Canvas c = reg.pictures.at(name)(ctx);
  if (c.width() == 0 || c.height() == 0) throw std::runtime_error(name + " is empty");
  if (a.kind == Kind::kPointer) {
    art::WriteIco(c, game / "pointers" / name);
  } else if (a.kind == Kind::kAnim) {
    if (c.width() != c.height() * a.frames)
      throw std::runtime_error(name + ": the strip does not hold its square frames");
    art::WritePng(c, game / "anim" / name);
  } else {
    if (a.frames > 1 && c.width() % a.frames != 0)
      throw std::runtime_error(name + ": the strip's width is not a multiple of its frames");
    std::string file = name + (valorne::assets::HasExtension(name) ? "" : ".png");
    art::WritePng(c, game / "graphics" / "high" / file);
    art::WritePng(art::ReduceColours(c), game / "graphics" / "low" / file);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_art MAP_FILE GAME_FOLDER [NAME...]\n");
    return 2;
  }
  auto started = std::chrono::steady_clock::now();
  art::Context ctx;
  art::Registry reg;
  try {
    ctx.map = valorne::LoadMapLayout(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_art: %s\n", e.what());
    return 1;
  }
  art::RegisterTerrain(reg);
  art::RegisterBars(reg);
  art::RegisterFields(reg);
  art::RegisterBuildings(reg);
  art::RegisterForces(reg);
  art::RegisterPortraits(reg);
  art::RegisterFrames(reg);
  art::RegisterItems(reg);
  art::RegisterAnims(reg);
  art::RegisterAmbient(reg);
  art::RegisterPreview(reg);
  art::RegisterSounds(reg);
  art::RegisterMusic(reg);
  art::RegisterBattle(reg);
  art::RegisterTitle(reg);
  std::set<std::string> only(argv + 3, argv + argc);
  if (!CheckCoverage(reg) && only.empty()) return 1;
  std::vector<Asset> jobs;
  for (const Asset& a : valorne::assets::kAssets)
    if (only.empty() || only.contains(std::string(a.name))) jobs.push_back(a);
  // The big ones first, so the two workers finish together.
  std::stable_partition(jobs.begin(), jobs.end(), [](const Asset& a) {
    return a.name == "mapres" || a.name == "music01.wav" || a.name == "mappreviewres";
  });

  std::filesystem::path game = argv[2];
  std::atomic<std::size_t> next{0};
  std::mutex report;
  std::vector<std::string> failures;
  auto worker = [&] {
    for (std::size_t k; (k = next++) < jobs.size();) {
      try {
        Make(jobs[k], reg, ctx, game);
      } catch (const std::exception& e) {
        std::lock_guard lock(report);
        failures.push_back(std::string(jobs[k].name) + ": " + e.what());
      }
    }
  };
  unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  std::vector<std::thread> threads;
  for (unsigned k = 1; k < workers; ++k) threads.emplace_back(worker);
  worker();
  for (std::thread& t : threads) t.join();

  for (const std::string& f : failures) std::fprintf(stderr, "make_art: %s\n", f.c_str());
  double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("make_art: %zu files in %.1f s\n", jobs.size(), seconds);
  return failures.empty() ? 0 : 1;
}
