#pragma once

#include <array>

#include "random/RandomSource.h"
#include "treasure/LairTreasureTable.h"
#include "treasure/TreasureResult.h"

namespace quendaro {

// One press of "Genera tesoro": rolls the coins, gems and art objects of a
// lair holding each treasure type A to I a given number of times, and tells
// how many magic items each type adds. Items are never rolled one by one;
// gems and art objects are counts and a magic-item line is a fixed text.
//
// A type present n times makes one percentage test per row and one amount
// roll per row that passes, and that single roll is multiplied by n: the n
// copies share their luck. Then comes one magic test. The draws follow that
// order, type by type, so a known state of the source gives a known lair.
// A count other than 1 to 5 stands for an absent type and makes no draw.
// The source is never reseeded here, and nothing is kept between calls.
class TreasureGenerator {
 public:
  using Counts = std::array<int, kTreasureTypeCount>;

  TreasureResult Generate(const Counts& counts, RandomSource& random) const;
};

}  // namespace quendaro
