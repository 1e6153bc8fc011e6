// The campaign map screen's controls, laid out for one display from the
// county map file: the map with every object and waypoint marker on it, the
// status bar and its hanging plaques above, the command bar below, the edge
// strips that scroll the map and the tooltip.
//
// The two bar pictures are as wide as the largest display (1280). On a
// narrower display they are cut where no label or button is cut and the
// pieces are stacked: the status bar becomes two rows, and the right part of
// the command bar (the information panel) pops up above it when it has
// something to say. Each piece is a small container that shows its part of
// the bar picture, and the bar's labels and buttons lie on the piece they
// belong to.
#pragma once

#include <deque>
#include <span>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "screens/map_layout.h"
#include "screens/toolkit/control_spec.h"

namespace valorne {

// A part of a bar picture and where it is shown.
struct BarPiece {
  std::string name;        // its container control
  std::string owner;       // the bar control it lies on; empty: on the form
  MapRect source;          // the part of the bar picture
  Point at;                // its top-left corner in the owner (or the form)
  bool status_bar = true;  // a piece of the status bar, else of the command bar
};

class Camp1Layout {
 public:
  // `display` below 800 x 600 is taken as 800 x 600.
  Camp1Layout(MapLayout map, Size display);
  Camp1Layout(const Camp1Layout&) = delete;
  Camp1Layout& operator=(const Camp1Layout&) = delete;

  const MapLayout& map() const { return map_; }
  std::span<const ControlSpec> table() const { return specs_; }
  Size form_size() const { return form_; }
  // The bars are cut and stacked (a display narrower than the bars).
  bool narrow() const { return narrow_; }
  // The part of the form between the status bar and the command bar.
  Rect map_area() const { return map_area_; }
  // Rows of the map surface below the painted map, so that the bottom of the
  // painted map can be brought up to the command bar.
  int map_pad() const { return map_pad_; }
  const std::vector<BarPiece>& pieces() const { return pieces_; }
  // The controls that reach beyond their containers on purpose: the map and
  // the bar pictures inside their pieces.
  const std::vector<std::string>& overhanging() const { return overhanging_; }
  // The first control that moves or comes and goes with the turns and the
  // map's life (the first army; without any, what lies over the buildings):
  // everything drawn before it stays still.
  std::string_view first_lively() const { return specs_.at(first_lively_).name; }

  // Names of the objects of the map file, bottom first (fields, then
  // buildings and sites, then the forces).
  std::vector<std::string> ObjectsInDrawingOrder() const;

 private:
  std::string_view Keep(std::string text);
  void Add(std::string name, ControlSpec declared);
  void PlanBars();
  void AddMap();
  void AddBars();
  void AddBarSlots(const std::map<std::string, MapRect>& slots, bool status_bar);
  void AddEdgesAndTooltip();

  MapLayout map_;
  Size form_;
  bool narrow_ = false;
  Rect top_bar_;     // MenuTop on the form
  Rect bottom_bar_;  // MenuBottom on the form
  Rect map_area_;
  int map_pad_ = 0;
  std::vector<BarPiece> pieces_;
  std::vector<std::string> overhanging_;
  std::deque<std::string> texts_;  // the strings the table's views point into
  std::vector<ControlSpec> specs_;
  std::size_t first_lively_ = 0;  // index in specs_
};

// The file of the county map in the game folder.
inline constexpr std::string_view kCountyMapFile = "\\maps\\camp1.map";

// The bar rows: the status bar's solid band (its plaques hang below it).
inline constexpr int kStatusBand = 72;

}  // namespace valorne
