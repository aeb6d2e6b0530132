#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace quendaro {

// The purpose the weapon was made for and the power that serves it.
struct SpecialPurpose {
  std::string_view purpose;
  std::string_view power;
};

// One generated weapon. The texts are the weapon tables' own; a reading the
// weapon lacks is empty.
struct WeaponResult {
  int languages = 0;  // 1 .. 6
  int bonus = 0;      // the +1 .. +5
  std::string_view alignment;
  int intelligence = 0;  // 12 .. 17
  std::string_view communication;
  std::string_view reads_non_magical;
  std::string_view reads_magical;
  // The first `ability_count` slots hold the abilities in the order drawn.
  std::array<std::string_view, 3> abilities{};
  int ability_count = 0;
  // The last special purpose drawn; an earlier one still counts in the ego.
  std::optional<SpecialPurpose> special_purpose;
  int ego = 0;  // 3 .. 35

  std::span<const std::string_view> Abilities() const {
    return std::span(abilities).first(static_cast<std::size_t>(ability_count));
  }
};

}  // namespace quendaro
