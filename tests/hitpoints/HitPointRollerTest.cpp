#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "common/NumberText.h"
#include "hitpoints/HitPointRoller.h"
#include "support/Draws.h"

namespace quendaro {
namespace {

using testing::DrawFor;
using testing::kLargestDraw;
using testing::kSmallestDraw;

// What a group's column should hold, written from the game's rules rather
// than from the roller's table: the high end is the die times the level up to
// the last counted level, after which a fixed amount is added per level. The
// low ends fit no rule and are listed level by level up to the last counted
// level; later levels keep the last one.
struct ExpectedColumn {
  ClassGroup group;
  int die;
  int last_counted_level;
  int addition_per_level;
  std::array<int, 10> plain_lows;
  std::array<int, 10> reroll_lows;
};

constexpr std::array<ExpectedColumn, kClassGroupCount> kExpected = {{
    {ClassGroup::kMilitare,
     10,
     9,
     3,
     {1, 2, 3, 8, 10, 12, 14, 16, 18, 18},
     {5, 12, 17, 22, 27, 32, 37, 42, 47, 47}},
    {ClassGroup::kVagabondo,
     6,
     10,
     2,
     {1, 4, 6, 8, 10, 12, 14, 16, 18, 20},
     {3, 6, 9, 12, 17, 20, 23, 26, 29, 32}},
    {ClassGroup::kSacerdote,
     8,
     9,
     2,
     {1, 2, 6, 8, 10, 12, 14, 16, 18, 18},
     {4, 8, 14, 18, 22, 24, 28, 32, 38, 38}},
    {ClassGroup::kEspertoDiMagia,
     4,
     10,
     1,
     {1, 2, 4, 6, 8, 10, 12, 14, 16, 18},
     {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}},
}};

// The hit points as digits, or empty when there are none.
std::string PointsOf(const HitPointResult& result) {
  return result.hit_points ? WholeText(*result.hit_points) : std::string();
}

std::string Roll(ClassGroup group, const std::string& level, bool reroll,
                 float draw, char separator = '.') {
  RandomSource random;
  random.ScriptDraws({draw});
  return PointsOf(
      HitPointRoller(separator).RollHitPoints(group, level, reroll, random));
}

TEST(HitPointRollerTest, EveryLevelReachesBothEndsOfItsRange) {
  for (const ExpectedColumn& column : kExpected) {
    for (int level = 1; level <= 20; ++level) {
      const int counted = std::min(level, column.last_counted_level);
      const int high = column.die * counted;
      const int addition =
          column.addition_per_level * std::max(0, level - counted);
      const int row = std::min(level, 10) - 1;
      for (const bool reroll : {false, true}) {
        const int low =
            reroll ? column.reroll_lows[row] : column.plain_lows[row];
        const std::string level_text = WholeText(level);
        SCOPED_TRACE(std::string(ClassGroupCaption(column.group)) + ", level " +
                     level_text + (reroll ? ", reroll" : ", no reroll"));
        EXPECT_EQ(Roll(column.group, level_text, reroll, kSmallestDraw),
                  WholeText(low + addition));
        EXPECT_EQ(Roll(column.group, level_text, reroll, kLargestDraw),
                  WholeText(high + addition));
      }
    }
  }
}

// The printed table let a second- or third-level warrior reach 19-20 or
// 28-30 hit points only with the reroll option; both ways now reach the full
// die times the level.
TEST(HitPointRollerTest, LowLevelWarriorsReachTheirFullDie) {
  EXPECT_EQ(Roll(ClassGroup::kMilitare, "2", false, DrawFor(19, 2, 19)), "19");
  EXPECT_EQ(Roll(ClassGroup::kMilitare, "2", false, kLargestDraw), "20");
  EXPECT_EQ(Roll(ClassGroup::kMilitare, "3", false, DrawFor(28, 3, 28)), "28");
  EXPECT_EQ(Roll(ClassGroup::kMilitare, "3", false, kLargestDraw), "30");
}

TEST(HitPointRollerTest, LevelTextsAreReadAsRegionalWholeNumbers) {
  // Rogues grow by 6 a level up to 10 and by 2 after, so the largest draw
  // names the level the text was read as; "" means no level and no draw.
  struct Case {
    const char* text;
    char separator;
    const char* points;
  };
  const Case kCases[] = {
      {"20", '.', "80"},  {"21", '.', ""},  {"0", '.', ""},
      {"-3", '.', ""},    {"2,5", ',', ""}, {"3,0", ',', "18"},
      {"3.0", '.', "18"}, {"3,0", '.', ""}, {" 7 ", '.', "42"},
      {"", '.', ""},      {"abc", '.', ""}, {"7a", '.', ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\" with '" + c.separator + "'");
    RandomSource random;
    random.ScriptDraws({kLargestDraw});
    const HitPointResult result =
        HitPointRoller(c.separator)
            .RollHitPoints(ClassGroup::kVagabondo, c.text, false, random);
    EXPECT_EQ(PointsOf(result), c.points);
    EXPECT_EQ(result.level_text, c.text);
    EXPECT_EQ(result.level.has_value(), result.hit_points.has_value());
    EXPECT_EQ(random.DrawCount(), std::string(c.points).empty() ? 0u : 1u);
  }
}

TEST(HitPointRollerTest, OneDrawAndNoReseedPerRoll) {
  RandomSource random;
  const HitPointRoller roller;
  for (int i = 0; i < kClassGroupCount; ++i) {
    roller.RollHitPoints(static_cast<ClassGroup>(i), "13", i % 2 == 0, random);
  }
  EXPECT_EQ(random.DrawCount(), 4u);
  EXPECT_EQ(random.ReseedCount(), 0u);
}

TEST(HitPointRollerTest, GroupCaptionsAndDice) {
  EXPECT_EQ(ClassGroupCaption(ClassGroup::kMilitare), "Militare");
  EXPECT_EQ(ClassGroupCaption(ClassGroup::kVagabondo), "Vagabondo");
  EXPECT_EQ(ClassGroupCaption(ClassGroup::kSacerdote), "Sacerdote");
  EXPECT_EQ(ClassGroupCaption(ClassGroup::kEspertoDiMagia), "Esperto di magia");
  for (const ExpectedColumn& column : kExpected) {
    EXPECT_EQ(HitDieSize(column.group), column.die);
  }
}

}  // namespace
}  // namespace quendaro
