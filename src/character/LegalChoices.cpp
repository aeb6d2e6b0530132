#include "character/LegalChoices.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <string>

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

// The candidates depend only on the class rules, so each list is made once:
// the races some class is open to, the classes open to each race, and the
// alignments each class accepts.
struct CandidateLists {
  std::vector<std::string_view> races;
  std::array<std::vector<std::string_view>, kRaceChoices.size()> classes;
  std::array<std::vector<std::string_view>, kClassChoices.size()> alignments;
};

const CandidateLists& Candidates() {
  static const CandidateLists lists = [] {
    CandidateLists made;
    for (std::size_t r = 0; r < kRaceChoices.size(); ++r) {
      for (std::string_view character_class : kClassChoices) {
        if (ClassOpenTo(character_class, kRaceChoices[r])) {
          made.classes[r].push_back(character_class);
        }
      }
      if (!made.classes[r].empty()) made.races.push_back(kRaceChoices[r]);
    }
    for (std::size_t c = 0; c < kClassChoices.size(); ++c) {
      for (std::string_view alignment : kAlignmentChoices) {
        if (ClassAcceptsAlignment(kClassChoices[c], alignment)) {
          made.alignments[c].push_back(alignment);
        }
      }
    }
    return made;
  }();
  return lists;
}

template <std::size_t N>
std::size_t IndexIn(const std::array<std::string_view, N>& list,
                    std::string_view entry) {
  return static_cast<std::size_t>(std::ranges::find(list, entry) -
                                  list.begin());
}

std::string_view Pick(ChoiceStep& step, RandomSource& random) {
  assert(!step.candidates.empty() && "a pick with nothing to choose from");
  const int count = static_cast<int>(step.candidates.size());
  const int index =
      random.Roll(count, 0, [&step] { return std::string(step.caption); });
  step.picked = step.candidates[static_cast<std::size_t>(index)];
  if (RollLog* log = random.Log()) {
    log->Rule(std::string(step.caption),
              "la " + std::to_string(index + 1) + "ª di " +
                  std::to_string(count) + " ammesse",
              {}, std::string(step.picked));
  }
  return step.picked;
}

}  // namespace

LegalChoices PickLegalChoices(RandomSource& random) {
  LegalChoices choices;
  auto& [race_step, class_step, alignment_step, sex_step] = choices.steps;

  const CandidateLists& lists = Candidates();

  race_step.caption = "Razza";
  race_step.candidates = lists.races;
  choices.race = Pick(race_step, random);

  class_step.caption = "Classe";
  class_step.candidates = lists.classes[IndexIn(kRaceChoices, choices.race)];
  choices.character_class = Pick(class_step, random);

  alignment_step.caption = "Allineamento";
  alignment_step.candidates =
      lists.alignments[IndexIn(kClassChoices, choices.character_class)];
  choices.alignment = Pick(alignment_step, random);

  sex_step.caption = "Sesso";
  sex_step.candidates.assign(kSexChoices.begin(), kSexChoices.end());
  choices.sex = Pick(sex_step, random);
  return choices;
}

}  // namespace quendaro
