#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "character/CharacterSheet.h"

namespace quendaro {

constexpr std::size_t IndexOf(Ability ability) {
  return static_cast<std::size_t>(ability);
}

// The captions of the six scores in the character window, strength to
// charisma; the roll audit names each score's draws and rules with them.
inline constexpr std::array<std::string_view, kAbilityCount> kAbilityCaptions{
    "FORZA",        "DESTREZZA", "COSTITUZIONE",
    "INTELLIGENZA", "SAGGEZZA",  "CARISMA"};
inline constexpr std::string_view kExceptionalStrengthCaption =
    "Forza eccezionale";

// What the rolling stage hands on: the scores and, for a warrior who rolled a
// strength of exactly 18, the exceptional-strength percentile (23 to 99).
struct RolledAbilities {
  AbilityScores scores{};
  std::optional<int> percentile;
};

}  // namespace quendaro
