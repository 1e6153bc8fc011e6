#include "screens/toolkit/timer_frm.h"

namespace valorne {

TimerFrm::TimerFrm(Ui& ui) : Form(ui, {.name = "TimerFrm", .size = {0, 0}}) {
  for (std::string_view name : kTimerNames) Add(std::string(name));
}

Timer& TimerFrm::Add(std::string name) {
  return AddTimer(std::move(name), 0, false, nullptr);
}

void TimerFrm::Bind(std::string_view timer, const Form& owner, std::function<void()> handler) {
  GetTimer(timer).SetHandler(std::move(handler), &owner);
}

void TimerFrm::Release(const Form& owner) {
  for (const auto& t : timers()) {
    if (t->owner() == &owner) {
      t->ClearHandler();
      t->SetEnabled(false);
    }
  }
}

}  // namespace valorne
