#include "turn/msg_frm.h"

#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 460;
constexpr int kHeight = 248;
constexpr int kSealTop = 156;
constexpr int kOkLeft = 140;
constexpr int kNoLeft = kWidth - kOkLeft - kSealSize;

constexpr Rect CaptionUnder(int seal_left) {
  return {seal_left - 26, kSealTop + kSealSize + 2, kSealSize + 52, 18};
}

const ControlSpec kControls[] = {
    {.name = "MsgLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {34, 32, kWidth - 68, 106},
     .fore = look::kInk,
     .font_size = 17,
     .align = TextAlign::Centre},
    Rule("MsgRule", {80, 144, kWidth - 160, 1}),
    Seal("OkAniBtn", kOkSeal, kOkLeft, kSealTop),
    SealCaption("OkCaptionLbl", CaptionUnder(kOkLeft), "Yes"),
    Seal("Noanibtn", kNoSeal, kNoLeft, kSealTop),
    SealCaption("NoCaptionLbl", CaptionUnder(kNoLeft), "No"),
};

}  // namespace

bool IsNoticeOnly(int kind) {
  return kind == 2 || kind == 3 || kind == 22 || kind == 23;
}

MsgFrm::MsgFrm(Game&, Ui& ui)
    : Form(ui,
           {.name = "MsgFrm", .size = {kWidth, kHeight}, .controls = kControls, .question = true}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  On("OkAniBtn", FormEvent::Click, [this] { Answer(true); });
  On("Noanibtn", FormEvent::Click, [this] { Answer(false); });
}

void MsgFrm::Form_Load() {
  const Ui::Question& q = ui().question();
  // Every kind shows text 1/id as the rule that asks passes it, the kinds
  // whose wording belongs to the map's events and sieges included.
  ShowText((*this)["MsgLbl"], q.text_id, 1, game().texts);
  if (IsNoticeOnly(q.kind)) {
    (*this)["Noanibtn"].SetVisible(false);
    (*this)["NoCaptionLbl"].SetVisible(false);
    // The OK seal alone, in the middle (the page may be enlarged).
    Control& ok = (*this)["OkAniBtn"];
    Control& caption = (*this)["OkCaptionLbl"];
    ok.SetLeft((rect().width - ok.width()) / 2);
    caption.SetLeft(ok.left() + (ok.width() - caption.width()) / 2);
    caption.SetText("OK");
  }
}

void MsgFrm::Answer(bool ok) {
  ui().SetAnswer(ok);
  Close();
}

}  // namespace valorne
