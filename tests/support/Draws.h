#pragma once

#include "random/RandomSource.h"

namespace quendaro::testing {

// The draw that makes Roll(count, low) give `value`: the middle of the
// value's slice of [0, 1), far from both of its edges.
inline float DrawFor(int count, int low, int value) {
  return static_cast<float>((value - low + 0.5) / count);
}

// The smallest and the largest draw a source can make.
inline constexpr float kSmallestDraw = 0.0f;
inline constexpr float kLargestDraw = RandomSource::kLargestDraw;

}  // namespace quendaro::testing
