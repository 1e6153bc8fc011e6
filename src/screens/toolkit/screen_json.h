// The open screens as one line of JSON each, for the headless script's
// "show", "forms" and "timers": every control under its name with its kind,
// flags, text as the player reads it, colour and position.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace valorne {

class Form;
class Ui;

// A JSON string: quotes, backslashes and control characters escaped; bytes
// that are not UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);
std::string JsonStrings(const std::vector<std::string>& texts);

// {"name": "Camp1Frm", "controls": [{"name": "GoldLbl", "kind": "label",
//  "visible": true, "enabled": true, "text": "2350", "colour": "#000000",
//  "left": 0, "top": 0, "width": 0, "height": 0, "picture": ""}, ...]}
// List boxes add "items" and "index", check boxes "checked".
std::string FormJson(const Form& form);

// ["Camp1Frm", "MenuFrm"], bottom first.
std::string StackJson(const Ui& ui);

// [{"form": "TimerFrm", "name": "MapTimer", "interval": 50, "enabled": false,
//   "due": 1200}, ...]: the timers of the timer screen, then of each open
// screen.
std::string TimersJson(Ui& ui);

}  // namespace valorne
