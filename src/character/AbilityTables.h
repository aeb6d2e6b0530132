#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "character/AbilityScores.h"
#include "character/CharacterSheet.h"
#include "character/Classes.h"
#include "character/Races.h"
#include "random/RollLog.h"

namespace quendaro {

// The row of the game's table for one ability's score: its columns packed
// into one text, "/" for an empty column. A strength of 18 is split by the
// exceptional-strength percentile, none counting as 0; every other score
// ignores the percentile. Empty when the table has no row for the score
// (a 0 after a refusal, a strength 18 with percentile 100, a wisdom of 21).
std::optional<std::string_view> RowFor(Ability ability, int score,
                                       std::optional<int> percentile);

// The fixed character that replaces the rolls when the name box holds one of
// its trigger names exactly.
struct PresetCharacter {
  std::array<std::string_view, 3> trigger_names;
  AbilityScores scores;
  std::string_view character_class;
  std::string_view race;
  std::string_view alignment;
  std::string_view height;
  std::string_view weight;
  std::string_view age;
  std::string_view sex;
};

// The pre-set character is a human thief: the one race of the human family,
// and the class at this place of the window's list, the one rogue whose race
// rule refuses a race instead of naming those it takes.
inline constexpr std::size_t kPresetClass = 31;
static_assert(kClassTable[kPresetClass].race.kind == RestrictionKind::kNot &&
                  kClassTable[kPresetClass].hit_point_groups.size() == 1 &&
                  kClassTable[kPresetClass].hit_point_groups[0] ==
                      ClassGroup::kVagabondo,
              "the pre-set character's class is the thief");

inline constexpr PresetCharacter kPresetCharacter{
    {"Orvo Brantelmo", "Orvo ", "Orvo"},
    {11, 16, 16, 14, 13, 12},
    kClassTable[kPresetClass].name,
    OnlyRaceOf(race_family::kHuman).name,
    "Caotico/neutrale",
    "178",
    "69",
    "20",
    "Maschio",
};

// Case, blanks and length all count: "Orvo " has one trailing blank.
bool IsPresetName(std::string_view name);

// Writes into `log`, when there is one, that the trigger name `name` brought
// in the pre-set character, and every score of `replaced` it changes.
void RecordPreset(std::string_view name, const AbilityScores& replaced,
                  RollLog* log);

// A column of an ability table: its key in the command line's records and
// its heading on a printed sheet.
struct AbilityColumn {
  std::string_view key;
  std::string_view heading;
};

// The columns of the ability's table, in the order its rows pack them.
std::span<const AbilityColumn> ColumnsOf(Ability ability);

// A row text split into its columns. The columns are separated by blanks
// (mostly two, a few rows have one), and no column holds a blank, so every
// row gives exactly as many columns as its table has; "/" is an empty column.
std::vector<std::string_view> SplitRow(std::string_view row);

}  // namespace quendaro
