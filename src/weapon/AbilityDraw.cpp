#include "weapon/AbilityDraw.h"

#include "weapon/WeaponTables.h"

namespace quendaro {

AbilityOutcome AbilityDraw(RandomSource& random) {
  AbilityOutcome outcome;
  const PrimaryAbilityRow& primary =
      PrimaryAbilityFor(random.Roll(kPrimaryAbilityRoll, 1));
  outcome.ego += primary.ego;
  if (!primary.drawsPower) {
    outcome.ability = primary.ability;
    return outcome;
  }

  const ExtraordinaryPowerRow& power =
      ExtraordinaryPowerFor(random.Roll(kExtraordinaryPowerRoll, 1));
  outcome.ability = power.ability;
  outcome.ego += power.ego;
  if (!power.drawsPurpose) return outcome;

  const SpecialPurposeRow& purpose =
      SpecialPurposeFor(random.Roll(kSpecialPurposeRoll, 1));
  outcome.ego += purpose.ego;
  // The purpose's power is rolled after the purpose itself, never before.
  const SpecialPurposePowerRow& purpose_power =
      SpecialPurposePowerFor(random.Roll(kSpecialPurposePowerRoll, 1));
  outcome.specialPurpose = SpecialPurpose{purpose.purpose, purpose_power.power};
  return outcome;
}

}  // namespace quendaro
