// The common look of the small county screens (fields, works, people, taxes):
// a parchment page with a centred title, rows of a caption on the left and
// its figure on the right, and the green tick that closes the screen.
#pragma once

#include "screens/toolkit/control_spec.h"
#include "screens/toolkit/look.h"

namespace valorne::county_look {

inline constexpr int kTitleFont = 26;
inline constexpr int kSubtitleFont = 15;
inline constexpr int kRowFont = 15;
inline constexpr int kRowHeight = 24;
inline constexpr int kOkSize = 48;

// A figure that needs the player's eye (too few idle people, ...).
inline constexpr Colour kWarningInk = Rgb(176, 24, 16);
// A thin line under a title.
inline constexpr Colour kRuleInk = Rgb(150, 112, 64);

constexpr ControlSpec Title(std::string_view name, int form_width, int top, TextRef caption) {
  return {.name = name,
          .kind = ControlKind::RunaLabel,
          .rect = {20, top, form_width - 40, 34},
          .caption = caption,
          .fore = look::kInk,
          .font_size = kTitleFont,
          .align = TextAlign::Centre};
}

constexpr ControlSpec Subtitle(std::string_view name, Rect rect, TextRef caption,
                               TextAlign align = TextAlign::Centre) {
  return {.name = name,
          .kind = ControlKind::RunaLabel,
          .rect = rect,
          .caption = caption,
          .fore = look::kWood,
          .font_size = kSubtitleFont,
          .align = align};
}

// The caption of a row: plain words that belong to the screen's art.
constexpr ControlSpec RowCaption(std::string_view name, int index, Rect rect,
                                 std::string_view words) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = rect,
          .text = words,
          .index = index,
          .fore = look::kInk,
          .font_size = kRowFont};
}

// The figure of a row, right-aligned so the numbers line up.
constexpr ControlSpec Figure(std::string_view name, Rect rect) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = rect,
          .fore = look::kInk,
          .font_size = kRowFont,
          .align = TextAlign::Right};
}

constexpr ControlSpec OkButton(int left, int top) {
  return {.name = "OkAniBtn",
          .kind = ControlKind::AniButton,
          .rect = {left, top, kOkSize, kOkSize},
          .picture = "OkAniBtn",
          .hover_picture = "OkAniBtn_hover"};
}

constexpr ControlSpec Rule(std::string_view name, Rect rect) {
  return {.name = name, .kind = ControlKind::Label, .rect = rect, .back = kRuleInk};
}

}  // namespace valorne::county_look
