// Scrolling the campaign map: the four edge strips and the arrow keys set a
// direction, and the scroll timer moves the map (with everything on it) one
// step per tick until it reaches its limit. A strip whose movement stopped at
// the limit is disabled until another strip has moved the map again.
#include <algorithm>

#include "screens/camp1_frm.h"
#include "screens/toolkit/ui.h"
#include "state/game.h"

namespace valorne {

namespace {

// The map's top may come down to this row, just below the status bar.
constexpr int kTopLimit = 150;
// The map's foot stays this many rows above the bottom of the form.
constexpr int kFootLimit = 15;

constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

}  // namespace

// The map starts with our castle in the middle of the view.
void Camp1Frm::PlaceMapAtStart() {
  MapPoint centre{map().width / 2, map().height / 2};
  if (auto it = map().objects.find("WarBuilding"); it != map().objects.end()) {
    const MapRect& castle = it->second.rect;
    centre = {castle.left + castle.width / 2, castle.top + castle.height / 2};
  }
  CentreMapOn(centre);
}

void Camp1Frm::CentreMapOn(MapPoint point) {
  Control& surface = (*this)["MapSurface"];
  const Rect area = map_area();
  const int lowest_left = rect().width - surface.width();
  const int lowest_top = rect().height - surface.height() - kFootLimit;
  const int left = std::clamp(area.left + area.width / 2 - point.x, std::min(lowest_left, 0), 0);
  const int top =
      std::clamp(area.top + area.height / 2 - point.y, std::min(lowest_top, kTopLimit), kTopLimit);
  surface.Move(left, top);
  // As after any step of the map, every strip may scroll again.
  for (Byte d : {kScrollUp, kScrollDown, kScrollLeft, kScrollRight}) StripOf(d).SetEnabled(true);
}

Rect Camp1Frm::VisibleMapPart() const {
  const Control& surface = (*this)["MapSurface"];
  const Rect seen = map_area().Intersect(surface.rect());
  return {seen.left - surface.left(), seen.top - surface.top(), seen.width, seen.height};
}

Control& Camp1Frm::StripOf(Byte direction) const {
  switch (direction) {
    case kScrollUp:
      return (*this)["TopMargin"];
    case kScrollDown:
      return (*this)["BottomMargin"];
    case kScrollLeft:
      return (*this)["LeftMargin"];
    default:
      return (*this)["RightMargin"];
  }
}

void Camp1Frm::EnterStrip(Byte direction) {
  if (scroll_direction_ == direction) return;
  scroll_direction_ = direction;
  Timer& timer = ui().timer("MapTimer");
  timer.SetInterval(kScrollTickMs);
  timer.SetEnabled(true);
}

void Camp1Frm::StopScrolling() {
  scroll_direction_ = kNoScroll;
  ui().timer("MapTimer").SetEnabled(false);
}

// One step of the map. The limit is checked before the move, so the map may
// pass it by less than a step.
void Camp1Frm::MapTimer_Timer() {
  Control& surface = (*this)["MapSurface"];
  const int step = static_cast<int>(Fix(game().live.ScrollSpeed * 10));
  const int form_height = rect().height;
  const int form_width = rect().width;
  const int top = surface.top();
  const int left = surface.left();
  bool stop = false;
  switch (scroll_direction_) {
    case kScrollUp:
      stop = top >= kTopLimit;
      if (!stop) surface.SetTop(top + step);
      break;
    case kScrollDown:
      stop = form_height - surface.height() - kFootLimit >= top;
      if (!stop) surface.SetTop(top - step);
      break;
    case kScrollLeft:
      stop = left >= 0;
      if (!stop) surface.SetLeft(left + step);
      break;
    case kScrollRight:
      stop = form_width - surface.width() >= left;
      if (!stop) surface.SetLeft(left - step);
      break;
    default:
      ui().timer("MapTimer").SetEnabled(false);
      return;
  }
  if (stop) {
    ui().timer("MapTimer").SetEnabled(false);
    StripOf(scroll_direction_).SetEnabled(false);
    return;
  }
  for (Byte d : {kScrollUp, kScrollDown, kScrollLeft, kScrollRight}) StripOf(d).SetEnabled(true);
}

// The arrow keys act as the pointer entering the strip of their side.
void Camp1Frm::ArrowKey(const EventArgs& args) {
  Byte direction = kNoScroll;
  switch (args.key_code) {
    case kKeyLeft:
      direction = kScrollLeft;
      break;
    case kKeyUp:
      direction = kScrollUp;
      break;
    case kKeyRight:
      direction = kScrollRight;
      break;
    case kKeyDown:
      direction = kScrollDown;
      break;
    default:
      return;
  }
  if (StripOf(direction).Active()) EnterStrip(direction);
}

}  // namespace valorne
