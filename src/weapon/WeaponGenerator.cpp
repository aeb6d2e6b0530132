#include "weapon/WeaponGenerator.h"

#include <cassert>
#include <string>

#include "weapon/AbilityDraw.h"
#include "weapon/WeaponTables.h"

namespace quendaro {

WeaponResult WeaponGenerator::Generate(RandomSource& random) const {
  WeaponResult result;
  random.Reseed();

  const LanguagesRow& languages =
      LanguagesFor(random.Roll(kLanguagesRoll, 1, LabelOf(kLanguagesCaption)));
  RecordTableLine(random.Log(), kLanguagesCaption, languages.low,
                  languages.high, languages.ego, languages.languages);
  result.languages = languages.languages;
  result.ego += languages.ego;

  const BonusRow& bonus =
      BonusFor(random.Roll(kBonusRoll, 1, LabelOf(kBonusCaption)));
  RecordTableLine(random.Log(), kBonusCaption, bonus.low, bonus.high, bonus.ego,
                  bonus.bonus);
  result.bonus = bonus.bonus;
  result.ego += bonus.ego;

  const AlignmentRow& alignment =
      AlignmentFor(random.Roll(kAlignmentRoll, 1, LabelOf(kAlignmentCaption)));
  RecordTableLine(random.Log(), kAlignmentCaption, alignment.low,
                  alignment.high, 0, alignment.alignment);
  result.alignment = alignment.alignment;

  const CapabilityRow& capabilities = CapabilitiesFor(
      random.Roll(kCapabilitiesRoll, 1, LabelOf(kIntelligenceCaption)));
  RecordTableLine(random.Log(), kIntelligenceCaption, capabilities.low,
                  capabilities.high, capabilities.ego,
                  capabilities.intelligence);
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
    if (outcome.specialPurpose) {
      if (RollLog* log = random.Log();
          log != nullptr && result.special_purpose) {
        log->Rule(std::string(kSpecialPurposeCaption),
                  "il nuovo scopo prende il posto del precedente",
                  std::string(result.special_purpose->purpose),
                  std::string(outcome.specialPurpose->purpose));
      }
      result.special_purpose = outcome.specialPurpose;
    }
  }
  if (RollLog* log = random.Log()) {
    log->Rule(std::string(kEgoCaption), "somma dei punti ego delle righe", {},
              result.ego);
  }
  return result;
}

}  // namespace quendaro
