#include "hitpoints/HitPointRoller.h"

#include <optional>
#include <string>

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
  const int rolled = random.RollBetween(range.low, range.high, LabelOf("PF"));
  if (RollLog* log = random.Log(); log != nullptr && range.addition > 0) {
    log->Rule("PF",
              "più " + std::to_string(range.addition) + " fissi al livello " +
                  std::to_string(*level),
              rolled, rolled + range.addition);
  }
  result.hit_points = rolled + range.addition;
  return result;
}

}  // namespace quendaro
