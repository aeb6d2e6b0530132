#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "fairness/ChiSquare.h"
#include "random/RandomSource.h"

namespace quendaro {
namespace {

using testing::FitsShares;
using testing::FitsWidths;
using testing::UniformWidths;

// A clock that never moves: every reseed falls within one tick.
std::uint64_t FrozenClock() { return 1'700'000'000'000'000'000ULL; }

// Counts of Roll(count, low) over `samples` rolls, one cell per value, and
// whether every roll stayed inside the range.
struct RollTally {
  std::vector<long> cells;
  bool inside = true;
};

RollTally TallyRolls(RandomSource& random, int count, int low, long samples) {
  RollTally tally;
  tally.cells.assign(static_cast<std::size_t>(count), 0);
  for (long i = 0; i < samples; ++i) {
    const int value = random.Roll(count, low);
    if (value < low || value >= low + count) {
      tally.inside = false;
      continue;
    }
    ++tally.cells[static_cast<std::size_t>(value - low)];
  }
  return tally;
}

TEST(RollFairnessTest, SmallRangesAreUniformAndReachBothEnds) {
  // The dice and tables of the generators. 2000 rolls per face: a range one
  // face too narrow leaves its top face empty, with probability about
  // exp(-2000) of passing unnoticed; one too wide puts rolls outside.
  const std::vector<std::pair<int, int>> kRanges = {
      {2, 0},  {4, 1},   {6, 1},  {8, 1},  {10, 1}, {12, 1},
      {20, 1}, {77, 23}, {95, 1}, {96, 1}, {99, 1}, {100, 1}};
  RandomSource random(20240601, &FrozenClock);
  for (const auto& [count, low] : kRanges) {
    const RollTally tally = TallyRolls(random, count, low, 2000L * count);
    EXPECT_TRUE(tally.inside) << "Roll(" << count << ", " << low << ")";
    EXPECT_GT(tally.cells.front(), 0) << "Roll(" << count << ", " << low << ")";
    EXPECT_GT(tally.cells.back(), 0) << "Roll(" << count << ", " << low << ")";
    EXPECT_TRUE(FitsWidths(tally.cells, UniformWidths(count)))
        << "Roll(" << count << ", " << low << ")";
  }
}

TEST(RollFairnessTest, WideRangesHitEveryValueEvenly) {
  // The treasure amounts. A single-precision draw has 2^24 steps, so over
  // 18001 values some get one step more than others: 0.1 % apart, far below
  // what a million rolls can see, but a value the draw could never reach
  // would show as an empty cell (about 55 rolls expected in each).
  const std::vector<std::pair<int, int>> kRanges = {
      {18001, 2000}, {15001, 3000}, {5001, 1000}};
  RandomSource random(77, &FrozenClock);
  for (const auto& [count, low] : kRanges) {
    const RollTally tally = TallyRolls(random, count, low, 1'000'000);
    EXPECT_TRUE(tally.inside) << "Roll(" << count << ", " << low << ")";
    long empty = 0;
    for (long cell : tally.cells) empty += cell == 0 ? 1 : 0;
    EXPECT_EQ(empty, 0) << "Roll(" << count << ", " << low << ")";
    EXPECT_TRUE(FitsWidths(tally.cells, UniformWidths(count)))
        << "Roll(" << count << ", " << low << ")";
  }
}

TEST(RollFairnessTest, FirstDrawsAfterSixReseedsInOneTickDiffer) {
  // A character's six scores each follow a reseed, all within one tick of
  // the clock: were the reseed to depend on the clock alone, the six draws
  // would be equal.
  for (std::uint64_t seed = 0; seed < 200; ++seed) {
    RandomSource random(seed, &FrozenClock);
    std::set<float> firsts;
    for (int i = 0; i < 6; ++i) {
      random.Reseed();
      firsts.insert(random.Next());
    }
    EXPECT_EQ(firsts.size(), 6u) << "seed " << seed;
  }
}

TEST(RollFairnessTest, DrawsAfterReseedsInOneTickAreIndependent) {
  // The first draws after two reseeds in a row, in a 10 x 10 grid: a reseed
  // that carried too little of the state across would crowd the diagonal.
  RandomSource random(5, &FrozenClock);
  constexpr int kSide = 10;
  std::vector<long> grid(kSide * kSide, 0);
  for (long i = 0; i < 200'000; ++i) {
    random.Reseed();
    const int first = random.Roll(kSide, 0);
    random.Reseed();
    const int second = random.Roll(kSide, 0);
    ++grid[static_cast<std::size_t>(first * kSide + second)];
  }
  EXPECT_TRUE(FitsShares(grid, std::vector<double>(grid.size(), 0.01)));
}

}  // namespace
}  // namespace quendaro
