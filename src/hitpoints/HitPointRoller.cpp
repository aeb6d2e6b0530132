#include "hitpoints/HitPointRoller.h"

#include <optional>

#include "common/NumberText.h"
#include "hitpoints/HitPointTable.h"
#include "random/RandomSource.h"

namespace quendaro {

HitPointResult HitPointRoller::RollHitPoints(ClassGroup group,
                                             std::string_view level_text,
                                             bool reroll,
                                             RandomSource& random) const {
  HitPointResult result{group, std::string(level_text), std::nullopt, reroll,
                        std::nullopt};
  const std::optional<int> level =
      ParseWholeNumber(level_text, decimal_separator_);
  if (!level || *level < kLowestLevel || *level > kHighestLevel) return result;
  result.level = level;
  const HitPointRange& range = HitPointRangeFor(group, *level, reroll);
  result.hit_points =
      random.RollBetween(range.low, range.high) + range.addition;
  return result;
}

}  // namespace quendaro
