// A screen of the game: a form with its controls, declared in one table, its
// handlers bound by control name, and its own timers. A screen is a class
// derived from Form whose constructor binds its handlers:
//
//   class TipsFrm : public Form {
//    public:
//     TipsFrm(Game& game, Ui& ui) : Form(ui, {.name = "TipsFrm", .size = {640, 480},
//                                             .controls = kTipsControls}) {
//       OnForm(FormEvent::Load, [this] { Form_Load(); });
//       On("Image1", FormEvent::Click, &TipsFrm::Image1_Click);
//     }
//    ...
//   };
//
// Handlers read and change the game through game(); a handler that opens
// another screen (ui().Open("ArmyFrm")) returns when that screen has closed.
// A name that names no control is a ToolkitError that says so.
#pragma once

#include <concepts>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/canvas.h"
#include "screens/toolkit/control.h"
#include "screens/toolkit/control_spec.h"
#include "screens/toolkit/timer.h"
#include "screens/toolkit/toolkit_error.h"

namespace valorne {

class Game;
class Ui;

struct FormSpec {
  std::string_view name{};
  Size size{};
  std::span<const ControlSpec> controls{};
  std::string_view background{};  // a picture filling the form; none draws parchment
  bool centred = true;            // placed in the middle of the display
  bool enlarges = true;           // enlarged by a quarter in the large screen mode
  bool page = true;               // without a background: a parchment page; false draws none,
                                  // so the screens below show between the controls
  // The keyboard (see form_keys.h): the control Escape presses and the one
  // Return presses, when the usual names do not say it; and a question whose
  // answer matters, which no key answers.
  std::string_view cancel{};
  std::string_view confirm{};
  bool question = false;
};

class Form {
 public:
  Form(Ui& ui, const FormSpec& declared);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  Ui& ui() const { return ui_; }
  Game& game() const;

  // Controls by name ("GoldLbl", "MsgLbl(3)"); a ToolkitError when there is
  // none of that name.
  Control& operator[](std::string_view name) const;
  // Element `index` of a control array.
  Control& At(std::string_view base_name, int index) const;
  Control* Find(std::string_view name) const;
  // A control of a given class: Get<ListBox>("ArmyLst"); a ToolkitError when
  // it is of another kind.
  template <class T>
  T& Get(std::string_view name) const;
  // Controls in the order declared.
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  // The elements of a control array, by index.
  std::vector<Control*> Array(std::string_view base_name) const;
  // A control made while the screen runs; its name must be new.
  Control& Add(const ControlSpec& declared);

  // Binds a handler to a control's event. A base name binds every element
  // of the array ("WalkTo" for WalkTo(1)..WalkTo(44)); the handler learns the
  // element from EventArgs::index.
  void On(std::string_view control, FormEvent event, Handler handler);
  template <class F>
  requires std::invocable<F&> &&
      (!std::invocable<F&, const EventArgs&>)void On(std::string_view control, FormEvent event,
                                                     F f) {
    On(control, event, Handler([f](const EventArgs&) mutable { f(); }));
  }
  // Named handler methods: On("EndTurnBtn", FormEvent::Click, &Camp1Frm::EndTurnBtn_Click).
  template <class S>
  void On(std::string_view control, FormEvent event, void (S::*method)()) {
    S* self = Self<S>();
    On(control, event, Handler([self, method](const EventArgs&) { (self->*method)(); }));
  }
  template <class S>
  void On(std::string_view control, FormEvent event, void (S::*method)(const EventArgs&)) {
    S* self = Self<S>();
    On(control, event, Handler([self, method](const EventArgs& a) { (self->*method)(a); }));
  }
  // The form's own events: Load, Activate, Deactivate, Unload, and the
  // pointer and keys on its background.
  void OnForm(FormEvent event, Handler handler);
  template <class F>
  requires std::invocable<F&> &&
      (!std::invocable<F&, const EventArgs&>)void OnForm(FormEvent event, F f) {
    OnForm(event, Handler([f](const EventArgs&) mutable { f(); }));
  }
  bool HasFormHandler(FormEvent event) const;
  void FireForm(FormEvent event, EventArgs args);

  // Timers of this form; they run while the form is open.
  Timer& AddTimer(std::string name, int interval_ms, bool enabled, std::function<void()> handler);
  Timer& GetTimer(std::string_view name) const;
  Timer* FindTimer(std::string_view name) const;
  const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }

  // The form's place on the display.
  const Rect& rect() const { return rect_; }
  void SetPosition(Point top_left);
  void Resize(Size size);
  bool centred() const { return centred_; }
  bool enlarges() const { return enlarges_; }
  // Enlarges the form and every control by `factor`.
  void Enlarge(double factor);
  double scale() const { return scale_; }

  const std::string& background() const { return background_; }
  bool page() const { return page_; }
  void SetBackground(std::string_view picture);

  // The keyboard's buttons as declared (empty: the usual names decide).
  const std::string& cancel() const { return cancel_; }
  const std::string& confirm() const { return confirm_; }
  bool question() const { return question_; }

  // A disabled screen stays on show but takes no pointer or keys (the map
  // while a battle is fought); its timers go on.
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool enabled() const { return enabled_; }

  // Closes the screen: its modal loop ends and it unloads.
  void Close();
  bool closed() const { return closed_; }

  // The text box that takes typed keys, if any.
  Control* focus() const { return focus_; }
  void SetFocus(Control* control);

  // The topmost shown control at a point of the form, or none.
  Control* HitTest(Point point) const;

  void Draw(Canvas& canvas) const;
  // Draws only what falls inside `area` (display units).
  void Draw(Canvas& canvas, const Rect& area) const;

  // What stays still is drawn once and put back until it changes: the
  // background and every control drawn before `first_lively` (controls are
  // drawn bottom first, a container before what it holds), kept by the
  // canvas as a still layer (see Canvas::ShowLayer) over black. For a screen
  // drawn at the bottom of the display or covered by its first control. Any
  // change of one of those controls draws the layer anew; the controls from
  // `first_lively` on are drawn over it each time, so the pixels are those
  // of drawing everything.
  void KeepStillUntil(const Control& first_lively);

  // Redraws the display when it is next drawn.
  void Changed() const;
  // Redraws only `area` of the display (a control's part of it).
  void ChangedArea(const Rect& area) const;

 private:
  template <class S>
  S* Self() {
    S* self = dynamic_cast<S*>(this);
    if (!self) throw ToolkitError(name_ + ": a handler method of another screen class");
    return self;
  }
  Control& Create(const ControlSpec& declared);
  // The still layer (see KeepStillUntil).
  void FindStillControls();
  void StillControlChanged(const Control& control) const;
  bool DrawStillLayer(Canvas& canvas, const Rect& clip) const;
  std::vector<Control*>& SiblingsOf(Control* parent);
  friend class Control;

  Ui& ui_;
  std::string name_;
  Rect rect_;
  bool centred_;
  bool enlarges_;
  bool page_;
  double scale_ = 1.0;
  std::string background_;
  std::string cancel_;
  std::string confirm_;
  bool question_ = false;
  bool closed_ = false;
  bool enabled_ = true;
  Control* focus_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, Control*, std::less<>> by_name_;
  std::vector<Control*> top_level_;  // bottom first
  int next_z_ = 0;
  std::array<std::vector<Handler>, kFormEventCount> handlers_;
  // The still layer: the controls it holds and a count of their changes.
  const Control* first_lively_ = nullptr;
  std::unordered_set<const Control*> still_;
  mutable std::uint64_t still_version_ = 0;
  mutable Rect still_rect_;
  std::vector<std::unique_ptr<Timer>> timers_;
};

std::string KindMismatch(const Control& control, std::string_view wanted);

template <class T>
T& Form::Get(std::string_view name) const {
  Control& c = (*this)[name];
  T* t = dynamic_cast<T*>(&c);
  if (!t) throw ToolkitError(KindMismatch(c, T::kClassName));
  return *t;
}

}  // namespace valorne
