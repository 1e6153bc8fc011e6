#include "soak/memory_curve.h"

namespace valorne::soak {

std::string MemoryCurve::Growth(long warmup_turns, long allowance_kb) const {
  const MemorySample* base = nullptr;
  for (const MemorySample& s : samples_) {
    if (s.turns >= warmup_turns) {
      base = &s;
      break;
    }
  }
  if (!base || base == &samples_.back()) return "";
  const MemorySample& last = samples_.back();
  const long growth = last.rss_kb - base->rss_kb;
  if (growth <= allowance_kb) return "";
  return "the resident memory grew by " + std::to_string(growth) + " kB from " +
         std::to_string(base->rss_kb) + " kB at end of turn " + std::to_string(base->turns) +
         " to " + std::to_string(last.rss_kb) + " kB at end of turn " + std::to_string(last.turns) +
         " (allowed: " + std::to_string(allowance_kb) + " kB)";
}

void MemoryCurve::Print(std::ostream& out) const {
  for (const MemorySample& s : samples_) {
    out << "  turn " << s.turns << ", action " << s.actions << ": RSS " << s.rss_kb << " kB, HWM "
        << s.hwm_kb << " kB\n";
  }
}

}  // namespace valorne::soak
