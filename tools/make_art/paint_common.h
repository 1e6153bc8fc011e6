// Motifs shared by the painters: materials (parchment, wood, stone), little
// buildings, trees, tents, banners, soldiers, and the colours of the sides.
#pragma once

#include <cstdint>
#include <string>

#include "canvas.h"

namespace art {

// The colours of the sides: our three armies, the two rival counties, the
// outlaws, the rebels and the allies.
namespace side {
inline constexpr Rgba kArmy[4] = {Hex(0x3060d0), Hex(0x3060d0), Hex(0xe0b020), Hex(0x30a050)};
inline constexpr Rgba kRival1 = Hex(0xc02828);
inline constexpr Rgba kRival2 = Hex(0x8040b0);
inline constexpr Rgba kOutlaw = Hex(0x4a4036);
inline constexpr Rgba kRebel = Hex(0xc07030);
inline constexpr Rgba kAllies = Hex(0xe8e8e8);
}  // namespace side

inline constexpr Rgba kInk = Hex(0x2a1a0e);
inline constexpr Rgba kGold = Hex(0xe0b040);

void Parchment(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, bool burnt_edges);
void Wood(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, Rgba base = Hex(0x7a4e2a));
void Stone(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, int block_w = 28,
           int block_h = 14, Rgba base = Hex(0x8a8680));
// A raised (or sunken) edge of the given width round a rectangle.
void Bevel(Canvas& c, int x, int y, int w, int h, int width, float strength, bool sunken = false);
// Gold rivets at the corners of a rectangle.
void Rivets(Canvas& c, int x, int y, int w, int h, float inset, float r);

// A cottage seen a little from above: (x, y) is the bottom-left of its front
// wall; burnt leaves charred walls and no roof.
void Cottage(Canvas& c, float x, float y, float w, float h, Rgba roof, bool burnt,
             std::uint32_t seed);
void Tree(Canvas& c, float x, float y, float r, Rgba leaf, std::uint32_t seed);
void Conifer(Canvas& c, float x, float y, float h, Rgba leaf);
void Tent(Canvas& c, float x, float y, float w, float h, Rgba cloth);
void Banner(Canvas& c, float x, float y, float h, Rgba cloth);
void Smoke(Canvas& c, float x, float y, float h, std::uint32_t seed, float opacity = 0.5f);
void Flames(Canvas& c, float x, float y, float w, float h, std::uint32_t seed);
// A little soldier, feet at (x, y); weapon: 0 spear, 1 sword, 2 bow, 3 club.
void Soldier(Canvas& c, float x, float y, float h, Rgba tunic, int weapon, bool step = false,
             bool facing_left = false);
// A small shield in a side's colour (markers of forces and sites).
void Shield(Canvas& c, float cx, float cy, float w, Rgba colour);
// The finished castle of our county (the title picture).
void TitleCastle(Canvas& c, float x, float y, float w, float h);
// Digits and a few capitals in a 3 x 5 pixel font, scaled by `px`.
void SmallText(Canvas& c, float x, float y, const std::string& text, float px, Rgba colour);

}  // namespace art
