// Any bytes become the clock, the seed and the dice of a weapon; every field
// must be the text of the table row its roll chose, and the ego the sum of
// those rows' points.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "common/NumberText.h"
#include "fuzz/FuzzSupport.h"
#include "presentation/Record.h"
#include "presentation/WeaponPresentation.h"
#include "random/RandomSource.h"
#include "weapon/WeaponGenerator.h"
#include "weapon/WeaponTables.h"

namespace quendaro::fuzzing {
namespace {

// The weapon the recorded rolls make, looked up row by row in the tables.
WeaponWindowTexts Replay(const std::vector<RecordedRoll>& rolls, int& ego) {
  RollReplay replay(rolls);
  WeaponWindowTexts expected;
  ego = 0;
  const LanguagesRow& languages =
      LanguagesFor(replay.Expect(kLanguagesRoll, 1, "languages"));
  expected.languages = WholeText(languages.languages);
  ego += languages.ego;
  const BonusRow& bonus = BonusFor(replay.Expect(kBonusRoll, 1, "bonus"));
  expected.bonus = "+" + WholeText(bonus.bonus);
  ego += bonus.ego;
  expected.alignment =
      AlignmentFor(replay.Expect(kAlignmentRoll, 1, "alignment")).alignment;
  const CapabilityRow& capabilities =
      CapabilitiesFor(replay.Expect(kCapabilitiesRoll, 1, "capabilities"));
  expected.intelligence = WholeText(capabilities.intelligence);
  expected.communication = capabilities.communication;
  expected.reads_non_magical = capabilities.readsNonMagical;
  expected.reads_magical = capabilities.readsMagical;
  ego += capabilities.ego;

  const std::array<std::string*, 3> slots = {
      &expected.ability1, &expected.ability2, &expected.ability3};
  Require(capabilities.abilityCount >= 1 && capabilities.abilityCount <= 3,
          "a capability row without one to three abilities");
  for (int i = 0; i < capabilities.abilityCount; ++i) {
    const PrimaryAbilityRow& primary =
        PrimaryAbilityFor(replay.Expect(kPrimaryAbilityRoll, 1, "ability"));
    ego += primary.ego;
    if (!primary.drawsPower) {
      *slots[static_cast<std::size_t>(i)] = primary.ability;
      continue;
    }
    const ExtraordinaryPowerRow& power = ExtraordinaryPowerFor(
        replay.Expect(kExtraordinaryPowerRoll, 1, "extraordinary power"));
    *slots[static_cast<std::size_t>(i)] = power.ability;
    ego += power.ego;
    if (!power.drawsPurpose) continue;
    const SpecialPurposeRow& purpose = SpecialPurposeFor(
        replay.Expect(kSpecialPurposeRoll, 1, "special purpose"));
    ego += purpose.ego;
    expected.special_purpose = purpose.purpose;
    expected.special_purpose_power =
        SpecialPurposePowerFor(
            replay.Expect(kSpecialPurposePowerRoll, 1, "special-purpose power"))
            .power;
  }
  replay.ExpectEnd();
  expected.ego = WholeText(ego);
  return expected;
}

void RequireField(const std::string& shown, const std::string& expected,
                  std::string_view field) {
  Require(shown == expected, "a weapon field other than its table row's text",
          field);
}

}  // namespace
}  // namespace quendaro::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace quendaro;
  using namespace quendaro::fuzzing;
  FuzzInput input(data, size);
  const std::unique_ptr<RandomSource> random = SourceFrom(input);
  RollRecorder recorder;
  random->SetObserver(&recorder);

  const WeaponResult result = WeaponGenerator().Generate(*random);
  const WeaponWindowTexts weapon = WindowTexts(result);
  Require(recorder.reseeds == 1, "a weapon that does not reseed once");
  int ego = 0;
  const WeaponWindowTexts expected = Replay(recorder.rolls, ego);
  Require(ego >= 3 && ego <= 35, "an ego outside 3-35", weapon.ego);
  RequireField(weapon.languages, expected.languages, "languages");
  RequireField(weapon.bonus, expected.bonus, "bonus");
  RequireField(weapon.alignment, expected.alignment, "alignment");
  RequireField(weapon.intelligence, expected.intelligence, "intelligence");
  RequireField(weapon.communication, expected.communication, "communication");
  RequireField(weapon.reads_non_magical, expected.reads_non_magical,
               "reads_non_magical");
  RequireField(weapon.reads_magical, expected.reads_magical, "reads_magical");
  RequireField(weapon.ability1, expected.ability1, "ability1");
  RequireField(weapon.ability2, expected.ability2, "ability2");
  RequireField(weapon.ability3, expected.ability3, "ability3");
  RequireField(weapon.special_purpose, expected.special_purpose,
               "special_purpose");
  RequireField(weapon.special_purpose_power, expected.special_purpose_power,
               "special_purpose_power");
  RequireField(weapon.ego, expected.ego, "ego: not the sum of its parts");
  Require(!JsonLine(Record(result, WeaponNotes{}, std::nullopt, 0)).empty(),
          "no record");
  return 0;
}
