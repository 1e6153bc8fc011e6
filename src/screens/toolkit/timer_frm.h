// The timer screen: the form that is never seen and holds the level's
// timers. The timers are known by name; the screen that uses one gives it
// its handler, and the handler goes when that screen closes. Further timers
// can be added by name.
#pragma once

#include <array>
#include <string_view>

#include "screens/toolkit/form.h"

namespace valorne {

class TimerFrm : public Form {
 public:
  static constexpr std::array<std::string_view, 11> kTimerNames = {
      "MapTimer",    "LoadingTimer",    "RandomizeTimer", "TooltipsTimer",
      "MusicTimer",  "TimeTimer",       "EndTurnTimer",   "SelectorTimer",
      "BattleTimer", "BattleFadeTimer", "ArmyTimer"};

  explicit TimerFrm(Ui& ui);

  // The timer of that name; a ToolkitError for one never added.
  Timer& operator()(std::string_view name) const { return GetTimer(name); }
  Timer& Add(std::string name);

  // Gives a timer its handler on behalf of `owner`.
  void Bind(std::string_view timer, const Form& owner, std::function<void()> handler);
  // Takes away every handler `owner` gave, and stops those timers.
  void Release(const Form& owner);
};

}  // namespace valorne
