#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

namespace quendaro::testing {

// The fairness tests run with fixed seeds, so each one either always passes
// or always fails. The level is what a correct program would fail at over
// fresh seeds: once in a million, so that changing a seed is never the fix.
inline constexpr double kAlpha = 1e-6;

// The power every test must have against a table row that is one value too
// wide or too narrow, at level kAlpha.
inline constexpr double kRequiredPower = 0.99;

// Q(a, x), the regularized upper incomplete gamma function: the series of
// P(a, x) below a + 1, Lentz's continued fraction of Q above it (Numerical
// Recipes, section 6.2). Both converge within a few sqrt(a) terms, which
// covers the 18000 degrees of freedom of the widest roll.
inline double RegularizedUpperGamma(double a, double x) {
  assert(a > 0.0 && x >= 0.0);
  if (x == 0.0) return 1.0;
  constexpr int kMaxTerms = 1'000'000;
  constexpr double kEpsilon = 1e-15;
  const double log_prefix = a * std::log(x) - x - std::lgamma(a);
  if (x < a + 1.0) {
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < kMaxTerms; ++n) {
      term *= x / (a + n);
      sum += term;
      if (std::fabs(term) < std::fabs(sum) * kEpsilon) break;
    }
    return std::clamp(1.0 - sum * std::exp(log_prefix), 0.0, 1.0);
  }
  constexpr double kTiny = 1e-300;
  double b = x + 1.0 - a;
  double c = 1.0 / kTiny;
  double d = 1.0 / b;
  double h = d;
  for (int n = 1; n < kMaxTerms; ++n) {
    const double an = -n * (n - a);
    b += 2.0;
    d = an * d + b;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = b + an / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1.0 / d;
    const double delta = d * c;
    h *= delta;
    if (std::fabs(delta - 1.0) < kEpsilon) break;
  }
  return std::clamp(std::exp(log_prefix) * h, 0.0, 1.0);
}

// P(X > statistic) for X chi-square with `df` degrees of freedom.
inline double ChiSquareSurvival(double statistic, double df) {
  return RegularizedUpperGamma(df / 2.0, statistic / 2.0);
}

// The value a chi-square statistic with `df` degrees of freedom exceeds with
// probability `alpha`, found by bisection on the survival function.
inline double ChiSquareCritical(double df, double alpha = kAlpha) {
  double low = 0.0;
  double high = df + 20.0 * std::sqrt(2.0 * df) + 100.0;
  for (int i = 0; i < 200; ++i) {
    const double middle = (low + high) / 2.0;
    (ChiSquareSurvival(middle, df) > alpha ? low : high) = middle;
  }
  return (low + high) / 2.0;
}

// The power of the test at level `alpha` when the truth is a noncentral
// chi-square with noncentrality `lambda`, by Patnaik's approximation: a
// scaled central chi-square with the same mean and variance.
inline double ChiSquarePower(double df, double lambda, double alpha = kAlpha) {
  const double critical = ChiSquareCritical(df, alpha);
  const double scale = (df + 2.0 * lambda) / (df + lambda);
  const double shape = (df + lambda) * (df + lambda) / (df + 2.0 * lambda);
  return ChiSquareSurvival(critical / scale, shape);
}

// A table as the widths of its rows in faces of one roll (1-40 is 40 faces
// of 100): the probability of each row.
inline std::vector<double> Shares(const std::vector<int>& widths) {
  double faces = 0.0;
  for (int width : widths) faces += width;
  std::vector<double> shares;
  for (int width : widths) shares.push_back(width / faces);
  return shares;
}

// The power of a goodness-of-fit test over `samples` draws of the table to
// notice the hardest-to-see off-by-one fault: one face moved across one
// border between neighbouring rows, in whichever direction and at whichever
// border gives the smallest noncentrality n * sum((p1 - p0)^2 / p0).
inline double OffByOnePower(const std::vector<int>& widths, long samples) {
  const std::vector<double> shares = Shares(widths);
  double faces = 0.0;
  for (int width : widths) faces += width;
  const double step = 1.0 / faces;
  double weakest = INFINITY;
  for (std::size_t i = 0; i + 1 < shares.size(); ++i) {
    // Moving a face either way changes both rows by the same amount.
    const double lambda =
        samples * step * step * (1.0 / shares[i] + 1.0 / shares[i + 1]);
    weakest = std::min(weakest, lambda);
  }
  return ChiSquarePower(static_cast<double>(shares.size() - 1), weakest);
}

// Pearson's statistic of `observed` counts against the expected shares.
inline double ChiSquareStatistic(const std::vector<long>& observed,
                                 const std::vector<double>& shares) {
  assert(observed.size() == shares.size());
  double total = 0.0;
  for (long count : observed) total += static_cast<double>(count);
  double statistic = 0.0;
  for (std::size_t i = 0; i < observed.size(); ++i) {
    const double expected = total * shares[i];
    const double difference = static_cast<double>(observed[i]) - expected;
    statistic += difference * difference / expected;
  }
  return statistic;
}

// Passes when the counts fit the shares at level kAlpha; otherwise names the
// statistic, the critical value and every cell.
inline ::testing::AssertionResult FitsShares(
    const std::vector<long>& observed, const std::vector<double>& shares) {
  const double statistic = ChiSquareStatistic(observed, shares);
  const double critical =
      ChiSquareCritical(static_cast<double>(observed.size() - 1));
  if (statistic <= critical) return ::testing::AssertionSuccess();
  double total = 0.0;
  for (long count : observed) total += static_cast<double>(count);
  std::ostringstream cells;
  for (std::size_t i = 0; i < observed.size(); ++i) {
    cells << "\n  cell " << i << ": observed " << observed[i] << ", expected "
          << total * shares[i];
  }
  return ::testing::AssertionFailure()
         << "chi-square " << statistic << " above the critical value "
         << critical << " for " << observed.size() - 1 << " degrees of freedom"
         << cells.str();
}

inline ::testing::AssertionResult FitsWidths(const std::vector<long>& observed,
                                             const std::vector<int>& widths) {
  return FitsShares(observed, Shares(widths));
}

// A range of whole numbers, both ends included, as equally wide rows.
inline std::vector<int> UniformWidths(int values) {
  return std::vector<int>(static_cast<std::size_t>(values), 1);
}

}  // namespace quendaro::testing
