#include "character/AgeCategories.h"

#include <array>
#include <cstdio>
#include <string>

#include "character/FixedList.h"

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

struct AgeGroup {
  FixedList<std::string_view, 6> races;
  FixedList<AgeBand, 6> bands;
  int maximum;  // shown as "Età massima"
  std::string_view refusal;
  std::string_view refusalCaption;
};

constexpr std::string_view kTwelveBlanks = "            ";
static_assert(kTwelveBlanks.size() == 12);

constexpr std::string_view kMaximumAge = "Età massima";

constexpr std::array<AgeGroup, 14> kAgeGroups{{
    {{"Nano di collina"},
     {{"Giovane", 0, 125},
      {"Mezza età", 125, 167},
      {"Età avanzata", 167, 250},
      {"Età veneranda", 250, 450}},
     450,
     "Un nano di collina non può superare i 450 anni !",
     kTwelveBlanks},
    {{"Nano delle montagne", "Nano grigio(Duergar)"},
     {{"Giovane", 0, 150},
      {"Mezza età", 150, 200},
      {"Età avanzata", 200, 300},
      {"Età veneranda", 300, 500}},
     500,
     "Questo nano non può superare i 500 anni !",
     kTwelveBlanks},
    {{"Nano sotterraneo"},
     {{"Giovane", 0, 140},
      {"Mezza età", 140, 187},
      {"Età avanzata", 187, 280},
      {"Età veneranda", 280, 480}},
     480,
     "Un nano sotterraneo non può superare i 480 anni !",
     kTwelveBlanks},
    {{"Nano di fosso", "Nano di superficie"},
     {{"Giovane", 0, 100},
      {"Mezza età", 100, 134},
      {"Età avanzata", 134, 200},
      {"Età veneranda", 200, 300}},
     300,
     "Questo nano non può superare i 300 anni !",
     kTwelveBlanks},
    {{"Elfo alto"},
     {{"Infanzia", 0, 75},
      {"Adolescente", 75, 110},
      {"Età adulta", 110, 175},
      {"Mezza età", 175, 250},
      {"Età avanzata", 250, 350},
      {"Età veneranda", 350, 750}},
     750,
     "Un elfo alto non può raggiungere questa età",
     ""},
    {{"Elfo grigio", "Elfo alato(Avariel)"},
     {{"Infanzia", 0, 80},
      {"Adolescente", 80, 120},
      {"Età adulta", 120, 210},
      {"Mezza età", 210, 300},
      {"Età avanzata", 300, 425},
      {"Età veneranda", 425, 925}},
     925,
     "Un elfo grigio non può raggiungere questa età",
     ""},
    {{"Elfo marino"},
     {{"Infanzia", 0, 60},
      {"Adolescente", 60, 100},
      {"Età adulta", 100, 160},
      {"Mezza età", 160, 220},
      {"Età avanzata", 220, 300},
      {"Età veneranda", 300, 600}},
     600,
     "Un elfo marino non può raggiungere questa età",
     ""},
    {{"Elfo oscuro(Drow)"},
     {{"Infanzia", 0, 50},
      {"Adolescente", 50, 80},
      {"Età adulta", 80, 140},
      {"Mezza età", 140, 190},
      {"Età avanzata", 190, 225},
      {"Età veneranda", 225, 525}},
     525,
     "Un Drow non può raggiungere questa età",
     ""},
    {{"Elfo silvano"},
     {{"Infanzia", 0, 70},
      {"Adolescente", 70, 105},
      {"Età adulta", 105, 170},
      {"Mezza età", 170, 230},
      {"Età avanzata", 230, 325},
      {"Età veneranda", 325, 725}},
     725,
     "Un elfo silvano non può raggiungere questa età",
     ""},
    {{"Halfling atasiano(Dark Sun)", "Halfling tallfellow",
      "Kender(Dragonlance)", "Halfling polare(Furchin)(Spelljammer)",
      "Halfling stout", "Halfling piedipelosi"},
     {{"Giovane", 0, 45},
      {"Mezza età", 45, 67},
      {"Età avanzata", 67, 100},
      {"Vetusto", 100, 200}},
     200,
     "Un Halfling o un Kender non arrivano questa età !",
     ""},
    {{"Umano"},
     {{"Giovane", 0, 45},
      {"Mezza età", 45, 60},
      {"Età avanzata", 60, 90},
      {"Vetusto", 90, 110}},
     110,
     "Un uomo non arriva a questa età !",
     ""},
    {{"Minotauro(Dragonlance)"},
     {{"Giovane", 0, 50}, {"Mezza età", 50, 111}, {"Venerabile", 111, 150}},
     150,
     "Un minotauro non arriva a questa età !",
     ""},
    {{"Gnomo delle rocce", "Gnomo pensatore(Dragonlance)", "Gnomo degli abissi",
      "Gnomo delle foreste"},
     {{"Giovane", 0, 100},
      {"Mezza età", 100, 133},
      {"Età avanzata", 133, 200},
      {"Vetusto", 200, 500}},
     500,
     "Uno Gnomo non arriva a questa età !",
     ""},
    {{"Mezzelfo"},
     {{"Giovane", 0, 62},
      {"Mezza età", 62, 83},
      {"Età avanzata", 83, 125},
      {"Vetusto", 125, 185}},
     185,
     "Un mezzelfo non arriva a questa età !",
     ""},
}};

const AgeGroup* FindAgeGroup(std::string_view race) {
  for (const AgeGroup& group : kAgeGroups) {
    for (std::string_view member : group.races) {
      if (member == race) return &group;
    }
  }
  return nullptr;
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
  const AgeGroup* group = FindAgeGroup(race);
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
  const AgeGroup* group = FindAgeGroup(race);
  if (group == nullptr) return std::nullopt;
  return group->maximum;
}

}  // namespace quendaro
