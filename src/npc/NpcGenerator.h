#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "character/CharacterSheet.h"
#include "character/LegalChoices.h"
#include "hitpoints/ClassGroup.h"
#include "npc/CombatTables.h"
#include "npc/RaceTraits.h"

namespace quendaro {

class RandomSource;

// The hit points one class of a character rolled.
struct ClassHitPoints {
  ClassGroup group;
  int hit_points;
};

// The hit points of a character of `character_class` at one level: one roll
// per class, and for a multi-class character their average rounded down.
struct NpcHitPoints {
  std::vector<ClassHitPoints> by_class;  // in the order the class names them
  int hit_points = 0;
};

// Who a new non-player character is, before its scores are rolled: race,
// class, alignment and sex that the class rules accept, a name of the race's
// set for that sex, and the age, height and weight of a new adult of the
// race.
struct NpcIdentity {
  LegalChoices choices;
  std::string name;
  // Missing for a race typed by hand, which the tables do not know.
  std::optional<Physique> physique;
};

// The pick around `locks` (up to four draws), then a name from the race's
// name set, female for "Femmina" and male otherwise (three draws; for a race
// typed by hand, the name window's syllables), then the age, height and
// weight (three draws).
NpcIdentity PickNpcIdentity(const ChoiceLocks& locks, RandomSource& random);

// The character request that rolls `identity` as "Tira i dadi" would, with
// its age, height and weight typed in the boxes.
CharacterRequest RequestFor(const NpcIdentity& identity);

inline constexpr int kLowestNpcLevel = 1;
inline constexpr int kHighestNpcLevel = 20;

// What to make: the level, and what the game master fixed of race, class,
// alignment and sex.
struct NpcRequest {
  int level = kLowestNpcLevel;
  ChoiceLocks locks;
};

// A whole non-player character: who it is, the character as "Tira i dadi"
// rolls it (with the request it was given), its hit points at `level`, and
// its THAC0 and saving throws there.
struct Npc {
  NpcIdentity identity;
  CharacterSheet character;
  int level = 1;
  NpcHitPoints hit_points;
  // Missing only for a class typed by hand, which has no group.
  std::optional<CombatNumbers> combat;
};

// Rolls the hit points of each class of `character_class` at `level` (1-20)
// with the hit-point roller, without its reroll option, in the order the
// class names them: one draw per class. The constitution bonus is left to the
// game master, as in the hit-point window. A text outside the 41 classes has
// no group and gets 0 hit points without a draw.
NpcHitPoints RollNpcHitPoints(std::string_view character_class, int level,
                              RandomSource& random);

// Rolls whole non-player characters in one go, on the shared source and in
// this order: the identity, the character (as "Tira i dadi" with the rolled
// age, height and weight), the hit points. THAC0 and saving throws are read
// off the tables and draw nothing. With no locks, or locks some legal
// character keeps, the class rules never refuse the pick and the character
// has no message; locks that break a rule (LockRefusals) get its message as
// "Tira i dadi" gives it.
class NpcGenerator {
 public:
  Npc Generate(const NpcRequest& request, RandomSource& random) const;
  // The same, written over `npc`, whose character sheet keeps the storage
  // of its texts; gives what Generate gives whatever `npc` held.
  void Generate(const NpcRequest& request, RandomSource& random,
                Npc& npc) const;
};

}  // namespace quendaro
