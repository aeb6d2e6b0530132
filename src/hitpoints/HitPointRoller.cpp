#include "hitpoints/HitPointRoller.h"

#include <optional>

#include "common/NumberText.h"
#include "hitpoints/HitPointTable.h"
#include "random/RandomSource.h"

namespace quendaro {

std::string HitPointRoller::RollHitPoints(ClassGroup group,
                                          std::string_view level_text,
                                          bool reroll,
                                          RandomSource& random) const {
  const std::optional<int> level =
      ParseWholeNumber(level_text, decimal_separator_);
  if (!level || *level < kLowestLevel || *level > kHighestLevel) return {};
  const HitPointRange& range = HitPointRangeFor(group, *level, reroll);
  return WholeText(random.RollBetween(range.low, range.high) + range.addition);
}

}  // namespace quendaro
