// The parts of the display that must be drawn again: a few rectangles, or
// the whole display. Changes of a control mark the rectangle it covers; the
// window then redraws only those parts over the frame it keeps. Rectangles
// that overlap or touch are merged, and past a handful the region becomes
// their bounding box, so that a busy moment never costs more than one
// larger redraw.
#pragma once

#include <vector>

#include "platform/geometry.h"

namespace valorne {

class DirtyRegion {
 public:
  static constexpr std::size_t kMostAreas = 12;

  void Add(const Rect& area);
  void AddWhole() {
    whole_ = true;
    areas_.clear();
  }
  void Clear() {
    whole_ = false;
    areas_.clear();
  }
  bool empty() const { return !whole_ && areas_.empty(); }
  bool whole() const { return whole_; }
  // The rectangles to redraw (none when the whole display is dirty).
  const std::vector<Rect>& areas() const { return areas_; }

 private:
  bool whole_ = false;
  std::vector<Rect> areas_;
};

// The smallest rectangle holding both.
Rect BoundingBox(const Rect& a, const Rect& b);

}  // namespace valorne
