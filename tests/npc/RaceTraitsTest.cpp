#include <gtest/gtest.h>

#include <string_view>

#include "character/AgeCategories.h"
#include "character/CharacterChoices.h"
#include "npc/RaceTraits.h"
#include "random/RandomSource.h"
#include "support/Draws.h"

namespace quendaro {
namespace {

// The youngest and the oldest starting age of every race are adults by the
// race's own age bands: no childhood or adolescence, no age refused.
TEST(RaceTraitsTest, EveryRaceStartsAsAnAdult) {
  for (std::string_view race : kRaceChoices) {
    const RaceTraits* traits = TraitsOfRace(race);
    ASSERT_NE(traits, nullptr) << race;
    for (int age : {traits->starting_age.low, traits->starting_age.high}) {
      const AgeOutcome outcome = FindAgeCategory(race, age);
      EXPECT_EQ(outcome.message, std::nullopt) << race << " " << age;
      EXPECT_NE(outcome.category, "") << race << " " << age;
      EXPECT_NE(outcome.category, "Infanzia") << race << " " << age;
      EXPECT_NE(outcome.category, "Adolescente") << race << " " << age;
    }
  }
  EXPECT_EQ(TraitsOfRace("nessuna"), nullptr);
  EXPECT_EQ(TraitsOfRace("elfo alto"), nullptr);
}

// The game's inches and pounds, in whole centimetres and kilograms.
TEST(RaceTraitsTest, TheGamesInchesAndPoundsBecomeCentimetresAndKilograms) {
  const RaceTraits& human = *TraitsOfRace("Umano");
  EXPECT_EQ(human.starting_age, (WholeRange{16, 19}));  // 15 + 1d4
  // 60 + 2d10 inches, 140 + 6d10 pounds for men; 59 and 100 for women.
  EXPECT_EQ(human.height_cm[0], (WholeRange{157, 203}));
  EXPECT_EQ(human.weight_kg[0], (WholeRange{66, 91}));
  EXPECT_EQ(human.height_cm[1], (WholeRange{155, 201}));
  EXPECT_EQ(human.weight_kg[1], (WholeRange{48, 73}));
  const RaceTraits& duergar = *TraitsOfRace("Nano grigio(Duergar)");
  EXPECT_EQ(duergar.base_race, "Nano");
  EXPECT_EQ(duergar.name_set, NameSet::kDwarves);
}

TEST(RaceTraitsTest, APhysiqueIsThreeDrawsWithinTheSexsRanges) {
  const RaceTraits& elf = *TraitsOfRace("Elfo silvano");
  struct Case {
    std::string_view sex;
    float draw;
    Physique physique;
  };
  // 100 + 5d6 years; 55 or 50 + 1d10 inches; 90 or 70 + 3d10 pounds.
  const Case kCases[] = {
      {"Maschio", testing::kSmallestDraw, {105, 142, 42}},
      {"Femmina", testing::kSmallestDraw, {105, 130, 33}},
      {"Femmina", testing::kLargestDraw, {130, 152, 45}},
      {"nessuno", testing::kLargestDraw, {130, 165, 54}},
  };
  for (const Case& c : kCases) {
    RandomSource random(1);
    random.ScriptDraws({c.draw, c.draw, c.draw});
    EXPECT_EQ(RollPhysique(elf, c.sex, random), c.physique) << c.sex;
    EXPECT_EQ(random.ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(random.ReseedCount(), 0u);
  }
}

}  // namespace
}  // namespace quendaro
