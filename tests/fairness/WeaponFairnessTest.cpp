#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fairness/ChiSquare.h"
#include "random/RandomSource.h"
#include "weapon/AbilityDraw.h"
#include "weapon/WeaponGenerator.h"
#include "weapon/WeaponResult.h"
#include "weapon/WeaponTables.h"

namespace quendaro {
namespace {

using testing::FitsWidths;
using testing::kRequiredPower;
using testing::OffByOnePower;

std::uint64_t FrozenClock() { return 1'700'000'000'000'000'000ULL; }

// 200000 weapons give every table below a power above 0.99 against one face
// moved across a border; the weakest case, languages 1-40 against 41-70,
// has a noncentrality of 200000 * 0.01^2 * (1/0.4 + 1/0.3) = 117 on 5
// degrees of freedom, where the critical value is 35.9: power above
// 0.99999.
constexpr long kWeapons = 200'000;

// A table as the rules print it: the first roll of each row and the row
// widths. The row's text comes from the program's own lookup at that first
// roll, so a border in the wrong place shows as a share off by one face.
struct PrintedTable {
  std::vector<int> lows;
  std::vector<int> widths;
};

std::vector<long> Tally(const std::vector<std::string>& outcomes,
                        const std::vector<std::string_view>& cells) {
  std::vector<long> counts(cells.size(), 0);
  for (const std::string& outcome : outcomes) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (outcome == cells[i]) {
        ++counts[i];
        break;
      }
    }
  }
  return counts;
}

long Sum(const std::vector<long>& counts) {
  long total = 0;
  for (long count : counts) total += count;
  return total;
}

// One field of every weapon against a printed table.
void ExpectPrintedShares(const std::vector<std::string>& outcomes,
                         const PrintedTable& table,
                         const std::function<std::string(int)>& text_at) {
  ASSERT_GE(OffByOnePower(table.widths, kWeapons), kRequiredPower);
  std::vector<std::string> texts;
  for (int low : table.lows) texts.push_back(text_at(low));
  const std::vector<std::string_view> cells(texts.begin(), texts.end());
  const std::vector<long> counts = Tally(outcomes, cells);
  EXPECT_EQ(Sum(counts), kWeapons) << "a text outside the table";
  EXPECT_TRUE(FitsWidths(counts, table.widths));
}

// The weapons are made once and every table is checked on them: making
// them is the slow part, above all under the sanitizers.
TEST(WeaponFairnessTest, EveryTableFollowsItsPrintedRows) {
  RandomSource random(31337, &FrozenClock);
  const WeaponGenerator generator;
  std::vector<std::string> languages, bonus, alignment, intelligence, ability1;
  for (long i = 0; i < kWeapons; ++i) {
    const WeaponResult weapon = generator.Generate(random);
    languages.push_back(std::to_string(weapon.languages));
    bonus.push_back(std::to_string(weapon.bonus));
    alignment.emplace_back(weapon.alignment);
    intelligence.push_back(std::to_string(weapon.intelligence));
    ability1.emplace_back(weapon.abilities[0]);
  }

  {
    SCOPED_TRACE("languages");
    ExpectPrintedShares(
        languages, {{1, 41, 71, 86, 96, 100}, {40, 30, 15, 10, 4, 1}},
        [](int roll) { return std::to_string(LanguagesFor(roll).languages); });
  }
  {
    SCOPED_TRACE("bonus");
    ExpectPrintedShares(
        bonus, {{1, 6, 11, 16, 20}, {5, 5, 5, 4, 1}},
        [](int roll) { return std::to_string(BonusFor(roll).bonus); });
  }
  {
    SCOPED_TRACE("alignment");
    ExpectPrintedShares(
        alignment,
        {{1, 6, 16, 21, 26, 31, 56, 61, 81}, {5, 10, 5, 5, 5, 25, 5, 20, 20}},
        [](int roll) { return std::string(AlignmentFor(roll).alignment); });
  }
  {
    SCOPED_TRACE("intelligence");
    ExpectPrintedShares(
        intelligence, {{1, 35, 60, 80, 92, 98}, {34, 25, 20, 12, 6, 3}},
        [](int roll) {
          return std::to_string(CapabilitiesFor(roll).intelligence);
        });
  }
  {
    // The ten senses by their rows, and a last cell for rolls 99-100, two in
    // a hundred, whose draw becomes an extraordinary power instead.
    SCOPED_TRACE("first ability");
    const PrintedTable senses = {{1, 12, 23, 34, 45, 56, 67, 78, 83, 88},
                                 {11, 11, 11, 11, 11, 11, 11, 5, 5, 11, 2}};
    ASSERT_GE(OffByOnePower(senses.widths, kWeapons), kRequiredPower);
    std::vector<std::string_view> cells;
    for (int low : senses.lows) cells.push_back(PrimaryAbilityFor(low).ability);
    std::vector<long> counts = Tally(ability1, cells);
    counts.push_back(kWeapons - Sum(counts));
    EXPECT_TRUE(FitsWidths(counts, senses.widths));
  }
}

TEST(WeaponPowerFairnessTest, ExtraordinaryPowersFollowTheirRows) {
  // Powers come from 2 draws in 100, so the ability draw is run alone, often
  // enough for about 40000 powers. Rows 89-94 and 95-96 share their text and
  // differ in the special purpose that only the second brings.
  const std::vector<int> lows = {1,  8,  16, 23, 29, 35, 42, 48,
                                 55, 62, 68, 76, 82, 89, 95};
  const std::vector<int> widths = {7, 8, 7, 6, 6, 7, 6, 7, 7, 6, 8, 6, 7, 6, 2};
  RandomSource random(4242, &FrozenClock);
  std::vector<long> counts(widths.size(), 0);
  long powers = 0;
  for (long i = 0; i < 2'000'000; ++i) {
    const AbilityOutcome outcome = AbilityDraw(random);
    if (outcome.ego == 1) continue;  // a sense
    ++powers;
    if (outcome.specialPurpose) {
      ++counts.back();
      continue;
    }
    for (std::size_t row = 0; row + 1 < lows.size(); ++row) {
      if (outcome.ability == ExtraordinaryPowerFor(lows[row]).ability) {
        ++counts[row];
        break;
      }
    }
  }
  ASSERT_GE(OffByOnePower(widths, powers), kRequiredPower);
  EXPECT_EQ(Sum(counts), powers) << "a power outside the table";
  EXPECT_TRUE(FitsWidths(counts, widths));
}

}  // namespace
}  // namespace quendaro
