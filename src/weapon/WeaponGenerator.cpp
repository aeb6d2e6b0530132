#include "weapon/WeaponGenerator.h"

#include <array>
#include <cassert>
#include <string>

#include "common/NumberText.h"
#include "weapon/AbilityDraw.h"
#include "weapon/WeaponTables.h"

namespace quendaro {

WeaponResult WeaponGenerator::Generate(RandomSource& random) const {
  WeaponResult result;
  int ego = 0;
  random.Reseed();

  const LanguagesRow& languages =
      LanguagesFor(random.Roll(kLanguagesRoll, 1, LabelOf(kLanguagesCaption)));
  RecordTableLine(random.Log(), kLanguagesCaption, languages.low,
                  languages.high, languages.ego, languages.languages);
  result.languages = languages.languages;
  ego += languages.ego;

  const BonusRow& bonus =
      BonusFor(random.Roll(kBonusRoll, 1, LabelOf(kBonusCaption)));
  RecordTableLine(random.Log(), kBonusCaption, bonus.low, bonus.high, bonus.ego,
                  bonus.bonus);
  result.bonus = bonus.bonus;
  ego += bonus.ego;

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
  result.readsNonMagical = capabilities.readsNonMagical;
  result.readsMagical = capabilities.readsMagical;
  ego += capabilities.ego;

  const std::array<std::string*, 3> slots = {&result.ability1, &result.ability2,
                                             &result.ability3};
  assert(capabilities.abilityCount >= 1 &&
         capabilities.abilityCount <= static_cast<int>(slots.size()) &&
         "a weapon has one to three abilities");
  for (int i = 0; i < capabilities.abilityCount; ++i) {
    const AbilityOutcome outcome = AbilityDraw(random);
    *slots[i] = outcome.ability;
    ego += outcome.ego;
    // The window has room for one special purpose: a later one takes its
    // place, though both count towards the ego.
    if (outcome.specialPurpose) {
      if (RollLog* log = random.Log();
          log != nullptr && !result.specialPurpose.empty()) {
        log->Rule(std::string(kSpecialPurposeCaption),
                  "il nuovo scopo prende il posto del precedente",
                  result.specialPurpose,
                  std::string(outcome.specialPurpose->purpose));
      }
      result.specialPurpose = outcome.specialPurpose->purpose;
      result.specialPurposePower = outcome.specialPurpose->power;
    }
  }

  if (RollLog* log = random.Log()) {
    log->Rule(std::string(kEgoCaption), "somma dei punti ego delle righe", {},
              ego);
  }
  result.ego = WholeText(ego);
  return result;
}

}  // namespace quendaro
