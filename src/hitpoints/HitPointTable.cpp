#include "hitpoints/HitPointTable.h"

#include <array>
#include <cassert>

namespace quendaro {
namespace {

// One level of one group: the range without the reroll option, then with it.
struct LevelRanges {
  HitPointRange plain;
  HitPointRange reroll;
};

constexpr int kLevelCount = kHighestLevel - kLowestLevel + 1;
using LevelColumn = std::array<LevelRanges, kLevelCount>;

// Each row is {low, high, addition} without the option, then with it, and the
// comment names the level. A plain high end is the die size times the level
// up to the group's last counted level; the low ends follow the printed
// tables as they stand and fit no one rule.
// clang-format off
constexpr LevelColumn kMilitare = {{
    {{ 1, 10,  0}, { 5, 10,  0}},  // 1
    {{ 2, 20,  0}, {12, 20,  0}},  // 2
    {{ 3, 30,  0}, {17, 30,  0}},  // 3
    {{ 8, 40,  0}, {22, 40,  0}},  // 4
    {{10, 50,  0}, {27, 50,  0}},  // 5
    {{12, 60,  0}, {32, 60,  0}},  // 6
    {{14, 70,  0}, {37, 70,  0}},  // 7
    {{16, 80,  0}, {42, 80,  0}},  // 8
    {{18, 90,  0}, {47, 90,  0}},  // 9
    {{18, 90,  3}, {47, 90,  3}},  // 10
    {{18, 90,  6}, {47, 90,  6}},  // 11
    {{18, 90,  9}, {47, 90,  9}},  // 12
    {{18, 90, 12}, {47, 90, 12}},  // 13
    {{18, 90, 15}, {47, 90, 15}},  // 14
    {{18, 90, 18}, {47, 90, 18}},  // 15
    {{18, 90, 21}, {47, 90, 21}},  // 16
    {{18, 90, 24}, {47, 90, 24}},  // 17
    {{18, 90, 27}, {47, 90, 27}},  // 18
    {{18, 90, 30}, {47, 90, 30}},  // 19
    {{18, 90, 33}, {47, 90, 33}},  // 20
}};

constexpr LevelColumn kVagabondo = {{
    {{ 1,  6,  0}, { 3,  6,  0}},  // 1
    {{ 4, 12,  0}, { 6, 12,  0}},  // 2
    {{ 6, 18,  0}, { 9, 18,  0}},  // 3
    {{ 8, 24,  0}, {12, 24,  0}},  // 4
    {{10, 30,  0}, {17, 30,  0}},  // 5
    {{12, 36,  0}, {20, 36,  0}},  // 6
    {{14, 42,  0}, {23, 42,  0}},  // 7
    {{16, 48,  0}, {26, 48,  0}},  // 8
    {{18, 54,  0}, {29, 54,  0}},  // 9
    {{20, 60,  0}, {32, 60,  0}},  // 10
    {{20, 60,  2}, {32, 60,  2}},  // 11
    {{20, 60,  4}, {32, 60,  4}},  // 12
    {{20, 60,  6}, {32, 60,  6}},  // 13
    {{20, 60,  8}, {32, 60,  8}},  // 14
    {{20, 60, 10}, {32, 60, 10}},  // 15
    {{20, 60, 12}, {32, 60, 12}},  // 16
    {{20, 60, 14}, {32, 60, 14}},  // 17
    {{20, 60, 16}, {32, 60, 16}},  // 18
    {{20, 60, 18}, {32, 60, 18}},  // 19
    {{20, 60, 20}, {32, 60, 20}},  // 20
}};

constexpr LevelColumn kSacerdote = {{
    {{ 1,  8,  0}, { 4,  8,  0}},  // 1
    {{ 2, 16,  0}, { 8, 16,  0}},  // 2
    {{ 6, 24,  0}, {14, 24,  0}},  // 3
    {{ 8, 32,  0}, {18, 32,  0}},  // 4
    {{10, 40,  0}, {22, 40,  0}},  // 5
    {{12, 48,  0}, {24, 48,  0}},  // 6
    {{14, 56,  0}, {28, 56,  0}},  // 7
    {{16, 64,  0}, {32, 64,  0}},  // 8
    {{18, 72,  0}, {38, 72,  0}},  // 9
    {{18, 72,  2}, {38, 72,  2}},  // 10
    {{18, 72,  4}, {38, 72,  4}},  // 11
    {{18, 72,  6}, {38, 72,  6}},  // 12
    {{18, 72,  8}, {38, 72,  8}},  // 13
    {{18, 72, 10}, {38, 72, 10}},  // 14
    {{18, 72, 12}, {38, 72, 12}},  // 15
    {{18, 72, 14}, {38, 72, 14}},  // 16
    {{18, 72, 16}, {38, 72, 16}},  // 17
    {{18, 72, 18}, {38, 72, 18}},  // 18
    {{18, 72, 20}, {38, 72, 20}},  // 19
    {{18, 72, 22}, {38, 72, 22}},  // 20
}};

constexpr LevelColumn kEspertoDiMagia = {{
    {{ 1,  4,  0}, { 2,  4,  0}},  // 1
    {{ 2,  8,  0}, { 4,  8,  0}},  // 2
    {{ 4, 12,  0}, { 6, 12,  0}},  // 3
    {{ 6, 16,  0}, { 8, 16,  0}},  // 4
    {{ 8, 20,  0}, {10, 20,  0}},  // 5
    {{10, 24,  0}, {12, 24,  0}},  // 6
    {{12, 28,  0}, {14, 28,  0}},  // 7
    {{14, 32,  0}, {16, 32,  0}},  // 8
    {{16, 36,  0}, {18, 36,  0}},  // 9
    {{18, 40,  0}, {20, 40,  0}},  // 10
    {{18, 40,  1}, {20, 40,  1}},  // 11
    {{18, 40,  2}, {20, 40,  2}},  // 12
    {{18, 40,  3}, {20, 40,  3}},  // 13
    {{18, 40,  4}, {20, 40,  4}},  // 14
    {{18, 40,  5}, {20, 40,  5}},  // 15
    {{18, 40,  6}, {20, 40,  6}},  // 16
    {{18, 40,  7}, {20, 40,  7}},  // 17
    {{18, 40,  8}, {20, 40,  8}},  // 18
    {{18, 40,  9}, {20, 40,  9}},  // 19
    {{18, 40, 10}, {20, 40, 10}},  // 20
}};
// clang-format on

// A column one row short would be zero-filled silently; every range must be a
// real one, with the reroll range inside the plain one.
constexpr bool IsComplete(const LevelColumn& column) {
  for (const LevelRanges& ranges : column) {
    if (ranges.plain.low < 1 || ranges.plain.low > ranges.plain.high ||
        ranges.reroll.low < ranges.plain.low ||
        ranges.reroll.high != ranges.plain.high ||
        ranges.reroll.addition != ranges.plain.addition) {
      return false;
    }
  }
  return true;
}
static_assert(IsComplete(kMilitare) && IsComplete(kVagabondo) &&
              IsComplete(kSacerdote) && IsComplete(kEspertoDiMagia));

const LevelColumn& ColumnOf(ClassGroup group) {
  switch (group) {
    case ClassGroup::kMilitare:
      return kMilitare;
    case ClassGroup::kVagabondo:
      return kVagabondo;
    case ClassGroup::kSacerdote:
      return kSacerdote;
    case ClassGroup::kEspertoDiMagia:
      return kEspertoDiMagia;
  }
  return kMilitare;
}

}  // namespace

const HitPointRange& HitPointRangeFor(ClassGroup group, int level,
                                      bool reroll) {
  assert(level >= kLowestLevel && level <= kHighestLevel &&
         "hit-point levels run from 1 to 20");
  const LevelRanges& ranges = ColumnOf(group)[level - kLowestLevel];
  return reroll ? ranges.reroll : ranges.plain;
}

}  // namespace quendaro
