#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <string_view>
#include <vector>

#include "character/CharacterChoices.h"
#include "character/ClassRules.h"
#include "character/LegalChoices.h"
#include "fairness/ChiSquare.h"
#include "random/RandomSource.h"

namespace quendaro {
namespace {

using testing::ChiSquarePower;
using testing::FitsShares;
using testing::FitsWidths;
using testing::kRequiredPower;
using testing::UniformWidths;

// How often each candidate of one step came up, with the step's candidates.
struct StepCounts {
  std::vector<std::string_view> candidates;
  std::map<std::string_view, long> counts;

  void Add(const ChoiceStep& step) {
    if (candidates.empty()) candidates = step.candidates;
    EXPECT_EQ(candidates, step.candidates) << step.caption;
    ++counts[step.picked];
  }

  std::vector<long> Observed() const {
    std::vector<long> observed;
    for (std::string_view candidate : candidates) {
      const auto found = counts.find(candidate);
      observed.push_back(found == counts.end() ? 0 : found->second);
    }
    return observed;
  }
};

std::size_t AlignmentsOf(std::string_view character_class) {
  return static_cast<std::size_t>(std::ranges::count_if(
      kAlignmentChoices, [character_class](std::string_view alignment) {
        return ClassAcceptsAlignment(character_class, alignment);
      }));
}

// The noncentrality of a goodness-of-fit test of `samples` draws against
// uniform shares when the truth has the given weights.
double Noncentrality(const std::vector<double>& weights, long samples) {
  double total = 0.0;
  for (double weight : weights) total += weight;
  const double uniform = 1.0 / static_cast<double>(weights.size());
  double lambda = 0.0;
  for (double weight : weights) {
    const double difference = weight / total - uniform;
    lambda += difference * difference / uniform;
  }
  return static_cast<double>(samples) * lambda;
}

TEST(LegalChoicesFairnessTest, EachStepIsUniformAmongWhatIsLeftOpen) {
  // 100000 picks give 4000 of each race and about 120 of each of a human's
  // 34 classes. The fault to catch is a pick that is uniform over whole
  // characters instead of step by step, which favours the races with more
  // classes and the classes with more alignments.
  constexpr long kPicks = 100'000;
  RandomSource random(2020);
  StepCounts races;
  std::map<std::string_view, StepCounts> classes_by_race;
  std::map<std::string_view, StepCounts> alignments_by_class;
  StepCounts sexes;
  for (long n = 0; n < kPicks; ++n) {
    const LegalChoices choices = PickLegalChoices(random);
    races.Add(choices.steps[0]);
    classes_by_race[choices.race].Add(choices.steps[1]);
    alignments_by_class[choices.character_class].Add(choices.steps[2]);
    sexes.Add(choices.steps[3]);
  }

  std::vector<double> characters_by_race;
  for (std::string_view race : races.candidates) {
    double characters = 0.0;
    for (std::string_view character_class : classes_by_race[race].candidates) {
      characters += static_cast<double>(AlignmentsOf(character_class));
    }
    characters_by_race.push_back(characters);
  }
  ASSERT_GE(ChiSquarePower(static_cast<double>(races.candidates.size() - 1),
                           Noncentrality(characters_by_race, kPicks)),
            kRequiredPower);
  const StepCounts& human = classes_by_race["Umano"];
  std::vector<double> human_weights;
  for (std::string_view character_class : human.candidates) {
    human_weights.push_back(static_cast<double>(AlignmentsOf(character_class)));
  }
  long humans = 0;
  for (long count : human.Observed()) humans += count;
  ASSERT_GE(ChiSquarePower(static_cast<double>(human.candidates.size() - 1),
                           Noncentrality(human_weights, humans)),
            kRequiredPower);

  const auto uniform = [](const StepCounts& step) {
    return UniformWidths(static_cast<int>(step.candidates.size()));
  };
  EXPECT_EQ(races.candidates.size(), kRaceChoices.size());
  EXPECT_TRUE(FitsWidths(races.Observed(), uniform(races)));
  for (const auto& [race, classes] : classes_by_race) {
    EXPECT_TRUE(FitsWidths(classes.Observed(), uniform(classes))) << race;
  }
  // Every class comes up often enough to fill its alignments' cells.
  EXPECT_EQ(alignments_by_class.size(), kClassChoices.size());
  for (const auto& [character_class, alignments] : alignments_by_class) {
    if (alignments.candidates.size() < 2) continue;
    EXPECT_TRUE(FitsWidths(alignments.Observed(), uniform(alignments)))
        << character_class;
  }
  EXPECT_TRUE(FitsShares(sexes.Observed(), {0.5, 0.5}));
}

}  // namespace
}  // namespace quendaro
