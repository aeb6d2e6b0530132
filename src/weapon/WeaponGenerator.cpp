#include "weapon/WeaponGenerator.h"

#include <cassert>

#include "weapon/AbilityDraw.h"
#include "weapon/WeaponTables.h"

namespace quendaro {

WeaponResult WeaponGenerator::Generate(RandomSource& random) const {
  WeaponResult result;
  random.Reseed();

  const LanguagesRow& languages = LanguagesFor(random.Roll(kLanguagesRoll, 1));
  result.languages = languages.languages;
  result.ego += languages.ego;

  const BonusRow& bonus = BonusFor(random.Roll(kBonusRoll, 1));
  result.bonus = bonus.bonus;
  result.ego += bonus.ego;

  result.alignment = AlignmentFor(random.Roll(kAlignmentRoll, 1)).alignment;

  const CapabilityRow& capabilities =
      CapabilitiesFor(random.Roll(kCapabilitiesRoll, 1));
  result.intelligence = capabilities.intelligence;
  result.communication = capabilities.communication;
  result.reads_non_magical = capabilities.readsNonMagical;
  result.reads_magical = capabilities.readsMagical;
  result.ego += capabilities.ego;

  assert(capabilities.abilityCount >= 1 &&
         capabilities.abilityCount <=
             static_cast<int>(result.abilities.size()) &&
         "a weapon has one to three abilities");
  result.ability_count = capabilities.abilityCount;
  for (int i = 0; i < capabilities.abilityCount; ++i) {
    const AbilityOutcome outcome = AbilityDraw(random);
    result.abilities[static_cast<std::size_t>(i)] = outcome.ability;
    result.ego += outcome.ego;
    // The window has room for one special purpose: a later one takes its
    // place, though both count towards the ego.
    if (outcome.specialPurpose) result.special_purpose = outcome.specialPurpose;
  }
  return result;
}

}  // namespace quendaro
