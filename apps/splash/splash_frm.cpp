#include "splash_frm.h"

#include "screens/toolkit/look.h"

namespace valorne {

namespace {

// Words on the picture; the pointer passes through them to the picture, so
// that a click anywhere ends the splash.
constexpr ControlSpec Words(std::string_view name, Rect rect, std::string_view text, int size) {
  return {.name = name,
          .kind = ControlKind::Label,
          .rect = rect,
          .text = text,
          .fore = look::kInk,
          .font_size = size,
          .align = TextAlign::Centre,
          .takes_pointer = false};
}

const ControlSpec kSplashControls[] = {
    Words("GameTitleLbl", {40, 34, 720, 64}, "Valorne", 46),
    Words("SubtitleLbl", {40, 104, 720, 28}, "The ninth county of the campaign", 18),
};

}  // namespace

SplashFrm::SplashFrm(Game&, Ui& ui)
    : Form(ui, {.name = "SplashFrm",
                .size = {800, 600},
                .controls = kSplashControls,
                .background = "titleres",
                .enlarges = false}) {
  AddTimer("SplashTimer", kSplashShownMs, true, [this] { Close(); });
  OnForm(FormEvent::Click, [this] { Close(); });
  OnForm(FormEvent::KeyUp, [this] { Close(); });
}

}  // namespace valorne
