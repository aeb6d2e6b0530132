#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "character/AbilityScores.h"
#include "character/CharacterSheet.h"
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
  std::array<std::string_view, 3> triggerNames;
  AbilityScores scores;
  std::string_view characterClass;
  std::string_view race;
  std::string_view alignment;
  std::string_view height;
  std::string_view weight;
  std::string_view age;
  std::string_view sex;
};

inline constexpr PresetCharacter kPresetCharacter{
    {"Orvo Brantelmo", "Orvo ", "Orvo"},
    {11, 16, 16, 14, 13, 12},
    "Ladro",
    "Umano",
    "Caotico/neutrale",
    "178",
    "69",
    "20",
    "Maschio",
};

// Case, blanks and length all count: "Orvo " has one trailing blank.
bool IsPresetName(std::string_view name);

PresetTexts PresetTextsOf(const PresetCharacter& preset);

// Writes into `log`, when there is one, that the trigger name `name` brought
// in the pre-set character, and every score of `replaced` it changes.
void RecordPreset(std::string_view name, const AbilityScores& replaced,
                  RollLog* log);

// The ability section as shown: scores, percentile (empty when none), total,
// average with the given decimal separator, and each score's row.
AbilityDisplay DisplayAbilities(const AbilityScores& scores,
                                std::optional<int> percentile,
                                char decimal_separator);

}  // namespace quendaro
