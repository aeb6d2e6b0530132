#pragma once

#include <array>
#include <string_view>

#include "character/AbilityScores.h"
#include "character/Races.h"
#include "random/RandomSource.h"

namespace quendaro {

// The limits of one of the 25 races, matched exactly. Any other text
// ("nessuna", a race typed by hand) gets every limit 0, so that its scores
// come out 0 while the rolls still take place.
RaceLimits LimitsOfRace(std::string_view race);

// The 21 classes whose characters may have exceptional strength: those
// that roll hit points as warriors.
bool IsWarriorClass(std::string_view character_class);

// The gnome and halfling races, which never have exceptional strength.
bool IsSmallRace(std::string_view race);

// Rolls the six scores within the race's limits, reseeding before each one,
// and the exceptional-strength percentile right after a warrior's strength of
// 18. Always six reseeds and six draws, plus one for the percentile.
RolledAbilities RollAbilities(std::string_view race,
                              std::string_view character_class,
                              RandomSource& random);

}  // namespace quendaro
