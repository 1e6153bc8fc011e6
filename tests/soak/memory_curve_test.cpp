// The soak's judgement of the level's memory: growth after the warm-up
// beyond the allowance is a fault; growth during the warm-up, or within the
// allowance, is not.
#include "soak/memory_curve.h"

#include <gtest/gtest.h>

namespace valorne::soak {
namespace {

TEST(MemoryCurve, GrowthAfterTheWarmUpBeyondTheAllowanceIsAFault) {
  struct Case {
    const char* what;
    std::vector<long> rss_every_100_turns;  // from turn 0
    bool fault;
  };
  const Case cases[] = {
      {"flat after warming up", {10000, 14000, 14100, 14200, 14300}, false},
      {"growing after warming up", {10000, 14000, 14600, 15200, 15800}, true},
      {"exactly the allowance", {10000, 14000, 14500, 15024}, false},
      {"one kB beyond it", {10000, 14000, 14500, 15025}, true},
      {"shrinking", {10000, 14000, 13000}, false},
      {"the run ended in its warm-up", {10000, 20000}, false},
  };
  for (const Case& c : cases) {
    MemoryCurve curve;
    long turn = 0;
    for (long rss : c.rss_every_100_turns) {
      curve.Add({turn, turn * 10, rss, rss});
      turn += 100;
    }
    const std::string growth = curve.Growth(100, 1024);
    EXPECT_EQ(!growth.empty(), c.fault) << c.what << ": " << growth;
  }
}

}  // namespace
}  // namespace valorne::soak
