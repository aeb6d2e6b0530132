#include "character/RaceLimits.h"

#include <algorithm>

namespace quendaro {

namespace {

struct RaceRow {
  std::string_view race;
  RaceLimits limits;
};

// Strength, dexterity, constitution, intelligence, wisdom, charisma.
constexpr std::array<RaceRow, 25> kRaceLimits{{
    {"Elfo alto", {{{6, 18}, {6, 19}, {7, 17}, {8, 18}, {5, 18}, {8, 18}}}},
    {"Elfo grigio", {{{6, 17}, {7, 19}, {5, 16}, {8, 20}, {8, 18}, {8, 18}}}},
    {"Elfo silvano", {{{8, 19}, {7, 19}, {9, 17}, {8, 18}, {5, 18}, {7, 17}}}},
    {"Elfo oscuro(Drow)",
     {{{6, 18}, {8, 20}, {7, 17}, {10, 19}, {7, 18}, {8, 18}}}},
    {"Elfo marino", {{{6, 18}, {6, 19}, {8, 18}, {7, 17}, {7, 18}, {8, 18}}}},
    {"Elfo alato(Avariel)",
     {{{5, 18}, {8, 21}, {7, 15}, {8, 18}, {5, 18}, {9, 18}}}},
    {"Umano", {{{7, 18}, {6, 18}, {6, 18}, {5, 18}, {5, 18}, {5, 18}}}},
    {"Nano di collina",
     {{{8, 18}, {5, 17}, {11, 18}, {5, 18}, {5, 18}, {5, 17}}}},
    {"Nano delle montagne",
     {{{8, 18}, {5, 17}, {11, 19}, {4, 18}, {5, 18}, {4, 16}}}},
    {"Nano sotterraneo",
     {{{8, 18}, {6, 16}, {13, 19}, {4, 18}, {4, 18}, {4, 15}}}},
    {"Nano grigio(Duergar)",
     {{{8, 18}, {6, 17}, {11, 18}, {6, 16}, {4, 18}, {4, 15}}}},
    {"Nano di superficie",
     {{{8, 18}, {6, 17}, {11, 18}, {5, 16}, {5, 18}, {5, 16}}}},
    {"Nano di fosso", {{{6, 18}, {6, 18}, {8, 16}, {5, 12}, {5, 14}, {3, 12}}}},
    {"Gnomo degli abissi",
     {{{6, 18}, {6, 19}, {6, 18}, {5, 17}, {6, 19}, {4, 16}}}},
    {"Gnomo delle foreste",
     {{{6, 17}, {8, 19}, {8, 18}, {5, 17}, {6, 18}, {6, 18}}}},
    {"Gnomo delle rocce",
     {{{6, 18}, {7, 18}, {8, 18}, {7, 19}, {5, 17}, {5, 18}}}},
    {"Gnomo pensatore(Dragonlance)",
     {{{6, 18}, {8, 18}, {8, 18}, {9, 18}, {7, 12}, {7, 18}}}},
    {"Halfling stout",
     {{{5, 17}, {8, 19}, {10, 19}, {6, 18}, {6, 18}, {6, 18}}}},
    {"Halfling tallfellow",
     {{{6, 17}, {8, 19}, {10, 18}, {6, 18}, {7, 19}, {5, 18}}}},
    {"Kender(Dragonlance)",
     {{{6, 16}, {8, 19}, {10, 18}, {6, 19}, {6, 16}, {6, 18}}}},
    {"Halfling atasiano(Dark Sun)",
     {{{5, 16}, {12, 20}, {12, 17}, {7, 18}, {6, 20}, {5, 17}}}},
    {"Halfling polare(Furchin)(Spelljammer)",
     {{{5, 17}, {8, 19}, {10, 19}, {7, 18}, {6, 17}, {7, 18}}}},
    {"Halfling piedipelosi",
     {{{5, 17}, {8, 19}, {10, 18}, {6, 18}, {4, 18}, {6, 18}}}},
    {"Mezzelfo", {{{6, 18}, {5, 18}, {6, 18}, {5, 18}, {6, 18}, {5, 18}}}},
    {"Minotauro(Dragonlance)",
     {{{12, 20}, {8, 18}, {12, 20}, {6, 18}, {5, 18}, {5, 16}}}},
}};

constexpr std::array<std::string_view, 21> kWarriorClasses{
    "Nobile guerriero",
    "Pirata/fuorilegge",
    "Ranger",
    "Guerriero/chierico",
    "Spadaccino",
    "Guerriero(puro)",
    "Samurai",
    "Selvaggio",
    "Vendicatore(Ravenloft)",
    "Paladino",
    "Barbaro",
    "Berserker",
    "Eroe popolare",
    "Gladiatore",
    "Guerriero/mago/ladro",
    "Cavaliere",
    "Cavaliere selvaggio",
    "Guerriero errante",
    "Mirmidone",
    "Chierico/ranger",
    "Guerriero/mago/chierico"};

constexpr std::array<std::string_view, 10> kSmallRaces{
    "Gnomo delle rocce",
    "Halfling tallfellow",
    "Kender(Dragonlance)",
    "Halfling atasiano(Dark Sun)",
    "Gnomo pensatore(Dragonlance)",
    "Gnomo degli abissi",
    "Gnomo delle foreste",
    "Halfling stout",
    "Halfling polare(Furchin)(Spelljammer)",
    "Halfling piedipelosi"};

template <std::size_t kSize>
bool Contains(const std::array<std::string_view, kSize>& texts,
              std::string_view text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

constexpr int kStrength18 = 18;
// Exceptional strength runs from 23 to 99: 77 values.
constexpr int kLowestPercentile = 23;
constexpr int kPercentileValues = 77;

}  // namespace

RaceLimits LimitsOfRace(std::string_view race) {
  for (const RaceRow& row : kRaceLimits) {
    if (row.race == race) return row.limits;
  }
  return RaceLimits{};
}

bool IsWarriorClass(std::string_view character_class) {
  return Contains(kWarriorClasses, character_class);
}

bool IsSmallRace(std::string_view race) { return Contains(kSmallRaces, race); }

RolledAbilities RollAbilities(std::string_view race,
                              std::string_view character_class,
                              RandomSource& random) {
  const RaceLimits limits = LimitsOfRace(race);
  RolledAbilities rolled;
  for (std::size_t i = 0; i < limits.size(); ++i) {
    random.Reseed();
    rolled.scores[i] = random.RollBetween(limits[i].minimum, limits[i].maximum,
                                          LabelOf(kAbilityCaptions[i]));
    // The percentile is drawn straight after the strength, before the next
    // reseed, so it belongs to the same stretch of the sequence.
    if (i == IndexOf(Ability::kStrength) && rolled.scores[i] == kStrength18 &&
        IsWarriorClass(character_class) && !IsSmallRace(race)) {
      rolled.percentile = random.Roll(kPercentileValues, kLowestPercentile,
                                      LabelOf(kExceptionalStrengthCaption));
    }
  }
  return rolled;
}

}  // namespace quendaro
