// The screens of a running level: the stack of open screens with their modal
// loops, the timer screen and its sound channels, the player's pointer and
// keys, and what the rules ask of the screens (GameUi).
//
// Opening a screen shows it modally: Open("ArmyFrm") makes the registered
// screen, runs a loop on the event source until the screen closes, and
// returns. A name no part has registered opens a placeholder frame with the
// screen's name and a close button. Only the top screen gets the player's
// input; the timers of every open screen and of the timer screen keep
// running.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/input_event.h"
#include "platform/services.h"
#include "platform/snapshot.h"
#include "platform/sound_channels.h"
#include "platform/window.h"
#include "screens/toolkit/dirty_region.h"
#include "screens/toolkit/event_source.h"
#include "screens/toolkit/form.h"
#include "screens/toolkit/screen_registry.h"
#include "screens/toolkit/timer_frm.h"
#include "state/game.h"

namespace valorne {

// The machine the screens run on.
struct UiDevices {
  const Clock& clock;
  SoundChannels& sound;
  PointerDevice& pointer;
  PlatformServices& services;
};

inline constexpr double kLargeScreenFactor = 1.25;

class Ui : public GameUi {
 public:
  Ui(Game& game, const ScreenRegistry& registry, UiDevices devices);
  ~Ui() override;
  Ui(const Ui&) = delete;
  Ui& operator=(const Ui&) = delete;

  Game& game() const { return game_; }
  const ScreenRegistry& registry() const { return registry_; }
  const Clock& clock() const { return devices_.clock; }
  SoundChannels& sound() const { return devices_.sound; }
  PointerDevice& pointer() const { return devices_.pointer; }
  PlatformServices& services() const { return devices_.services; }

  void SetEventSource(EventSource* source) { source_ = source; }
  Size display_size() const { return display_size_; }
  void SetDisplaySize(Size size);

  // --- Screens ---
  // Makes and shows a screen modally; returns when it has closed.
  void Open(std::string_view name);
  // Shows a screen made by the caller modally.
  void ShowModal(Form& form);
  // The screen a name opens: the registered one, the built-in question and
  // message boxes ("MsgFrm", "MsgBoxFrm"), or a placeholder.
  std::unique_ptr<Form> Create(std::string_view name);
  const std::vector<Form*>& stack() const { return stack_; }  // bottom first
  Form* top() const { return stack_.empty() ? nullptr : stack_.back(); }
  Form* FindOpen(std::string_view name) const;
  // True once the level is ending: every modal loop returns.
  bool ending() const;

  // --- What the rules ask ---
  struct Question {
    int kind = 0;
    int text_id = 0;  // text 1/text_id
  };
  const Question& question() const { return question_; }
  // The question screen's buttons give the answer (true for OK), then close.
  void SetAnswer(bool answer) { answer_ = answer; }
  // The text the message box shows.
  const TextRef& message() const { return message_; }

  bool AskQuestion(int kind, int text_id) override;
  void ShowMessage(int category, int id) override;
  void OpenScreen(std::string_view form) override { Open(form); }
  void PlaySound(std::string_view channel, std::string_view file) override;

  // --- Sound channels ---
  // Plays what a channel was given, when sound is on.
  void PlayChannel(std::string_view channel);
  // The files of the four start-up channels, when sound is on: music,
  // fauna and the two click channels.
  void GiveStartSounds();

  // --- Timers ---
  TimerFrm& timers() { return *timer_frm_; }
  Timer& timer(std::string_view name) { return (*timer_frm_)(name); }
  // The armed timer due first, of the timer screen and every open screen.
  Timer* NextTimer() const;
  // Fires the timers that are due now, each once, in order of due time.
  void FireDueTimers();
  // Takes away the timer handlers a form gave (when it closes or goes).
  void ReleaseTimers(const Form& form);

  // --- Input ---
  // An event of the window, in display units.
  void Dispatch(const InputEvent& event);
  Point pointer_position() const { return pointer_; }
  // The same input aimed at a control by name (the headless script). A
  // control that is hidden or disabled gets nothing; false then.
  bool PointAt(Form& form, Control* control);  // nullptr: the form's background
  bool Press(Form& form, Control* control, MouseButton button);
  bool Release(Form& form, Control* control, MouseButton button);
  bool ClickOn(Form& form, Control* control, MouseButton button);
  void Key(std::string_view name, bool down);
  void Type(std::string_view utf8);

  // --- Drawing ---
  // The whole display is drawn again.
  void Invalidate() { dirty_.AddWhole(); }
  // Only `area` (display units) is drawn again, unless more is already due.
  void InvalidateArea(const Rect& area) { dirty_.Add(area); }
  bool NeedsRedraw() const { return !dirty_.empty(); }
  const DirtyRegion& dirty() const { return dirty_; }
  // Draws the open screens, bottom first.
  void Draw(Canvas& canvas);
  // Draws again only the parts that changed, over the frame `canvas` still
  // holds from the last drawing (the whole display when all of it changed).
  void DrawChanged(Canvas& canvas);
  std::filesystem::path PictureFolderPath() const;

  // --- Screenshots (F12) ---
  // Where F12 draws its pictures; none: F12 does nothing.
  void SetSnapshotMaker(SnapshotMaker* maker) { snapshots_ = maker; }
  // Draws the open screens into "Screenshots" beside the saves, named by
  // the date and time; the file written, or empty with the reason on
  // standard error.
  std::filesystem::path SaveScreenshot();

 private:
  void Place(Form& form);
  void Forget(Form& form);
  void SetHover(Control* control);
  EventArgs PointerArgs(const Form& form, const Control* control, MouseButton button) const;

  Game& game_;
  const ScreenRegistry& registry_;
  UiDevices devices_;
  EventSource* source_ = nullptr;
  Size display_size_{800, 600};
  std::vector<Form*> stack_;
  std::unique_ptr<TimerFrm> timer_frm_;
  Question question_;
  bool answer_ = false;
  TextRef message_;
  Point pointer_;
  Control* hovered_ = nullptr;
  Control* pressed_ = nullptr;
  bool pressing_ = false;  // a button is down (on pressed_, or the background)
  MouseButton pressed_button_ = MouseButton::Left;
  DirtyRegion dirty_ = [] {
    DirtyRegion all;
    all.AddWhole();
    return all;
  }();
  SnapshotMaker* snapshots_ = nullptr;
};

}  // namespace valorne
