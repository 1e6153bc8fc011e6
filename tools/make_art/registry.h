// The painters of the data set, each registered under the asset name it
// makes. main.cpp checks the registry against the asset list.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "canvas.h"
#include "screens/map_layout.h"

namespace art {

struct Context {
  valorne::MapLayout map;
  // The size of a map object's rectangle, or the fallback when the layout
  // does not have it.
  Pt Size(const std::string& object, Pt fallback) const;
};

using PictureFn = std::function<Canvas(const Context&)>;
using SoundFn = std::function<std::vector<float>()>;

struct Registry {
  std::map<std::string, PictureFn> pictures;  // pictures, animations, pointers
  std::map<std::string, SoundFn> sounds;
  void Picture(const std::string& name, PictureFn fn);
  void Sound(const std::string& name, SoundFn fn);
};

void RegisterTerrain(Registry& r);    // mapres, mappreviewres (the land only, miniature)
void RegisterBars(Registry& r);       // the two bars, buttons, status icons
void RegisterFields(Registry& r);     // fields, slots, small marks
void RegisterBuildings(Registry& r);  // villages, windmills, castles, works, sites
void RegisterForces(Registry& r);     // armies, camps, outlaws, mob, allies
void RegisterPortraits(Registry& r);  // sold1res..sold17res
void RegisterFrames(Registry& r);     // screen frames and resource sheets
void RegisterItems(Registry& r);      // smithy items, dialog buttons
void RegisterAnims(Registry& r);      // anim/*.rx and pointers
void RegisterAmbient(Registry& r);    // the map's life: birds, fish, waterfall, smoke, fire, glint
void RegisterPreview(Registry& r);    // the markers of the whole-map preview
void RegisterSounds(Registry& r);     // sound effects and ambience
void RegisterMusic(Registry& r);      // music01.wav
void RegisterBattle(Registry& r);     // the battle window's grounds and figures
void RegisterTitle(Registry& r);      // the title picture and the closing page of the campaign

}  // namespace art
