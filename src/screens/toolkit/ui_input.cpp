// The player's pointer and keys, from the window or aimed at named controls
// by the headless script. Only the top screen gets them. A control that is
// hidden (or inside a hidden container) lets the pointer through to what is
// beneath; a disabled one takes the pointer but its events go to the form's
// background.
#include "platform/key_names.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/form_keys.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {
Point FormLocal(const Form& form, Point display) {
  return {display.x - form.rect().left, display.y - form.rect().top};
}
}  // namespace

EventArgs Ui::PointerArgs(const Form& form, const Control* control, MouseButton button) const {
  EventArgs args;
  args.button = button;
  Point p = FormLocal(form, pointer_);
  if (control) {
    const Rect r = control->FormRect();
    p = {p.x - r.left, p.y - r.top};
  }
  args.x = p.x;
  args.y = p.y;
  return args;
}

void Ui::SetHover(Control* control) {
  if (hovered_ == control) return;
  Control* old = hovered_;
  hovered_ = control;
  if (old) {
    old->SetHovered(false);
    old->Fire(FormEvent::MouseLeave, {});
  }
  if (control && hovered_ == control) {
    control->SetHovered(true);
    control->Fire(FormEvent::MouseEnter, {});
  }
}

bool Ui::PointAt(Form& form, Control* control) {
  if (!form.enabled() || (control && !control->Active())) return false;
  const Rect where =
      control ? control->FormRect() : Rect{0, 0, form.rect().width, form.rect().height};
  const Point centre = where.Centre();
  pointer_ = {form.rect().left + centre.x, form.rect().top + centre.y};
  SetHover(control);
  const EventArgs args = PointerArgs(form, control, MouseButton::Left);
  if (control) {
    control->Fire(FormEvent::MouseMove, args);
  } else {
    form.FireForm(FormEvent::MouseMove, args);
  }
  return true;
}

bool Ui::Press(Form& form, Control* control, MouseButton button) {
  if (!form.enabled() || (control && !control->Active())) return false;
  pressed_ = control;
  pressed_button_ = button;
  pressing_ = true;
  if (!control) {
    form.FireForm(FormEvent::MouseDown, PointerArgs(form, nullptr, button));
    return true;
  }
  control->SetPressed(true);
  if (dynamic_cast<TextBox*>(control)) form.SetFocus(control);
  control->Fire(FormEvent::MouseDown, PointerArgs(form, control, button));
  return true;
}

bool Ui::Release(Form& form, Control* control, MouseButton button) {
  if (!form.enabled() || (control && !control->Active())) {
    if (!control) return false;
    control->SetPressed(false);
    if (pressed_ == control) {
      pressed_ = nullptr;
      pressing_ = false;
    }
    return false;
  }
  const bool clicked =
      pressing_ && pressed_ == control && pressed_button_ == button && button == MouseButton::Left;
  pressed_ = nullptr;
  pressing_ = false;
  if (!control) {
    form.FireForm(FormEvent::MouseUp, PointerArgs(form, nullptr, button));
    if (clicked) form.FireForm(FormEvent::Click, PointerArgs(form, nullptr, button));
    return true;
  }
  control->SetPressed(false);
  control->Fire(FormEvent::MouseUp, PointerArgs(form, control, button));
  if (clicked && control->Active()) {
    if (auto* box = dynamic_cast<CheckBox*>(control)) box->Toggle();
    control->Fire(FormEvent::Click, PointerArgs(form, control, button));
  }
  return true;
}

bool Ui::ClickOn(Form& form, Control* control, MouseButton button) {
  if (!form.enabled() || (control && !control->Active())) return false;
  // A click aimed at a control by name lands on its middle, unless the
  // pointer already rests on it, so a handler that reads where the click
  // fell sees a point of the control.
  if (control) {
    const Rect where = control->FormRect();
    const Point local = FormLocal(form, pointer_);
    if (!where.Contains(local)) {
      const Point centre = where.Centre();
      pointer_ = {form.rect().left + centre.x, form.rect().top + centre.y};
    }
  }
  Press(form, control, button);
  Release(form, control, button);
  return true;
}

void Ui::Key(std::string_view name, bool down) {
  Form* form = top();
  if (!form) return;
  // A screenshot whatever the screen, even one that takes no keys now.
  if (down && name == "F12") {
    SaveScreenshot();
    return;
  }
  if (!form->enabled()) return;
  // Escape and Return press the screen's cancel and default buttons when
  // they come up, as the screens that read these keys themselves do.
  if (!down) {
    if (Control* button = KeyButton(*form, name)) {
      ClickOn(*form, button, MouseButton::Left);
      return;
    }
  }
  EventArgs args;
  args.key = std::string(name);
  args.key_code = KeyCode(name).value_or(0);
  const FormEvent event = down ? FormEvent::KeyDown : FormEvent::KeyUp;
  form->FireForm(event, args);
  Control* focus = form->focus();
  if (!focus || top() != form || !focus->Active()) return;
  if (down && name == "Backspace") {
    if (auto* box = dynamic_cast<TextBox*>(focus)) box->Backspace();
  }
  focus->Fire(event, args);
}

void Ui::Type(std::string_view utf8) {
  Form* form = top();
  if (!form || !form->enabled() || !form->focus() || !form->focus()->Active()) return;
  if (auto* box = dynamic_cast<TextBox*>(form->focus())) box->Type(utf8);
}

void Ui::Dispatch(const InputEvent& event) {
  Form* form = top();
  switch (event.kind) {
    case InputEvent::Kind::Redraw:
    case InputEvent::Kind::Quit:
      Invalidate();
      return;
    case InputEvent::Kind::PointerLeft:
      SetHover(nullptr);
      return;
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp:
      Key(event.key, event.kind == InputEvent::Kind::KeyDown);
      return;
    case InputEvent::Kind::TextTyped:
      Type(event.text);
      return;
    default:
      break;
  }
  pointer_ = event.position;
  if (!form || !form->enabled()) return;
  Control* hit = form->HitTest(FormLocal(*form, pointer_));
  Control* target = hit && hit->Active() ? hit : nullptr;
  switch (event.kind) {
    case InputEvent::Kind::PointerMove: {
      SetHover(target);
      const EventArgs args = PointerArgs(*form, target, event.button);
      if (target) {
        target->Fire(FormEvent::MouseMove, args);
      } else {
        form->FireForm(FormEvent::MouseMove, args);
      }
      return;
    }
    case InputEvent::Kind::ButtonDown:
      if (auto* list = dynamic_cast<ListBox*>(target)) {
        const int entry = list->EntryAt(PointerArgs(*form, list, event.button).y);
        if (entry >= 0) list->SetListIndex(entry);
      }
      Press(*form, target, event.button);
      return;
    case InputEvent::Kind::ButtonUp:
      // The button goes up on the control it went down on; it clicks only
      // when the pointer is still over that control.
      if (pressed_ && pressed_ != target) {
        Control* held = pressed_;
        pressed_ = nullptr;
        pressing_ = false;
        if (&held->form() == form) {
          held->SetPressed(false);
          held->Fire(FormEvent::MouseUp, PointerArgs(*form, held, event.button));
        }
        return;
      }
      Release(*form, target, event.button);
      return;
    default:
      return;
  }
}

}  // namespace valorne
