// The look of the screens where no picture is given: parchment pages in
// wooden frames, wooden buttons with light letters. Also the nine-part
// frame drawing that lets a frame picture ("graphic_normalbox.rx") border a
// form of any size.
#pragma once

#include <string_view>

#include "platform/canvas.h"

namespace valorne::look {

inline constexpr Colour kParchment = Rgb(233, 219, 181);
inline constexpr Colour kParchmentDark = Rgb(212, 192, 146);
inline constexpr Colour kWood = Rgb(104, 68, 36);
inline constexpr Colour kWoodDark = Rgb(58, 36, 16);
inline constexpr Colour kWoodLight = Rgb(160, 116, 66);
inline constexpr Colour kInk = Rgb(40, 26, 12);
inline constexpr Colour kGoldLetters = Rgb(250, 232, 190);
inline constexpr Colour kMissing = Rgb(255, 0, 255);

// A parchment page with a wooden frame of `border` units.
void WoodFramedPage(Canvas& canvas, const Rect& rect, int border = 6);

// A wooden button; lighter under the pointer, pressed in when held.
void WoodButton(Canvas& canvas, const Rect& rect, bool hovered, bool pressed);

// Draws `picture` over `dest` in nine parts: the corners of `border` units
// as they are, the edges stretched along, the middle stretched both ways.
// False when the picture is missing (nothing is drawn then).
bool NineSlice(Canvas& canvas, std::string_view picture, const Rect& dest, int border);

}  // namespace valorne::look
