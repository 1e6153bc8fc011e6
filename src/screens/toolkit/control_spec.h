// One line of a screen's control table: what the control is, where it lies
// and what it shows when the screen is made. A screen declares all its
// controls in one table of these, e.g.
//
//   const ControlSpec kControls[] = {
//       {.name = "GoldLbl", .kind = ControlKind::Label, .rect = {640, 8, 60, 16}},
//       {.name = "EndTurnBtn", .kind = ControlKind::AniButton, .rect = {700, 560, 90, 30},
//        .picture = "endturn"},
//       {.name = "MsgLbl", .kind = ControlKind::RunaLabel, .rect = {20, 40, 500, 20}, .index = 0},
//   };
//
// Rectangles are relative to the container: the form, or the control named
// as `parent` (map objects lie on the map picture and move with it).
#pragma once

#include <optional>
#include <string_view>

#include "platform/canvas.h"
#include "platform/geometry.h"
#include "text/text_tables.h"

namespace valorne {

enum class ControlKind {
  Label,      // a caption (`...Lbl`)
  Image,      // a picture (`...Img`)
  Picture,    // a picture box, often holding other controls (`...Pic`, the map)
  AniButton,  // an animated picture button with click and hover (`...AniBtn`)
  Button,     // a plain push button (`...Btn`)
  ListBox,    // a list of lines, one chosen (`...Lst`)
  CheckBox,   // an option that is on or off
  TextBox,    // a line the player types into (`...Txt`)
  RunaLabel,  // the bitmap text controls: text as glyph codes
  RunaListBox,
  RunaTextBox,
  Frame,  // a drawn frame (`TooltipFrame`)
};

// "label", "image", ..., as the screen dumps name the kinds.
std::string_view KindName(ControlKind kind);

struct ControlSpec {
  std::string_view name{};
  ControlKind kind = ControlKind::Label;
  Rect rect{};
  std::string_view picture{};
  std::string_view text{};    // UTF-8; shown as glyphs on the bitmap text controls
  int index = -1;             // element of a control array: "MsgLbl" index 3 is "MsgLbl(3)"
  std::string_view parent{};  // the container control; empty for the form
  TextRef caption{};          // a localized text put on the control when the form loads
  Colour fore = kBlack;
  std::optional<Colour> back{};  // filled behind the control; none is transparent
  int font_size = 0;             // 0 for the kind's usual size
  TextAlign align = TextAlign::Left;
  std::string_view hover_picture{};  // an animated button's look under the pointer
  bool visible = true;
  bool enabled = true;
  // False for a decoration (the map's ambient animations): it is drawn, but
  // the pointer passes through it to whatever lies beneath.
  bool takes_pointer = true;
};

}  // namespace valorne
