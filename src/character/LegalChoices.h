#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace quendaro {

class RandomSource;

// One step of a random pick: the texts the class rules left open at that
// point, in the order the window lists them, and the one the dice chose.
struct ChoiceStep {
  std::string_view caption;  // "Razza", "Classe", "Allineamento", "Sesso"
  std::vector<std::string_view> candidates;
  std::string_view picked;
};

// A race, class, alignment and sex that the class rules accept together, and
// the four steps that chose them, in the order drawn.
struct LegalChoices {
  std::string_view race;
  std::string_view character_class;
  std::string_view alignment;
  std::string_view sex;
  std::array<ChoiceStep, 4> steps;
};

// Picks a character the class rules never refuse, one step at a time, each
// uniformly among what the earlier steps leave open: a race among those that
// some class accepts, a class among those that accept the race, an alignment
// among those the class accepts, then a sex. Exactly four Roll(n, 0) draws of
// the shared source, in that order; no reseed. What "accepts" means comes
// from the class rules themselves, so a change to a rule changes the pick.
LegalChoices PickLegalChoices(RandomSource& random);

}  // namespace quendaro
