#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendaro {

// The six abilities, in the order the window and the rules list them.
enum class Ability {
  kStrength,
  kDexterity,
  kConstitution,
  kIntelligence,
  kWisdom,
  kCharisma,
};
inline constexpr int kAbilityCount = 6;

// The six scores, strength to charisma, as whole numbers.
using AbilityScores = std::array<int, kAbilityCount>;

// What the game master typed or picked in the character window, exactly as the
// controls hold it. Every rule compares these texts exactly.
struct CharacterRequest {
  std::string race = "nessuna";
  std::string character_class = "nessuna";
  std::string alignment = "nessuno";
  std::string sex = "nessuno";
  std::string name;
  std::string age = "1";
  std::string height;
  std::string weight;

  bool operator==(const CharacterRequest&) const = default;
};

// One generation's character: the request as it was given, then the character
// that came of it. The pre-set character replaces the chosen race, class,
// alignment, sex, age, height and weight, so those fields hold what the window
// shows afterwards, not necessarily what was asked for.
struct CharacterSheet {
  CharacterRequest request;

  std::string race;
  std::string character_class;
  std::string alignment;
  std::string sex;
  std::string name;
  // The age, height and weight texts after the generation: an empty or refused
  // age becomes "1". The texts stay as typed; beside each, the number it reads
  // as, missing when the text is no number (an empty height, say).
  std::string age;
  std::optional<double> age_years;
  std::string height;
  std::optional<double> height_cm;
  std::string weight;
  std::optional<double> weight_kg;
  // The caption beside the age: a band, "Età massima", the blank caption after
  // a refused age (twelve blanks for the dwarves), or empty when no band holds
  // the age.
  std::string age_category;

  AbilityScores scores{};
  // 23 to 99 for a warrior who rolled a strength of 18; missing otherwise, and
  // after a refused combination.
  std::optional<int> exceptional_strength;
  int total = 0;
  // The total divided by 6 in single precision, as the window shows it.
  float average = 0;
  // Each score's row of its ability table; missing when the table has none
  // (a 0 after a refusal, a strength 18 with percentile 100, a wisdom of 21).
  std::array<std::optional<std::string_view>, kAbilityCount> rows{};

  // The messages raised, in order. None of them stopped the generation.
  std::vector<std::string> messages;
  // The name called up the pre-set character.
  bool preset = false;

  bool operator==(const CharacterSheet&) const = default;
};

}  // namespace quendaro
