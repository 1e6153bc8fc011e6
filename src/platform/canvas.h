// What the screens draw with. A canvas covers the whole display in screen
// units; the window draws it with SDL, the screenshots draw it into a picture
// in memory, and the headless level does not draw at all. Pictures are named
// as the game names them ("mapres", "graphic_smallbox.rx") and found in the
// picture folder the canvas was given.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/geometry.h"

namespace valorne {

enum class TextAlign { Left, Centre, Right };

struct TextStyle {
  Colour colour = kBlack;
  int size = 12;  // height of the letters in screen units
  TextAlign align = TextAlign::Left;
  bool wrap = true;     // break long lines at the rectangle's width
  bool middle = false;  // centre the lines between top and bottom
  bool bold = false;
};

// How one picture is put on the canvas: the part of the picture to take (the
// whole picture when empty), a colour drawn as transparent (the game's
// transparent blits), and an opacity for fades and highlights.
struct PictureStyle {
  std::optional<Rect> source{};
  std::optional<Colour> colour_key{};
  std::uint8_t alpha = 255;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual Size size() const = 0;

  // The folder pictures are looked up in (the high or low picture folder).
  virtual void SetPictureFolder(const std::filesystem::path& folder) = 0;

  // Later drawing is limited to `clip` (the whole canvas when empty).
  virtual void SetClip(std::optional<Rect> clip) = 0;

  // A colour with alpha below 255 is blended over what is there.
  virtual void Fill(const Rect& rect, Colour colour) = 0;
  virtual void Frame(const Rect& rect, Colour colour, int thickness = 1) = 0;

  // Draws a picture stretched to `dest`. A picture that cannot be found is
  // drawn as a placeholder that names it; the call returns false then.
  virtual bool Picture(std::string_view name, const Rect& dest, const PictureStyle& style = {}) = 0;

  // The size of a picture, or nothing when it cannot be found.
  virtual std::optional<Size> PictureSize(std::string_view name) = 0;

  // UTF-8 text inside `rect`; lines break at '\n' and, when wrapping, at the
  // rectangle's width. Text beyond the rectangle is cut off.
  virtual void Text(const Rect& rect, std::string_view utf8, const TextStyle& style) = 0;

  // A still layer: a screen's drawing of what stays still, kept as a
  // picture the display's size and put back instead of drawn again. The
  // layer belongs to `owner` at `version` (the owner counts its changes).
  // ShowLayer copies the layer's part inside `area` onto the canvas, exactly
  // as drawn, and is false when no such layer is kept. BeginLayer sends the
  // drawing that follows into a new layer, black at first, until EndLayer;
  // false when the canvas keeps no layers (then nothing changes).
  virtual bool ShowLayer(const void* /*owner*/, std::uint64_t /*version*/, const Rect& /*area*/) {
    return false;
  }
  virtual bool BeginLayer(const void* /*owner*/, std::uint64_t /*version*/) { return false; }
  virtual void EndLayer() {}

  // Lays `colour` at opacity `alpha` (0..255) over the rectangle: the fades
  // of the end of turn and the highlights of the command bar.
  void Blend(const Rect& rect, Colour colour, std::uint8_t alpha) {
    colour.a = alpha;
    Fill(rect, colour);
  }
};

}  // namespace valorne
