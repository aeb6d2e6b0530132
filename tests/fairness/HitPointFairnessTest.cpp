#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/NumberText.h"
#include "fairness/ChiSquare.h"
#include "hitpoints/ClassGroup.h"
#include "hitpoints/HitPointRoller.h"
#include "hitpoints/HitPointTable.h"
#include "random/RandomSource.h"

namespace quendaro {
namespace {

using testing::FitsWidths;
using testing::UniformWidths;

constexpr ClassGroup kGroups[] = {ClassGroup::kMilitare, ClassGroup::kVagabondo,
                                  ClassGroup::kSacerdote,
                                  ClassGroup::kEspertoDiMagia};

TEST(HitPointFairnessTest, EveryRangeIsCoveredEvenlyFromEndToEnd) {
  // 50 rolls per value of each range. A range one value too narrow leaves an
  // end unreached, which a correct roll does with probability at most
  // 2 e^-50; one value too wide shows a result outside the range.
  constexpr int kRollsPerValue = 50;
  const HitPointRoller roller;
  RandomSource random(2027);
  for (ClassGroup group : kGroups) {
    for (int level = kLowestLevel; level <= kHighestLevel; ++level) {
      for (bool reroll : {false, true}) {
        const HitPointRange& range = HitPointRangeFor(group, level, reroll);
        const int values = range.high - range.low + 1;
        const int lowest = range.low + range.addition;
        std::vector<long> counts(static_cast<std::size_t>(values), 0);
        bool inside = true;
        for (int i = 0; i < kRollsPerValue * values; ++i) {
          const int hit_points =
              roller.RollHitPoints(group, WholeText(level), reroll, random)
                  .hit_points.value_or(-1);
          if (hit_points < lowest || hit_points >= lowest + values) {
            inside = false;
            continue;
          }
          ++counts[static_cast<std::size_t>(hit_points - lowest)];
        }
        const std::string where = std::string(ClassGroupCaption(group)) +
                                  " level " + WholeText(level) +
                                  (reroll ? " reroll" : "");
        EXPECT_TRUE(inside) << where;
        EXPECT_GT(counts.front(), 0) << where;
        EXPECT_GT(counts.back(), 0) << where;
        EXPECT_TRUE(FitsWidths(counts, UniformWidths(values))) << where;
      }
    }
  }
}

}  // namespace
}  // namespace quendaro
