// The part of the map's life that is painted into the map picture itself.
#pragma once

#include "canvas.h"
#include "screens/map_layout.h"

namespace art {

// The rocky ledge of every waterfall of the layout.
void PaintWaterfalls(Canvas& c, const valorne::MapLayout& m);

}  // namespace art
