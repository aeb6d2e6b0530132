#include "character/AgeCategories.h"

#include <array>
#include <cstdio>
#include <string>

#include "character/FixedList.h"
#include "character/Races.h"

namespace quendaro {

namespace {

// The first band of a group holds the ages above 0 and below its upper bound;
// every other band holds its lower bound and the ages up to, not including,
// its upper bound.
struct AgeBand {
  std::string_view caption;
  int lower;
  int upper;
};

struct AgeGroupRow {
  FixedList<AgeBand, 6> bands;
  int maximum;  // shown as "Età massima"
  std::string_view refusal;
  std::string_view refusalCaption;
};

constexpr std::string_view kTwelveBlanks = "            ";
static_assert(kTwelveBlanks.size() == 12);

constexpr std::string_view kMaximumAge = "Età massima";

// One row per group, in the order of AgeGroup.
constexpr std::array<AgeGroupRow, kAgeGroupCount> kAgeGroups{{
    // The hill dwarves.
    {{{"Giovane", 0, 125},
      {"Mezza età", 125, 167},
      {"Età avanzata", 167, 250},
      {"Età veneranda", 250, 450}},
     450,
     "Un nano di collina non può superare i 450 anni !",
     kTwelveBlanks},
    // The mountain dwarves and the grey dwarves (Duergar).
    {{{"Giovane", 0, 150},
      {"Mezza età", 150, 200},
      {"Età avanzata", 200, 300},
      {"Età veneranda", 300, 500}},
     500,
     "Questo nano non può superare i 500 anni !",
     kTwelveBlanks},
    // The deep dwarves.
    {{{"Giovane", 0, 140},
      {"Mezza età", 140, 187},
      {"Età avanzata", 187, 280},
      {"Età veneranda", 280, 480}},
     480,
     "Un nano sotterraneo non può superare i 480 anni !",
     kTwelveBlanks},
    // The ditch and the surface dwarves.
    {{{"Giovane", 0, 100},
      {"Mezza età", 100, 134},
      {"Età avanzata", 134, 200},
      {"Età veneranda", 200, 300}},
     300,
     "Questo nano non può superare i 300 anni !",
     kTwelveBlanks},
    // The high elves.
    {{{"Infanzia", 0, 75},
      {"Adolescente", 75, 110},
      {"Età adulta", 110, 175},
      {"Mezza età", 175, 250},
      {"Età avanzata", 250, 350},
      {"Età veneranda", 350, 750}},
     750,
     "Un elfo alto non può raggiungere questa età",
     ""},
    // The grey elves and the winged elves (Avariel).
    {{{"Infanzia", 0, 80},
      {"Adolescente", 80, 120},
      {"Età adulta", 120, 210},
      {"Mezza età", 210, 300},
      {"Età avanzata", 300, 425},
      {"Età veneranda", 425, 925}},
     925,
     "Un elfo grigio non può raggiungere questa età",
     ""},
    // The sea elves.
    {{{"Infanzia", 0, 60},
      {"Adolescente", 60, 100},
      {"Età adulta", 100, 160},
      {"Mezza età", 160, 220},
      {"Età avanzata", 220, 300},
      {"Età veneranda", 300, 600}},
     600,
     "Un elfo marino non può raggiungere questa età",
     ""},
    // The dark elves (Drow).
    {{{"Infanzia", 0, 50},
      {"Adolescente", 50, 80},
      {"Età adulta", 80, 140},
      {"Mezza età", 140, 190},
      {"Età avanzata", 190, 225},
      {"Età veneranda", 225, 525}},
     525,
     "Un Drow non può raggiungere questa età",
     ""},
    // The wood elves.
    {{{"Infanzia", 0, 70},
      {"Adolescente", 70, 105},
      {"Età adulta", 105, 170},
      {"Mezza età", 170, 230},
      {"Età avanzata", 230, 325},
      {"Età veneranda", 325, 725}},
     725,
     "Un elfo silvano non può raggiungere questa età",
     ""},
    // The halflings and the kender.
    {{{"Giovane", 0, 45},
      {"Mezza età", 45, 67},
      {"Età avanzata", 67, 100},
      {"Vetusto", 100, 200}},
     200,
     "Un Halfling o un Kender non arrivano questa età !",
     ""},
    // The humans.
    {{{"Giovane", 0, 45},
      {"Mezza età", 45, 60},
      {"Età avanzata", 60, 90},
      {"Vetusto", 90, 110}},
     110,
     "Un uomo non arriva a questa età !",
     ""},
    // The minotaurs.
    {{{"Giovane", 0, 50}, {"Mezza età", 50, 111}, {"Venerabile", 111, 150}},
     150,
     "Un minotauro non arriva a questa età !",
     ""},
    // The gnomes.
    {{{"Giovane", 0, 100},
      {"Mezza età", 100, 133},
      {"Età avanzata", 133, 200},
      {"Vetusto", 200, 500}},
     500,
     "Uno Gnomo non arriva a questa età !",
     ""},
    // The half-elves.
    {{{"Giovane", 0, 62},
      {"Mezza età", 62, 83},
      {"Età avanzata", 83, 125},
      {"Vetusto", 125, 185}},
     185,
     "Un mezzelfo non arriva a questa età !",
     ""},
}};

// Each band starts where the one before it ends, the first at 0, and the
// last ends at the group's oldest age.
constexpr bool BandsJoinUpToTheMaximum() {
  for (const AgeGroupRow& group : kAgeGroups) {
    int next = 0;
    for (const AgeBand& band : group.bands) {
      if (band.lower != next || band.upper <= band.lower) return false;
      next = band.upper;
    }
    if (next != group.maximum) return false;
  }
  return true;
}
static_assert(BandsJoinUpToTheMaximum());

const AgeGroupRow* FindAgeGroup(std::string_view race) {
  const Race* row = FindRace(race);
  if (row == nullptr) return nullptr;
  return &kAgeGroups[static_cast<std::size_t>(row->age_group)];
}

constexpr std::string_view kAgeCaption = "Età";
constexpr std::string_view kCategoryCaption = "Categoria d'età";

// An age as the game master typed it: 20, 20.5.
std::string AgeText(double age) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", age);
  return text;
}

std::string BandText(const AgeBand& band, bool first, double age) {
  return AgeText(age) + " anni, fascia da " + (first ? "più di " : "") +
         std::to_string(band.lower) + " a meno di " +
         std::to_string(band.upper);
}

bool Holds(const AgeBand& band, bool first, double age) {
  const bool above_lower = first ? age > band.lower : age >= band.lower;
  return above_lower && age < band.upper;
}

}  // namespace

AgeOutcome FindAgeCategory(std::string_view race, std::optional<double> age,
                           RollLog* log) {
  AgeOutcome outcome;
  const AgeGroupRow* group = FindAgeGroup(race);
  if (group == nullptr || !age) {
    if (log != nullptr) {
      log->Rule(std::string(kCategoryCaption),
                group == nullptr ? "razza senza tabella delle età"
                                 : "età non numerica",
                {}, {});
    }
    return outcome;
  }

  if (*age > group->maximum) {
    outcome.message = group->refusal;
    outcome.category = group->refusalCaption;
    outcome.ageReset = true;
    if (log != nullptr) {
      log->Rule(std::string(kAgeCaption),
                "oltre il massimo di " + std::to_string(group->maximum) +
                    " anni per " + std::string(race),
                AgeText(*age), 1);
    }
  } else if (*age == group->maximum) {
    outcome.category = kMaximumAge;
    if (log != nullptr) {
      log->Rule(std::string(kCategoryCaption),
                AgeText(*age) + " anni, il massimo per " + std::string(race),
                {}, std::string(outcome.category));
    }
  } else {
    for (std::size_t i = 0; i < group->bands.size(); ++i) {
      if (Holds(group->bands[i], i == 0, *age)) {
        outcome.category = group->bands[i].caption;
        if (log != nullptr) {
          log->Rule(std::string(kCategoryCaption),
                    BandText(group->bands[i], i == 0, *age), {},
                    std::string(outcome.category));
        }
        break;
      }
    }
    if (outcome.category.empty() && log != nullptr) {
      log->Rule(std::string(kCategoryCaption),
                AgeText(*age) + " anni, in nessuna fascia", {}, {});
    }
  }
  return outcome;
}

std::optional<int> MaximumAge(std::string_view race) {
  const AgeGroupRow* group = FindAgeGroup(race);
  if (group == nullptr) return std::nullopt;
  return group->maximum;
}

}  // namespace quendaro
