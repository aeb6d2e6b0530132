#include "treasure/TreasureGenerator.h"

namespace quendaro {
namespace {

// A percentage test: passes on a roll of 1 up to `chance`.
bool PercentTest(int chance, RandomSource& random) {
  return random.Roll(100, 1) <= chance;
}

}  // namespace

TreasureResult TreasureGenerator::Generate(const Counts& counts,
                                           RandomSource& random) const {
  // Summing as we go gives the same totals as a grid of cells summed per
  // kind afterwards: every cell is set once and only ever added to its
  // kind's total. The largest total, 345000, fits an int easily.
  TreasureResult result;
  result.counts = counts;

  for (int type = 0; type < kTreasureTypeCount; ++type) {
    const int count = counts[static_cast<std::size_t>(type)];
    if (count < 1 || count > kMaxTreasureCount) continue;

    const TreasureTypeEntry& entry = TreasureType(type);
    for (int kind = 0; kind < kTreasureKindCount; ++kind) {
      const TreasureRow& row = entry.rows[static_cast<std::size_t>(kind)];
      if (!row.Present() || !PercentTest(row.chance, random)) continue;
      result.totals[static_cast<std::size_t>(kind)] +=
          random.RollBetween(row.low, row.high) * count;
    }
    if (PercentTest(entry.magicChance, random)) {
      result.magic_lines[static_cast<std::size_t>(type)] =
          MagicText(type, count);
    }
  }
  return result;
}

}  // namespace quendaro
