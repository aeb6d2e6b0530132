#include "character/LegalChoices.h"

#include <algorithm>
#include <cassert>

#include "character/CharacterChoices.h"
#include "character/ClassRules.h"
#include "random/RandomSource.h"

namespace quendaro {

namespace {

// A class is open to a race when its race rule takes the race and its
// alignment rule leaves at least one alignment to choose.
bool ClassOpenTo(std::string_view character_class, std::string_view race) {
  return ClassAcceptsRace(character_class, race) &&
         std::ranges::any_of(
             kAlignmentChoices, [character_class](std::string_view alignment) {
               return ClassAcceptsAlignment(character_class, alignment);
             });
}

std::string_view Pick(ChoiceStep& step, RandomSource& random) {
  assert(!step.candidates.empty() && "a pick with nothing to choose from");
  const int index = random.Roll(static_cast<int>(step.candidates.size()), 0);
  step.picked = step.candidates[static_cast<std::size_t>(index)];
  return step.picked;
}

}  // namespace

LegalChoices PickLegalChoices(RandomSource& random) {
  LegalChoices choices;
  auto& [race_step, class_step, alignment_step, sex_step] = choices.steps;

  race_step.caption = "Razza";
  for (std::string_view race : kRaceChoices) {
    const bool open = std::ranges::any_of(
        kClassChoices, [race](std::string_view character_class) {
          return ClassOpenTo(character_class, race);
        });
    if (open) race_step.candidates.push_back(race);
  }
  choices.race = Pick(race_step, random);

  class_step.caption = "Classe";
  for (std::string_view character_class : kClassChoices) {
    if (ClassOpenTo(character_class, choices.race)) {
      class_step.candidates.push_back(character_class);
    }
  }
  choices.character_class = Pick(class_step, random);

  alignment_step.caption = "Allineamento";
  for (std::string_view alignment : kAlignmentChoices) {
    if (ClassAcceptsAlignment(choices.character_class, alignment)) {
      alignment_step.candidates.push_back(alignment);
    }
  }
  choices.alignment = Pick(alignment_step, random);

  sex_step.caption = "Sesso";
  sex_step.candidates.assign(kSexChoices.begin(), kSexChoices.end());
  choices.sex = Pick(sex_step, random);
  return choices;
}

}  // namespace quendaro
