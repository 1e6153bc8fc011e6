// The headless level's script: commands read from a stream, one a line,
// that act on the open screens as the player would, on virtual time. While
// a screen is open its modal loop keeps reading the script, so a click that
// opens a screen lets the next lines act on that screen.
//
//   click FORM.CONTROL [left|right|middle]   button down and up on a control
//   down FORM.CONTROL [button] / up FORM.CONTROL [button]
//   move FORM.CONTROL                        the pointer comes onto a control
//   select FORM.LIST N                       the player chooses entry N of a list
//   type FORM.TEXTBOX TEXT                   the player types TEXT into a text box
//   key NAME down|up                         a key (F6, Left, Return, A...)
//   advance MS                               time passes; due timers fire in order
//   await FORM [MS]                          time passes until FORM is the top screen
//   show [FORM]                              the top screen (or FORM) as JSON
//   forms                                    the open screens, bottom first
//   timers                                   the timers and their state
//   sounds                                   the sounds played so far
//   shot FILE.png                            a picture of the open screens
//   quit                                     ends the program (exit code 0)
//
// FORM alone (no .CONTROL) aims at the form's background. Blank lines and
// lines starting with # are skipped. A command for a screen that is not the
// top one, an unknown command or a bad argument ends the program with exit
// code 3; input that ends while a screen is open, with exit code 4; a screen
// awaited that has not come within its real time, with exit code 5.
#pragma once

#include <chrono>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "platform/clock.h"
#include "platform/snapshot.h"
#include "platform/sound_channels.h"
#include "screens/toolkit/event_source.h"
#include "screens/toolkit/script_commands.h"

namespace valorne {

class Control;
class Form;
class Ui;

inline constexpr int kScriptRefused = 3;
inline constexpr int kScriptEndedInScreen = 4;
inline constexpr int kScriptAwaitTimedOut = 5;
// How long "await" waits in real time unless told, and the steps of virtual
// time it lets pass meanwhile.
inline constexpr long long kAwaitDefaultMs = 20000;
inline constexpr long long kAwaitStepMs = 10;

class ScriptDriver : public EventSource {
 public:
  // Registers the screen commands in `commands`.
  ScriptDriver(Ui& ui, VirtualClock& clock, ScriptCommands& commands, std::istream& in,
               std::ostream& out, std::ostream& err);

  // Where "shot" draws (none: "shot" is refused); where "sounds" looks.
  void SetSnapshotMaker(SnapshotMaker* maker) { snapshots_ = maker; }
  void SetSoundLog(const RecordedSoundChannels* sounds) { sounds_ = sounds; }
  // The longest any "await" may wait in real time, whatever the script
  // asks: for callers that cannot wait, such as the fuzzer.
  void SetAwaitCeilingMs(long long ms) { await_ceiling_ms_ = ms; }

  // Reads and runs the next command.
  void Pump() override;
  // Runs one line as a command; a refusal throws ProgramExit.
  void Run(std::string_view line);
  int line_number() const { return line_number_; }

 private:
  struct Target {
    Form* form = nullptr;
    Control* control = nullptr;  // nullptr: the form's background
  };
  void RegisterScreenCommands();
  // FORM or FORM.CONTROL, on the top screen only.
  Target Aim(const std::string& word) const;
  ScriptResult PointerCommand(const ScriptArgs& args, int action);
  ScriptResult Advance(const ScriptArgs& args);
  ScriptResult Await(const ScriptArgs& args);
  void ContinueAwait();
  void AdvanceBy(long long ms);
  [[noreturn]] void Refuse(const std::string& message) const;

  Ui& ui_;
  VirtualClock& clock_;
  ScriptCommands& commands_;
  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
  SnapshotMaker* snapshots_ = nullptr;
  const RecordedSoundChannels* sounds_ = nullptr;
  int line_number_ = 0;
  long long await_ceiling_ms_ = 24LL * 60 * 60 * 1000;
  // The wait of "await": the screen, when it gives up, the line that asked,
  // and whether the screen has come.
  struct PendingAwait {
    std::string form;
    std::chrono::steady_clock::time_point deadline;
    long long limit = 0;
    int line = 0;
    bool come = false;
  };
  std::optional<PendingAwait> pending_await_;
};

}  // namespace valorne
