#pragma once

#include <array>
#include <string>

#include "treasure/LairTreasureTable.h"

namespace quendaro {

// What one generation shows, every field a text exactly as the window writes
// it.
struct TreasureResult {
  // Indexed by TreasureKind: copper, silver, gold, platinum/electrum, gems,
  // art objects. Plain decimal digits, "0" when no type yielded the kind.
  std::array<std::string, kTreasureKindCount> totals;
  // Indexed by type A to I: the type's magic-item line when its magic test
  // succeeded, empty otherwise.
  std::array<std::string, kTreasureTypeCount> magicLines;

  const std::string& Total(TreasureKind kind) const {
    return totals[static_cast<std::size_t>(kind)];
  }
};

}  // namespace quendaro
