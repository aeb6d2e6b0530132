#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "character/Classes.h"
#include "character/Races.h"

namespace quendaro {

// The choices the character window offers in its drop-down lists, in their
// order. The rules compare typed texts exactly, so a text outside these
// lists is allowed and simply matches no rule.

// "nessuna" (race, class) and "nessuno" (alignment, sex) stand for nothing
// chosen.
inline constexpr std::string_view kNoRace = "nessuna";
inline constexpr std::string_view kNoClass = "nessuna";
inline constexpr std::string_view kNoAlignment = "nessuno";
inline constexpr std::string_view kNoSex = "nessuno";

// The names of the 25 races and the 41 classes and multi-classes, viewed
// from their tables.
template <typename Row, std::size_t kSize>
constexpr std::array<std::string_view, kSize> NamesOf(
    const std::array<Row, kSize>& rows) {
  std::array<std::string_view, kSize> names{};
  for (std::size_t i = 0; i < kSize; ++i) names[i] = rows[i].name;
  return names;
}
inline constexpr std::array<std::string_view, kRaceTable.size()> kRaceChoices =
    NamesOf(kRaceTable);
inline constexpr std::array<std::string_view, kClassTable.size()>
    kClassChoices = NamesOf(kClassTable);

// The nine alignments.
inline constexpr std::array<std::string_view, 9> kAlignmentChoices = {
    "Legale/buono",      "Legale/malvagio",  "Legale/neutrale",
    "Caotico/buono",     "Caotico/malvagio", "Neutrale/buono",
    "Neutrale/malvagio", "Caotico/neutrale", "Neutrale(puro)",
};

// The two sexes.
inline constexpr std::array<std::string_view, 2> kSexChoices = {
    "Maschio",
    "Femmina",
};

}  // namespace quendaro
