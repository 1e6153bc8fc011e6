// The level's resident memory over a long run: samples of VmRSS and VmHWM
// taken at the start, every few ends of turn and at the end, printed as a
// curve and judged: once the level has warmed up (its pictures, texts and
// timers made), a county played turn after turn must not keep growing.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace valorne::soak {

struct MemorySample {
  long turns = 0;    // ends of turn played so far
  long actions = 0;  // actions played so far
  long rss_kb = 0;   // resident now (VmRSS)
  long hwm_kb = 0;   // the most ever resident (VmHWM)
};

class MemoryCurve {
 public:
  void Add(const MemorySample& sample) { samples_.push_back(sample); }
  const std::vector<MemorySample>& samples() const { return samples_; }

  // What is wrong with the curve, empty when nothing is: the resident memory
  // at the last sample may exceed the first sample taken at or after
  // `warmup_turns` by at most `allowance_kb`. A curve that never got past
  // its warm-up cannot be judged and passes.
  std::string Growth(long warmup_turns, long allowance_kb) const;
  // One line per sample: "turn T, action A: RSS r kB, HWM h kB".
  void Print(std::ostream& out) const;

 private:
  std::vector<MemorySample> samples_;
};

}  // namespace valorne::soak
