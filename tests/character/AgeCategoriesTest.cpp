#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "character/AgeCategories.h"

namespace quendaro {
namespace {

constexpr std::string_view kTwelveBlanks = "            ";

TEST(AgeCategoriesTest, BandsJoinAtTheirBounds) {
  struct Case {
    std::string_view race;
    double age;
    std::string_view category;
  };
  const Case cases[] = {
      {"Umano", 1, "Giovane"},
      {"Umano", 44, "Giovane"},
      {"Umano", 44.5, "Giovane"},
      {"Umano", 45, "Mezza età"},
      {"Umano", 89, "Età avanzata"},
      {"Umano", 90, "Vetusto"},
      {"Umano", 109, "Vetusto"},
      {"Umano", 110, "Età massima"},
      {"Umano", 0.5, "Giovane"},
      {"Elfo alto", 1, "Infanzia"},
      {"Elfo alto", 749, "Età veneranda"},
      {"Elfo alato(Avariel)", 100, "Adolescente"},
      {"Nano sotterraneo", 460, "Età veneranda"},
      {"Nano sotterraneo", 480, "Età massima"},
      {"Kender(Dragonlance)", 150, "Vetusto"},
      {"Kender(Dragonlance)", 200, "Età massima"},
      {"Minotauro(Dragonlance)", 120, "Venerabile"},
      {"Gnomo delle rocce", 100, "Mezza età"},
      {"Mezzelfo", 184, "Vetusto"},
      // The ditch and surface dwarves age like the gnomes below 134, with no
      // gap between youth and middle age.
      {"Nano di fosso", 99, "Giovane"},
      {"Nano di fosso", 100, "Mezza età"},
      {"Nano di superficie", 124, "Mezza età"},
      {"Nano di superficie", 133, "Mezza età"},
      {"Nano di superficie", 134, "Età avanzata"},
      {"Nano di fosso", 300, "Età massima"},
  };
  for (const Case& c : cases) {
    const AgeOutcome outcome = FindAgeCategory(c.race, c.age);
    EXPECT_EQ(outcome.category, c.category) << c.race << " " << c.age;
    EXPECT_FALSE(outcome.message) << c.race << " " << c.age;
    EXPECT_FALSE(outcome.ageReset) << c.race << " " << c.age;
  }
}

TEST(AgeCategoriesTest, AgeAboveTheMaximumIsRefused) {
  struct Case {
    std::string_view race;
    double age;
    std::string_view message;
    std::string_view caption;
  };
  const Case cases[] = {
      {"Umano", 111, "Un uomo non arriva a questa età !", ""},
      {"Umano", 110.5, "Un uomo non arriva a questa età !", ""},
      {"Nano di collina", 451,
       "Un nano di collina non può superare i 450 anni !", kTwelveBlanks},
      {"Nano grigio(Duergar)", 501, "Questo nano non può superare i 500 anni !",
       kTwelveBlanks},
      // The refusals name the limit that is really enforced.
      {"Nano sotterraneo", 481,
       "Un nano sotterraneo non può superare i 480 anni !", kTwelveBlanks},
      {"Nano di fosso", 301, "Questo nano non può superare i 300 anni !",
       kTwelveBlanks},
      {"Elfo alato(Avariel)", 926,
       "Un elfo grigio non può raggiungere questa età", ""},
      {"Halfling stout", 9999,
       "Un Halfling o un Kender non arrivano questa età !", ""},
      {"Gnomo degli abissi", 9999, "Uno Gnomo non arriva a questa età !", ""},
  };
  for (const Case& c : cases) {
    const AgeOutcome outcome = FindAgeCategory(c.race, c.age);
    EXPECT_EQ(outcome.message, std::optional(c.message)) << c.race << c.age;
    EXPECT_EQ(outcome.category, c.caption) << c.race << " " << c.age;
    EXPECT_TRUE(outcome.ageReset) << c.race << " " << c.age;
  }
}

TEST(AgeCategoriesTest, NoBandGivesAnEmptyCategoryAndNoMessage) {
  struct Case {
    std::string_view race;
    std::optional<double> age;
  };
  const Case cases[] = {
      {"Umano", 0},    {"Umano", -5}, {"Umano", std::nullopt},
      {"nessuna", 30}, {"umano", 30}, {"nessuna", 9999},
  };
  for (const Case& c : cases) {
    const AgeOutcome outcome = FindAgeCategory(c.race, c.age);
    EXPECT_EQ(outcome.category, "") << c.race << " " << c.age.value_or(-1);
    EXPECT_FALSE(outcome.message) << c.race;
    EXPECT_FALSE(outcome.ageReset) << c.race;
  }
}

}  // namespace
}  // namespace quendaro
