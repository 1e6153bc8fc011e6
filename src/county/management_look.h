// The common look of the management screens (construction, castle,
// blacksmith, armoury, recruiting, realm and leader): a parchment page with a
// centred title, captions in dark ink with their figures lined up beside
// them, wax-seal buttons with a word underneath, and the hint line `Helper`
// near the foot of the page.
#pragma once

#include <string_view>

#include "screens/toolkit/control_spec.h"
#include "screens/toolkit/look.h"

namespace valorne::manage_look {

inline constexpr int kTitleFont = 26;
inline constexpr int kHeadingFont = 16;
inline constexpr int kRowFont = 15;
inline constexpr int kSmallFont = 13;
inline constexpr int kRowHeight = 22;
inline constexpr int kSealSize = 48;

// Headings of a group of rows, thin rules, hints and the marks of a choice.
inline constexpr Colour kHeadingInk = look::kWood;
inline constexpr Colour kRuleInk = Rgb(150, 112, 64);
inline constexpr Colour kHintInk = Rgb(128, 28, 16);
inline constexpr Colour kChosenGlow = Rgb(244, 206, 120);
inline constexpr Colour kLinkInk = Rgb(40, 60, 120);

// In the large screen mode a screen is enlarged by a quarter; the screens that
// would then no longer fit the smallest display (800 x 600) keep their size.
constexpr bool FitsEnlarged(int width, int height) {
  return width * 5 <= 800 * 4 && height * 5 <= 600 * 4;
}

// The screen's title; a localized caption or plain words.
constexpr ControlSpec Title(std::string_view name, Rect rect, TextRef caption,
                            std::string_view words = {}) {
  return {.name = name,
          .kind = ControlKind::RunaLabel,
          .rect = rect,
          .text = words,
          .caption = caption,
          .fore = look::kInk,
          .font_size = kTitleFont,
          .align = TextAlign::Centre};
}

// The heading over a group of rows.
constexpr ControlSpec Heading(std::string_view name, int index, Rect rect, std::string_view words,
                              TextAlign align = TextAlign::Left) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = rect,
          .text = words,
          .index = index,
          .fore = kHeadingInk,
          .font_size = kHeadingFont,
          .align = align};
}

// The caption of a row: plain words, or a localized text.
constexpr ControlSpec Caption(std::string_view name, int index, Rect rect, std::string_view words,
                              TextRef caption = {}, TextAlign align = TextAlign::Left) {
  return {.name = name,
          .kind = caption.category != 0 ? ControlKind::RunaLabel : ControlKind::Label,
          .rect = rect,
          .text = words,
          .index = index,
          .caption = caption,
          .fore = look::kInk,
          .font_size = kRowFont,
          .align = align};
}

// A figure, right-aligned so that the numbers line up.
constexpr ControlSpec Figure(std::string_view name, Rect rect, TextAlign align = TextAlign::Right) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = rect,
          .fore = look::kInk,
          .font_size = kRowFont,
          .align = align};
}

// A figure of an array ("SoldierLbl(3)").
constexpr ControlSpec FigureAt(std::string_view name, int index, Rect rect) {
  ControlSpec declared = Figure(name, rect);
  declared.index = index;
  return declared;
}

// A localized line (a name, a hint) that the screen fills.
constexpr ControlSpec TextLine(std::string_view name, Rect rect, int font_size = kRowFont,
                               TextAlign align = TextAlign::Left, Colour ink = look::kInk) {
  return {.name = name,
          .kind = ControlKind::RunaLabel,
          .rect = rect,
          .fore = ink,
          .font_size = font_size,
          .align = align};
}

// The hint line where refusals and notices appear.
constexpr ControlSpec HintLine(Rect rect) {
  return TextLine("Helper", rect, kRowFont, TextAlign::Centre, kHintInk);
}

// A wax-seal button (OkAniBtn, CancelAniBtn, Noanibtn, UpAniBtn, DownAniBtn)
// of the size of its picture.
constexpr ControlSpec Seal(std::string_view name, std::string_view hover, int left, int top,
                           bool visible = true) {
  return {.name = name,
          .kind = ControlKind::AniButton,
          .rect = {left, top, kSealSize, kSealSize},
          .picture = name,
          .hover_picture = hover,
          .visible = visible};
}

// The word under a seal: what it does.
constexpr ControlSpec SealWord(std::string_view name, int seal_left, int seal_top,
                               std::string_view words, bool visible = true) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = {seal_left - 26, seal_top + kSealSize, kSealSize + 52, 18},
          .text = words,
          .fore = look::kInk,
          .font_size = kSmallFont,
          .align = TextAlign::Centre,
          .visible = visible};
}

// A thin rule under a title or between groups.
constexpr ControlSpec Rule(std::string_view name, int index, Rect rect) {
  return {.name = name, .kind = ControlKind::Label, .rect = rect, .index = index, .back = kRuleInk};
}

}  // namespace valorne::manage_look
