#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "character/CharacterSheet.h"
#include "character/LegalChoices.h"
#include "hitpoints/ClassGroup.h"

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

// Who a new non-player character is, before anything is rolled for it: race,
// class, alignment and sex that the class rules accept, and a name for that
// sex.
struct NpcIdentity {
  LegalChoices choices;
  std::string name;
};

// The pick (four draws), then a name from the name generator, male for
// "Maschio" and female for "Femmina" (three or four draws).
NpcIdentity PickNpcIdentity(RandomSource& random);

// A whole non-player character: who it is, the character as "Tira i dadi"
// rolls it (with the request it was given), and its hit points at `level`.
struct Npc {
  NpcIdentity identity;
  CharacterSheet character;
  int level = 1;
  NpcHitPoints hit_points;
};

inline constexpr int kLowestNpcLevel = 1;
inline constexpr int kHighestNpcLevel = 20;

// Rolls the hit points of each class of `character_class` at `level` (1-20)
// with the hit-point roller, without its reroll option, in the order the
// class names them: one draw per class. The constitution bonus is left to the
// game master, as in the hit-point window. A text outside the 41 classes has
// no group and gets 0 hit points without a draw.
NpcHitPoints RollNpcHitPoints(std::string_view character_class, int level,
                              RandomSource& random);

// Rolls whole non-player characters in one go, on the shared source and in
// this order: the identity, the character (as "Tira i dadi" with the age "1"
// and no height or weight), the hit points.
// The class rules never refuse the pick, so the character has no message.
class NpcGenerator {
 public:
  Npc Generate(int level, RandomSource& random) const;
  // The same, written over `npc`, whose character sheet keeps the storage
  // of its texts; gives what Generate gives whatever `npc` held.
  void Generate(int level, RandomSource& random, Npc& npc) const;
};

}  // namespace quendaro
