#pragma once

#include <optional>
#include <string_view>

#include "random/RandomSource.h"
#include "weapon/WeaponResult.h"

namespace quendaro {

// One of a weapon's abilities: a primary sense or an extraordinary power, the
// special purpose that the X-ray vision power sometimes brings, and the ego
// points the draw is worth (1, 2, 4 or 7).
struct AbilityOutcome {
  std::string_view ability;
  std::optional<SpecialPurpose> specialPurpose;
  int ego = 0;
};

// Draws one ability. Uses one value of `random` for a primary sense, two for
// an extraordinary power and four when a special purpose follows: primary,
// power, purpose, purpose power, in that order. Draws are independent, so a
// weapon may get the same ability more than once.
AbilityOutcome AbilityDraw(RandomSource& random);

}  // namespace quendaro
