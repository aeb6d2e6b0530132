#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "character/AbilityTables.h"

namespace quendaro {
namespace {

using Row = std::optional<std::string_view>;

TEST(AbilityTablesTest, StrengthEighteenIsSplitByThePercentile) {
  struct Case {
    std::optional<int> percentile;
    Row row;
  };
  const Case cases[] = {
      {std::nullopt, "+1  +2  50  115,5  11  16%"},
      {0, "+1  +2  50  115,5  11  16%"},
      {1, "+1  +3  61  127  12  20%"},
      {50, "+1  +3  61  127  12  20%"},
      {51, "+2  +3  71,5  138  13  25%"},
      {75, "+2  +3  71,5  138  13  25%"},
      {76, "+2  +4  84  149,5  14  30% "},
      {90, "+2  +4  84  149,5  14  30% "},
      {91, "+2  +5  106,5  172  15(3)  35%"},
      {99, "+2  +5  106,5  172  15(3)  35%"},
      {100, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RowFor(Ability::kStrength, 18, c.percentile), c.row)
        << c.percentile.value_or(-1);
  }
}

TEST(AbilityTablesTest, RowsStartAndEndWhereTheTablesDo) {
  struct Case {
    Ability ability;
    int score;
    Row row;
  };
  const Case cases[] = {
      {Ability::kStrength, 2, std::nullopt},
      {Ability::kStrength, 3, "-3  -1  2  4,5  2  0%"},
      {Ability::kStrength, 5, "-2  -1  4,5  11 3  0%"},
      {Ability::kStrength, 17, "+1  +1  38,5  99,5  10  13%"},
      {Ability::kStrength, 20, "+3  +8  242,5  317  17(10)  60%"},
      {Ability::kStrength, 21, std::nullopt},
      {Ability::kDexterity, 3, std::nullopt},
      {Ability::kDexterity, 4, "-2  -2  +3"},
      {Ability::kDexterity, 5, "-1  -1  +2 "},
      {Ability::kDexterity, 7, "0  0  0"},
      {Ability::kDexterity, 14, "0  0  0"},
      {Ability::kDexterity, 15, "0  0  -1"},
      {Ability::kDexterity, 21, "+4  +4  -5"},
      {Ability::kDexterity, 22, std::nullopt},
      {Ability::kConstitution, 3, std::nullopt},
      {Ability::kConstitution, 4, "-1  40%  45%  0  /"},
      {Ability::kConstitution, 12, "0 80%  85%  0  /"},
      {Ability::kConstitution, 21, "+2/+6  99%  100%  +2  1/5T"},
      {Ability::kIntelligence, 2, std::nullopt},
      {Ability::kIntelligence, 3, "1  /  /  /  /"},
      {Ability::kIntelligence, 8, "1  /  /  /  /"},
      {Ability::kIntelligence, 9, "2  4°  35%  6  /"},
      {Ability::kIntelligence, 21, "10  9°  97%  TUTTI  ILL.3°L"},
      {Ability::kWisdom, 3, "-3  /  50%  /"},
      {Ability::kWisdom, 20, "+4  2°,4°  0% **"},
      {Ability::kWisdom, 21, std::nullopt},
      {Ability::kCharisma, 0, std::nullopt},
      {Ability::kCharisma, 3, "1  -6  -5"},
      {Ability::kCharisma, 21, "30  +14  +10"},
      {Ability::kCharisma, 22, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RowFor(c.ability, c.score, std::nullopt), c.row)
        << static_cast<int>(c.ability) << " " << c.score;
  }
}

TEST(AbilityTablesTest, OnlyStrengthEighteenReadsThePercentile) {
  EXPECT_EQ(RowFor(Ability::kStrength, 17, 99),
            RowFor(Ability::kStrength, 17, std::nullopt));
  EXPECT_EQ(RowFor(Ability::kDexterity, 18, 99), Row("+2  +2  -4"));
  EXPECT_EQ(RowFor(Ability::kCharisma, 18, 99), Row("15  +8  +7"));
}

TEST(AbilityTablesTest, PresetTriggersOnlyOnItsExactNames) {
  struct Case {
    std::string_view name;
    bool triggers;
  };
  const Case cases[] = {
      {"Orvo", true},   {"Orvo ", true},   {"Orvo Brantelmo", true},
      {"orvo", false},  {"ORVO", false},   {"Orvo  ", false},
      {" Orvo", false}, {"Orvo B", false}, {"Orvo Brantelm", false},
      {"Orv", false},   {"", false},       {"Orvo Brantelmo ", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsPresetName(c.name), c.triggers) << '"' << c.name << '"';
  }
}

TEST(AbilityTablesTest, DisplayWritesTotalAverageAndEmptyMissingRows) {
  struct Case {
    AbilityScores scores;
    char separator;
    std::string_view total;
    std::string_view average;
  };
  const Case cases[] = {
      {{13, 13, 13, 13, 13, 12}, ',', "77", "12,83333"},
      {{13, 13, 13, 13, 13, 12}, '.', "77", "12.83333"},
      {{12, 12, 12, 12, 12, 12}, ',', "72", "12"},
      {{11, 16, 16, 14, 13, 12}, ',', "82", "13,66667"},
      {{0, 0, 0, 0, 0, 0}, ',', "0", "0"},
  };
  for (const Case& c : cases) {
    const AbilityDisplay display =
        DisplayAbilities(c.scores, std::nullopt, c.separator);
    EXPECT_EQ(display.total, c.total);
    EXPECT_EQ(display.average, c.average);
    EXPECT_EQ(display.percentile, "");
  }
  const AbilityDisplay zero =
      DisplayAbilities({0, 0, 0, 0, 0, 0}, std::nullopt, '.');
  for (const std::string& row : zero.rows) EXPECT_EQ(row, "");
  for (const std::string& score : zero.scores) EXPECT_EQ(score, "0");
}

}  // namespace
}  // namespace quendaro
