#include <gtest/gtest.h>

#include <cmath>

#include "fairness/ChiSquare.h"

namespace quendaro::testing {
namespace {

TEST(ChiSquareTest, CriticalValuesMatchKnownOnes) {
  // Two degrees of freedom have a closed form: Q = exp(-x / 2).
  EXPECT_NEAR(ChiSquareCritical(2), -2.0 * std::log(kAlpha), 1e-6);
  // One degree of freedom is a squared normal: z for 5e-7 on each side.
  EXPECT_NEAR(ChiSquareCritical(1), 4.891638475 * 4.891638475, 1e-4);
}

TEST(ChiSquareTest, WideRollsAgreeWithWilsonHilferty) {
  // For many degrees of freedom the cube root of chi-square / df is close to
  // normal (Wilson and Hilferty, 1931), a check independent of the gamma
  // function's continued fraction.
  constexpr double kZ = 4.753424309;  // upper 1e-6 point of the normal
  for (double df : {100.0, 18000.0}) {
    const double v = 2.0 / (9.0 * df);
    const double approximation = df * std::pow(1.0 - v + kZ * std::sqrt(v), 3);
    EXPECT_NEAR(ChiSquareCritical(df) / approximation, 1.0, 2e-3) << df;
  }
}

TEST(ChiSquareTest, PowerGrowsWithTheSampleAndStaysBelowOne) {
  const std::vector<int> widths = {40, 30, 15, 10, 4, 1};
  const double small = OffByOnePower(widths, 1000);
  const double large = OffByOnePower(widths, 200000);
  EXPECT_LT(small, 0.01);
  EXPECT_GT(large, 0.999);
  EXPECT_LE(large, 1.0);
}

}  // namespace
}  // namespace quendaro::testing
