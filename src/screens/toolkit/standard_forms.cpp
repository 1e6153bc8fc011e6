#include "screens/toolkit/standard_forms.h"

#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

const ControlSpec kPlaceholderControls[] = {
    {.name = "TitleLbl",
     .kind = ControlKind::Label,
     .rect = {20, 24, 440, 40},
     .fore = look::kInk,
     .font_size = 28,
     .align = TextAlign::Centre},
    {.name = "NoteLbl",
     .kind = ControlKind::Label,
     .rect = {20, 84, 440, 60},
     .text = "This screen is not built yet.",
     .fore = look::kInk,
     .font_size = 16,
     .align = TextAlign::Centre},
    {.name = "CloseBtn", .kind = ControlKind::Button, .rect = {180, 176, 120, 36}, .text = "Close"},
};

const ControlSpec kQuestionControls[] = {
    {.name = "MsgLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {24, 40, 392, 104},
     .fore = look::kInk,
     .font_size = 16,
     .align = TextAlign::Centre},
    {.name = "OkAniBtn", .kind = ControlKind::AniButton, .rect = {80, 160, 110, 34}, .text = "OK"},
    {.name = "Noanibtn", .kind = ControlKind::AniButton, .rect = {250, 160, 110, 34}, .text = "No"},
};

const ControlSpec kMessageControls[] = {
    {.name = "MsgLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {24, 48, 392, 96},
     .fore = look::kInk,
     .font_size = 16,
     .align = TextAlign::Centre},
    {.name = "OkAniBtn", .kind = ControlKind::AniButton, .rect = {165, 160, 110, 34}, .text = "OK"},
};

}  // namespace

PlaceholderForm::PlaceholderForm(Ui& ui, std::string_view name)
    : Form(ui, {.name = name, .size = {480, 240}, .controls = kPlaceholderControls}) {
  (*this)["TitleLbl"].SetText(name);
  On("CloseBtn", FormEvent::Click, [this] { Close(); });
}

QuestionBoxForm::QuestionBoxForm(Ui& ui)
    : Form(ui, {.name = kQuestionBoxName, .size = {440, 210}, .controls = kQuestionControls}) {
  OnForm(FormEvent::Load,
         [this] { ShowText((*this)["MsgLbl"], this->ui().question().text_id, 1, game().texts); });
  On("OkAniBtn", FormEvent::Click, [this] {
    this->ui().SetAnswer(true);
    Close();
  });
  On("Noanibtn", FormEvent::Click, [this] {
    this->ui().SetAnswer(false);
    Close();
  });
}

MessageBoxForm::MessageBoxForm(Ui& ui)
    : Form(ui, {.name = kMessageBoxName, .size = {440, 210}, .controls = kMessageControls}) {
  OnForm(FormEvent::Load, [this] {
    const TextRef& m = this->ui().message();
    ShowText((*this)["MsgLbl"], m.id, m.category, game().texts);
  });
  On("OkAniBtn", FormEvent::Click, [this] { Close(); });
}

}  // namespace valorne
