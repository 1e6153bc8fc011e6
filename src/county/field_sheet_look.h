// The page shared by the crops and the cattle screens: a picture of the
// fields on the left, six rows of a caption and its figure on the right (the
// last one, the sum, under a thin rule) and the green tick at the foot.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "screens/toolkit/page_look.h"

namespace valorne::field_sheet {

inline constexpr int kWidth = 460;
inline constexpr int kHeight = 390;
inline constexpr int kCaptionLeft = 200;
inline constexpr int kFigureLeft = 360;
inline constexpr int kFigureWidth = 72;
inline constexpr int kRows = 6;

// A row of the sheet: its words and the label that shows its figure.
struct SheetRow {
  std::string_view words;
  std::string_view figure;
};

constexpr int RowTop(int row) {
  return 100 + (row - 1) * 32 + (row == kRows ? 10 : 0);
}

inline constexpr page_look::RowColumns kColumns{kCaptionLeft, kFigureLeft, kFigureWidth};

// The whole control table: the title and subtitle texts, the screen's own
// pictures and its rows.
template <std::size_t Pictures>
constexpr std::array<ControlSpec, Pictures + 2 * kRows + 5> SheetControls(
    TextRef title, TextRef subtitle, const std::array<ControlSpec, Pictures>& pictures,
    const std::array<SheetRow, kRows>& rows) {
  using namespace page_look;
  std::array<ControlSpec, Pictures + 2 * kRows + 5> c{};
  std::size_t n = 0;
  c[n++] = Title("FrmTitleLbl", kWidth, 16, title);
  c[n++] = Subtitle("RUNA_Label1", {20, 52, kWidth - 40, 22}, subtitle);
  c[n++] = Rule("TitleRule", {60, 82, kWidth - 120, 2});
  for (const ControlSpec& picture : pictures) c[n++] = picture;
  for (int row = 1; row <= kRows; ++row) {
    const SheetRow& r = rows[row - 1];
    c[n++] = RowCaption(kColumns, row, RowTop(row), r.words);
    c[n++] = RowFigure(kColumns, r.figure, RowTop(row));
  }
  c[n++] = Rule("SumRule",
                {kCaptionLeft, RowTop(kRows) - 7, kFigureLeft + kFigureWidth - kCaptionLeft, 1});
  c[n++] = OkButton((kWidth - kSealSize) / 2, kHeight - kSealSize - 22);
  return c;
}

}  // namespace valorne::field_sheet
