#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fairness/ChiSquare.h"
#include "random/RandomSource.h"
#include "treasure/LairTreasureTable.h"
#include "treasure/TreasureGenerator.h"
#include "treasure/TreasureResult.h"

namespace quendaro {
namespace {

using testing::FitsWidths;
using testing::kRequiredPower;
using testing::OffByOnePower;

// Lairs of one type present once, so that each total is that type's own
// amount and a kind is found exactly when its total is not "0" (no range
// starts at 0). The hardest chance to tell from its neighbour is 50 % against
// 49 %: 150000 lairs give a noncentrality of 150000 * 0.01^2 / 0.25 = 60 on
// one degree of freedom, against a critical value of 23.9: power 0.999.
constexpr long kLairs = 150'000;

struct TypeTally {
  std::vector<long> found = std::vector<long>(kTreasureKindCount, 0);
  long magic = 0;
};

TypeTally GenerateLairs(int type, int count, long lairs, RandomSource& random,
                        std::vector<int>* amounts_of_first_kind = nullptr) {
  TreasureGenerator::Counts counts{};
  counts[static_cast<std::size_t>(type)] = count;
  const TreasureGenerator generator;
  TypeTally tally;
  for (long i = 0; i < lairs; ++i) {
    const TreasureResult result = generator.Generate(counts, random);
    for (int kind = 0; kind < kTreasureKindCount; ++kind) {
      const int total = result.totals[static_cast<std::size_t>(kind)];
      if (total == 0) continue;
      ++tally.found[static_cast<std::size_t>(kind)];
      if (kind == 0 && amounts_of_first_kind != nullptr) {
        amounts_of_first_kind->push_back(total);
      }
    }
    if (!result.magic_lines[static_cast<std::size_t>(type)].empty()) {
      ++tally.magic;
    }
  }
  return tally;
}

// A percentage chance as two rows of a d100.
std::vector<int> ChanceWidths(int chance) { return {chance, 100 - chance}; }

TEST(TreasureFairnessTest, TypeAFindsCopperInOneLairOfFour) {
  RandomSource random(25);
  const TypeTally tally = GenerateLairs(0, 1, kLairs, random);
  ASSERT_GE(OffByOnePower(ChanceWidths(25), kLairs), kRequiredPower);
  EXPECT_TRUE(
      FitsWidths({tally.found[0], kLairs - tally.found[0]}, ChanceWidths(25)));
  EXPECT_TRUE(
      FitsWidths({tally.magic, kLairs - tally.magic}, ChanceWidths(30)));
}

TEST(TreasureFairnessTest, EveryKindIsFoundAsOftenAsItsChance) {
  RandomSource random(1024);
  for (int type = 0; type < kTreasureTypeCount; ++type) {
    const TreasureTypeEntry& entry = TreasureType(type);
    const TypeTally tally = GenerateLairs(type, 1, kLairs, random);
    for (int kind = 0; kind < kTreasureKindCount; ++kind) {
      const TreasureRow& row = RowOf(entry, static_cast<TreasureKind>(kind));
      const long found = tally.found[static_cast<std::size_t>(kind)];
      if (!row.Present()) {
        EXPECT_EQ(found, 0) << entry.letter << " kind " << kind;
        continue;
      }
      ASSERT_GE(OffByOnePower(ChanceWidths(row.chance), kLairs),
                kRequiredPower);
      EXPECT_TRUE(FitsWidths({found, kLairs - found}, ChanceWidths(row.chance)))
          << entry.letter << " kind " << kind;
    }
    EXPECT_TRUE(FitsWidths({tally.magic, kLairs - tally.magic},
                           ChanceWidths(entry.magicChance)))
        << entry.letter << " magic";
  }
}

TEST(TreasureFairnessTest, AFivefoldLairMultipliesOneUniformAmount) {
  // Type H's copper, 3000 to 18000 for one lair: five lairs share one roll,
  // so every total is a multiple of 5 from 15000 to 90000, spread evenly.
  constexpr int kType = 7;
  const TreasureRow& copper = RowOf(TreasureType(kType), TreasureKind::kCopper);
  RandomSource random(5);
  std::vector<int> amounts;
  GenerateLairs(kType, 5, 400'000, random, &amounts);
  constexpr int kBins = 20;
  const int span = copper.high - copper.low + 1;
  std::vector<long> bins(kBins, 0);
  int lowest = copper.high * 5;
  int highest = 0;
  for (int amount : amounts) {
    ASSERT_EQ(amount % 5, 0) << amount;
    const int single = amount / 5;
    ASSERT_GE(single, copper.low);
    ASSERT_LE(single, copper.high);
    lowest = std::min(lowest, single);
    highest = std::max(highest, single);
    ++bins[static_cast<std::size_t>((single - copper.low) * kBins / span)];
  }
  // About 100000 amounts over 15001 values: a range one value too wide
  // shows that value outside the bounds above with probability
  // 1 - e^-6.7 = 0.999, and amounts within 30 of each end come up in all
  // but e^-200 of runs.
  EXPECT_LE(lowest, copper.low + 30);
  EXPECT_GE(highest, copper.high - 30);
  // 15001 values in 20 bins: the first gets one value more.
  std::vector<int> widths(kBins, span / kBins);
  widths.front() += span % kBins;
  EXPECT_TRUE(FitsWidths(bins, widths));
}

}  // namespace
}  // namespace quendaro
