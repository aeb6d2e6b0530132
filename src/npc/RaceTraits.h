#pragma once

#include <array>
#include <string_view>

#include "names/NameSets.h"

namespace quendaro {

class RandomSource;

// Both ends included.
struct WholeRange {
  int low;
  int high;

  bool operator==(const WholeRange&) const = default;
};

// What a new adult of one race looks like before anything is rolled: the
// ranges of its starting age, height and weight (men first, then women) and
// the name set that fits it (data/npc/races.csv).
struct RaceTraits {
  std::string_view race;
  // The race whose numbers of the game it follows ("Nano" for the Duergar).
  std::string_view base_race;
  NameSet name_set;
  WholeRange starting_age;              // years
  std::array<WholeRange, 2> height_cm;  // men, women
  std::array<WholeRange, 2> weight_kg;  // men, women
};

// The traits of one of the 25 races of the character window, matched
// exactly; null for any other text.
const RaceTraits* TraitsOfRace(std::string_view race);

// A new adult's age in years, height in centimetres and weight in
// kilograms.
struct Physique {
  int age = 0;
  int height_cm = 0;
  int weight_kg = 0;

  bool operator==(const Physique&) const = default;
};

// Rolls the age, then the height and the weight for the sex ("Femmina" takes
// the women's ranges, any other text the men's), each evenly over its range:
// three draws of the shared source, no reseed.
Physique RollPhysique(const RaceTraits& traits, std::string_view sex,
                      RandomSource& random);

}  // namespace quendaro
