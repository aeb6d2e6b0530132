#pragma once

#include <string_view>
#include <vector>

#include "character/AbilityScores.h"
#include "random/RollLog.h"

namespace quendaro {

// What the class rule made of the rolled scores.
struct ClassOutcome {
  AbilityScores scores{};
  // The messages of the broken race and alignment rules, in the order tested.
  std::vector<std::string_view> messages;
  // A rule was broken and the six scores were set to 0.
  bool refused = false;
};

// Applies the rule of the class, matched exactly, to the rolled scores: first
// the minimums (a score below a threshold becomes a fixed value, often higher
// than the threshold and careless of the race's limits), then the race and
// alignment rules, each broken one raising its message and setting all six
// scores to 0. A text outside the 41 classes ("nessuna", a class typed by
// hand) has no rule and changes nothing. Draws nothing. With a `log`, every
// score a minimum raised, every broken rule and every score it zeroed is a
// step, named with the score's caption.
ClassOutcome ApplyClassRule(const AbilityScores& scores,
                            std::string_view character_class,
                            std::string_view race, std::string_view alignment,
                            RollLog* log = nullptr);

// Whether the race rule of the class lets a character of `race` take it, and
// whether its alignment rule lets one of `alignment` take it: together, which
// choices ApplyClassRule accepts without a message. A class with no such rule,
// or a text outside the 41 classes, accepts every text.
bool ClassAcceptsRace(std::string_view character_class, std::string_view race);
bool ClassAcceptsAlignment(std::string_view character_class,
                           std::string_view alignment);

}  // namespace quendaro
