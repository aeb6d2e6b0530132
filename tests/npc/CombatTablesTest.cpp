#include <gtest/gtest.h>

#include <string_view>

#include "npc/CombatTables.h"

namespace quendaro {
namespace {

constexpr ClassGroup kGroups[] = {ClassGroup::kMilitare, ClassGroup::kVagabondo,
                                  ClassGroup::kSacerdote,
                                  ClassGroup::kEspertoDiMagia};

// A few numbers read off the game's tables, at the edges of their bands.
TEST(CombatTablesTest, TheGroupsNumbersAtTheEdgesOfTheirBands) {
  struct Case {
    ClassGroup group;
    int level;
    CombatNumbers numbers;
  };
  const Case kCases[] = {
      {ClassGroup::kMilitare, 1, {20, {14, 16, 15, 17, 17}}},
      {ClassGroup::kMilitare, 16, {5, {4, 6, 5, 4, 7}}},
      {ClassGroup::kMilitare, 17, {4, {3, 5, 4, 4, 6}}},
      {ClassGroup::kMilitare, 20, {1, {3, 5, 4, 4, 6}}},
      {ClassGroup::kVagabondo, 4, {19, {13, 14, 12, 16, 15}}},
      {ClassGroup::kVagabondo, 5, {18, {12, 12, 11, 15, 13}}},
      {ClassGroup::kSacerdote, 3, {20, {10, 14, 13, 16, 15}}},
      {ClassGroup::kSacerdote, 4, {18, {9, 13, 12, 15, 14}}},
      {ClassGroup::kSacerdote, 19, {8, {2, 6, 5, 8, 7}}},
      {ClassGroup::kEspertoDiMagia, 5, {19, {14, 11, 13, 15, 12}}},
      {ClassGroup::kEspertoDiMagia, 20, {14, {10, 5, 7, 9, 6}}},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(CombatNumbersOf(c.group, c.level), c.numbers)
        << ClassGroupCaption(c.group) << " " << c.level;
  }
}

// A slip in a data file shows as a number that gets worse with a level.
TEST(CombatTablesTest, NoNumberGetsWorseWithALevel) {
  for (ClassGroup group : kGroups) {
    CombatNumbers before = CombatNumbersOf(group, 1);
    for (int level = 2; level <= 20; ++level) {
      const CombatNumbers now = CombatNumbersOf(group, level);
      EXPECT_LE(now.thac0, before.thac0)
          << ClassGroupCaption(group) << " " << level;
      for (int i = 0; i < kSavingThrowCount; ++i) {
        EXPECT_LE(now.saving_throws[i], before.saving_throws[i])
            << ClassGroupCaption(group) << " " << level << " save " << i;
      }
      before = now;
    }
  }
}

TEST(CombatTablesTest, AMultiClassTakesTheBestOfEachNumber) {
  // At level 5: warrior 16 / 11 13 12 13 14, wizard 19 / 14 11 13 15 12,
  // rogue 18 / 12 12 11 15 13.
  EXPECT_EQ(CombatNumbersOfClass("Guerriero/mago/ladro", 5),
            (CombatNumbers{16, {11, 11, 11, 13, 12}}));
  EXPECT_EQ(CombatNumbersOfClass("Paladino", 5),
            CombatNumbersOf(ClassGroup::kMilitare, 5));
  EXPECT_EQ(CombatNumbersOfClass("nessuna", 5), std::nullopt);
}

}  // namespace
}  // namespace quendaro
