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
  sheet.clearEnabled = true;
  sheet.age = request.age.empty() ? std::string(kFirstAge) : request.age;

  // A missing choice is reported but never stops the generation: the game
  // master still sees what the other choices give.
  if (request.characterClass == kNoClass) {
    sheet.messages.emplace_back(kNoClassMessage);
    sheet.clearEnabled = false;
  }
  if (request.race == kNoRace) {
    sheet.messages.emplace_back(kNoRaceMessage);
    sheet.clearEnabled = false;
  }

  RolledAbilities rolled =
      RollAbilities(request.race, request.characterClass, random);

  ClassOutcome checked =
      ApplyClassRule(rolled.scores, request.characterClass, request.race,
                     request.alignment, random.Log());
  for (std::string_view message : checked.messages) {
    sheet.messages.emplace_back(message);
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
  if (age.message) sheet.messages.emplace_back(*age.message);
  sheet.ageCategory = std::string(age.category);
  if (age.ageReset) sheet.age = std::string(kFirstAge);

  AbilityScores scores = checked.scores;
  if (IsPresetName(request.name)) {
    RecordPreset(request.name, scores, random.Log());
    scores = kPresetCharacter.scores;
    sheet.preset = PresetTextsOf(kPresetCharacter);
  }
  sheet.abilities =
      DisplayAbilities(scores, rolled.percentile, decimal_separator_);
  return sheet;
}

}  // namespace quendaro
