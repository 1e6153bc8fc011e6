// Escape and Return press a screen's cancel and default buttons, by the
// usual names or as the screen declares them; questions that matter take no
// key; a screen with its own key handler is left alone.
#include "screens/toolkit/form_keys.h"

#include <gtest/gtest.h>

#include "toolkit_fixture.h"

namespace valorne {
namespace {

using testing::Screens;

const ControlSpec kOkNo[] = {
    {.name = "OkAniBtn", .kind = ControlKind::AniButton, .rect = {10, 10, 50, 20}},
    {.name = "Noanibtn", .kind = ControlKind::AniButton, .rect = {70, 10, 50, 20}},
};
const ControlSpec kOkOnly[] = {
    {.name = "OkAniBtn", .kind = ControlKind::AniButton, .rect = {10, 10, 50, 20}},
};
const ControlSpec kOkClose[] = {
    {.name = "OkAniBtn", .kind = ControlKind::AniButton, .rect = {10, 10, 50, 20}},
    {.name = "CloseBtn", .kind = ControlKind::Button, .rect = {70, 10, 50, 20}},
};
const ControlSpec kOwnNames[] = {
    {.name = "Image1", .kind = ControlKind::Image, .rect = {10, 10, 50, 20}},
    {.name = "OkAniBtn", .kind = ControlKind::AniButton, .rect = {70, 10, 50, 20}},
};

TEST(FormKeys, EscapeAndReturnPressTheScreensButtons) {
  struct Case {
    const char* what;
    std::span<const ControlSpec> controls;
    std::string_view cancel, confirm;
    bool question;
    const char* hidden;  // a control hidden before the keys
    bool own_handler;    // the screen reads its keys itself
    const char* escape;  // what Escape pressed ("" nothing)
    const char* ret;     // what Return pressed
  };
  const Case cases[] = {
      {"ok and no", kOkNo, "", "", false, "", false, "Noanibtn", "OkAniBtn"},
      {"ok is the only way out", kOkOnly, "", "", false, "", false, "OkAniBtn", "OkAniBtn"},
      {"close button", kOkClose, "", "", false, "", false, "CloseBtn", "OkAniBtn"},
      {"hidden no: ok does not cancel", kOkNo, "", "", false, "Noanibtn", false, "", "OkAniBtn"},
      {"hidden ok", kOkNo, "", "", false, "OkAniBtn", false, "Noanibtn", ""},
      {"a question", kOkNo, "", "", true, "", false, "", ""},
      {"a notice", kOkNo, "", "", true, "Noanibtn", false, "OkAniBtn", "OkAniBtn"},
      {"declared", kOwnNames, "Image1", "Image1", false, "", false, "Image1", "Image1"},
      {"declared but hidden", kOwnNames, "Image1", "", false, "Image1", false, "", "OkAniBtn"},
      {"own handler", kOkNo, "", "", false, "", true, "", ""},
  };
  for (const Case& c : cases) {
    for (const char* key : {"Escape", "Return"}) {
      SCOPED_TRACE(std::string(c.what) + " / " + key);
      Screens s;
      Form form{s.ui,
                {.name = "KeysFrm",
                 .size = {200, 100},
                 .controls = c.controls,
                 .cancel = c.cancel,
                 .confirm = c.confirm,
                 .question = c.question}};
      std::string pressed;
      for (const auto& control : form.controls()) {
        form.On(control->name(), FormEvent::Click,
                [&pressed, name = control->name()] { pressed = name; });
      }
      if (c.own_handler) form.OnForm(FormEvent::KeyUp, [] {});
      if (*c.hidden) form[c.hidden].SetVisible(false);
      s.steps.steps.push_back([&] {
        s.ui.Key(key, true);
        EXPECT_EQ(pressed, "") << "a key presses as it comes up";
        s.ui.Key(key, false);
        form.Close();
      });
      s.ui.ShowModal(form);
      EXPECT_EQ(pressed, std::string_view(key) == "Escape" ? c.escape : c.ret);
    }
  }
}

}  // namespace
}  // namespace valorne
