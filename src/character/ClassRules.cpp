#include "character/ClassRules.h"

#include <array>
#include <string>
#include <string_view>

#include "character/CharacterChoices.h"
#include "character/Classes.h"

namespace quendaro {

namespace {

static_assert(kAlignmentChoices.size() == 9 &&
                  alignment_set::kTrueNeutral == 1u << 8,
              "one bit per alignment of the window's list, in its order");

// Every class has minimums, so every class of the window leaves a trace on
// the scores or refuses a missing race.
constexpr bool EveryClassHasMinimums() {
  for (const CharacterClass& row : kClassTable) {
    if (row.minimums.size() == 0) return false;
  }
  return true;
}
static_assert(EveryClassHasMinimums());

// The family bit of a race, the bit of an alignment; 0 for any other text.
unsigned FamilyOf(std::string_view race) {
  const Race* row = FindRace(race);
  return row != nullptr ? row->family : 0;
}

unsigned AlignmentBitOf(std::string_view alignment) {
  for (std::size_t i = 0; i < kAlignmentChoices.size(); ++i) {
    if (kAlignmentChoices[i] == alignment) return 1u << i;
  }
  return 0;
}

}  // namespace

ClassOutcome ApplyClassRule(const AbilityScores& scores,
                            std::string_view character_class,
                            std::string_view race, std::string_view alignment,
                            RollLog* log) {
  ClassOutcome outcome{scores, {}, false};
  const CharacterClass* rule = FindClass(character_class);
  if (rule == nullptr) return outcome;

  for (const Minimum& minimum : rule->minimums) {
    int& score = outcome.scores[IndexOf(minimum.ability)];
    if (score >= minimum.threshold) continue;
    if (log != nullptr) {
      log->Rule(std::string(kAbilityCaptions[IndexOf(minimum.ability)]),
                "minimo di " + std::string(character_class) + " (sotto " +
                    std::to_string(minimum.threshold) + " diventa " +
                    std::to_string(minimum.value) + ")",
                score, minimum.value);
    }
    score = minimum.value;
  }

  const bool race_broken = rule->race.BrokenBy(FamilyOf(race));
  const bool alignment_broken =
      rule->alignment.BrokenBy(AlignmentBitOf(alignment));
  // `subject` is the refused choice's caption, `choice` the text picked and
  // `not_allowed` the words that refuse it, agreeing with the caption.
  const auto refuse = [&](std::string_view message, std::string_view subject,
                          std::string_view choice,
                          std::string_view not_allowed) {
    outcome.messages.push_back(message);
    if (log != nullptr) {
      log->Rule(std::string(subject),
                std::string(choice) + std::string(not_allowed) +
                    std::string(character_class) + ": «" +
                    std::string(message) + "»",
                {}, {});
      for (std::size_t i = 0; i < outcome.scores.size(); ++i) {
        if (outcome.scores[i] == 0) continue;
        log->Rule(std::string(kAbilityCaptions[i]),
                  "punteggio azzerato dalla regola infranta", outcome.scores[i],
                  0);
      }
    }
    outcome.scores.fill(0);
    outcome.refused = true;
  };
  const auto refuse_race = [&] {
    refuse(rule->race.message, "Razza", race, " non ammessa per ");
  };
  const auto refuse_alignment = [&] {
    refuse(rule->alignment.message, "Allineamento", alignment,
           " non ammesso per ");
  };
  switch (rule->order) {
    case RuleOrder::kRaceFirst:
      if (race_broken) refuse_race();
      if (alignment_broken) refuse_alignment();
      break;
    case RuleOrder::kAlignmentFirst:
      if (alignment_broken) refuse_alignment();
      if (race_broken) refuse_race();
      break;
  }
  return outcome;
}

bool ClassAcceptsRace(std::string_view character_class, std::string_view race) {
  const CharacterClass* rule = FindClass(character_class);
  return rule == nullptr || !rule->race.BrokenBy(FamilyOf(race));
}

bool ClassAcceptsAlignment(std::string_view character_class,
                           std::string_view alignment) {
  const CharacterClass* rule = FindClass(character_class);
  return rule == nullptr ||
         !rule->alignment.BrokenBy(AlignmentBitOf(alignment));
}

}  // namespace quendaro
