#pragma once

#include <array>
#include <string_view>

namespace quendaro {

// The weapon types the weapon window offers for the game master's notes, in
// the order of its list; the generation never reads the type.
inline constexpr std::array<std::string_view, 6> kWeaponTypes = {
    "Spada", "Pugnale", "Ascia", "Maglio", "Martello", "Morning star"};

// The type box's text when no type was chosen; not on the list.
inline constexpr std::string_view kNoWeaponType = "nessuno";

}  // namespace quendaro
