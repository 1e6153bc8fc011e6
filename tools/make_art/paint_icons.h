// The icons of the status bar labels and of the command buttons, drawn in a
// box of the given size with its top-left corner at (x, y).
#pragma once

#include <string_view>

#include "canvas.h"

namespace art {

void LabelIcon(Canvas& c, std::string_view label, float x, float y, float size);
void CommandIcon(Canvas& c, std::string_view button, float x, float y, float size);
// A command button: a framed plate with its icon; highlighted when hovered.
Canvas CommandButton(std::string_view button, int size, bool hover);

}  // namespace art
