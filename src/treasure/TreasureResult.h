#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "treasure/LairTreasureTable.h"

namespace quendaro {

// One lair: how many times each type was present, and what it held.
struct TreasureResult {
  // Indexed by type A to I, as asked for.
  std::array<int, kTreasureTypeCount> counts{};
  // Indexed by TreasureKind: copper, silver, gold, platinum/electrum, gems,
  // art objects. 0 when no type yielded the kind.
  std::array<int, kTreasureKindCount> totals{};
  // Indexed by type A to I: the type's magic-item line when its magic test
  // succeeded, empty otherwise. The lines are the lair table's own texts.
  std::array<std::string_view, kTreasureTypeCount> magic_lines{};

  int Total(TreasureKind kind) const {
    return totals[static_cast<std::size_t>(kind)];
  }
};

}  // namespace quendaro
