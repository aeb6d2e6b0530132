#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "character/CharacterSheet.h"
#include "presentation/JsonFields.h"
#include "presentation/Markup.h"
#include "presentation/ResultFields.h"

namespace quendaro {

// The texts of the character window's input boxes after the pre-set
// character replaced them, in the order the window writes them.
struct PresetTexts {
  std::string character_class;
  std::string race;
  std::string alignment;
  std::string height;
  std::string weight;
  std::string age;
  std::string sex;
};

// Every text the character window writes after "Tira i dadi".
struct CharacterWindowTexts {
  // "Cancella" stays disabled when no class or no race was chosen.
  bool clear_enabled = true;
  std::string age;           // the age box
  std::string age_category;  // beside the age box
  std::array<std::string, kAbilityCount> scores;
  std::string percentile;  // the exceptional strength; empty when none
  std::string average;
  std::string total;
  // Each score's row, empty when its table has none.
  std::array<std::string, kAbilityCount> rows;
  // Present only when the pre-set character applied.
  std::optional<PresetTexts> preset;
};

// The ability captions of the character window, strength to charisma:
// "FORZA" .. "CARISMA".
std::string_view AbilityCaption(Ability ability);

// A score as a game master writes it: "17", or "18/76" with the exceptional
// strength.
std::string ScoreText(const CharacterSheet& sheet, Ability ability);

CharacterWindowTexts WindowTexts(const CharacterSheet& sheet,
                                 char decimal_separator);

// The messages, then the window's captions and values, one per line.
std::string PlainText(const CharacterSheet& sheet, char decimal_separator);
std::string Markdown(const CharacterSheet& sheet, char decimal_separator);

// The character's fields, once, in the order and shape of its record's
// "result" (ResultJson writes them).
void VisitResult(const CharacterSheet& sheet, ResultFields& fields);
Json DisplayJson(const CharacterSheet& sheet);
Json Record(const CharacterSheet& sheet, std::optional<std::int64_t> seed,
            std::uint64_t index);

}  // namespace quendaro
