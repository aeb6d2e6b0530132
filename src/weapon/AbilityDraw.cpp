#include "weapon/AbilityDraw.h"

#include "weapon/WeaponTables.h"

namespace quendaro {

AbilityOutcome AbilityDraw(RandomSource& random) {
  AbilityOutcome outcome;
  const PrimaryAbilityRow& primary = PrimaryAbilityFor(
      random.Roll(kPrimaryAbilityRoll, 1, LabelOf(kPrimaryAbilityCaption)));
  outcome.ego += primary.ego;
  RecordTableLine(
      random.Log(), kPrimaryAbilityCaption, primary.low, primary.high,
      primary.ego,
      primary.drawsPower ? "tiro sui poteri straordinari" : primary.ability);
  if (!primary.drawsPower) {
    outcome.ability = primary.ability;
    return outcome;
  }

  const ExtraordinaryPowerRow& power = ExtraordinaryPowerFor(random.Roll(
      kExtraordinaryPowerRoll, 1, LabelOf(kExtraordinaryPowerCaption)));
  outcome.ability = power.ability;
  outcome.ego += power.ego;
  RecordTableLine(random.Log(), kExtraordinaryPowerCaption, power.low,
                  power.high, power.ego, power.ability);
  if (!power.drawsPurpose) return outcome;

  const SpecialPurposeRow& purpose = SpecialPurposeFor(
      random.Roll(kSpecialPurposeRoll, 1, LabelOf(kSpecialPurposeCaption)));
  outcome.ego += purpose.ego;
  RecordTableLine(random.Log(), kSpecialPurposeCaption, purpose.low,
                  purpose.high, purpose.ego, purpose.purpose);
  // The purpose's power is rolled after the purpose itself, never before.
  const SpecialPurposePowerRow& purpose_power =
      SpecialPurposePowerFor(random.Roll(kSpecialPurposePowerRoll, 1,
                                         LabelOf(kSpecialPurposePowerCaption)));
  RecordTableLine(random.Log(), kSpecialPurposePowerCaption, purpose_power.low,
                  purpose_power.high, 0, purpose_power.power);
  outcome.specialPurpose = SpecialPurpose{purpose.purpose, purpose_power.power};
  return outcome;
}

}  // namespace quendaro
