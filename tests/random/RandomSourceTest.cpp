#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "random/RandomSource.h"
#include "support/Draws.h"

namespace quendaro {
namespace {

using testing::kLargestDraw;
using testing::kSmallestDraw;

std::uint64_t FrozenClock() { return 1234567890; }

// Every (count, low) the generators roll, from the treasure amounts to the
// weapon tables and the exceptional-strength percentile.
const std::vector<std::pair<int, int>> kRollForms = {
    {5001, 1000},  {9001, 1000},  {2001, 1000},  {3001, 1000}, {7001, 1000},
    {18001, 1000}, {18001, 2000}, {15001, 3000}, {501, 100},   {901, 100},
    {1801, 200},   {1501, 300},   {31, 10},      {28, 3},      {19, 2},
    {16, 3},       {12, 1},       {11, 2},       {10, 1},      {20, 1},
    {8, 1},        {7, 2},        {6, 1},        {4, 1},       {3, 1},
    {100, 1},      {96, 1},       {95, 1},       {99, 1},      {77, 23},
    {73, 18}};

TEST(RandomSourceTest, DrawsStayInsideTheUnitInterval) {
  RandomSource source;
  for (int i = 0; i < 100000; ++i) {
    const float r = source.Next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
  }
}

TEST(RandomSourceTest, LargestDrawIsExactAndBelowOne) {
  EXPECT_LT(kLargestDraw, 1.0f);
  EXPECT_EQ(static_cast<double>(kLargestDraw), 1.0 - 1.0 / (1 << 24));
}

TEST(RandomSourceTest, RollReachesBothEndsOfEveryRangeAndNeverPastThem) {
  for (const auto& [count, low] : kRollForms) {
    RandomSource source;
    source.ScriptDraws({kSmallestDraw, kLargestDraw});
    EXPECT_EQ(source.Roll(count, low), low) << count << ", " << low;
    EXPECT_EQ(source.Roll(count, low), low + count - 1) << count << ", " << low;
  }
}

TEST(RandomSourceTest,
     EighteenThousandAndOneFromTwoThousandStopsAtTwentyThousand) {
  RandomSource source;
  source.ScriptDraws({kLargestDraw});
  EXPECT_EQ(source.Roll(18001, 2000), 20000);
}

TEST(RandomSourceTest, DegenerateRangesGiveTheirOnlyValue) {
  RandomSource source;
  for (int i = 0; i < 1000; ++i) {
    ASSERT_EQ(source.Roll(1, 7), 7);
    ASSERT_EQ(source.RollBetween(0, 0), 0);
    ASSERT_EQ(source.RollBetween(18, 18), 18);
  }
}

TEST(RandomSourceTest, RollBetweenCoversBothBounds) {
  RandomSource source;
  source.ScriptDraws({kSmallestDraw, kLargestDraw});
  EXPECT_EQ(source.RollBetween(3, 12), 3);
  EXPECT_EQ(source.RollBetween(3, 12), 12);
}

TEST(RandomSourceTest, RollUsesTheSinglePrecisionDrawInDoubleArithmetic) {
  // 0.99f is 0.9900000095..., so 100 * r + 1 is just above 100 in double
  // precision; a float product would round to exactly 100 as well, but a
  // truncated draw of 0.99 would give 99.
  RandomSource source;
  source.ScriptDraws({0.99f});
  EXPECT_EQ(source.Roll(100, 1), 100);
}

TEST(RandomSourceTest, FixedInitialStateRepeatsFromRunToRun) {
  RandomSource first;
  RandomSource second;
  for (int i = 0; i < 100; ++i) ASSERT_EQ(first.Next(), second.Next());
}

TEST(RandomSourceTest, SeedsGiveTheirOwnRepeatableSequences) {
  RandomSource a(42, &FrozenClock);
  RandomSource b(42, &FrozenClock);
  RandomSource c(43, &FrozenClock);
  std::vector<float> from_a, from_b, from_c;
  for (int i = 0; i < 20; ++i) {
    a.Reseed();
    b.Reseed();
    c.Reseed();
    from_a.push_back(a.Next());
    from_b.push_back(b.Next());
    from_c.push_back(c.Next());
  }
  EXPECT_EQ(from_a, from_b);
  EXPECT_NE(from_a, from_c);
}

TEST(RandomSourceTest, ReseedsWithinOneClockTickStillGiveDifferentDraws) {
  // Six reseeds in a row read the same time, as one character generation does.
  RandomSource source(7, &FrozenClock);
  std::set<float> draws;
  for (int i = 0; i < 6; ++i) {
    source.Reseed();
    draws.insert(source.Next());
  }
  EXPECT_EQ(draws.size(), 6u);
}

TEST(RandomSourceTest, EntropySeparatesStartsAtTheSameInstant) {
  // Two runs started in the same clock tick from the same state must still
  // roll apart once the system's entropy is mixed in.
  RandomSource first(3, &FrozenClock);
  RandomSource second(3, &FrozenClock);
  if (!first.MixEntropy() || !second.MixEntropy()) {
    GTEST_SKIP() << "the system gives no entropy here";
  }
  first.Reseed();
  second.Reseed();
  std::vector<float> from_first, from_second;
  for (int i = 0; i < 4; ++i) {
    from_first.push_back(first.Next());
    from_second.push_back(second.Next());
  }
  EXPECT_NE(from_first, from_second);
}

TEST(RandomSourceTest, ReseedDependsOnTheTime) {
  static std::uint64_t now = 0;
  const RandomSource::Clock clock = [] { return now; };
  RandomSource early(1, clock);
  RandomSource late(1, clock);
  now = 1000;
  early.Reseed();
  now = 1001;
  late.Reseed();
  EXPECT_NE(early.Next(), late.Next());
}

TEST(RandomSourceTest, RestoredStateRepeatsAGenerationWhateverTheClockSays) {
  // A character generation reseeds six times; rolled again from its state an
  // hour later, on another source, it must give the same draws.
  static std::uint64_t now = 5000;
  const RandomSource::Clock clock = [] { return now += 7; };
  RandomSource first(11, clock);
  first.Reseed();
  const auto roll = [](RandomSource& source) {
    std::vector<int> rolls;
    for (int i = 0; i < 6; ++i) {
      source.Reseed();
      rolls.push_back(source.Roll(18, 1));
    }
    return rolls;
  };
  const RandomState state = first.BeginGeneration();
  const std::vector<int> rolled = roll(first);

  now += 3'600'000'000'000;
  RandomSource second(99, clock);
  second.Restore(state);
  EXPECT_EQ(roll(second), rolled);
  // The next generation goes on from there, at the restored time.
  const RandomState next = second.BeginGeneration();
  EXPECT_EQ(next.state, first.BeginGeneration().state);
  EXPECT_EQ(next.time, state.time);
}

TEST(RandomSourceTest, ScriptedDrawsComeFirstAndReseedsLeaveThemAlone) {
  RandomSource source;
  source.ScriptDraws({0.25f, 0.5f});
  source.Reseed();
  EXPECT_EQ(source.Next(), 0.25f);
  source.Reseed();
  EXPECT_EQ(source.Next(), 0.5f);
  EXPECT_EQ(source.ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(source.DrawCount(), 2u);
  EXPECT_EQ(source.ReseedCount(), 2u);
}

class RecordingObserver : public RollObserver {
 public:
  void OnReseed() override { log.push_back("reseed"); }
  void OnRoll(int count, int low, int result) override {
    log.push_back("Roll(" + std::to_string(count) + ", " + std::to_string(low) +
                  ") = " + std::to_string(result));
  }
  std::vector<std::string> log;
};

TEST(RandomSourceTest, ObserverSeesRollsAndReseedsInOrder) {
  RandomSource source;
  RecordingObserver observer;
  source.SetObserver(&observer);
  source.ScriptDraws({testing::DrawFor(100, 1, 87), kLargestDraw});
  source.Roll(100, 1);
  source.Reseed();
  source.RollBetween(3, 18);
  EXPECT_EQ(observer.log,
            (std::vector<std::string>{"Roll(100, 1) = 87", "reseed",
                                      "Roll(16, 3) = 18"}));
}

TEST(RandomSourceTest, DrawForHitsTheMiddleOfEachValue) {
  for (const auto& [count, low] : kRollForms) {
    RandomSource source;
    std::vector<float> draws;
    for (int value : {low, low + count / 2, low + count - 1}) {
      draws.push_back(testing::DrawFor(count, low, value));
    }
    source.ScriptDraws(draws);
    EXPECT_EQ(source.Roll(count, low), low);
    EXPECT_EQ(source.Roll(count, low), low + count / 2);
    EXPECT_EQ(source.Roll(count, low), low + count - 1);
  }
}

}  // namespace
}  // namespace quendaro
