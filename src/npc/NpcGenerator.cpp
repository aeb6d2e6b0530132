#include "npc/NpcGenerator.h"

#include <cassert>
#include <string>

#include "character/CharacterGenerator.h"
#include "hitpoints/HitPointRoller.h"
#include "names/NameGenerator.h"
#include "npc/HitPointGroups.h"
#include "random/RandomSource.h"

namespace quendaro {

NpcIdentity PickNpcIdentity(RandomSource& random) {
  NpcIdentity identity{PickLegalChoices(random), {}};
  const NameChoice choice = identity.choices.sex == "Femmina"
                                ? NameChoice::kFemale
                                : NameChoice::kMale;
  identity.name = NameGenerator().GenerateName(choice, random).name;
  return identity;
}

NpcHitPoints RollNpcHitPoints(std::string_view character_class, int level,
                              RandomSource& random) {
  assert(level >= kLowestNpcLevel && level <= kHighestNpcLevel &&
         "an NPC's level is 1-20");
  const HitPointRoller roller;
  const std::string level_text = std::to_string(level);
  NpcHitPoints rolled;
  int sum = 0;
  for (ClassGroup group : HitPointGroupsOf(character_class)) {
    const int hit_points =
        roller.RollHitPoints(group, level_text, false, random)
            .hit_points.value();
    rolled.by_class.push_back({group, hit_points});
    sum += hit_points;
  }
  // A multi-class character's hit points are the average of its classes',
  // fractions dropped; every roll is at least 1, so the sum is positive.
  if (!rolled.by_class.empty()) {
    rolled.hit_points = sum / static_cast<int>(rolled.by_class.size());
  }
  return rolled;
}

Npc NpcGenerator::Generate(int level, RandomSource& random) const {
  Npc npc;
  Generate(level, random, npc);
  return npc;
}

void NpcGenerator::Generate(int level, RandomSource& random, Npc& npc) const {
  npc.identity = PickNpcIdentity(random);
  const LegalChoices& choices = npc.identity.choices;
  CharacterRequest request;
  request.race = choices.race;
  request.character_class = choices.character_class;
  request.alignment = choices.alignment;
  request.sex = choices.sex;
  request.name = npc.identity.name;
  CharacterGenerator().Generate(request, random, npc.character);
  npc.level = level;
  npc.hit_points = RollNpcHitPoints(choices.character_class, level, random);
}

}  // namespace quendaro
