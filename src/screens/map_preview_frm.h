// The whole-map preview `MapPreviewFrm`: the county in miniature on a framed
// page, with a marker on every place that matters (our castle, the
// villages, windmills and works, the trade post and the outpost, the special
// places and the chests still closed, the rivals' castles and camps, the
// outlaws and rebels, our armies), a legend, and the rectangle of the part of
// the map now in view. A click on the miniature brings that place to the
// middle of the map and closes the preview; Close (or Escape) just closes.
//
// The markers follow the map screen beneath: a place shows on the preview as
// it shows on the map (a camp not yet raised has no marker).
#pragma once

#include <deque>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "screens/map_layout.h"
#include "screens/toolkit/form.h"

namespace valorne {

class Camp1Frm;

// The frames of "PreviewMarkRes", one sign each.
enum class PreviewMark {
  OurCastle = 0,
  Village = 1,
  Windmill = 2,
  Works = 3,
  RivalCastle1 = 4,
  RivalCastle2 = 5,
  RivalCamp1 = 6,
  RivalCamp2 = 7,
  Site = 8,
  Army1 = 9,  // 10 and 11 the second and third army
  Hostile = 12,
  Post = 13,
  Chest = 14,
  FallenCastle = 15,
};

// The sign a map object has on the preview; false for an object without one
// (fields, sieges, our army camps, which the armies' own markers show).
bool PreviewMarkOf(std::string_view object, PreviewMark& mark);

// The miniature's size: the map at 24 %.
inline constexpr Size kPreviewMapSize{576, 432};

// The preview's controls for a county map: the miniature with a marker per
// place and per army, the view rectangle, the legend, the hint and Close.
class PreviewLayout {
 public:
  explicit PreviewLayout(MapLayout map);
  PreviewLayout(const PreviewLayout&) = delete;
  PreviewLayout& operator=(const PreviewLayout&) = delete;

  const MapLayout& map() const { return map_; }
  std::span<const ControlSpec> table() const { return specs_; }
  // The markers' controls and the map objects they stand for ("" for the
  // armies' markers, "MarkArmy1".."MarkArmy3").
  const std::vector<std::pair<std::string, std::string>>& markers() const { return markers_; }

 private:
  std::string_view Keep(std::string text);
  void AddMarkers();
  void AddLegend();

  MapLayout map_;
  std::deque<std::string> texts_;
  std::vector<ControlSpec> specs_;
  std::vector<std::pair<std::string, std::string>> markers_;
};

class MapPreviewFrm : private PreviewLayout, public Form {
 public:
  // Reads the county map file of the game folder (a MapLayoutError that
  // names the file when it is missing or damaged).
  MapPreviewFrm(Game& game, Ui& ui);

  const PreviewLayout& layout() const { return *this; }
  // The map point under a point of the miniature (its own units).
  MapPoint MapPointAt(int x, int y) const;

 private:
  void Form_Load();
  void ShowMarkers();
  void ShowView();
  void MapImg_Click(const EventArgs& args);
  Camp1Frm* MapScreen() const;
  Rect OnMiniature(const MapRect& r) const;
};

}  // namespace valorne
