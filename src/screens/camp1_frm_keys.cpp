// The map's single-key commands: each command button has a letter that
// presses it as a click would, shown after its hover help. Escape opens the
// game menu.
#include "screens/camp1_frm.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

struct KeyOfCommand {
  std::string_view key;
  std::string_view control;
};

constexpr KeyOfCommand kCommandKeys[] = {
    {"A", "ArmyBtn"},    {"B", "BlacksmithBtn"}, {"C", "BuildBtn"},     {"D", "DiploBtn"},
    {"S", "ScienceBtn"}, {"T", "TaxBtn"},        {"P", "PeopleBtn"},    {"E", "EndTurnBtn"},
    {"V", "PreviewBtn"}, {"R", "RealmBtn"},      {"Escape", "MenuBtn"}, {"M", "MessagessBtn"},
    {"W", "WeatherBtn"}, {"G", "SpecialBtn"},
};

}  // namespace

std::string_view MapCommandKey(std::string_view control) {
  for (const KeyOfCommand& k : kCommandKeys) {
    if (k.control == control) return k.key;
  }
  return {};
}

// The command a key names is clicked, if its button can be clicked now (a
// hidden or disabled button ignores its key as its click). Letters act as
// they go down; Escape as it comes up, as every screen's Escape does, so
// that the Escape that closed a screen above does not open the menu.
void Camp1Frm::CommandKey(const EventArgs& args, bool down) {
  if ((args.key == "Escape") == down) return;
  for (const KeyOfCommand& k : kCommandKeys) {
    if (k.key != args.key) continue;
    Control* button = Find(k.control);
    if (button && button->Active()) ui().ClickOn(*this, button, MouseButton::Left);
    return;
  }
}

// The hover help of a command button ends with its key.
void Camp1Frm::ShowCommandKey(const MapCommand& command) {
  const std::string_view key = MapCommandKey(command.control);
  Control* helper = Find("Helper");
  if (key.empty() || !helper || helper->Text().empty()) return;
  helper->SetText(helper->Text() + "  [" + std::string(key) + "]");
}

}  // namespace valorne
