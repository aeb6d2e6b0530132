#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "character/CharacterSheet.h"

namespace quendaro {

constexpr std::size_t IndexOf(Ability ability) {
  return static_cast<std::size_t>(ability);
}

// What the rolling stage hands on: the scores and, for a warrior who rolled a
// strength of exactly 18, the exceptional-strength percentile (23 to 99).
struct RolledAbilities {
  AbilityScores scores{};
  std::optional<int> percentile;
};

}  // namespace quendaro
