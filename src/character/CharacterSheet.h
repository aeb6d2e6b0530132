#pragma once

#include <array>
#include <optional>
#include <string>
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

// What the game master typed or picked in the character window, exactly as the
// controls hold it. Every rule compares these texts exactly.
struct CharacterRequest {
  std::string race = "nessuna";
  std::string characterClass = "nessuna";
  std::string alignment = "nessuno";
  std::string sex = "nessuno";
  std::string name;
  std::string age = "1";
  std::string height;
  std::string weight;
};

// The pre-set character's texts for the input controls, in the order the
// window writes them: class, race, alignment, height, weight, age, sex.
struct PresetTexts {
  std::string characterClass;
  std::string race;
  std::string alignment;
  std::string height;
  std::string weight;
  std::string age;
  std::string sex;
};

// The ability section of the window, every field a text as shown.
struct AbilityDisplay {
  std::array<std::string, kAbilityCount> scores;  // strength .. charisma
  std::string percentile;                         // empty when none
  std::string total;
  std::string average;
  // The row of each ability's table; empty when the table has none, so that
  // no earlier character's row stays on screen.
  std::array<std::string, kAbilityCount> rows;
};

// Everything one generation shows: the messages first, then every output
// control's text. The window writes all of it.
struct CharacterSheet {
  std::vector<std::string> messages;  // in the order raised
  bool clearEnabled = true;
  std::string age;          // the age box after the generation
  std::string ageCategory;  // empty when the age falls in no band
  AbilityDisplay abilities;
  std::optional<PresetTexts> preset;
};

}  // namespace quendaro
