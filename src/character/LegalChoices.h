#pragma once

#include <array>
#include <optional>
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
  // The game master fixed it: nothing was drawn.
  bool locked = false;
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

// What the game master has already chosen ("a dwarf, anything else at
// random"); a missing one is left to the dice. A text may be any text the
// window's boxes hold: one on the window's lists, or one typed by hand,
// which the choices then view where it lies.
struct ChoiceLocks {
  std::optional<std::string_view> race;
  std::optional<std::string_view> character_class;
  std::optional<std::string_view> alignment;
  std::optional<std::string_view> sex;
};

// Picks a character the class rules never refuse, one step at a time, each
// uniformly among what the earlier steps leave open: a race among those that
// some class accepts, a class among those that accept the race, an alignment
// among those the class accepts, then a sex. Exactly four Roll(n, 0) draws of
// the shared source, in that order; no reseed. What "accepts" means comes
// from the class rules themselves, so a change to a rule changes the pick.
LegalChoices PickLegalChoices(RandomSource& random);

// The same pick around what `locks` fixes: a locked step draws nothing and
// each open one picks among what the rules leave open with every lock, so
// that a locked class narrows the races as much as a locked race narrows the
// classes. Locks that break a rule (LockRefusals) leave open steps to pick
// among what agrees with the locked class and race, or with the class alone,
// or else among the whole list: the character then gets the rule's message
// when it is rolled, as any other.
LegalChoices PickLegalChoices(const ChoiceLocks& locks, RandomSource& random);

// The messages of the class rules that no pick around `locks` can escape, in
// the order the rule raises them; empty when some legal character keeps
// every lock.
std::vector<std::string_view> LockRefusals(const ChoiceLocks& locks);

}  // namespace quendaro
