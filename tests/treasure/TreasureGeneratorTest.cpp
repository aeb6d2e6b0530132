#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/Draws.h"
#include "treasure/TreasureGenerator.h"

namespace quendaro {
namespace {

using testing::DrawFor;
using Counts = TreasureGenerator::Counts;

constexpr int kA = 0, kB = 1, kC = 2, kG = 6, kH = 7, kI = 8;

// Builds the exact draws a generation will ask for, in order.
class Script {
 public:
  Script& Percent(int roll) {
    draws_.push_back(DrawFor(100, 1, roll));
    return *this;
  }
  Script& Amount(int low, int high, int value) {
    draws_.push_back(DrawFor(high - low + 1, low, value));
    return *this;
  }
  std::vector<float> draws() const { return draws_; }

 private:
  std::vector<float> draws_;
};

Counts Only(int type, int count) {
  Counts counts{};
  counts[static_cast<std::size_t>(type)] = count;
  return counts;
}

TreasureResult GenerateWith(const Counts& counts, const Script& script,
                            RandomSource& random) {
  random.ScriptDraws(script.draws());
  return TreasureGenerator().Generate(counts, random);
}

void ExpectTotals(const TreasureResult& result,
                  const std::array<int, kTreasureKindCount>& totals) {
  for (int kind = 0; kind < kTreasureKindCount; ++kind) {
    EXPECT_EQ(result.totals[static_cast<std::size_t>(kind)],
              totals[static_cast<std::size_t>(kind)])
        << "kind " << kind;
  }
}

TEST(TreasureGeneratorTest, AbsentTypesMakeNoDrawAndShowZeroTotals) {
  // The window only passes 0 to 5; anything else counts as an absent type.
  for (const Counts& counts :
       {Counts{}, Counts{-1, 6, 0, 100, -5, 0, 0, 7, 0}}) {
    RandomSource random(1);
    const TreasureResult result = TreasureGenerator().Generate(counts, random);
    EXPECT_EQ(random.DrawCount(), 0u);
    ExpectTotals(result, {0, 0, 0, 0, 0, 0});
    for (std::string_view line : result.magic_lines) EXPECT_EQ(line, "");
  }
}

TEST(TreasureGeneratorTest, RollEqualToTheChancePassesAndOneAboveFails) {
  RandomSource random(1);
  Script passes;
  passes.Percent(25).Amount(1000, 3000, 1234);  // copper of type A
  for (int chance : {30, 40, 35, 60, 50, 30}) passes.Percent(chance + 1);
  TreasureResult result = GenerateWith(Only(kA, 1), passes, random);
  ExpectTotals(result, {1234, 0, 0, 0, 0, 0});
  EXPECT_EQ(random.DrawCount(), 8u);

  RandomSource fresh(1);
  Script fails;
  fails.Percent(26);
  for (int chance : {30, 40, 35, 60, 50, 30}) fails.Percent(chance + 1);
  result = GenerateWith(Only(kA, 1), fails, fresh);
  ExpectTotals(result, {0, 0, 0, 0, 0, 0});
  EXPECT_EQ(fresh.DrawCount(), 7u);
  EXPECT_EQ(fresh.ScriptedDrawsLeft(), 0u);
}

// Every row of every type at every count: the row alone passes, on a roll of
// exactly its chance, with its top amount. Only that kind's total moves, by
// the count times one roll, and the draws are one per row, one amount and
// the magic test: kinds a type lacks are never tested.
TEST(TreasureGeneratorTest, EachRowYieldsOneRollTimesTheCount) {
  for (int type = 0; type < kTreasureTypeCount; ++type) {
    const TreasureTypeEntry& entry = TreasureType(type);
    for (int kind = 0; kind < kTreasureKindCount; ++kind) {
      const TreasureRow& target = entry.rows[static_cast<std::size_t>(kind)];
      if (!target.Present()) continue;
      for (int count = 1; count <= kMaxTreasureCount; ++count) {
        SCOPED_TRACE(std::string(entry.letter) + " kind " +
                     std::to_string(kind) + " count " + std::to_string(count));
        Script script;
        std::size_t rows = 0;
        for (const TreasureRow& row : entry.rows) {
          if (!row.Present()) continue;
          ++rows;
          if (&row == &target) {
            script.Percent(row.chance).Amount(row.low, row.high, row.high);
          } else {
            script.Percent(row.chance + 1);
          }
        }
        script.Percent(entry.magicChance + 1);

        RandomSource random(1);
        const TreasureResult result =
            GenerateWith(Only(type, count), script, random);
        std::array<int, kTreasureKindCount> expected{};
        expected[static_cast<std::size_t>(kind)] = target.high * count;
        ExpectTotals(result, expected);
        EXPECT_EQ(random.DrawCount(), rows + 2);
        EXPECT_EQ(result.magic_lines[static_cast<std::size_t>(type)], "");
      }
    }
  }
}

TEST(TreasureGeneratorTest, TypeIAloneTakesFourToSevenDraws) {
  RandomSource none(1);
  GenerateWith(Only(kI, 1),
               Script().Percent(31).Percent(56).Percent(51).Percent(16), none);
  EXPECT_EQ(none.DrawCount(), 4u);

  RandomSource all(1);
  const TreasureResult result = GenerateWith(Only(kI, 1),
                                             Script()
                                                 .Percent(30)
                                                 .Amount(100, 600, 600)
                                                 .Percent(55)
                                                 .Amount(2, 12, 2)
                                                 .Percent(50)
                                                 .Amount(2, 8, 8)
                                                 .Percent(15),
                                             all);
  EXPECT_EQ(all.DrawCount(), 7u);
  ExpectTotals(result, {0, 0, 0, 600, 2, 8});
  EXPECT_EQ(result.magic_lines[kI], "1 qualsiasi");
}

TEST(TreasureGeneratorTest, CountMultipliesOneRollRatherThanSummingRolls) {
  // Type A at count 5: the copper can only be a multiple of 5 between
  // 5 x 1000 and 5 x 3000, taken from one amount draw.
  struct Case {
    float draw;
    int copper;
  };
  for (const Case& c : {Case{testing::kSmallestDraw, 5000},
                        Case{DrawFor(2001, 1000, 1001), 5005},
                        Case{testing::kLargestDraw, 15000}}) {
    std::vector<float> draws = {DrawFor(100, 1, 1), c.draw};
    for (int chance : {30, 40, 35, 60, 50, 30}) {
      draws.push_back(DrawFor(100, 1, chance + 1));
    }
    RandomSource random(1);
    random.ScriptDraws(draws);
    const TreasureResult result =
        TreasureGenerator().Generate(Only(kA, 5), random);
    EXPECT_EQ(result.Total(TreasureKind::kCopper), c.copper);
    EXPECT_EQ(random.DrawCount(), 8u);
  }
}

TEST(TreasureGeneratorTest, GoldRangesOfGAndHDiffer) {
  // G's gold tops out at 19000, H's at 20000; both start where the rules say.
  struct Case {
    int type;
    float draw;
    int gold;
  };
  for (const Case& c : {Case{kG, testing::kLargestDraw, 19000},
                        Case{kG, testing::kSmallestDraw, 1000},
                        Case{kH, testing::kLargestDraw, 20000},
                        Case{kH, testing::kSmallestDraw, 2000}}) {
    const TreasureTypeEntry& entry = TreasureType(c.type);
    std::vector<float> draws;
    for (int kind = 0; kind < kTreasureKindCount; ++kind) {
      const TreasureRow& row = entry.rows[static_cast<std::size_t>(kind)];
      if (!row.Present()) continue;
      const bool gold = kind == static_cast<int>(TreasureKind::kGold);
      draws.push_back(DrawFor(100, 1, gold ? 1 : 100));
      if (gold) draws.push_back(c.draw);
    }
    draws.push_back(DrawFor(100, 1, 100));
    RandomSource random(1);
    random.ScriptDraws(draws);
    const TreasureResult result =
        TreasureGenerator().Generate(Only(c.type, 1), random);
    EXPECT_EQ(result.Total(TreasureKind::kGold), c.gold);
  }
}

TEST(TreasureGeneratorTest, TotalsAddTypesWhileMagicLinesStaySeparate) {
  Script script;
  // Type A: copper 1000, gems 10, magic found.
  script.Percent(1)
      .Amount(1000, 3000, 1000)
      .Percent(31)
      .Percent(41)
      .Percent(36);
  script.Percent(60).Amount(10, 40, 10).Percent(51).Percent(30);
  // Type B: copper 6000, gems 8, no magic.
  script.Percent(50)
      .Amount(1000, 6000, 6000)
      .Percent(26)
      .Percent(26)
      .Percent(26);
  script.Percent(30).Amount(1, 8, 8).Percent(21).Percent(11);
  // Type C: only its gems, 6 of them, and its magic.
  script.Percent(21).Percent(31).Percent(11).Percent(25).Amount(1, 6, 6);
  script.Percent(21).Percent(10);

  RandomSource random(1);
  const TreasureResult result = GenerateWith(Counts{1, 1, 1}, script, random);
  ExpectTotals(result, {7000, 0, 0, 0, 24, 0});
  EXPECT_EQ(result.magic_lines[kA], "3 qualsiasi");
  EXPECT_EQ(result.magic_lines[kB], "");
  EXPECT_EQ(result.magic_lines[kC], " 2 qualsiasi");
  EXPECT_EQ(random.ScriptedDrawsLeft(), 0u);
}

TEST(TreasureGeneratorTest, LargestSilverTotalFitsAndIsExact) {
  // Every type at count 5, every test passing with every amount at its top.
  std::vector<float> draws;
  for (const TreasureTypeEntry& entry : LairTreasureTable()) {
    for (const TreasureRow& row : entry.rows) {
      if (!row.Present()) continue;
      draws.push_back(DrawFor(100, 1, 1));
      draws.push_back(testing::kLargestDraw);
    }
    draws.push_back(DrawFor(100, 1, 1));
  }
  RandomSource random(1);
  random.ScriptDraws(draws);
  const TreasureResult result =
      TreasureGenerator().Generate(Counts{5, 5, 5, 5, 5, 5, 5, 5, 5}, random);
  EXPECT_EQ(result.Total(TreasureKind::kSilver), 345000);
  EXPECT_EQ(random.ScriptedDrawsLeft(), 0u);
}

TEST(TreasureGeneratorTest, EveryMagicTextByTypeAndCount) {
  // A lair present n times holds n times the items of one lair.
  // clang-format off
  const std::array<std::array<std::string, kMaxTreasureCount>, kTreasureTypeCount> kExpected = {{
      {"3 qualsiasi", "6 qualsiasi", "9 qualsiasi", "12 qualsiasi", "15 qualsiasi"},  // A
      {"1 armatura/arma", "2 armature/armi", "3 armature/armi", "4 armature/armi", "5 armature/armi"},  // B
      {" 2 qualsiasi", " 4 qualsiasi", " 6 qualsiasi", " 8 qualsiasi", " 10 qualsiasi"},  // C
      {"2 + 1 pozione", "4 + 2 pozioni", "6 + 3 pozioni", "8 + 4 pozioni", "10 + 5 pozioni"},  // D
      {"3 + 1 pergamena", "6 + 2 pergamene", "9 + 3 pergamene", "12 + 4 pergamene", "15 + 5 pergamene"},  // E
      {"5 qualsiasi, non armi", "10 qualsiasi, non armi", "15 qualsiasi, non armi", "20 qualsiasi, non armi", "25 qualsiasi, non armi"},  // F
      {"5 qualsiasi", "10 qualsiasi", "15 qualsiasi", "20 qualsiasi", "25 qualsiasi"},  // G
      {"6 qualsiasi", "12 qualsiasi", "18 qualsiasi", "24 qualsiasi", "30 qualsiasi"},  // H
      {"1 qualsiasi", "2 qualsiasi", "3 qualsiasi", "4 qualsiasi", "5 qualsiasi"},  // I
  }};
  // clang-format on
  for (int type = 0; type < kTreasureTypeCount; ++type) {
    const TreasureTypeEntry& entry = TreasureType(type);
    for (int count = 1; count <= kMaxTreasureCount; ++count) {
      Script script;
      for (const TreasureRow& row : entry.rows) {
        if (row.Present()) script.Percent(row.chance + 1);
      }
      script.Percent(entry.magicChance);
      RandomSource random(1);
      const TreasureResult result =
          GenerateWith(Only(type, count), script, random);
      EXPECT_EQ(result.magic_lines[static_cast<std::size_t>(type)],
                kExpected[static_cast<std::size_t>(type)]
                         [static_cast<std::size_t>(count - 1)])
          << entry.letter << " x" << count;
    }
  }
}

TEST(TreasureGeneratorTest, SameStateGivesTheSameLairAndNeverReseeds) {
  const Counts counts{5, 4, 3, 2, 1, 5, 4, 3, 2};
  RandomSource first(42);
  RandomSource second(42);
  const TreasureResult a = TreasureGenerator().Generate(counts, first);
  const TreasureResult b = TreasureGenerator().Generate(counts, second);
  EXPECT_EQ(a.totals, b.totals);
  EXPECT_EQ(a.magic_lines, b.magic_lines);
  EXPECT_EQ(first.ReseedCount(), 0u);
}

}  // namespace
}  // namespace quendaro
