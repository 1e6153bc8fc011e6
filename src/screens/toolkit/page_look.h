// The common look of the game's parchment pages (the fields, works, people,
// taxes, the end of turn, the church and the management screens): a centred
// title, headings and captions in dark ink with their figures lined up
// beside them, thin rules, round wax-seal buttons with a word underneath and
// the hint line `Helper` near the foot of the page. Each screen declares its
// controls with these builders, so the pages look alike.
#pragma once

#include <string>
#include <string_view>

#include "screens/toolkit/control_spec.h"
#include "screens/toolkit/look.h"

namespace valorne::page_look {

inline constexpr int kTitleFont = 26;
inline constexpr int kHeadingFont = 16;
inline constexpr int kSubtitleFont = 15;
inline constexpr int kRowFont = 15;
inline constexpr int kSmallFont = 13;
inline constexpr int kSealSize = 48;
inline constexpr int kArrowSize = 32;
// Rows of the management screens, and the roomier rows of the small county
// screens.
inline constexpr int kRowHeight = 22;
inline constexpr int kWideRowHeight = 24;

// Headings of a group of rows, thin rules, hints, figures that need the
// player's eye, the marks of a choice and the names that open another page.
inline constexpr Colour kHeadingInk = look::kWood;
inline constexpr Colour kRuleInk = Rgb(150, 112, 64);
inline constexpr Colour kHintInk = Rgb(128, 28, 16);
inline constexpr Colour kWarningInk = Rgb(176, 24, 16);
inline constexpr Colour kChosenGlow = Rgb(244, 206, 120);
inline constexpr Colour kLinkInk = Rgb(40, 60, 120);

// In the large screen mode a screen is enlarged by a quarter; the screens that
// would then no longer fit the smallest display (800 x 600) keep their size.
constexpr bool FitsEnlarged(int width, int height) {
  return width * 5 <= 800 * 4 && height * 5 <= 600 * 4;
}

// A line of text: a localized caption makes it a glyph label, plain words a
// plain one.
constexpr ControlSpec Text(std::string_view name, Rect rect, std::string_view words,
                           TextRef caption, Colour ink, int font_size, TextAlign align,
                           int index = -1) {
  return {.name = name,
          .kind = caption.category != 0 ? ControlKind::RunaLabel : ControlKind::Label,
          .rect = rect,
          .text = words,
          .index = index,
          .caption = caption,
          .fore = ink,
          .font_size = font_size,
          .align = align};
}

// The screen's title; a localized caption or plain words.
constexpr ControlSpec Title(std::string_view name, Rect rect, TextRef caption,
                            std::string_view words = {}) {
  ControlSpec title = Text(name, rect, words, caption, look::kInk, kTitleFont, TextAlign::Centre);
  title.kind = ControlKind::RunaLabel;
  return title;
}

// A title across the page, `top` units from its top.
constexpr ControlSpec Title(std::string_view name, int form_width, int top, TextRef caption) {
  return Title(name, {20, top, form_width - 40, 34}, caption);
}

constexpr ControlSpec Subtitle(std::string_view name, Rect rect, TextRef caption,
                               TextAlign align = TextAlign::Centre) {
  ControlSpec subtitle = Text(name, rect, {}, caption, kHeadingInk, kSubtitleFont, align);
  subtitle.kind = ControlKind::RunaLabel;
  return subtitle;
}

// The heading over a group of rows: plain words of an array of headings...
constexpr ControlSpec Heading(std::string_view name, int index, Rect rect, std::string_view words,
                              TextAlign align = TextAlign::Left) {
  return Text(name, rect, words, {}, kHeadingInk, kHeadingFont, align, index);
}

// ...or a localized text.
constexpr ControlSpec Heading(std::string_view name, Rect rect, TextRef caption,
                              TextAlign align = TextAlign::Left) {
  ControlSpec heading = Text(name, rect, {}, caption, kHeadingInk, kHeadingFont, align);
  heading.kind = ControlKind::RunaLabel;
  return heading;
}

// The caption of a row: plain words, or a localized text.
constexpr ControlSpec Caption(std::string_view name, int index, Rect rect, std::string_view words,
                              TextRef caption = {}, TextAlign align = TextAlign::Left) {
  return Text(name, rect, words, caption, look::kInk, kRowFont, align, index);
}

// A line of localized text (its text set by the screen unless a caption is
// given).
constexpr ControlSpec Line(std::string_view name, Rect rect, TextRef caption = {},
                           TextAlign align = TextAlign::Left, int index = -1) {
  ControlSpec line = Text(name, rect, {}, caption, look::kInk, kRowFont, align, index);
  line.kind = ControlKind::RunaLabel;
  return line;
}

// A localized line (a name, a hint) that the screen fills.
constexpr ControlSpec TextLine(std::string_view name, Rect rect, int font_size = kRowFont,
                               TextAlign align = TextAlign::Left, Colour ink = look::kInk) {
  ControlSpec line = Text(name, rect, {}, {}, ink, font_size, align);
  line.kind = ControlKind::RunaLabel;
  return line;
}

// A figure, right-aligned so that the numbers line up.
constexpr ControlSpec Figure(std::string_view name, Rect rect, TextAlign align = TextAlign::Right) {
  return Text(name, rect, {}, {}, look::kInk, kRowFont, align);
}

// A figure of an array ("SoldierLbl(3)").
constexpr ControlSpec FigureAt(std::string_view name, int index, Rect rect) {
  ControlSpec declared = Figure(name, rect);
  declared.index = index;
  return declared;
}

// The two columns of a page's rows: the caption from `caption_left` up to
// the figure, the figure right-aligned in its own column.
struct RowColumns {
  int caption_left;
  int figure_left;
  int figure_width;
};

// Row `row` of the array of row captions "RowLbl", `top` units down.
constexpr ControlSpec RowCaption(RowColumns columns, int row, int top, std::string_view words) {
  return Caption(
      "RowLbl", row,
      {columns.caption_left, top, columns.figure_left - columns.caption_left, kWideRowHeight},
      words);
}

// The figure beside a row caption.
constexpr ControlSpec RowFigure(RowColumns columns, std::string_view name, int top) {
  return Figure(name, {columns.figure_left, top, columns.figure_width, kWideRowHeight});
}

// The hint line where refusals and notices appear: in the row font...
constexpr ControlSpec HintLine(Rect rect) {
  return TextLine("Helper", rect, kRowFont, TextAlign::Centre, kHintInk);
}

// ...or smaller, at the foot of a page, with an opening text.
constexpr ControlSpec Hint(Rect rect, TextRef caption = {}) {
  ControlSpec hint = Text("Helper", rect, {}, caption, kHintInk, kSmallFont, TextAlign::Centre);
  hint.kind = ControlKind::RunaLabel;
  return hint;
}

// A thin rule under a title or between groups.
constexpr ControlSpec Rule(std::string_view name, int index, Rect rect) {
  return {.name = name, .kind = ControlKind::Label, .rect = rect, .index = index, .back = kRuleInk};
}

constexpr ControlSpec Rule(std::string_view name, Rect rect) {
  return Rule(name, -1, rect);
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

// A seal button named `name` showing `seal`, `size` units across.
constexpr ControlSpec Seal(std::string_view name, SealLook seal, int left, int top,
                           int size = kSealSize, bool visible = true) {
  return {.name = name,
          .kind = ControlKind::AniButton,
          .rect = {left, top, size, size},
          .picture = seal.picture,
          .hover_picture = seal.hover,
          .visible = visible};
}

// A seal button that shows the picture of its own name (OkAniBtn,
// CancelAniBtn, Noanibtn, UpAniBtn, DownAniBtn).
constexpr ControlSpec Seal(std::string_view name, std::string_view hover, int left, int top,
                           bool visible = true) {
  return Seal(name, SealLook{name, hover}, left, top, kSealSize, visible);
}

// The green tick that closes a page.
constexpr ControlSpec OkButton(int left, int top) {
  return Seal("OkAniBtn", kOkSeal, left, top);
}

// The word under a seal: what it does.
constexpr ControlSpec SealWord(std::string_view name, int seal_left, int seal_top,
                               std::string_view words, bool visible = true) {
  ControlSpec word = Text(name, {seal_left - 26, seal_top + kSealSize, kSealSize + 52, 18}, words,
                          {}, look::kInk, kSmallFont, TextAlign::Centre);
  word.visible = visible;
  return word;
}

// The few words under a seal placed by hand.
constexpr ControlSpec SealCaption(std::string_view name, Rect rect, std::string_view words) {
  return Text(name, rect, words, {}, look::kWood, 12, TextAlign::Centre);
}

// The picture of an animation ("plague.rx"): the strips lie in the game
// folder's "anim" folder, beside the picture folders' "graphics" folder.
inline std::string AnimPicture(std::string_view file) {
  return "../../anim/" + std::string(file);
}

// Animations play at eight frames a second.
inline constexpr int kAnimFrameMs = 125;

}  // namespace valorne::page_look
