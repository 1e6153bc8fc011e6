#include "screens/toolkit/dirty_region.h"

#include <algorithm>

namespace valorne {

Rect BoundingBox(const Rect& a, const Rect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  const int left = std::min(a.left, b.left);
  const int top = std::min(a.top, b.top);
  return {left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

namespace {
// Overlapping or sharing an edge: one rectangle draws both at no extra cost.
bool Meet(const Rect& a, const Rect& b) {
  return a.left <= b.right() && b.left <= a.right() && a.top <= b.bottom() && b.top <= a.bottom();
}
}  // namespace

void DirtyRegion::Add(const Rect& area) {
  if (whole_ || area.Empty()) return;
  Rect grown = area;
  // A merged rectangle may now meet one passed before: look again until
  // none meets.
  for (bool merged = true; merged;) {
    merged = false;
    for (auto it = areas_.begin(); it != areas_.end(); ++it) {
      if (!Meet(*it, grown)) continue;
      grown = BoundingBox(*it, grown);
      areas_.erase(it);
      merged = true;
      break;
    }
  }
  areas_.push_back(grown);
  if (areas_.size() > kMostAreas) {
    Rect all = areas_.front();
    for (const Rect& r : areas_) all = BoundingBox(all, r);
    areas_.assign(1, all);
  }
}

}  // namespace valorne
