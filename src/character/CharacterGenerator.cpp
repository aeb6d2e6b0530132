#include "character/CharacterGenerator.h"

#include <optional>
#include <string>
#include <string_view>

#include "character/AbilityScores.h"
#include "character/AbilityTables.h"
#include "character/AgeCategories.h"
#include "character/CharacterChoices.h"
#include "character/ClassRules.h"
#include "character/RaceLimits.h"
#include "common/NumberText.h"

namespace quendaro {

namespace {

constexpr std::string_view kNoClassMessage = "Devi selezionare una classe !";
constexpr std::string_view kNoRaceMessage = "Devi selzionare una razza !";
constexpr std::string_view kFirstAge = "1";

}  // namespace

CharacterSheet CharacterGenerator::Generate(const CharacterRequest& request,
                                            RandomSource& random) const {
  CharacterSheet sheet;
  Generate(request, random, sheet);
  return sheet;
}

void CharacterGenerator::Generate(const CharacterRequest& request,
                                  RandomSource& random,
                                  CharacterSheet& sheet) const {
  // What is only ever added to or set on some paths starts afresh. The
  // messages are written over the last sheet's, whose texts keep their
  // storage, and the list is cut to length at the end.
  std::size_t message_count = 0;
  const auto add_message = [&](std::string_view message) {
    if (message_count < sheet.messages.size()) {
      sheet.messages[message_count].assign(message);
    } else {
      sheet.messages.emplace_back(message);
    }
    ++message_count;
  };
  sheet.total = 0;
  sheet.preset = false;
  sheet.request = request;
  sheet.race = request.race;
  sheet.character_class = request.character_class;
  sheet.alignment = request.alignment;
  sheet.sex = request.sex;
  sheet.name = request.name;
  if (request.age.empty()) {
    sheet.age.assign(kFirstAge);
  } else {
    sheet.age = request.age;
  }
  sheet.height = request.height;
  sheet.weight = request.weight;

  // A missing choice is reported but never stops the generation: the game
  // master still sees what the other choices give.
  if (request.character_class == kNoClass) {
    add_message(kNoClassMessage);
  }
  if (request.race == kNoRace) add_message(kNoRaceMessage);

  RolledAbilities rolled =
      RollAbilities(request.race, request.character_class, random);

  ClassOutcome checked =
      ApplyClassRule(rolled.scores, request.character_class, request.race,
                     request.alignment, random.Log());
  for (std::string_view message : checked.messages) {
    add_message(message);
  }
  // A refused combination has no strength left to be exceptional; the
  // percentile was drawn all the same, so the sequence of draws is unchanged.
  if (checked.refused && rolled.percentile) {
    if (RollLog* log = random.Log()) {
      log->Rule(std::string(kExceptionalStrengthCaption),
                "annullata dalla regola infranta", *rolled.percentile, {});
    }
    rolled.percentile.reset();
  }

  const AgeOutcome age = FindAgeCategory(
      request.race, ParseNumber(sheet.age, decimal_separator_), random.Log());
  if (age.message) add_message(*age.message);
  sheet.age_category.assign(age.category);
  if (age.ageReset) sheet.age.assign(kFirstAge);

  sheet.scores = checked.scores;
  if (IsPresetName(request.name)) {
    const PresetCharacter& preset = kPresetCharacter;
    RecordPreset(request.name, sheet.scores, random.Log());
    sheet.preset = true;
    sheet.scores = preset.scores;
    sheet.character_class = preset.character_class;
    sheet.race = preset.race;
    sheet.alignment = preset.alignment;
    sheet.height = preset.height;
    sheet.weight = preset.weight;
    sheet.age = preset.age;
    sheet.sex = preset.sex;
  }
  sheet.age_years = ParseNumber(sheet.age, decimal_separator_);
  sheet.height_cm = ParseNumber(sheet.height, decimal_separator_);
  sheet.weight_kg = ParseNumber(sheet.weight, decimal_separator_);

  sheet.exceptional_strength = rolled.percentile;
  for (int i = 0; i < kAbilityCount; ++i) {
    sheet.total += sheet.scores[i];
    sheet.rows[i] =
        RowFor(static_cast<Ability>(i), sheet.scores[i], rolled.percentile);
  }
  // A single-precision quotient, as the window has always shown it.
  sheet.average = static_cast<float>(sheet.total) / 6.0f;
  sheet.messages.resize(message_count);
}

std::vector<std::string_view> CharacterGenerator::Messages(
    const CharacterRequest& request) const {
  std::vector<std::string_view> messages;
  if (request.character_class == kNoClass) messages.push_back(kNoClassMessage);
  if (request.race == kNoRace) messages.push_back(kNoRaceMessage);
  // The class rule's messages depend on the texts only: any scores do.
  const ClassOutcome checked =
      ApplyClassRule(AbilityScores{}, request.character_class, request.race,
                     request.alignment);
  messages.insert(messages.end(), checked.messages.begin(),
                  checked.messages.end());
  const std::string_view age =
      request.age.empty() ? kFirstAge : std::string_view(request.age);
  const AgeOutcome outcome =
      FindAgeCategory(request.race, ParseNumber(age, decimal_separator_));
  if (outcome.message) messages.push_back(*outcome.message);
  return messages;
}

}  // namespace quendaro
