#include "character/LegalChoices.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <span>
#include <string>

#include "character/CharacterChoices.h"
#include "character/ClassRules.h"
#include "random/RandomSource.h"

namespace quendaro {

namespace {

// A pick never faces an empty list: some class has neither a race nor an
// alignment rule, so every race has a class, and every class accepts some
// race and some alignment of the window's lists.
constexpr bool EveryPickHasCandidates() {
  bool open_class = false;
  for (const CharacterClass& row : kClassTable) {
    open_class = open_class || (row.race.kind == RestrictionKind::kNone &&
                                row.alignment.kind == RestrictionKind::kNone);
    bool some_race = false;
    for (const Race& race : kRaceTable) {
      some_race = some_race || !row.race.BrokenBy(race.family);
    }
    bool some_alignment = false;
    for (std::size_t i = 0; i < kAlignmentChoices.size(); ++i) {
      some_alignment = some_alignment || !row.alignment.BrokenBy(1u << i);
    }
    if (!some_race || !some_alignment) return false;
  }
  return open_class;
}
static_assert(EveryPickHasCandidates());

template <std::size_t N>
std::size_t IndexIn(const std::array<std::string_view, N>& list,
                    std::string_view entry) {
  return static_cast<std::size_t>(std::ranges::find(list, entry) -
                                  list.begin());
}

// What every class's rules accept of the window's races and alignments,
// asked once: a pick asks it many times.
struct Acceptance {
  std::array<std::array<bool, kRaceChoices.size()>, kClassChoices.size()> race;
  std::array<std::array<bool, kAlignmentChoices.size()>, kClassChoices.size()>
      alignment;
};

const Acceptance& Accepted() {
  static const Acceptance accepted = [] {
    Acceptance made{};
    for (std::size_t c = 0; c < kClassChoices.size(); ++c) {
      for (std::size_t r = 0; r < kRaceChoices.size(); ++r) {
        made.race[c][r] = ClassAcceptsRace(kClassChoices[c], kRaceChoices[r]);
      }
      for (std::size_t a = 0; a < kAlignmentChoices.size(); ++a) {
        made.alignment[c][a] =
            ClassAcceptsAlignment(kClassChoices[c], kAlignmentChoices[a]);
      }
    }
    return made;
  }();
  return accepted;
}

// The rules' answers for any texts: from the table for the window's own
// entries, from the rules themselves for a text typed by hand.
bool AcceptsRace(std::string_view character_class, std::string_view race) {
  const std::size_t c = IndexIn(kClassChoices, character_class);
  const std::size_t r = IndexIn(kRaceChoices, race);
  if (c < kClassChoices.size() && r < kRaceChoices.size()) {
    return Accepted().race[c][r];
  }
  return ClassAcceptsRace(character_class, race);
}

bool AcceptsAlignment(std::string_view character_class,
                      std::string_view alignment) {
  const std::size_t c = IndexIn(kClassChoices, character_class);
  const std::size_t a = IndexIn(kAlignmentChoices, alignment);
  if (c < kClassChoices.size() && a < kAlignmentChoices.size()) {
    return Accepted().alignment[c][a];
  }
  return ClassAcceptsAlignment(character_class, alignment);
}

// The class takes the locked alignment, or some alignment when none is
// locked.
bool AcceptsAlignmentLock(std::string_view character_class,
                          const std::optional<std::string_view>& alignment) {
  if (alignment) return AcceptsAlignment(character_class, *alignment);
  return std::ranges::any_of(kAlignmentChoices,
                             [character_class](std::string_view any) {
                               return AcceptsAlignment(character_class, any);
                             });
}

// The classes a pick may still end with: the locked one, or all.
std::span<const std::string_view> ClassesLeft(const ChoiceLocks& locks) {
  if (locks.character_class) return {&*locks.character_class, 1};
  return kClassChoices;
}

// A class is open to a race when its race rule takes the race and its
// alignment rule leaves an alignment the locks allow.
bool ClassOpenTo(std::string_view character_class, std::string_view race,
                 const ChoiceLocks& locks) {
  return AcceptsRace(character_class, race) &&
         AcceptsAlignmentLock(character_class, locks.alignment);
}

// With nothing locked the candidates depend only on the class rules, so each
// list is made once: the races some class is open to, the classes open to
// each race, and the alignments each class accepts.
struct CandidateLists {
  std::vector<std::string_view> races;
  std::array<std::vector<std::string_view>, kRaceChoices.size()> classes;
  std::array<std::vector<std::string_view>, kClassChoices.size()> alignments;
};

const CandidateLists& Candidates() {
  static const CandidateLists lists = [] {
    const ChoiceLocks none;
    CandidateLists made;
    for (std::size_t r = 0; r < kRaceChoices.size(); ++r) {
      for (std::string_view character_class : kClassChoices) {
        if (ClassOpenTo(character_class, kRaceChoices[r], none)) {
          made.classes[r].push_back(character_class);
        }
      }
      if (!made.classes[r].empty()) made.races.push_back(kRaceChoices[r]);
    }
    for (std::size_t c = 0; c < kClassChoices.size(); ++c) {
      for (std::string_view alignment : kAlignmentChoices) {
        if (AcceptsAlignment(kClassChoices[c], alignment)) {
          made.alignments[c].push_back(alignment);
        }
      }
    }
    return made;
  }();
  return lists;
}

// The entries of `list` that `keep` takes; when none does, those that
// `fallback` takes; when none does either, the whole list.
template <typename Keep, typename Fallback>
std::vector<std::string_view> Filtered(std::span<const std::string_view> list,
                                       Keep keep, Fallback fallback) {
  std::vector<std::string_view> kept;
  for (std::string_view entry : list) {
    if (keep(entry)) kept.push_back(entry);
  }
  if (kept.empty()) {
    for (std::string_view entry : list) {
      if (fallback(entry)) kept.push_back(entry);
    }
  }
  if (kept.empty()) kept.assign(list.begin(), list.end());
  return kept;
}

std::vector<std::string_view> RaceCandidates(const ChoiceLocks& locks) {
  if (!locks.character_class && !locks.alignment) return Candidates().races;
  const ChoiceLocks class_only{{}, locks.character_class, {}, {}};
  const auto open_to = [&](const ChoiceLocks& with) {
    return [&locks, with](std::string_view race) {
      return std::ranges::any_of(ClassesLeft(locks), [&](std::string_view c) {
        return ClassOpenTo(c, race, with);
      });
    };
  };
  return Filtered(kRaceChoices, open_to(locks), open_to(class_only));
}

std::vector<std::string_view> ClassCandidates(std::string_view race,
                                              const ChoiceLocks& locks) {
  if (const std::size_t r = IndexIn(kRaceChoices, race);
      !locks.alignment && r < kRaceChoices.size()) {
    return Candidates().classes[r];
  }
  return Filtered(
      kClassChoices,
      [&](std::string_view c) { return ClassOpenTo(c, race, locks); },
      [&](std::string_view c) { return AcceptsRace(c, race); });
}

std::vector<std::string_view> AlignmentCandidates(
    std::string_view character_class) {
  if (const std::size_t c = IndexIn(kClassChoices, character_class);
      c < kClassChoices.size()) {
    return Candidates().alignments[c];
  }
  return Filtered(
      kAlignmentChoices,
      [&](std::string_view a) { return AcceptsAlignment(character_class, a); },
      [](std::string_view) { return false; });
}

// The locked text, or one drawn evenly from the candidates that `candidates`
// makes (made only when drawn, since a lock needs none).
template <typename Make>
std::string_view Step(ChoiceStep& step, std::string_view caption,
                      const std::optional<std::string_view>& lock,
                      Make candidates, RandomSource& random) {
  step.caption = caption;
  if (lock) {
    step.candidates = {*lock};
    step.picked = *lock;
    step.locked = true;
    if (RollLog* log = random.Log()) {
      log->Rule(std::string(caption), "scelta dal master", {},
                std::string(*lock));
    }
    return step.picked;
  }
  step.candidates = candidates();
  assert(!step.candidates.empty() && "a pick with nothing to choose from");
  const int count = static_cast<int>(step.candidates.size());
  const int index =
      random.Roll(count, 0, [&step] { return std::string(step.caption); });
  step.picked = step.candidates[static_cast<std::size_t>(index)];
  if (RollLog* log = random.Log()) {
    log->Rule(std::string(caption),
              "la " + std::to_string(index + 1) + "ª di " +
                  std::to_string(count) + " ammesse",
              {}, std::string(step.picked));
  }
  return step.picked;
}

}  // namespace

LegalChoices PickLegalChoices(RandomSource& random) {
  return PickLegalChoices(ChoiceLocks{}, random);
}

LegalChoices PickLegalChoices(const ChoiceLocks& locks, RandomSource& random) {
  LegalChoices choices;
  auto& [race_step, class_step, alignment_step, sex_step] = choices.steps;

  choices.race = Step(
      race_step, "Razza", locks.race, [&] { return RaceCandidates(locks); },
      random);
  choices.character_class = Step(
      class_step, "Classe", locks.character_class,
      [&] { return ClassCandidates(choices.race, locks); }, random);
  choices.alignment = Step(
      alignment_step, "Allineamento", locks.alignment,
      [&] { return AlignmentCandidates(choices.character_class); }, random);
  choices.sex = Step(
      sex_step, "Sesso", locks.sex,
      [] {
        return std::vector<std::string_view>(kSexChoices.begin(),
                                             kSexChoices.end());
      },
      random);
  return choices;
}

std::vector<std::string_view> LockRefusals(const ChoiceLocks& locks) {
  const auto keeps_every_lock = [&](std::string_view character_class) {
    if (!AcceptsAlignmentLock(character_class, locks.alignment)) return false;
    if (locks.race) return AcceptsRace(character_class, *locks.race);
    return std::ranges::any_of(kRaceChoices, [&](std::string_view race) {
      return AcceptsRace(character_class, race);
    });
  };
  if (std::ranges::any_of(ClassesLeft(locks), keeps_every_lock)) return {};
  if (!locks.character_class) {
    // Some class takes any race with any alignment, so only texts typed by
    // hand can get here.
    return {
        "Nessuna classe ammette insieme questa razza e questo "
        "allineamento"};
  }
  // The locked class's own messages, with what is not locked filled in with
  // something its rules take, so that only a locked text is blamed.
  const std::string_view character_class = *locks.character_class;
  const auto first_taken = [](auto list, auto takes) {
    const auto found = std::ranges::find_if(list, takes);
    return found == list.end() ? std::string_view{} : *found;
  };
  const std::string_view race =
      locks.race ? *locks.race
                 : first_taken(kRaceChoices, [&](std::string_view r) {
                     return AcceptsRace(character_class, r);
                   });
  const std::string_view alignment =
      locks.alignment ? *locks.alignment
                      : first_taken(kAlignmentChoices, [&](std::string_view a) {
                          return AcceptsAlignment(character_class, a);
                        });
  return ApplyClassRule(AbilityScores{}, character_class, race, alignment)
      .messages;
}

}  // namespace quendaro
