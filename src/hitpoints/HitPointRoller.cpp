#include "hitpoints/HitPointRoller.h"

#include <optional>
#include <string>

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
  const int rolled = random.RollBetween(range.low, range.high, LabelOf("PF"));
  if (RollLog* log = random.Log(); log != nullptr && range.addition > 0) {
    log->Rule("PF",
              "più " + std::to_string(range.addition) + " fissi al livello " +
                  std::to_string(*level),
              rolled, rolled + range.addition);
  }
  return WholeText(rolled + range.addition);
}

}  // namespace quendaro
