#include "character/RaceLimits.h"

#include <algorithm>

#include "character/Classes.h"

namespace quendaro {

namespace {

constexpr int kStrength18 = 18;
// Exceptional strength runs from 23 to 99: 77 values.
constexpr int kLowestPercentile = 23;
constexpr int kPercentileValues = 77;

// Every race rolls each score within limits from 1 up, so that only a
// refusal or a race outside the list gives a 0.
constexpr bool LimitsAreSound() {
  for (const Race& race : kRaceTable) {
    for (const ScoreRange& range : race.limits) {
      if (range.minimum < 1 || range.maximum < range.minimum) return false;
    }
  }
  return true;
}
static_assert(LimitsAreSound());

static_assert(std::ranges::count_if(kClassTable, &CharacterClass::Warrior) ==
                  21,
              "21 classes may have exceptional strength");
static_assert(std::ranges::count_if(kRaceTable, &Race::Small) == 10,
              "the four gnomes and the six halflings are the small races");

}  // namespace

RaceLimits LimitsOfRace(std::string_view race) {
  const Race* row = FindRace(race);
  return row != nullptr ? row->limits : RaceLimits{};
}

bool IsWarriorClass(std::string_view character_class) {
  const CharacterClass* row = FindClass(character_class);
  return row != nullptr && row->Warrior();
}

bool IsSmallRace(std::string_view race) {
  const Race* row = FindRace(race);
  return row != nullptr && row->Small();
}

RolledAbilities RollAbilities(std::string_view race,
                              std::string_view character_class,
                              RandomSource& random) {
  const RaceLimits limits = LimitsOfRace(race);
  RolledAbilities rolled;
  for (std::size_t i = 0; i < limits.size(); ++i) {
    random.Reseed();
    rolled.scores[i] = random.RollBetween(limits[i].minimum, limits[i].maximum,
                                          LabelOf(kAbilityCaptions[i]));
    // The percentile is drawn straight after the strength, before the next
    // reseed, so it belongs to the same stretch of the sequence.
    if (i == IndexOf(Ability::kStrength) && rolled.scores[i] == kStrength18 &&
        IsWarriorClass(character_class) && !IsSmallRace(race)) {
      rolled.percentile = random.Roll(kPercentileValues, kLowestPercentile,
                                      LabelOf(kExceptionalStrengthCaption));
    }
  }
  return rolled;
}

}  // namespace quendaro
