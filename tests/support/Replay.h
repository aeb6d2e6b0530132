#pragma once

#include <vector>

#include "random/RollLog.h"
#include "support/Draws.h"

namespace quendaro::testing {

// The draws that make a source roll exactly the logged draws again, in
// order. Rule steps draw nothing and are skipped.
inline std::vector<float> DrawsOf(const std::vector<RollStep>& steps) {
  std::vector<float> draws;
  for (const RollStep& step : steps) {
    if (step.kind != RollStepKind::kDraw) continue;
    draws.push_back(
        DrawFor(step.high - step.low + 1, step.low, std::get<int>(step.value)));
  }
  return draws;
}

inline int DrawStepCount(const std::vector<RollStep>& steps) {
  int count = 0;
  for (const RollStep& step : steps) {
    if (step.kind == RollStepKind::kDraw) ++count;
  }
  return count;
}

}  // namespace quendaro::testing
