#include "screens/toolkit/script_driver.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <limits>
#include <thread>

#include "platform/key_names.h"
#include "screens/toolkit/controls.h"
#include "screens/toolkit/screen_json.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

// A command that cannot be carried out; Run turns it into the exit.
struct Refusal {
  std::string message;
};

enum PointerAction { kClick, kDown, kUp, kMove };

MouseButton ParseButton(const ScriptArgs& args, std::size_t at) {
  if (args.size() <= at) return MouseButton::Left;
  const std::string& word = args[at];
  if (word == "left") return MouseButton::Left;
  if (word == "right") return MouseButton::Right;
  if (word == "middle") return MouseButton::Middle;
  throw Refusal{"the mouse button is left, right or middle, not " + word};
}

long long ParseNumber(const std::string& word, long long lowest, long long highest,
                      std::string_view what) {
  long long value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, error] = std::from_chars(word.data(), end, value);
  if (error != std::errc() || ptr != end || value < lowest || value > highest) {
    throw Refusal{std::string(what) + " must be a whole number from " + std::to_string(lowest) +
                  " to " + std::to_string(highest) + ", not " + word};
  }
  return value;
}

void ExpectWords(const ScriptArgs& args, std::size_t least, std::size_t most,
                 std::string_view usage) {
  if (args.size() < least || args.size() > most) throw Refusal{"usage: " + std::string(usage)};
}

std::string Trim(std::string_view line) {
  const auto first = line.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = line.find_last_not_of(" \t\r");
  return std::string(line.substr(first, last - first + 1));
}

std::string Why(const Form& form, const Control* c) {
  if (!form.enabled()) return " is on a screen that takes no input now";
  if (!c) return " takes no input now";
  return c->Shown() ? " is disabled" : " is hidden";
}

}  // namespace

ScriptDriver::ScriptDriver(Ui& ui, VirtualClock& clock, ScriptCommands& commands, std::istream& in,
                           std::ostream& out, std::ostream& err)
    : ui_(ui), clock_(clock), commands_(commands), in_(in), out_(out), err_(err) {
  RegisterScreenCommands();
}

void ScriptDriver::Refuse(const std::string& message) const {
  throw ProgramExit{kScriptRefused, "line " + std::to_string(line_number_) + ": " + message};
}

void ScriptDriver::Pump() {
  // A wait that the screen it began on left behind goes on in this loop; a
  // screen awaited may also open inside a timer's handler and run its own
  // loop: it has come as soon as it asks for the script's next line.
  if (pending_await_) {
    if (const Form* top = ui_.top(); top && top->name() == pending_await_->form)
      pending_await_->come = true;
    ContinueAwait();
    return;
  }
  std::string line;
  while (std::getline(in_, line)) {
    ++line_number_;
    const std::string command = Trim(line);
    if (command.empty() || command[0] == '#') continue;
    Run(command);
    return;
  }
  if (const Form* top = ui_.top()) {
    throw ProgramExit{kScriptEndedInScreen, "the script ended while " + top->name() + " is open"};
  }
  throw ProgramExit{0, ""};
}

void ScriptDriver::Run(std::string_view line) {
  const std::string text = Trim(line);
  const std::size_t space = text.find_first_of(" \t");
  const std::string name = text.substr(0, space);
  const ScriptCommands::Entry* entry = commands_.Find(name);
  if (!entry) Refuse("unknown command " + name);
  ScriptResult result;
  try {
    result = entry->run(ScriptArgs(space == std::string::npos ? "" : text.substr(space)), out_);
  } catch (const Refusal& refusal) {
    result = ScriptResult::Error(refusal.message);
  }
  out_.flush();
  if (!result.ok()) Refuse(result.error);
}

ScriptDriver::Target ScriptDriver::Aim(const std::string& word) const {
  const std::size_t dot = word.find('.');
  const std::string form_name = word.substr(0, dot);
  Form* top = ui_.top();
  if (!top) throw Refusal{"no screen is open"};
  if (form_name != top->name()) {
    if (ui_.FindOpen(form_name)) {
      throw Refusal{form_name + " is under " + top->name() +
                    ": commands act on the top screen only"};
    }
    throw Refusal{form_name + " is not open; the top screen is " + top->name()};
  }
  if (dot == std::string::npos) return {top, nullptr};
  const std::string control = word.substr(dot + 1);
  Control* c = top->Find(control);
  if (!c) throw Refusal{form_name + " has no control named " + control};
  return {top, c};
}

ScriptResult ScriptDriver::PointerCommand(const ScriptArgs& args, int action) {
  if (args.empty() || args.size() > (action == kMove ? 1u : 2u)) {
    throw Refusal{action == kMove ? "usage: move FORM.CONTROL"
                                  : "usage: click|down|up FORM.CONTROL [left|right|middle]"};
  }
  const Target target = Aim(args[0]);
  const MouseButton button = ParseButton(args, 1);
  bool delivered = false;
  switch (action) {
    case kClick:
      delivered = ui_.ClickOn(*target.form, target.control, button);
      break;
    case kDown:
      delivered = ui_.Press(*target.form, target.control, button);
      break;
    case kUp:
      delivered = ui_.Release(*target.form, target.control, button);
      break;
    default:
      delivered = ui_.PointAt(*target.form, target.control);
      break;
  }
  if (!delivered)
    err_ << "level9: line " << line_number_ << ": " << args[0] << Why(*target.form, target.control)
         << "; nothing happens\n";
  return ScriptResult::Ok();
}

ScriptResult ScriptDriver::Advance(const ScriptArgs& args) {
  ExpectWords(args, 1, 1, "advance MS");
  AdvanceBy(ParseNumber(args[0], 0, 24LL * 60 * 60 * 1000, "the time to advance"));
  return ScriptResult::Ok();
}

ScriptResult ScriptDriver::Await(const ScriptArgs& args) {
  ExpectWords(args, 1, 2, "await FORM [MS]");
  const long long asked = args.size() > 1
                              ? ParseNumber(args[1], 0, 24LL * 60 * 60 * 1000, "the time to wait")
                              : kAwaitDefaultMs;
  const long long limit = std::min(asked, await_ceiling_ms_);
  pending_await_ =
      PendingAwait{args[0], std::chrono::steady_clock::now() + std::chrono::milliseconds(limit),
                   limit, line_number_, false};
  ContinueAwait();
  return ScriptResult::Ok();
}

// Virtual time runs in small steps while real time passes too, so that a
// program the level started (the battle program) gets on with its work. The
// wait ends when the screen awaited has come; when the screen whose loop is
// waiting closes meanwhile, the wait goes on in the loop below it.
void ScriptDriver::ContinueAwait() {
  Form* origin = ui_.top();
  while (pending_await_) {
    const PendingAwait& wait = *pending_await_;
    if (wait.come || (ui_.top() && ui_.top()->name() == wait.form) || ui_.ending()) {
      pending_await_.reset();
      return;
    }
    if (origin && origin->closed()) return;
    if (std::chrono::steady_clock::now() >= wait.deadline) {
      const std::string message = "line " + std::to_string(wait.line) + ": " + wait.form +
                                  " did not come within " + std::to_string(wait.limit) + " ms";
      pending_await_.reset();
      throw ProgramExit{kScriptAwaitTimedOut, message};
    }
    AdvanceBy(kAwaitStepMs);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void ScriptDriver::AdvanceBy(long long ms) {
  const std::int64_t until = clock_.NowMs() + ms;
  while (!ui_.ending()) {
    Timer* next = ui_.NextTimer();
    if (!next || next->due() > until) break;
    clock_.AdvanceTo(next->due());
    next->Fire();
  }
  clock_.AdvanceTo(until);
}

void ScriptDriver::RegisterScreenCommands() {
  const std::pair<const char*, int> pointer[] = {
      {"click", kClick}, {"down", kDown}, {"up", kUp}, {"move", kMove}};
  for (const auto& [name, action] : pointer) {
    const int a = action;
    commands_.Register(
        name, std::string(name) + " FORM.CONTROL" + (a == kMove ? "" : " [button]"),
        [this, a](const ScriptArgs& args, std::ostream&) { return PointerCommand(args, a); });
  }
  commands_.Register("select", "select FORM.LIST N", [this](const ScriptArgs& args, std::ostream&) {
    ExpectWords(args, 2, 2, "select FORM.LIST N");
    const Target target = Aim(args[0]);
    auto* list = dynamic_cast<ListBox*>(target.control);
    if (!list) throw Refusal{args[0] + " is not a list"};
    const long long entry = ParseNumber(args[1], 0, list->ListCount() - 1LL, "the entry");
    if (!list->Active() || !target.form->enabled()) {
      err_ << "level9: line " << line_number_ << ": " << args[0] << Why(*target.form, list)
           << "; nothing happens\n";
      return ScriptResult::Ok();
    }
    list->SetListIndex(static_cast<int>(entry));
    ui_.ClickOn(*target.form, list, MouseButton::Left);
    return ScriptResult::Ok();
  });
  commands_.Register("type", "type FORM.TEXTBOX TEXT",
                     [this](const ScriptArgs& args, std::ostream&) {
                       if (args.size() < 2) throw Refusal{"usage: type FORM.TEXTBOX TEXT"};
                       const Target target = Aim(args[0]);
                       auto* box = dynamic_cast<TextBox*>(target.control);
                       if (!box) throw Refusal{args[0] + " is not a text box"};
                       if (!box->Active() || !target.form->enabled()) {
                         err_ << "level9: line " << line_number_ << ": " << args[0]
                              << Why(*target.form, box) << "; nothing happens\n";
                         return ScriptResult::Ok();
                       }
                       target.form->SetFocus(box);
                       box->Type(args.Rest(1));
                       return ScriptResult::Ok();
                     });
  commands_.Register("key", "key NAME down|up", [this](const ScriptArgs& args, std::ostream&) {
    ExpectWords(args, 2, 2, "key NAME down|up");
    if (!KeyCode(args[0])) throw Refusal{"no key is named " + args[0]};
    if (args[1] != "down" && args[1] != "up")
      throw Refusal{"a key goes down or up, not " + args[1]};
    ui_.Key(args[0], args[1] == "down");
    return ScriptResult::Ok();
  });
  commands_.Register("advance", "advance MS",
                     [this](const ScriptArgs& args, std::ostream&) { return Advance(args); });
  commands_.Register("await", "await FORM [MS]",
                     [this](const ScriptArgs& args, std::ostream&) { return Await(args); });
  commands_.Register("show", "show [FORM]", [this](const ScriptArgs& args, std::ostream& out) {
    ExpectWords(args, 0, 1, "show [FORM]");
    const Form* form = args.empty() ? ui_.top() : ui_.FindOpen(args[0]);
    if (!form) throw Refusal{args.empty() ? "no screen is open" : args[0] + " is not open"};
    out << FormJson(*form) << "\n";
    return ScriptResult::Ok();
  });
  commands_.Register("forms", "forms", [this](const ScriptArgs& args, std::ostream& out) {
    ExpectWords(args, 0, 0, "forms");
    out << StackJson(ui_) << "\n";
    return ScriptResult::Ok();
  });
  commands_.Register("timers", "timers", [this](const ScriptArgs& args, std::ostream& out) {
    ExpectWords(args, 0, 0, "timers");
    out << TimersJson(ui_) << "\n";
    return ScriptResult::Ok();
  });
  commands_.Register("sounds", "sounds", [this](const ScriptArgs& args, std::ostream& out) {
    ExpectWords(args, 0, 0, "sounds");
    out << (sounds_ ? JsonStrings(sounds_->played()) : std::string("[]")) << "\n";
    return ScriptResult::Ok();
  });
  commands_.Register("shot", "shot FILE.png", [this](const ScriptArgs& args, std::ostream&) {
    if (args.empty()) throw Refusal{"usage: shot FILE.png"};
    if (!snapshots_) throw Refusal{"this program cannot draw screenshots"};
    const std::string error =
        snapshots_->Snapshot(std::filesystem::path(std::string(args.Rest(0))), ui_.display_size(),
                             ui_.PictureFolderPath(), [this](Canvas& canvas) { ui_.Draw(canvas); });
    if (!error.empty()) throw Refusal{error};
    return ScriptResult::Ok();
  });
  commands_.Register("quit", "quit", [](const ScriptArgs& args, std::ostream&) -> ScriptResult {
    ExpectWords(args, 0, 0, "quit");
    throw ProgramExit{0, ""};
  });
  commands_.Register("help", "help", [this](const ScriptArgs&, std::ostream& out) {
    for (const std::string& name : commands_.Names()) out << commands_.Find(name)->usage << "\n";
    return ScriptResult::Ok();
  });
}

}  // namespace valorne
