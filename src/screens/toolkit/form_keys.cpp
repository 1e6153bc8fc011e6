#include "screens/toolkit/form_keys.h"

#include "screens/toolkit/form.h"

namespace valorne {

namespace {

constexpr std::string_view kNoButton = "Noanibtn";
constexpr std::string_view kCloseButton = "CloseBtn";
constexpr std::string_view kOkButton = "OkAniBtn";

Control* Usable(const Form& form, std::string_view name) {
  if (name.empty()) return nullptr;
  Control* control = form.Find(name);
  return control && control->Active() ? control : nullptr;
}

Control* CancelButton(const Form& form) {
  if (!form.cancel().empty()) return Usable(form, form.cancel());
  if (Control* no = Usable(form, kNoButton)) return no;
  if (Control* close = Usable(form, kCloseButton)) return close;
  // OK closes the screen when there is no other way out of it.
  if (form.Find(kNoButton) || form.Find(kCloseButton)) return nullptr;
  return Usable(form, kOkButton);
}

Control* DefaultButton(const Form& form) {
  return Usable(form, form.confirm().empty() ? kOkButton : std::string_view(form.confirm()));
}

}  // namespace

Control* KeyButton(const Form& form, std::string_view key) {
  if (form.HasFormHandler(FormEvent::KeyDown) || form.HasFormHandler(FormEvent::KeyUp)) {
    return nullptr;
  }
  Control* cancel = CancelButton(form);
  Control* confirm = DefaultButton(form);
  if (form.question()) {
    // Both answers shown: the player must choose one with the pointer.
    if (cancel && confirm && cancel != confirm) return nullptr;
    Control* only = cancel ? cancel : confirm;
    return key == "Escape" || key == "Return" ? only : nullptr;
  }
  if (key == "Escape") return cancel;
  if (key == "Return") return confirm;
  return nullptr;
}

}  // namespace valorne
