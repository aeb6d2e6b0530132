#include "npc/RaceTraits.h"

#include <cstdint>

#include "character/CharacterChoices.h"
#include "random/RandomSource.h"

namespace quendaro {

namespace {

// One line of data/npc/races.csv: the game's base-plus-dice, in years,
// inches and pounds.
struct RaceRow {
  std::string_view race;
  std::string_view base_race;
  std::string_view name_set;
  int age;
  int age_dice;
  int age_faces;
  int height_male;
  int height_female;
  int height_dice;
  int height_faces;
  int weight_male;
  int weight_female;
  int weight_dice;
  int weight_faces;
};

}  // namespace
}  // namespace quendaro

#include "npc/RaceData.h"

namespace quendaro {

namespace {

static_assert(data::kRaceRows.size() == kRaceChoices.size(),
              "races.csv needs one line per race of the character window");

// The file lists the races in the window's order, each with a known set.
constexpr bool RaceRowsFollowTheWindow() {
  for (std::size_t i = 0; i < kRaceChoices.size(); ++i) {
    const RaceRow& row = data::kRaceRows[i];
    if (row.race != kRaceChoices[i] || !NameSetNamed(row.name_set)) {
      return false;
    }
  }
  return true;
}
static_assert(RaceRowsFollowTheWindow(),
              "races.csv lists the races in the window's order, each with a "
              "name set of name-parts.csv");

// The smallest and the largest sum of base plus `dice` dice of `faces`.
constexpr WholeRange SumRange(int base, int dice, int faces) {
  return {base + dice, base + dice * faces};
}

// Whole centimetres and kilograms, rounded to the nearest.
constexpr int Centimetres(int inches) {
  return static_cast<int>((std::int64_t{inches} * 254 + 50) / 100);
}
constexpr int Kilograms(int pounds) {
  return static_cast<int>((std::int64_t{pounds} * 45359237 + 50000000) /
                          100000000);
}
constexpr WholeRange InCentimetres(WholeRange inches) {
  return {Centimetres(inches.low), Centimetres(inches.high)};
}
constexpr WholeRange InKilograms(WholeRange pounds) {
  return {Kilograms(pounds.low), Kilograms(pounds.high)};
}

constexpr RaceTraits TraitsOf(const RaceRow& row) {
  return {
      row.race,
      row.base_race,
      NameSetNamed(row.name_set).value_or(NameSet::kHumans),
      SumRange(row.age, row.age_dice, row.age_faces),
      {InCentimetres(
           SumRange(row.height_male, row.height_dice, row.height_faces)),
       InCentimetres(
           SumRange(row.height_female, row.height_dice, row.height_faces))},
      {InKilograms(
           SumRange(row.weight_male, row.weight_dice, row.weight_faces)),
       InKilograms(
           SumRange(row.weight_female, row.weight_dice, row.weight_faces))},
  };
}

constexpr auto kRaceTraits = [] {
  std::array<RaceTraits, data::kRaceRows.size()> traits{};
  for (std::size_t i = 0; i < traits.size(); ++i) {
    traits[i] = TraitsOf(data::kRaceRows[i]);
  }
  return traits;
}();

int RollWithin(WholeRange range, std::string_view caption,
               RandomSource& random) {
  return random.RollBetween(range.low, range.high, LabelOf(caption));
}

}  // namespace

const RaceTraits* TraitsOfRace(std::string_view race) {
  for (const RaceTraits& traits : kRaceTraits) {
    if (traits.race == race) return &traits;
  }
  return nullptr;
}

Physique RollPhysique(const RaceTraits& traits, std::string_view sex,
                      RandomSource& random) {
  const std::size_t column = sex == "Femmina" ? 1 : 0;
  Physique physique;
  physique.age = RollWithin(traits.starting_age, "ETA'", random);
  physique.height_cm = RollWithin(traits.height_cm[column], "ALTEZZA", random);
  physique.weight_kg = RollWithin(traits.weight_kg[column], "PESO", random);
  return physique;
}

}  // namespace quendaro
