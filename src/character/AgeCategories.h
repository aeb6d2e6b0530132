#pragma once

#include <optional>
#include <string_view>

#include "random/RollLog.h"

namespace quendaro {

// What the age stage makes of an age.
struct AgeOutcome {
  // The caption beside the age box. Empty when no band holds the age, when
  // the age is no number, or for a race outside the table, so that no earlier
  // character's category is left on screen; after a refusal it is the group's
  // blank caption (twelve blanks for the dwarves).
  std::string_view category;
  // Raised for an age above the race's maximum.
  std::optional<std::string_view> message;
  // The refused age goes back to 1; the new age's category is not looked up.
  bool ageReset = false;
};

// Names the age category of `age` years for the race, matched exactly: one of
// 14 groups of races that age alike. `age` is empty when the age text is not
// a number. Draws nothing. With a `log`, the refusal or the band found is a
// step.
AgeOutcome FindAgeCategory(std::string_view race, std::optional<double> age,
                           RollLog* log = nullptr);

// The oldest age the race may reach, matched exactly; none for a text outside
// the table. An age above it is refused with the group's message, whatever
// number that message names.
std::optional<int> MaximumAge(std::string_view race);

}  // namespace quendaro
