// The county's arithmetic and its random draws.
#include <gtest/gtest.h>

#include <vector>

#include "state/random.h"
#include "state/values.h"

namespace valorne {
namespace {

TEST(ValueRules, FractionsAndWraps) {
  struct Case {
    const char* what;
    double got;
    double expected;
  };
  auto D = [](auto v) { return static_cast<double>(v); };
  const Case cases[] = {
      {"2.5 stored rounds to even 2", D(ToInteger(2.5)), 2},
      {"3.5 stored rounds to even 4", D(ToInteger(3.5)), 4},
      {"-2.5 stored rounds to even -2", D(ToInteger(-2.5)), -2},
      {"-3.5 stored rounds to even -4", D(ToInteger(-3.5)), -4},
      {"2.6 stored rounds to 3", D(ToInteger(2.6)), 3},
      {"0.5 into a Byte is 0", D(ToByte(0.5)), 0},
      {"1.5 into a Long is 2", D(ToLong(1.5)), 2},
      {"Int rounds down: Int(-2.5)", D(Int(-2.5)), -3},
      {"Int(2.9)", D(Int(2.9)), 2},
      {"Fix drops the fraction: Fix(-2.5)", D(Fix(-2.5)), -2},
      {"Fix(2.9)", D(Fix(2.9)), 2},
      {"32767 stays", D(ToInteger(32767)), 32767},
      {"32768 wraps to -32768", D(ToInteger(32768)), -32768},
      {"-32769 wraps to 32767", D(ToInteger(-32769)), 32767},
      {"65536 wraps to 0", D(WrapInteger(65536)), 0},
      {"300 * 300 in 16 bits", D(WrapInteger(300 * 300)), 24464},
      {"256 into a Byte wraps to 0", D(ToByte(256)), 0},
      {"257 into a Byte wraps to 1", D(WrapByte(257)), 1},
      {"-1 into a Byte wraps to 255", D(WrapByte(-1)), 255},
      {"2^31 into a Long wraps", D(WrapLong(2147483648LL)), -2147483648.0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(ValueRules, BooleansAreZeroAndMinusOne) {
  EXPECT_EQ(ToBoolean(true), -1);
  EXPECT_EQ(ToBoolean(false), 0);
  EXPECT_TRUE(IsTrue(-1));
  EXPECT_TRUE(IsTrue(1)) << "any value but 0 counts as true";
  EXPECT_FALSE(IsTrue(0));
}

std::vector<double> Draws(Random& rng, int n) {
  std::vector<double> out;
  for (int i = 0; i < n; ++i) out.push_back(rng.Rnd());
  return out;
}

TEST(RandomModes, ConstantSeededAndClock) {
  // --rnd X: every draw is X, and reseeding does not change that.
  Random constant = Random::Constant(0.25);
  constant.Randomize();
  EXPECT_EQ(Draws(constant, 5), std::vector<double>(5, 0.25));
  EXPECT_TRUE(constant.IsRepeatable());
  EXPECT_LT(Random::Constant(1.0).Rnd(), 1.0) << "a draw is never 1";
  EXPECT_EQ(Random::Constant(-0.5).Rnd(), 0.0);

  // --seed N: the same seed gives the same draws, reseeding included.
  Random a = Random::Seeded(42);
  Random b = Random::Seeded(42);
  a.Randomize();
  EXPECT_EQ(Draws(a, 100), Draws(b, 100));
  Random c = Random::Seeded(43);
  Random d = Random::Seeded(42);
  EXPECT_NE(Draws(c, 100), Draws(d, 100));
  EXPECT_FALSE(Random().IsRepeatable());
}

TEST(RandomModes, DrawsAreOnZeroToOneAndSpreadOut) {
  Random rng = Random::Seeded(7);
  int low_half = 0;
  for (double x : Draws(rng, 10000)) {
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    ASSERT_EQ(static_cast<double>(static_cast<float>(x)), x) << "a draw is a single";
    if (x < 0.5) ++low_half;
  }
  EXPECT_NEAR(low_half, 5000, 300);
}

}  // namespace
}  // namespace valorne
