#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

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

TEST(AbilityTablesTest, EveryRowSplitsIntoItsTablesColumns) {
  // The odd single blanks ("0 80%", "11 3", "0% *") and trailing blanks
  // must neither merge two columns nor make an empty one.
  for (int a = 0; a < kAbilityCount; ++a) {
    const auto ability = static_cast<Ability>(a);
    for (int score = 0; score <= 21; ++score) {
      for (int percentile : {0, 1, 50, 51, 75, 76, 90, 91, 99}) {
        const auto row = RowFor(ability, score, percentile);
        if (!row) continue;
        const auto columns = SplitRow(*row);
        EXPECT_EQ(columns.size(), ColumnsOf(ability).size())
            << "ability " << a << " score " << score << ": " << *row;
        for (std::string_view column : columns) EXPECT_FALSE(column.empty());
      }
    }
  }
  EXPECT_EQ(
      SplitRow("-2  -1  4,5  11 3  0%"),
      (std::vector<std::string_view>{"-2", "-1", "4,5", "11", "3", "0%"}));
}

}  // namespace
}  // namespace quendaro
