#pragma once

#include "hitpoints/ClassGroup.h"

namespace quendaro {

// The hit points of one class group at one level, as one range drawn in a
// single roll plus a fixed addition. Levels above the group's last counted
// level keep that level's range and only grow the addition.
struct HitPointRange {
  int low;
  int high;
  int addition;
};

inline constexpr int kLowestLevel = 1;
inline constexpr int kHighestLevel = 20;

// The range of `group` at `level` (1-20). With `reroll` the range is the
// narrower one that stands for rerolling results below half the die.
const HitPointRange& HitPointRangeFor(ClassGroup group, int level, bool reroll);

}  // namespace quendaro
