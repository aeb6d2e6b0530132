#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "character/AbilityScores.h"
#include "character/CharacterChoices.h"
#include "character/RaceLimits.h"
#include "fairness/ChiSquare.h"
#include "random/RandomSource.h"

namespace quendaro {
namespace {

using testing::FitsWidths;
using testing::kRequiredPower;
using testing::OffByOnePower;
using testing::UniformWidths;

// Every reseed of a generation falls within one tick, as on a fast machine.
std::uint64_t FrozenClock() { return 1'700'000'000'000'000'000ULL; }

TEST(CharacterFairnessTest, EveryRaceRollsEachScoreEvenlyOverItsLimits) {
  // 3000 characters per race, at most 18 values per score: a limit one value
  // too narrow leaves an end unreached with probability below
  // (17/18)^3000 = e^-171; one too wide shows a score outside the limits.
  constexpr long kCharacters = 3000;
  RandomSource random(1989, &FrozenClock);
  for (std::string_view race : kRaceChoices) {
    const RaceLimits limits = LimitsOfRace(race);
    std::vector<std::vector<long>> counts(kAbilityCount);
    for (std::size_t i = 0; i < limits.size(); ++i) {
      counts[i].assign(
          static_cast<std::size_t>(limits[i].maximum - limits[i].minimum + 1),
          0);
    }
    bool inside = true;
    for (long n = 0; n < kCharacters; ++n) {
      const RolledAbilities rolled = RollAbilities(race, "Ladro", random);
      for (std::size_t i = 0; i < limits.size(); ++i) {
        const int score = rolled.scores[i];
        if (score < limits[i].minimum || score > limits[i].maximum) {
          inside = false;
          continue;
        }
        ++counts[i][static_cast<std::size_t>(score - limits[i].minimum)];
      }
    }
    EXPECT_TRUE(inside) << race;
    for (std::size_t i = 0; i < limits.size(); ++i) {
      EXPECT_GT(counts[i].front(), 0) << race << ", ability " << i;
      EXPECT_GT(counts[i].back(), 0) << race << ", ability " << i;
      EXPECT_TRUE(FitsWidths(counts[i],
                             UniformWidths(static_cast<int>(counts[i].size()))))
          << race << ", ability " << i;
    }
  }
}

TEST(CharacterFairnessTest, AWarriorsStrengthOfEighteenIsExceptionalEvenly) {
  // A human's strength runs 7-18, so 18 comes once in 12, and each of its
  // percentiles 23-99 once in 77 of those. 120000 warriors give about 10000
  // percentiles, 130 per value: a range one value off leaves an end empty
  // (e^-130) or shows a value outside it.
  constexpr long kWarriors = 120'000;
  ASSERT_GE(OffByOnePower({1, 11}, kWarriors), kRequiredPower);
  RandomSource random(18, &FrozenClock);
  long eighteens = 0;
  std::vector<long> percentiles(77, 0);
  bool inside = true;
  for (long n = 0; n < kWarriors; ++n) {
    const RolledAbilities rolled =
        RollAbilities("Umano", "Guerriero(puro)", random);
    const bool eighteen = rolled.scores[IndexOf(Ability::kStrength)] == 18;
    eighteens += eighteen ? 1 : 0;
    ASSERT_EQ(rolled.percentile.has_value(), eighteen);
    if (!rolled.percentile) continue;
    if (*rolled.percentile < 23 || *rolled.percentile > 99) {
      inside = false;
      continue;
    }
    ++percentiles[static_cast<std::size_t>(*rolled.percentile - 23)];
  }
  EXPECT_TRUE(FitsWidths({eighteens, kWarriors - eighteens}, {1, 11}));
  EXPECT_TRUE(inside);
  EXPECT_GT(percentiles.front(), 0);
  EXPECT_GT(percentiles.back(), 0);
  EXPECT_TRUE(FitsWidths(percentiles, UniformWidths(77)));
}

}  // namespace
}  // namespace quendaro
