#include "npc/NpcGenerator.h"

#include <cassert>
#include <span>
#include <string>

#include "character/CharacterGenerator.h"
#include "hitpoints/HitPointRoller.h"
#include "names/NameGenerator.h"
#include "names/NameSets.h"
#include "npc/HitPointGroups.h"
#include "random/RandomSource.h"

namespace quendaro {

NpcIdentity PickNpcIdentity(const ChoiceLocks& locks, RandomSource& random) {
  NpcIdentity identity{PickLegalChoices(locks, random), {}, std::nullopt};
  const LegalChoices& choices = identity.choices;
  const NameChoice sex =
      choices.sex == "Femmina" ? NameChoice::kFemale : NameChoice::kMale;
  if (const RaceTraits* traits = TraitsOfRace(choices.race)) {
    identity.name =
        NameSetGenerator().GenerateName(traits->name_set, sex, random).name;
    identity.physique = RollPhysique(*traits, choices.sex, random);
  } else {
    identity.name = NameGenerator().GenerateName(sex, random).name;
  }
  return identity;
}

CharacterRequest RequestFor(const NpcIdentity& identity) {
  const LegalChoices& choices = identity.choices;
  CharacterRequest request;
  request.race = choices.race;
  request.character_class = choices.character_class;
  request.alignment = choices.alignment;
  request.sex = choices.sex;
  request.name = identity.name;
  if (identity.physique) {
    request.age = std::to_string(identity.physique->age);
    request.height = std::to_string(identity.physique->height_cm);
    request.weight = std::to_string(identity.physique->weight_kg);
  }
  return request;
}

NpcHitPoints RollNpcHitPoints(std::string_view character_class, int level,
                              RandomSource& random) {
  assert(level >= kLowestNpcLevel && level <= kHighestNpcLevel &&
         "an NPC's level is 1-20");
  const HitPointRoller roller;
  const std::string level_text = std::to_string(level);
  const std::span<const ClassGroup> groups = HitPointGroupsOf(character_class);
  // A multi-class character's steps say which roll is whose, and how the
  // rolls became one.
  RollLog* log = groups.size() > 1 ? random.Log() : nullptr;
  NpcHitPoints rolled;
  int sum = 0;
  for (ClassGroup group : groups) {
    const int hit_points =
        roller.RollHitPoints(group, level_text, false, random)
            .hit_points.value();
    if (log != nullptr) {
      log->Rule("PF", "di " + std::string(ClassGroupCaption(group)), {},
                hit_points);
    }
    rolled.by_class.push_back({group, hit_points});
    sum += hit_points;
  }
  // A multi-class character's hit points are the average of its classes',
  // fractions dropped; every roll is at least 1, so the sum is positive.
  if (!rolled.by_class.empty()) {
    rolled.hit_points = sum / static_cast<int>(rolled.by_class.size());
  }
  if (log != nullptr) {
    log->Rule("PF",
              "media delle " + std::to_string(groups.size()) +
                  " classi, frazioni scartate",
              sum, rolled.hit_points);
  }
  return rolled;
}

Npc NpcGenerator::Generate(const NpcRequest& request,
                           RandomSource& random) const {
  Npc npc;
  Generate(request, random, npc);
  return npc;
}

void NpcGenerator::Generate(const NpcRequest& request, RandomSource& random,
                            Npc& npc) const {
  npc.identity = PickNpcIdentity(request.locks, random);
  const std::string_view character_class = npc.identity.choices.character_class;
  CharacterGenerator().Generate(RequestFor(npc.identity), random,
                                npc.character);
  npc.level = request.level;
  npc.hit_points = RollNpcHitPoints(character_class, request.level, random);
  npc.combat = CombatNumbersOfClass(character_class, request.level);
}

}  // namespace quendaro
