// The common look of the screens of the end of turn and the church: a
// parchment page with a centred title, lines of dark ink, round wax seals for
// the buttons (a tick for OK, a cross for No, arrows for up and down) and the
// hint line at the foot of the page.
#pragma once

#include <string>

#include "screens/toolkit/control_spec.h"
#include "screens/toolkit/look.h"

namespace valorne::turn_look {

inline constexpr int kTitleFont = 26;
inline constexpr int kHeadingFont = 16;
inline constexpr int kTextFont = 15;
inline constexpr int kHintFont = 13;
inline constexpr int kSealSize = 48;
inline constexpr int kArrowSize = 32;

// A thin line under a title, and the ink of the hint line.
inline constexpr Colour kRuleInk = Rgb(150, 112, 64);
inline constexpr Colour kHintInk = Rgb(120, 40, 20);

constexpr ControlSpec Title(std::string_view name, int form_width, int top, TextRef caption) {
  return {.name = name,
          .kind = ControlKind::RunaLabel,
          .rect = {20, top, form_width - 40, 34},
          .caption = caption,
          .fore = look::kInk,
          .font_size = kTitleFont,
          .align = TextAlign::Centre};
}

constexpr ControlSpec Heading(std::string_view name, Rect rect, TextRef caption,
                              TextAlign align = TextAlign::Left) {
  return {.name = name,
          .kind = ControlKind::RunaLabel,
          .rect = rect,
          .caption = caption,
          .fore = look::kWood,
          .font_size = kHeadingFont,
          .align = align};
}

// A line of localized text (its text set by the screen unless a caption is given).
constexpr ControlSpec Line(std::string_view name, Rect rect, TextRef caption = {},
                           TextAlign align = TextAlign::Left, int index = -1) {
  return {.name = name,
          .kind = ControlKind::RunaLabel,
          .rect = rect,
          .index = index,
          .caption = caption,
          .fore = look::kInk,
          .font_size = kTextFont,
          .align = align};
}

// A figure: a plain number.
constexpr ControlSpec Figure(std::string_view name, Rect rect, TextAlign align = TextAlign::Right) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = rect,
          .fore = look::kInk,
          .font_size = kTextFont,
          .align = align};
}

// The round seals of the dialog buttons, plain and under the pointer.
struct SealLook {
  std::string_view picture;
  std::string_view hover;
};
inline constexpr SealLook kOkSeal{"OkAniBtn", "OkAniBtn_hover"};
inline constexpr SealLook kNoSeal{"Noanibtn", "Noanibtn_hover"};
inline constexpr SealLook kCancelSeal{"CancelAniBtn", "CancelAniBtn_hover"};
inline constexpr SealLook kUpSeal{"UpAniBtn", "UpAniBtn_hover"};
inline constexpr SealLook kDownSeal{"DownAniBtn", "DownAniBtn_hover"};

constexpr ControlSpec Seal(std::string_view name, SealLook seal, int left, int top,
                           int size = kSealSize) {
  return {.name = name,
          .kind = ControlKind::AniButton,
          .rect = {left, top, size, size},
          .picture = seal.picture,
          .hover_picture = seal.hover};
}

// The few words under a seal that say what it does.
constexpr ControlSpec SealCaption(std::string_view name, Rect rect, std::string_view words) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = rect,
          .text = words,
          .fore = look::kWood,
          .font_size = 12,
          .align = TextAlign::Centre};
}

constexpr ControlSpec Rule(std::string_view name, Rect rect) {
  return {.name = name, .kind = ControlKind::Label, .rect = rect, .back = kRuleInk};
}

// The screen's hint line `Helper`: refusals and short explanations.
constexpr ControlSpec Hint(Rect rect, TextRef caption = {}) {
  return {.name = "Helper",
          .kind = ControlKind::RunaLabel,
          .rect = rect,
          .caption = caption,
          .fore = kHintInk,
          .font_size = kHintFont,
          .align = TextAlign::Centre};
}

// The picture of an animation ("plague.rx"): the strips lie in the game
// folder's "anim" folder, beside the picture folders' "graphics" folder.
inline std::string AnimPicture(std::string_view file) {
  return "../../anim/" + std::string(file);
}

// Animations play at eight frames a second.
inline constexpr int kAnimFrameMs = 125;

}  // namespace valorne::turn_look
